#include "sensortable.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr RegisterStretch none() { return {kOpenEnd, 0, RegisterStretch::None, 0, nullptr}; }
constexpr RegisterStretch bytes(int lastStep, int offset, uint8_t high)
{
    return {lastStep, offset, RegisterStretch::Byte, high, nullptr};
}
constexpr RegisterStretch word(int lastStep, int offset, uint8_t high)
{
    return {lastStep, offset, RegisterStretch::Word, high, nullptr};
}
constexpr RegisterStretch table(int lastStep, int offset, uint8_t high, const SensorRegisterTable &t)
{
    return {lastStep, offset, RegisterStretch::Table, high, &t};
}

// The sniper ranges that several sensors share.
constexpr SniperRange kSniperTenSteps = {1, 10, 1, 10, 3};

// clang-format off
const SensorRow kSensors[] = {
    // id, codes, short range, small lens,
    //   DPI stretches, rounding,
    //   register stretches, limited mode, sniper register, sniper range
    {3104, 14, 105, 0, 0,
     {{106, 0, 40}, {kOpenEnd, 53, 80}}, {{560, 500}},
     {bytes(106, 0, 0), bytes(kOpenEnd, 53, 1)}, 0, bytes(kOpenEnd, 0, 0), {14, 26, 15, 26, 14}},
    {31042, 14, 158, 0, 0,
     {{106, 0, 40}, {kOpenEnd, 53, 80}}, {{560, 500}},
     {bytes(106, 0, 0), bytes(kOpenEnd, 53, 1)}, 0, none(), kAnySniperRange},
    {3212, 16, 111, 0, 0,
     {{63, 0, 38}, {94, 32, 76}, {kOpenEnd, 63, 152}},
     {{790, 800}, {1210, 1200}, {1630, 1600}, {2390, 2400}, {7290, 7200}},
     {bytes(63, 0, 0), bytes(94, 32, 1), bytes(kOpenEnd, 63, 2)}, 0, bytes(kOpenEnd, 0, 0), {16, 32, 17, 32, 16}},
    {3311, 1, 120, 0, 0,
     {{120, 0, 100}, {kOpenEnd, 60, 200}}, {},
     {table(120, 0, 0, kRegisters3311), table(kOpenEnd, 60, 1, kRegisters3311)}, 0, none(), kAnySniperRange},
    {33112, 1, 180, 0, 0,
     {{120, 0, 100}, {kOpenEnd, 60, 200}}, {},
     {table(120, 0, 0, kRegisters3311), table(kOpenEnd, 60, 1, kRegisters3311)}, 0, none(), kAnySniperRange},
    {3360, 1, 180, 0, 0,
     {{120, 0, 100}, {kOpenEnd, 60, 200}}, {},
     {bytes(120, 1, 0), bytes(kOpenEnd, 61, 1)}, 0, bytes(kOpenEnd, 1, 0), kSniperTenSteps},
    {3325, 1, 90, 50, 0,
     {{50, 0, 100}, {75, 25, 200}, {kOpenEnd, 50, 400}}, {},
     {table(50, 0, 0, kRegisters3325), table(75, 25, 1, kRegisters3325), table(kOpenEnd, 50, 2, kRegisters3325)},
     0, table(kOpenEnd, 0, 0, kRegisters3325), kSniperTenSteps},
    {33252, 1, 90, 75, 0,
     {{50, 0, 100}, {75, 25, 200}, {kOpenEnd, 50, 400}}, {},
     {table(50, 0, 0, kRegisters3325), table(75, 25, 1, kRegisters3325), table(kOpenEnd, 50, 2, kRegisters3325)},
     0, none(), kAnySniperRange},
    {3327, 1, 106, 0, 92,
     {{61, -1, 100}, {92, 30, 200}, {kOpenEnd, 51, 300}}, {{16500, 16400}},
     {table(61, 0, 0, kRegisters3327), table(92, 31, 1, kRegisters3327), table(kOpenEnd, 52, 4, kRegisters3327)},
     0, table(kOpenEnd, 0, 0, kRegisters3327), kSniperTenSteps},
    {3333, 2, 120, 0, 0,
     {{80, 0, 100}, {kOpenEnd, 40, 200}}, {},
     {table(79, 0, 0, kRegisters3333), table(kOpenEnd, 40, 1, kRegisters3333)}, 0, none(), {2, 10, 1, 10, 3}},
    {3335, 1, 160, 0, 0,
     {{160, 0, 100}, {kOpenEnd, 80, 200}}, {},
     {table(160, 0, 0, kRegisters3335), table(kOpenEnd, 40, 1, kRegisters3335)},
     0, table(kOpenEnd, 0, 0, kRegisters3335), kSniperTenSteps},
    // The slider ends at code 200 (24000 DPI), the last code the register
    // table reaches, so that the page never offers a value the mouse cannot
    // be sent.
    {33352, 1, 200, 0, 0,
     {{160, 0, 100}, {kOpenEnd, 80, 200}}, {},
     {table(160, 0, 0, kRegisters3335), table(kOpenEnd, 40, 1, kRegisters3335)}, 0, none(), kAnySniperRange},
    // Step 1 is register 0; code 0 (an unused stage) wraps to 0xFF as the
    // mouse has always been sent it.
    {3370, 1, 290, 0, 0,
     {{200, 0, 50}, {kOpenEnd, 100, 100}}, {},
     {bytes(200, 1, 0), bytes(kOpenEnd, 101, 1)}, 0, none(), kAnySniperRange},
    {3389, 2, 480, 0, 0,
     {{320, 0, 50}, {kOpenEnd, 160, 100}}, {},
     {word(320, 0, 0), word(kOpenEnd, 160, 0x80)}, 0, bytes(kOpenEnd, 0, 0), {2, 20, 2, 20, 6}},
    {3395, 0, 519, 0, 0,
     {{519, -1, 50}, {kOpenEnd, 259, 100}}, {},
     {word(kOpenEnd, 0, 0)}, 399, none(), kAnySniperRange},
    // Step 520 takes the upper form too, as the DPI shown for it does.
    {33952, 0, 779, 0, 0,
     {{519, -1, 50}, {kOpenEnd, 259, 100}}, {},
     {word(519, 0, 0), word(kOpenEnd, 260, 0x80)}, 0, none(), kAnySniperRange},
    {3399, 0, 599, 0, 0,
     {{399, -1, 50}, {kOpenEnd, 199, 100}}, {},
     {none()}, 0, none(), kAnySniperRange},
};
// clang-format on

