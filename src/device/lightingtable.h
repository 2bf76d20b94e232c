#pragma once

#include "devicecontext.h"
#include "report.h"

#include "config/mouseconfig.h"

#include <array>
#include <cstdint>

// The lighting table (command 0x04): ten 8-byte effect slots. Lighting modes
// 5..8 share slot 5; the system block names the active effect by slot.
constexpr int kLightingSlotCount = 10;
constexpr int kLightingSlotSize = 8;
using LightingSlots = std::array<uint8_t, kLightingSlotCount * kLightingSlotSize>;

// Slot of lighting mode 0..13; any higher mode uses slot 5.
int lightingSlotForMode(int ledMode);

// The ten slots built from the per-effect parameters of one profile.
LightingSlots buildLightingSlots(const ProfileData &profile);

// The whole block write for the lighting profile of `config`.
ReportList buildLightingTable(const MouseConfig &config, const DeviceContext &context);
