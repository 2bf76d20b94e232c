#pragma once

#include <cstdint>

// Register values that some sensors take for their DPI steps, in step order
// from `firstStep`. Lookups never leave a table: a step below its first entry
// gives the first entry, one above its last entry the last entry.
struct SensorRegisterTable {
    const uint8_t *values;
    int firstStep;
    int size;
};

uint8_t sensorRegisterValue(const SensorRegisterTable &table, int step);

// The five built-in tables, named after the sensor family that first used
// them; some families share one.
extern const SensorRegisterTable kRegisters3311;
extern const SensorRegisterTable kRegisters3325;
extern const SensorRegisterTable kRegisters3327;
extern const SensorRegisterTable kRegisters3333;
extern const SensorRegisterTable kRegisters3335;
