#include "sensorrange.h"

#include "dpicode.h"

namespace {

SensorRange range(int minimum, int maximum) { return {true, minimum, maximum}; }

} // namespace

bool hasShort3327Range(const QString &productName)
{
    static const char *const products[] = {"Q308-RGB", "STRIKON",  "KV67",     "MORVANE3", "TRAVEK",
                                           "Q412-RGB", "KALDERA2", "AURIVEN2", "REGNAR"};
    for (const char *product : products) {
        if (productName == QLatin1String(product))
            return true;
    }
    return false;
}

SensorRange sensorRange(int sensorType, const QString &productName, bool shortRange3325)
{
    switch (sensorType) {
    case 3311: return range(1, 120);
    case 33112: return range(1, 180);
    case 3325: return shortRange3325 ? range(1, 50) : range(1, 90);
    case 33252: return shortRange3325 ? range(1, 75) : range(1, 90);
    case 3370: return range(1, 290);
    case 3327: return hasShort3327Range(productName) ? range(1, 92) : range(1, 106);
    case 3360: return range(1, 180);
    case 3389: return range(2, 480);
    case 3212: return range(16, 111);
    case 3104: return range(14, 105);
    case 31042: return range(14, 158);
    case 3335: return range(1, 160);
    case 33352: return range(1, 200);
    case 3333: return range(2, 120);
    case 33952: return range(0, 779);
    case 3395: return range(0, 519);
    case 3399: return range(0, 599);
    default: return SensorRange{};
    }
}

int codeForDpi(int dpi, int sensorType, const SensorRange &range)
{
    if (!range.known)
        return -1;
    for (int code = range.minimum; code <= range.maximum; ++code) {
        if (dpiCodeToDpi(code, sensorType) == dpi)
            return code;
    }
    return -1;
}
