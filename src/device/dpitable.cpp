#include "dpitable.h"

#include "commandset.h"
#include "config/sensortable.h"

#include <utility>

uint8_t dpiCountByte(int dpiStageCount)
{
    return (dpiStageCount >= 1 && dpiStageCount <= kDpiStageCount) ? uint8_t(dpiStageCount) : kDpiStageCount;
}

std::array<uint8_t, kDpiStageBytes> dpiStageBytes(const DpiLevel &level, int stage, int stageCount,
                                                  const DeviceContext &context)
{
    const int sensor = context.sensorType;
    const SensorRegister x = encodeSensorStep(sensor, level.x, context.sensorMode);
    const SensorRegister y = encodeSensorStep(sensor, level.y, context.sensorMode);

    // Two sensor families wire their axes differently: 3104 takes y before x,
    // and 3335 has one resolution for both axes.
    SensorRegister first = x;
    SensorRegister second = y;
    if (sensor == 3104 || sensor == 31042)
        std::swap(first, second);
    else if (sensor == 3335 || sensor == 33352)
        second = x;

    return {stage < stageCount ? level.used : uint8_t(0), first.value, first.high, second.value, second.high};
}

ReportList buildDpiTable(const ProfileData &profile, const DeviceContext &context)
{
    const uint8_t count = dpiCountByte(context.dpiStageCount);
    ReportList reports;
    reports.push_back(chunkReport(Command::DpiTable, 0, &count, 1, kTagFirstChunk));
    for (int k = 0; k < kDpiStageCount; ++k) {
        const auto stage = dpiStageBytes(profile.dpiLevels[k], k, count, context);
        reports.push_back(chunkReport(Command::DpiTable, kDpiStageBytes * k + 1, stage.data(), kDpiStageBytes,
                                      kTagNextChunk));
    }
    reports.push_back(blockEndReport(Command::DpiTable));
    return reports;
}

ReportList buildDpiTable(const MouseConfig &config, const DeviceContext &context)
{
    return buildDpiTable(config.profiles[activeProfileIndex(config)], context);
}
