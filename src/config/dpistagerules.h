#pragma once

#include "mouseconfig.h"

// What a profile's DPI stages must keep so that the mouse always has a stage
// to run: at least one enabled stage among those the product has, and an
// active stage that is enabled. Shared by the DPI page and the command line.
//
// `stageCount` is the product's stage count (stages beyond it are not sent
// as enabled); it is bounded to 1..8 here.
namespace DpiStageRules {

int enabledStageCount(const ProfileData &profile, int stageCount);

// False when `stage` is the last enabled stage of the product's stages.
bool canDisable(const ProfileData &profile, int stage, int stageCount);

// A stage can be made active only when it is one of the product's stages
// and enabled.
bool canActivate(const ProfileData &profile, int stage, int stageCount);

// The enabled stage nearest to `stage` (the lower one on a tie), or -1 when
// none is enabled.
int nearestEnabled(const ProfileData &profile, int stage, int stageCount);

// Enables or disables `stage` and keeps the rules: disabling the last
// enabled stage is refused (false, nothing changes); disabling the active
// stage moves the active stage to the nearest enabled one.
bool setEnabled(ProfileData &profile, int stage, bool enabled, int stageCount);

} // namespace DpiStageRules
