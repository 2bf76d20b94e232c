#pragma once

#include "devicecontext.h"
#include "report.h"

#include "config/mouseconfig.h"

#include <array>
#include <cstdint>

// The system block (command 0x01): the settings that are not per table - wheel
// speed and report rate of all five profiles, the active profile with its DPI
// stage and lighting effect, and the global sensor options.
constexpr int kSystemBlockSize = 19;
using SystemBlock = std::array<uint8_t, kSystemBlockSize>;

// Byte 5: the sensor options, in the form the product's PROFILE/Sync names.
uint8_t sensorOptionByte(const MouseConfig &config, int syncMode);

SystemBlock buildSystemBlockBytes(const MouseConfig &config, const DeviceContext &context);

// One chunk of 19 bytes and the end report.
ReportList buildSystemBlock(const MouseConfig &config, const DeviceContext &context);
