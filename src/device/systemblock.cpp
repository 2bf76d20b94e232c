#include "systemblock.h"

#include "commandset.h"
#include "lightingtable.h"

uint8_t sensorOptionByte(const MouseConfig &config, int syncMode)
{
    switch (syncMode) {
    case 0:
        return config.LiftHigh;
    case 1:
        return config.Sync != 0 ? 1 : 0;
    default:
        // Exactly one flag bit beside the lift-off value, in this precedence.
        if (config.Jitter == 0)
            return config.LiftHigh | 0x20;
        if (config.AngleValue == 0)
            return config.LiftHigh | 0x40;
        return config.Sync != 0 ? (config.LiftHigh | 0x80) : config.LiftHigh;
    }
}

SystemBlock buildSystemBlockBytes(const MouseConfig &config, const DeviceContext &context)
{
    const int active = activeProfileIndex(config);
    const ProfileData &lighting = config.profiles[lightingProfileIndex(config, context)];

    SystemBlock b{};
    for (int p = 0; p < kProfileCount; ++p) {
        b[p] = config.profiles[p].scrollspeed;
        b[11 + p] = config.profiles[p].pollrate;
    }
    b[5] = sensorOptionByte(config, context.syncMode);
    b[6] = uint8_t(active);
    b[7] = lighting.LedMoveOFF;
    b[8] = lighting.LedSleepTime;
    b[9] = config.Debounce;
    b[10] = 1;
    b[16] = 0x1F;
    b[17] = uint8_t(config.profiles[active].dpiStageIndex());
    b[18] = uint8_t(lightingBlockForMode(lighting.LedMode) + 1);
    return b;
}

ReportList buildSystemBlock(const MouseConfig &config, const DeviceContext &context)
{
    const SystemBlock block = buildSystemBlockBytes(config, context);
    return {chunkReport(Command::SystemBlock, 0, block.data(), kSystemBlockSize, kTagFirstChunk),
            blockEndReport(Command::SystemBlock)};
}
