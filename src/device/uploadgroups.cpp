#include "uploadgroups.h"

#include "config/functioncatalogue.h"
#include "config/macrofile.h"

namespace {

bool systemChanged(const MouseConfig &live, const MouseConfig &sent, const DeviceContext &context)
{
    for (int p = 0; p < kProfileCount; ++p) {
        if (live.profiles[p].pollrate != sent.profiles[p].pollrate
            || live.profiles[p].scrollspeed != sent.profiles[p].scrollspeed)
            return true;
    }
    if (live.AngleValue != sent.AngleValue || live.Debounce != sent.Debounce || live.Jitter != sent.Jitter
        || live.Sync != sent.Sync || live.LiftHigh != sent.LiftHigh || live.ProfileID != sent.ProfileID)
        return true;

    const int active = activeProfileIndex(live);
    const ProfileData &l = live.profiles[active];
    const ProfileData &s = sent.profiles[active];
    if (l.dpi != s.dpi || l.LedMode != s.LedMode || l.LedMoveOFF != s.LedMoveOFF || l.LedSleepTime != s.LedSleepTime)
        return true;

    // The lighting bytes of the system block may come from another profile
    // than the active one.
    const int lighting = lightingProfileIndex(live, context);
    const ProfileData &ll = live.profiles[lighting];
    const ProfileData &sl = sent.profiles[lighting];
    return ll.LedMode != sl.LedMode || ll.LedMoveOFF != sl.LedMoveOFF || ll.LedSleepTime != sl.LedSleepTime;
}

bool dpiChanged(const MouseConfig &live, const MouseConfig &sent)
{
    for (int p = 0; p < kProfileCount; ++p) {
        for (int k = 0; k < kDpiStageCount; ++k) {
            const DpiLevel &l = live.profiles[p].dpiLevels[k];
            const DpiLevel &s = sent.profiles[p].dpiLevels[k];
            if (l.used != s.used || l.x != s.x || l.y != s.y)
                return true;
        }
    }
    return false;
}

bool buttonsChanged(const MouseConfig &live, const MouseConfig &sent)
{
    for (int p = 0; p < kProfileCount; ++p) {
        for (int j = 0; j < kButtonEntryCount; ++j) {
            const ButtonInfo &l = live.profiles[p].buttons[j];
            const ButtonInfo &s = sent.profiles[p].buttons[j];
            if (l.ID != s.ID || l.Fun != s.Fun || l.LoopNumber != s.LoopNumber || l.KeyNumber != s.KeyNumber
                || l.Res1 != s.Res1 || l.Res2 != s.Res2 || l.Res3 != s.Res3 || l.Res4 != s.Res4)
                return true;
            // Recoil files are macros too: a new file name or new events
            // must reach the mouse as much as a new macro does.
            if (!isMacroFunction(l.Fun))
                continue;
            if (l.macroname != s.macroname || l.KeyInfo != s.KeyInfo)
                return true;
            // Edited in the macro editor since it was last sent.
            if (takeWriteSign(l.macroname))
                return true;
        }
    }
    return false;
}

bool lightingChanged(const MouseConfig &live, const MouseConfig &sent)
{
    for (int p = 0; p < kProfileCount; ++p) {
        const ProfileData &l = live.profiles[p];
        const ProfileData &s = sent.profiles[p];
        if (l.LedMode != s.LedMode)
            return true;
        if (l.ledModes[l.ledModeIndex()] != s.ledModes[l.ledModeIndex()])
            return true;
    }
    return false;
}

} // namespace

int ComputeUploadGroups(const MouseConfig &live, const MouseConfig &sent, const DeviceContext &context)
{
    int mask = 0;
    if (systemChanged(live, sent, context))
        mask |= UploadGroup::System;
    if (dpiChanged(live, sent))
        mask |= UploadGroup::Dpi;
    if (buttonsChanged(live, sent))
        mask |= UploadGroup::Buttons;
    if (lightingChanged(live, sent))
        mask |= UploadGroup::Lighting;

    // The tables on the mouse are those of the profile that was active when
    // they were sent; another active profile needs its own tables there.
    if (activeProfileIndex(live) != activeProfileIndex(sent))
        mask |= UploadGroup::Dpi | UploadGroup::Buttons;
    if (lightingProfileIndex(live, context) != lightingProfileIndex(sent, context))
        mask |= UploadGroup::Lighting;
    return mask;
}

int ComputeUploadGroups(const MouseConfig &live, const MouseConfig &sent)
{
    return ComputeUploadGroups(live, sent, loadDeviceContext());
}
