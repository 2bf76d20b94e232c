#pragma once

#include "sensorregisters.h"

#include <QString>

#include <climits>
#include <cstddef>
#include <cstdint>

// Everything the program knows about one sensor model (the number kept as
// MouseSenSor/1) sits in one row of the table in sensortable.cpp: the codes a
// DPI slider offers, the DPI number shown for a code, how a step becomes the
// register pair the sensor takes, and the sniper button's step. Adding a
// sensor is adding a row; the functions below only read rows.

// A code or step with no upper end: the last stretch of a scale.
constexpr int kOpenEnd = INT_MAX;

// One stretch of the DPI scale: codes up to `lastCode` show
// ((code - codeOffset) * dpiPerStep / 10) * 10, truncated like the mouse's
// own display, so a step of 38 DPI shows in tens.
struct DpiStretch {
    int lastCode;
    int codeOffset;
    int dpiPerStep;
};

// A DPI number the sensor rounds its own way (the arithmetic gives
// `computed`, the sensor runs at `shown`).
struct DpiRounding {
    int computed;
    int shown;
};

// One stretch of the register scale: steps up to `lastStep` take the index
// (step - stepOffset) into the form below, with `high` in the high byte.
struct RegisterStretch {
    enum Form : uint8_t {
        None,    // the sensor takes nothing here
        Byte,    // index as the value byte, `high` as the high byte
        Word,    // index as a 16-bit value, `high` ORed into its high byte
        Table,   // register table entry at the index, `high` as the high byte
    };
    int lastStep;
    int stepOffset;
    Form form;
    uint8_t high;
    const SensorRegisterTable *table;
};

// The sniper dialog's slider, which stored values it keeps, and what the
// others become.
struct SniperRange {
    int minimum;
    int maximum;
    int keepFrom;
    int keepTo;
    int fallback;

    // A stored value as the dialog starts with it.
    int preset(int value) const { return value >= keepFrom && value <= keepTo ? value : fallback; }
};

// A sniper range for sensors that have no range of their own: any stored
// value is kept.
constexpr SniperRange kAnySniperRange = {1, 10, 0, 255, 0};

// The byte the sniper button carries on sensors without a sniper register.
constexpr uint8_t kNoSniperRegister = 4;

// Sensor 3395 reports this mode in its status answer when it runs in a mode
// whose highest step is its row's `limitedModeLastStep`.
constexpr uint8_t kSensorModeLimited = 8;

struct SensorRow {
    int id;                    // MouseSenSor/1
    int firstCode;             // the DPI slider's codes
    int lastCode;
    int shortRangeLastCode;    // last code when the descriptor asks for the short range; 0: none
    int smallLensLastCode;     // last code on products fitted with the smaller lens; 0: none
    DpiStretch dpi[3];
    DpiRounding rounding[5];
    RegisterStretch registers[3];
    int limitedModeLastStep;   // highest step in the sensor's limited mode; 0: none
    RegisterStretch sniperRegister;
    SniperRange sniper;
};

// A run of rows: the built-in table or one a caller brings.
struct SensorRows {
    const SensorRow *rows;
    std::size_t count;
};

SensorRows builtInSensors();

// The row of sensor `id` in `rows`, or nullptr for a sensor they do not list.
const SensorRow *findSensor(int id, SensorRows rows = builtInSensors());

// The codes a stage slider offers for a sensor. The DPI numbers shown at the
// ends are the DPI of the two codes.
struct SensorRange {
    bool known = false;   // false: a sensor the table does not list
    int minimum = 0;      // lowest code
    int maximum = 0;      // highest code

    bool operator==(const SensorRange &o) const
    {
        return known == o.known && minimum == o.minimum && maximum == o.maximum;
    }
};

// The register pair a sensor takes for one DPI step.
struct SensorRegister {
    uint8_t value = 0;
    uint8_t high = 0;

    bool operator==(const SensorRegister &o) const { return value == o.value && high == o.high; }
};

// The products fitted with the smaller lens, whose range ends early.
bool hasSmallLens(const QString &productName);

// The rules of one row. The slider range depends on the product (by
// `productName`) and on the descriptor's short-range flag (PROFILE/33254).
int dpiForCode(const SensorRow &sensor, int code);
SensorRange codeRange(const SensorRow &sensor, const QString &productName, bool shortRange);
// A negative step (a corrupt file) counts as step 0; `sensorMode` is the
// mode of the last status answer.
SensorRegister encodeStep(const SensorRow &sensor, int step, uint8_t sensorMode);
uint8_t sniperRegister(const SensorRow &sensor, int step);

// The same rules by sensor number, for callers that hold only
// MouseSenSor/1. A sensor the table does not list shows 0 DPI, offers no
// range, takes the register pair (0, 0), the sniper byte
// kNoSniperRegister and kAnySniperRange.
int dpiCodeToDpi(int code, int sensorType);
SensorRange sensorRange(int sensorType, const QString &productName, bool shortRange);
SensorRegister encodeSensorStep(int sensorType, int step, uint8_t sensorMode);
uint8_t sniperStepValue(int sensorType, int step);
SniperRange sniperRange(int sensorType);

// The code within `range` that the DPI slider shows as `dpi` (the lowest
// such code), or -1 when the slider offers no step of that value.
int codeForDpi(int dpi, const SensorRow &sensor, const SensorRange &range);
int codeForDpi(int dpi, int sensorType, const SensorRange &range);
