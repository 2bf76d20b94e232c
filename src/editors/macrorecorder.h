#pragma once

#include "config/mouseconfig.h"
#include "config/scancodes.h"

#include <cstdint>
#include <vector>

// Turns key events into macro rows while the user records. A pure unit: it
// is fed (key code, flags, time in ms) and appends to the rows it is given,
// so that the page, the tests and the benchmark drive it alike.
//
// Flags follow the key capture (scancodes.h): kReleaseFlag on a release. Delays between events come from the times fed in, in whole delay
// units of at least one unit (recorded delays) or the default delay.
//
// The table holds at most 40 rows without delays and 63 with them (the size
// of a button's event list). An event is taken only while room remains for
// the releases of every key then held, and a key whose press did not fit
// loses its release too, so that a recording cut short by the limit never
// leaves the mouse holding a key when it plays the macro.
class MacroRecorder {
public:
    enum DelayMode { NoDelays = 0, RecordedDelays = 1, DefaultDelay = 2 };
    static constexpr int kRowsWithoutDelays = 40;
    static constexpr int kRowsWithDelays = kEventsPerButton;
    static constexpr int kMaxDelayCount = 65535;
    static constexpr int kReleaseFlag = ::kReleaseFlag;

    // Starts a recording: nothing held, no event seen yet.
    void start(int delayMode, int defaultDelayMs, int unitMs);

    // What happened to one event.
    enum Result { Added, Repeat, Full, NoUsage };
    Result feed(int keyCode, int flags, int64_t ms, std::vector<KeyInfo> &rows);

    // Key codes pressed during the recording and not released yet.
    const std::vector<int> &heldKeys() const { return m_held; }
    int rowLimit() const;

private:
    int rowsPerEvent() const { return m_mode == NoDelays ? 1 : 2; }
    KeyInfo delayRow(int64_t ms) const;

    int m_mode = NoDelays;
    int m_defaultDelayMs = 0;
    int m_unitMs = 10;
    bool m_seenEvent = false;
    int64_t m_lastMs = 0;
    std::vector<int> m_held;
    std::vector<int> m_refused;   // pressed when the table was full
};

// A delay row of `count` units, clamped to 0..65535 rather than wrapped.
KeyInfo macroDelayRow(int64_t count);
