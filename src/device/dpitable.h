#pragma once

#include "devicecontext.h"
#include "report.h"

#include "config/mouseconfig.h"

#include <array>
#include <cstdint>

// The DPI table (command 0x02): the stage count, then eight 5-byte stages of
// (enabled, x register pair, y register pair).
constexpr int kDpiStageBytes = 5;

// The count byte: the product's stage count when it is 1..8, otherwise 8.
uint8_t dpiCountByte(int dpiStageCount);

// The five bytes of stage `stage` (0..7), for a product with `stageCount`
// stages (as the count byte gives it).
std::array<uint8_t, kDpiStageBytes> dpiStageBytes(const DpiLevel &level, int stage, int stageCount,
                                                  const DeviceContext &context);

// The block write for one profile's stages.
ReportList buildDpiTable(const ProfileData &profile, const DeviceContext &context);
// The block write for the active profile of `config`.
ReportList buildDpiTable(const MouseConfig &config, const DeviceContext &context);
