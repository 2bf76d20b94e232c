#pragma once

// The values the pages offer for the single-number settings, shared with the
// command line so that both accept the same.
namespace SettingRanges {

// Config/Debounce: the response time, in the mouse's own steps.
constexpr int kDebounceMin = 1;
constexpr int kDebounceMax = 255;

// ProfileData::scrollspeed: lines the wheel scrolls per notch.
constexpr int kScrollMin = 1;
constexpr int kScrollMax = 20;

// Config/LiftHigh: 1 = 1 mm, 2 = 2 mm. The shipped defaults hold 0 (the
// mouse's own default), which the pages show and keep as 2 mm.
constexpr int kLiftLow = 1;
constexpr int kLiftHigh = 2;

inline bool isDebounce(int value) { return value >= kDebounceMin && value <= kDebounceMax; }
inline bool isScroll(int value) { return value >= kScrollMin && value <= kScrollMax; }
inline bool isLift(int value) { return value == kLiftLow || value == kLiftHigh; }
// The distance in mm a stored lift byte stands for: 1 for 1, else 2.
inline int liftMillimetres(int stored) { return stored == kLiftLow ? kLiftLow : kLiftHigh; }
// The lift byte of a two-way choice, and whether a stored byte shows as 1 mm.
inline int liftFor(bool low) { return low ? kLiftLow : kLiftHigh; }
inline bool isLowLift(int stored) { return liftMillimetres(stored) == kLiftLow; }
// A lift byte a stored file may hold: the two choices and the shipped 0.
inline bool isStoredLift(int stored) { return stored == 0 || isLift(stored); }

} // namespace SettingRanges
