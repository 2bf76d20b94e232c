#include "dpistagerules.h"

#include <algorithm>
#include <cstdlib>

namespace DpiStageRules {

namespace {

int bounded(int stageCount) { return std::clamp(stageCount, 1, kDpiStageCount); }

bool inRange(int stage, int stageCount) { return stage >= 0 && stage < bounded(stageCount); }

} // namespace

int enabledStageCount(const ProfileData &profile, int stageCount)
{
    int enabled = 0;
    for (int k = 0; k < bounded(stageCount); ++k)
        enabled += profile.dpiLevels[size_t(k)].used != 0 ? 1 : 0;
    return enabled;
}

bool canDisable(const ProfileData &profile, int stage, int stageCount)
{
    if (!inRange(stage, stageCount))
        return false;
    if (profile.dpiLevels[size_t(stage)].used == 0)
        return true;
    return enabledStageCount(profile, stageCount) > 1;
}

bool canActivate(const ProfileData &profile, int stage, int stageCount)
{
    return inRange(stage, stageCount) && profile.dpiLevels[size_t(stage)].used != 0;
}

int nearestEnabled(const ProfileData &profile, int stage, int stageCount)
{
    int best = -1;
    for (int k = 0; k < bounded(stageCount); ++k) {
        if (profile.dpiLevels[size_t(k)].used == 0)
            continue;
        if (best < 0 || std::abs(k - stage) < std::abs(best - stage))
            best = k;
    }
    return best;
}

bool setEnabled(ProfileData &profile, int stage, bool enabled, int stageCount)
{
    if (!inRange(stage, stageCount))
        return false;
    if (enabled) {
        profile.dpiLevels[size_t(stage)].used = 1;
        return true;
    }
    if (!canDisable(profile, stage, stageCount))
        return false;
    profile.dpiLevels[size_t(stage)].used = 0;
    if (profile.dpi == stage)
        profile.dpi = uint8_t(nearestEnabled(profile, stage, stageCount));
    return true;
}

} // namespace DpiStageRules
