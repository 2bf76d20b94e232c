#pragma once

#include <functional>

class MouseLink;

// Telling the mouse which profile to use, from the profile menu, through
// the link's command channel. Unlike a
// block write, the select does not stop at a failed report: the apply that
// follows it goes out whatever the select's result, so that a mouse that took
// the select is not left waiting for the apply.

// Select profile 0..4 (0x44, never echoed), then apply group 0x01; both are
// sent whatever the first result. Returns the first non-zero transfer result,
// for the debug log only.
int SendSelectProfile(const MouseLink &link, int profile);

// The five apply groups in the order of a whole upload, stopping at the first
// failure; returns that result or 0.
int SendApplyAll(const MouseLink &link);

// A switch from the profile menu: SendSelectProfile, then SendApplyAll
// whatever the select gave. Returns the first non-zero result, or 0.
int SendProfileSwitch(const MouseLink &link, int profile);

// A change of the active profile as the window's profile menu and the
// command line both make it:
//  - the select and apply go out through `send` (SendProfileSwitch on
//    `link` when it is empty), unless the link says the mouse is off:
//    nothing reaches a sleeping mouse, and the result is kTransferMouseOff;
//  - the result is recorded for the next upload (recordTransferOutcome), so
//    that a switch the mouse took in part is followed by a full upload;
//  - `makeCurrent` makes the profile the settings' active one whatever the
//    mouse did, so that the settings name the profile the user chose;
//  - the mouse holds the tables of one profile: only when the switch went
//    through do the new profile's tables follow, through `sendTables`, or
//    it would run one profile's report rate with another's buttons.
// Returns the switch's result when it did not go through, else what
// `sendTables` returned.
struct ProfileSwitchSteps {
    std::function<int(int profile)> send;
    std::function<void(int profile)> makeCurrent;
    std::function<int()> sendTables;
};
int switchProfileThenSendTables(const MouseLink &link, int profile, const ProfileSwitchSteps &steps);
