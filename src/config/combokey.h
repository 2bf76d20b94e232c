#pragma once

#include "mouseconfig.h"

#include <array>

// A key combination as the button page stores it: press and release events
// of up to five keys in the entry's KeyInfo list, map = HID usage,
// DataL 0x05, DataH 0x80 for a press and 0x00 for a release. Presses come in
// entry order (Shift, Ctrl, Win, Alt, other key) and releases in reverse.

constexpr int kComboEntryCount = 5;
enum ComboEntry { ComboShift, ComboCtrl, ComboWin, ComboAlt, ComboOther };

// Left- and right-hand key codes of the four modifier entries.
constexpr std::array<std::array<int, 2>, 4> kComboModifierCodes = {{{42, 54}, {29, 238}, {91, 92}, {56, 239}}};

// Inserts the press and release of key code `keyCode` at event `n`: events
// n .. 60 move two places on (61 and 62 are lost), n becomes the press and
// n + 1 the release. A key without a HID usage is stored with usage 0.
// `n` outside 0..61 changes nothing.
void insertComboKey(ButtonInfo &button, int n, int keyCode);

// Clears all 63 events, then inserts the key codes that are not 0, in the
// order given (the entry order). KeyNumber is left as it is.
void writeCombo(ButtonInfo &button, const std::array<int, kComboEntryCount> &keyCodes);

// The entry a key code belongs to and whether it is the right-hand modifier:
// value 1 left-hand (or the other key), 2 right-hand.
ComboEntry comboEntryOf(int keyCode, int *hand = nullptr);
