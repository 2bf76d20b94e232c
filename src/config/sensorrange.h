#pragma once

#include <QString>

// The DPI codes a stage slider offers for a sensor (MouseSenSor/1). The DPI
// numbers shown at the ends are dpiCodeToDpi() of the two codes.
struct SensorRange {
    bool known = false;   // false: a sensor the table does not list
    int minimum = 0;      // lowest code
    int maximum = 0;      // highest code

    bool operator==(const SensorRange &o) const
    {
        return known == o.known && minimum == o.minimum && maximum == o.maximum;
    }
};

// The range for `sensorType`. Two entries depend on the product: the 3327
// stops at 12400 DPI on the products that fit it with the smaller lens
// (by `productName`), and the 3325 family runs its short range when the
// descriptor says so (`shortRange3325`, PROFILE/33254 = 1). The 33352 ends
// at code 200 (24000 DPI), the last code its register table holds, so that
// the page never offers a value the mouse cannot be sent.
SensorRange sensorRange(int sensorType, const QString &productName, bool shortRange3325);

// The products whose 3327 range ends at code 92 (12400 DPI).
bool hasShort3327Range(const QString &productName);

// The code within `range` that the DPI slider shows as `dpi` (the lowest
// such code), or -1 when the slider offers no step of that value.
int codeForDpi(int dpi, int sensorType, const SensorRange &range);