// The stretch of `stretches` that holds `n`: the first whose end is not
// below it.
template <typename Stretch, std::size_t N, typename End>
const Stretch *stretchFor(const Stretch (&stretches)[N], int n, End end)
{
    for (const Stretch &s : stretches) {
        if (n <= s.*end)
            return &s;
    }
    return nullptr;
}

SensorRegister encodeIn(const RegisterStretch &stretch, int step)
{
    const int index = step - stretch.stepOffset;
    switch (stretch.form) {
    case RegisterStretch::None: break;
    case RegisterStretch::Byte: return {uint8_t(index & 0xff), stretch.high};
    case RegisterStretch::Word: {
        const int v = std::max(index, 0);
        return {uint8_t(v & 0xff), uint8_t(((v >> 8) & 0xff) | stretch.high)};
    }
    case RegisterStretch::Table: return {sensorRegisterValue(*stretch.table, index), stretch.high};
    }
    return {0, 0};
}

} // namespace

SensorRows builtInSensors() { return {kSensors, std::size(kSensors)}; }

const SensorRow *findSensor(int id, SensorRows rows)
{
    const SensorRow *end = rows.rows + rows.count;
    const SensorRow *row = std::find_if(rows.rows, end, [id](const SensorRow &r) { return r.id == id; });
    return row == end ? nullptr : row;
}

bool hasSmallLens(const QString &productName)
{
    static const char *const products[] = {"Q308-RGB", "STRIKON",  "KV67",     "MORVANE3", "TRAVEK",
                                           "Q412-RGB", "KALDERA2", "AURIVEN2", "REGNAR"};
    for (const char *product : products) {
        if (productName == QLatin1String(product))
            return true;
    }
    return false;
}

int dpiForCode(const SensorRow &sensor, int code)
{
    const DpiStretch *stretch = stretchFor(sensor.dpi, code, &DpiStretch::lastCode);
    if (!stretch || stretch->dpiPerStep == 0)
        return 0;
    const long long steps = static_cast<long long>(code) - stretch->codeOffset;
    const int dpi = int(steps * stretch->dpiPerStep / 10 * 10);
    for (const DpiRounding &r : sensor.rounding) {
        if (r.computed != 0 && r.computed == dpi)
            return r.shown;
    }
    return dpi;
}

SensorRange codeRange(const SensorRow &sensor, const QString &productName, bool shortRange)
{
    int last = sensor.lastCode;
    if (shortRange && sensor.shortRangeLastCode)
        last = sensor.shortRangeLastCode;
    if (sensor.smallLensLastCode && hasSmallLens(productName))
        last = sensor.smallLensLastCode;
    return {true, sensor.firstCode, last};
}

SensorRegister encodeStep(const SensorRow &sensor, int step, uint8_t sensorMode)
{
    step = std::max(step, 0);
    if (sensorMode == kSensorModeLimited && sensor.limitedModeLastStep)
        step = std::min(step, sensor.limitedModeLastStep);
    const RegisterStretch *stretch = stretchFor(sensor.registers, step, &RegisterStretch::lastStep);
    return stretch ? encodeIn(*stretch, step) : SensorRegister{};
}

uint8_t sniperRegister(const SensorRow &sensor, int step)
{
    if (sensor.sniperRegister.form == RegisterStretch::None)
        return kNoSniperRegister;
    return encodeIn(sensor.sniperRegister, std::max(step, 0)).value;
}

int codeForDpi(int dpi, const SensorRow &sensor, const SensorRange &range)
{
    if (!range.known)
        return -1;
    for (int code = range.minimum; code <= range.maximum; ++code) {
        if (dpiForCode(sensor, code) == dpi)
            return code;
    }
    return -1;
}

int dpiCodeToDpi(int code, int sensorType)
{
    const SensorRow *sensor = findSensor(sensorType);
    return sensor ? dpiForCode(*sensor, code) : 0;
}

SensorRange sensorRange(int sensorType, const QString &productName, bool shortRange)
{
    const SensorRow *sensor = findSensor(sensorType);
    return sensor ? codeRange(*sensor, productName, shortRange) : SensorRange{};
}

SensorRegister encodeSensorStep(int sensorType, int step, uint8_t sensorMode)
{
    const SensorRow *sensor = findSensor(sensorType);
    return sensor ? encodeStep(*sensor, step, sensorMode) : SensorRegister{};
}

uint8_t sniperStepValue(int sensorType, int step)
{
    const SensorRow *sensor = findSensor(sensorType);
    return sensor ? sniperRegister(*sensor, step) : kNoSniperRegister;
}

SniperRange sniperRange(int sensorType)
{
    const SensorRow *sensor = findSensor(sensorType);
    return sensor ? sensor->sniper : kAnySniperRange;
}

int codeForDpi(int dpi, int sensorType, const SensorRange &range)
{
    const SensorRow *sensor = findSensor(sensorType);
    return sensor ? codeForDpi(dpi, *sensor, range) : -1;
}
