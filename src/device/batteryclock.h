#pragma once

#include <QtGlobal>

// The time the battery history runs on, in seconds since the epoch (UTC).
// It is the system clock, except where a test (or the virtual mouse's control
// socket) has set it: then it stands still at the time set until it is
// advanced or given back to the system clock. Safe from any thread.
namespace BatteryClock {

qint64 now();
// Stops the clock at `secondsSinceEpoch`; 0 gives it back to the system clock.
void set(qint64 secondsSinceEpoch);
// Moves a set clock on (a running one is set to now + `seconds` first).
void advance(qint64 seconds);
bool isSet();

} // namespace BatteryClock
