#pragma once

// From what the keyboard reports to the program's key codes (keytables.h).
//
// Keys are identified as a PC set-1 make code plus flags, the way a Windows
// low-level keyboard hook reports them: kExtendedFlag for the keys that the
// set-1 keyboard sends with the E0 prefix, kReleaseFlag on a key going up.
// Several keys share a set-1 code (keypad 7 and Home are both 71), so the key
// dialogs and the macro recorder renumber the shared ones to 224..239.

constexpr int kExtendedFlag = 0x01;
constexpr int kReleaseFlag = 0x80;

struct ScanCode {
    int code = 0;    // set-1 make code
    int flags = 0;   // kExtendedFlag; the caller adds kReleaseFlag
};

// Linux input (evdev) key code -> set-1 code and extended flag. Under X11 and
// Wayland a Qt key event's nativeScanCode() is the evdev code plus 8.
// False for code 0 (a synthetic event) and for keys the program has no code
// for (media keys, the second row of function keys and the like).
bool evdevToScanCode(int evdev, ScanCode &out);

// The set-1 code with its flags -> the program's key code: the keys that share
// a code with another key get their own number (keypad 7 -> 235, right Ctrl
// -> 238 ...); every other code stays as it is.
int renumberScanCode(int code, int flags);
