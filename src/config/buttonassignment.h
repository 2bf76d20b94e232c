#pragma once

#include "combokey.h"
#include "mouseconfig.h"

#include <QString>

// How a function that needs more than its code is written into a button
// entry: the values the page's dialogs collect, their ranges, and the fields
// they fill. The button page and the command line both write through these.
namespace ButtonAssignment {

// Fire key "Times:" and "Delay:", macro loop count.
constexpr int kCountMin = 1;
constexpr int kCountMax = 255;
constexpr bool inCountRange(int value) { return value >= kCountMin && value <= kCountMax; }

// How a macro repeats (the entry's Res1).
enum MacroRepeat { LoopCount = 0, RepeatWhileHeld = 1, RepeatUntilPressedAgain = 2 };
constexpr int kMacroRepeatCount = 3;

// The fire key's mouse clicks (Res1); any other Res1 is a key's HID usage.
constexpr int kFireLeft = 0x81;
constexpr int kFireRight = 0x82;
constexpr int kFireMiddle = 0x84;
// What the fire key dialog starts with.
constexpr int kFireDefaultTimes = 3;
constexpr int kFireDefaultDelay = 10;

// Res1 of a fire key firing the key `keyCode`: its HID usage, 0 when the
// key has none (the mouse cannot send it).
int fireKeyUsage(int keyCode);

// SINGLE KEY: the key code itself; the upload converts it to a usage.
void setSingleKey(ButtonInfo &button, int keyCode);
// COMBO KEY: the key codes of the entries Shift, Ctrl, Win, Alt, other key
// (0 = entry unused).
void setCombo(ButtonInfo &button, const std::array<int, kComboEntryCount> &keyCodes);
// FIRE KEY: `res1` a click (kFireLeft ...) or a key's usage, fired `times`
// times with `delay` between.
void setFireKey(ButtonInfo &button, int res1, int times, int delay);
// Macro Manager (200) or GunFile Manager (510): the macro's name, loop count
// and repeat mode, and a copy of its first 63 events read from its file.
// Returns the event count the file claims (may exceed what the entry holds).
int setMacro(ButtonInfo &button, int fun, const QString &name, int loopCount, int repeat);

} // namespace ButtonAssignment
