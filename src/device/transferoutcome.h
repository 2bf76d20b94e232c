#pragma once

// What the mouse is left with after the program sent it something.
//
// An upload or a profile switch that does not end with 0 (a failed report,
// no device, the mouse asleep) leaves the mouse with part of the settings
// or another profile's tables: the next upload must send everything. The
// window and the command line both record every upload's and every switch's
// result here, so that the rule holds in one place.
//
// Sets Config/Diff to 1 for any result but 0 and returns false when that
// could not be stored; a result of 0 changes nothing (the upload worker
// clears the flag once it has sent everything).
bool recordTransferOutcome(int result);
