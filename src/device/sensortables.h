#pragma once

#include <cstdint>

// How a DPI step (the code stored in a DpiLevel) becomes the register pair that
// the mouse's sensor takes. Each sensor family counts its steps differently;
// some map them through a register table, some through arithmetic.
struct SensorRegister {
    uint8_t value = 0;
    uint8_t high = 0;

    bool operator==(const SensorRegister &o) const { return value == o.value && high == o.high; }
};

// The five built-in register tables, indexed by step. Lookups never leave a
// table: an index below its first step gives the first entry, one above its
// last step the last entry.
enum class SensorTable { A3311, A3325, A3327, A3333, A3335 };
uint8_t sensorTableValue(SensorTable table, int index);

// Sensor 3395 reports mode 8 in its status answer when it runs in a mode whose
// highest step is 399.
constexpr uint8_t kSensorModeLimited = 8;

// The register pair of step `step` for sensor model `sensorType`
// (MouseSenSor/1). Unknown sensors give (0, 0).
SensorRegister encodeSensorStep(int sensorType, int step, uint8_t sensorMode);

// The single register byte that the sniper button carries for its step. Only a
// few families have one; the others get 4.
uint8_t sniperStepValue(int sensorType, int step);
