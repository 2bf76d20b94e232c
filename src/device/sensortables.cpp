#include "sensortables.h"

#include <algorithm>
#include <array>

namespace {

// Register values in step order, from the first step each table covers.
constexpr std::array<uint8_t, 120> kA3311 = {
    0,   2,   3,   4,   5,   6,   7,   9,   10,  11,  12,  13,  14,  16,  17,  18,  19,  20,  22,  23,
    24,  25,  26,  27,  29,  30,  31,  32,  33,  35,  37,  38,  39,  40,  41,  42,  44,  45,  46,  47,
    48,  50,  51,  52,  53,  54,  56,  57,  58,  59,  60,  62,  63,  64,  65,  66,  68,  69,  70,  71,
    72,  74,  75,  76,  77,  78,  80,  81,  82,  83,  84,  86,  87,  88,  89,  90,  92,  93,  94,  95,
    96,  98,  99,  100, 101, 102, 104, 105, 106, 107, 108, 110, 111, 112, 113, 114, 116, 117, 118, 119,
    120, 122, 123, 124, 125, 126, 128, 129, 130, 131, 132, 134, 135, 136, 137, 138, 140, 141, 142, 143};

constexpr std::array<uint8_t, 160> kA3335 = {
    0,   2,   3,   4,   5,   6,   7,   9,   10,  11,  12,  13,  14,  16,  17,  18,  19,  20,  22,  23,
    24,  25,  26,  27,  29,  30,  31,  32,  33,  35,  37,  38,  39,  40,  41,  42,  44,  45,  46,  47,
    48,  50,  51,  52,  53,  54,  56,  57,  58,  59,  60,  62,  63,  64,  65,  66,  68,  69,  70,  71,
    72,  74,  75,  76,  77,  78,  80,  81,  82,  83,  84,  86,  87,  88,  89,  90,  92,  93,  94,  95,
    96,  98,  99,  100, 101, 102, 104, 105, 106, 107, 108, 110, 111, 112, 113, 114, 116, 117, 118, 119,
    120, 122, 123, 124, 125, 126, 128, 129, 130, 131, 132, 134, 135, 136, 137, 138, 140, 141, 142, 143,
    144, 146, 147, 148, 149, 150, 152, 153, 154, 155, 156, 158, 159, 160, 161, 162, 164, 165, 166, 167,
    168, 170, 171, 172, 173, 174, 176, 177, 178, 179, 180, 181, 182, 183, 184, 185, 186, 187, 188, 188};

constexpr std::array<uint8_t, 79> kA3333 = {
    4,   6,   9,   11,  14,  16,  18,  21,  23,  25,  27,  29,  32,  34,  36,  39,  41,  43,  46,  48,
    50,  52,  55,  57,  59,  62,  64,  66,  69,  72,  74,  77,  78,  81,  84,  85,  88,  91,  93,  95,
    98,  100, 102, 105, 107, 109, 112, 114, 116, 119, 121, 123, 126, 128, 130, 133, 135, 137, 140, 142,
    145, 147, 149, 151, 154, 156, 158, 161, 163, 165, 168, 171, 173, 175, 178, 180, 182, 185, 187};

constexpr std::array<uint8_t, 62> kA3327 = {
    0,   4,   6,   9,   11,  13,  15,  18,  20,  22,  24,  27,  29,  31,  33,  36,  38,  40,  43,  45,
    47,  49,  52,  54,  56,  58,  61,  63,  65,  67,  70,  72,  74,  77,  79,  81,  83,  86,  88,  90,
    92,  95,  97,  99,  102, 104, 106, 108, 111, 113, 115, 117, 120, 122, 124, 127, 129, 131, 133, 135,
    138, 140};

constexpr std::array<uint8_t, 51> kA3325 = {
    0,  2,  4,  6,  8,  11, 13, 15, 18, 20, 22, 25, 27, 29,  32,  34,  36,  39,  41,  43,  46,  48,  50,  52,  55,  57,
    59, 62, 64, 66, 69, 71, 73, 76, 78, 80, 83, 85, 87, 90, 92, 94, 97, 99, 101, 104, 106, 108, 111, 113, 115};

struct TableView {
    const uint8_t *values;
    int firstStep;
    int size;
};

TableView view(SensorTable table)
{
    switch (table) {
    case SensorTable::A3311: return {kA3311.data(), 1, int(kA3311.size())};
    case SensorTable::A3325: return {kA3325.data(), 0, int(kA3325.size())};
    case SensorTable::A3327: return {kA3327.data(), 0, int(kA3327.size())};
    case SensorTable::A3333: return {kA3333.data(), 2, int(kA3333.size())};
    case SensorTable::A3335: return {kA3335.data(), 1, int(kA3335.size())};
    }
    return {kA3325.data(), 0, 1};
}

SensorRegister fromTable(SensorTable table, int index, uint8_t high)
{
    return {sensorTableValue(table, index), high};
}

// Plain 16-bit register; the high byte keeps its low 8 bits like any byte
// field, and a negative code (a corrupt file) counts as step 0.
SensorRegister linear(int v, uint8_t flags = 0)
{
    v = std::max(v, 0);
    return {uint8_t(v & 0xff), uint8_t(((v >> 8) & 0xff) | flags)};
}

} // namespace

