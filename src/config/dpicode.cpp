#include "dpicode.h"

int dpiCodeToDpi(int a, int s)
{
    switch (s) {
    case 3104:
    case 31042: {
        if (a > 106)
            return 80 * a - 4240;
        const int t = 40 * a;
        return t == 560 ? 500 : t;
    }
    case 3212: {
        if (a > 94) {
            const int t = ((a - 63) * 152 / 10) * 10;
            return t == 7290 ? 7200 : t;
        }
        if (a >= 64)
            return ((a - 32) * 76 / 10) * 10;
        const int t = (a * 38 / 10) * 10;
        switch (t) {   // the sensor's own rounding of these steps
        case 790: return 800;
        case 1210: return 1200;
        case 1630: return 1600;
        case 2390: return 2400;
        default: return t;
        }
    }
    case 3311:
    case 3360:
    case 33112:
        return a > 120 ? (a - 120) * 200 + 12000 : 100 * a;
    case 3325:
    case 33252:
        if (a > 75)
            return (a - 75) * 400 + 10000;
        if (a > 50)
            return (a - 50) * 200 + 5000;
        return 100 * a;
    case 3327:
        if (a > 92)
            return a == 106 ? 16400 : (a - 92) * 300 + 12300;
        if (a > 61)
            return (a - 61) * 200 + 6200;
        return (a + 1) * 100;
    case 3333:
        return a > 80 ? (a - 80) * 200 + 8000 : 100 * a;
    case 3335:
    case 33352:
        return a > 160 ? (a - 160) * 200 + 16000 : 100 * a;
    case 3370:
        return a > 200 ? (a - 200) * 100 + 10000 : 50 * a;
    case 3389:
        return a > 320 ? (a - 320) * 100 + 16000 : 50 * a;
    case 3395:
    case 33952:
        return a > 519 ? (a - 519) * 100 + 26000 : (a + 1) * 50;
    case 3399:
        return a > 399 ? (a - 399) * 100 + 20000 : (a + 1) * 50;
    default:
        return 0;
    }
}
