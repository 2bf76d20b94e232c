#pragma once

#include "config/mouseconfig.h"

#include <vector>

// One bullet of a recoil burst: the pointer is pulled by (x, y) after the
// shot and the next shot waits `delayMs`.
struct RecoilBullet {
    int delayMs = 100;   // 1..999
    int y = 0;           // -100..100, down positive
    int x = 0;           // -100..100, right positive
};

constexpr int kMaxRecoilBullets = 5;

// The macro events of a burst: per bullet a left-button press, its release,
// the vertical move (when y != 0), the horizontal move (when x != 0) and the
// delay in whole units of `unitMs` (a delay below one unit gives 0).
//
// The press comes before the release: the mouse plays 0x81 as a press and
// 0x01 as a release, and the other order would leave the left button held
// after the burst. Values out of range are held to their ranges.
std::vector<KeyInfo> buildRecoilEvents(const std::vector<RecoilBullet> &bullets, int unitMs = 10);
