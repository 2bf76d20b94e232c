#pragma once

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