uint8_t sensorTableValue(SensorTable table, int index)
{
    const TableView t = view(table);
    const long long position = std::clamp<long long>(static_cast<long long>(index) - t.firstStep, 0, t.size - 1);
    return t.values[position];
}

SensorRegister encodeSensorStep(int sensorType, int s, uint8_t sensorMode)
{
    // Codes come from files; a negative one is treated as the lowest step.
    s = std::max(s, 0);
    switch (sensorType) {
    case 3325:
    case 33252:
        if (s <= 50)
            return fromTable(SensorTable::A3325, s, 0);
        if (s <= 75)
            return fromTable(SensorTable::A3325, s - 25, 1);
        return fromTable(SensorTable::A3325, s - 50, 2);
    case 3311:
    case 33112:
        if (s <= 120)
            return fromTable(SensorTable::A3311, s, 0);
        return fromTable(SensorTable::A3311, s - 60, 1);
    case 3370:
        // Step 1 is register 0. Code 0 (an unused stage) wraps to 0xFF as
        // the mouse has always been sent it.
        if (s <= 200)
            return {uint8_t((s - 1) & 0xff), 0};
        return {uint8_t((s - 101) & 0xff), 1};
    case 3327:
        if (s <= 61)
            return fromTable(SensorTable::A3327, s, 0);
        if (s <= 92)
            return fromTable(SensorTable::A3327, s - 31, 1);
        return fromTable(SensorTable::A3327, s - 52, 4);
    case 3360:
        if (s <= 120)
            return {uint8_t((s - 1) & 0xff), 0};
        return {uint8_t((s - 61) & 0xff), 1};
    case 3389:
        if (s <= 320)
            return linear(s);
        return linear(s - 160, 0x80);
    case 3212:
        if (s <= 63)
            return {uint8_t(s), 0};
        if (s <= 94)
            return {uint8_t(s - 32), 1};
        return {uint8_t((s - 63) & 0xff), 2};
    case 3104:
    case 31042:
        if (s <= 106)
            return {uint8_t(s), 0};
        return {uint8_t((s - 53) & 0xff), 1};
    case 3333:
        if (s <= 79)
            return fromTable(SensorTable::A3333, s, 0);
        return fromTable(SensorTable::A3333, s - 40, 1);
    case 3335:
    case 33352:
        if (s <= 160)
            return fromTable(SensorTable::A3335, s, 0);
        return fromTable(SensorTable::A3335, s - 40, 1);
    case 3395:
        if (sensorMode == kSensorModeLimited)
            s = std::min(s, 399);
        return linear(s);
    case 33952:
        // Step 520 takes the upper form too, as the DPI shown for it does.
        if (s <= 519)
            return linear(s);
        return linear(s - 260, 0x80);
    default:
        return {0, 0};
    }
}

uint8_t sniperStepValue(int sensorType, int s)
{
    switch (sensorType) {
    case 3104:
    case 3212:
    case 3389:
        return uint8_t(std::max(s, 0) & 0xff);
    case 3325: return sensorTableValue(SensorTable::A3325, s);
    case 3327: return sensorTableValue(SensorTable::A3327, s);
    case 3335: return sensorTableValue(SensorTable::A3335, s);
    case 3360: return uint8_t((s - 1) & 0xff);
    default: return 4;
    }
}
