#pragma once

#include "devicecontext.h"

#include "config/mouseconfig.h"

// Which parts of the settings an upload has to send, as a bit mask.
namespace UploadGroup {
constexpr int System = 1;     // system block: rates, wheel speeds, active profile, its stage and lighting effect
constexpr int Dpi = 2;        // DPI table of the active profile
constexpr int Buttons = 4;    // button table of the active profile, and with it the macros
constexpr int Lighting = 8;   // lighting table
constexpr int All = 15;
} // namespace UploadGroup

// The groups in which the live record differs from the record last sent.
//
// The tables that go to the mouse are those of the active profile (and, for
// the lighting, of the profile that lightingProfileIndex names), so a change
// of the active profile makes every table stale, not only the system block.
// The system block's bytes 7, 8 and 18 come from the lighting profile: its
// LedMoveOFF, LedSleepTime and LedMode are part of the system group.
//
// A macro or recoil button that did not change still counts as a change of
// the button group when its macro file carries the change mark; the mark is
// cleared in the file as it is found. The search stops at the first
// difference, so marks of later buttons stay for the next upload.
int ComputeUploadGroups(const MouseConfig &live, const MouseConfig &sent, const DeviceContext &context);

// The same with the context of the installation (descriptor and Config.ini).
int ComputeUploadGroups(const MouseConfig &live, const MouseConfig &sent);
