#pragma once

// The start-up benchmark's switch: with MOUSECFG_QUIT_AFTER_SHOW=1 the first
// paint of the main window writes one line to the error output, with the
// resident memory and the processor time used so far, and ends the program.
//
//   mousecfg: first paint; VmRSS <n> kB; VmHWM <n> kB; CPU <n> ms
class FirstPaintProbe {
public:
    static bool enabled();
    // Reports and asks the event loop to quit; the first call only.
    void firstPaint();

private:
    bool m_done = false;
};
