#pragma once

#include "devicecontext.h"
#include "report.h"

#include "config/mouseconfig.h"

#include <array>
#include <cstdint>

// The lighting table (command 0x04): ten 8-byte effect blocks. Lighting modes
// 5..8 share block 5; the system block names the active effect by block.
constexpr int kLightingBlockCount = 10;
constexpr int kLightingBlockSize = 8;
using LightingBlocks = std::array<uint8_t, kLightingBlockCount * kLightingBlockSize>;

// Block of lighting mode 0..13; any higher mode uses block 5.
int lightingBlockForMode(int ledMode);

// The ten blocks built from the per-effect parameters of one profile.
LightingBlocks buildLightingBlocks(const ProfileData &profile);

// The whole block write for the lighting profile of `config`.
ReportList buildLightingTable(const MouseConfig &config, const DeviceContext &context);
