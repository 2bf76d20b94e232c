#include "scancodes.h"

namespace {

// evdev codes above the range where evdev and set 1 agree. Home, the arrows
// and their block are the E0-prefixed twins of the keypad keys; Pause is the
// plain 69 (Num Lock, evdev 69, is the extended one).
struct EvdevEntry {
    int evdev;
    ScanCode scan;
};

constexpr EvdevEntry kEvdevTable[] = {
    {96, {28, kExtendedFlag}},    // keypad Enter
    {97, {29, kExtendedFlag}},    // right Ctrl
    {98, {53, kExtendedFlag}},    // keypad /
    {99, {55, kExtendedFlag}},    // Print Screen
    {100, {56, kExtendedFlag}},   // right Alt
    {102, {71, kExtendedFlag}},   // Home
    {103, {72, kExtendedFlag}},   // Up
    {104, {73, kExtendedFlag}},   // Page Up
    {105, {75, kExtendedFlag}},   // Left
    {106, {77, kExtendedFlag}},   // Right
    {107, {79, kExtendedFlag}},   // End
    {108, {80, kExtendedFlag}},   // Down
    {109, {81, kExtendedFlag}},   // Page Down
    {110, {82, kExtendedFlag}},   // Insert
    {111, {83, kExtendedFlag}},   // Delete
    {119, {69, 0}},               // Pause
    {125, {91, kExtendedFlag}},   // left Windows
    {126, {92, kExtendedFlag}},   // right Windows
    {127, {93, kExtendedFlag}},   // Menu
};

constexpr int kEvdevNumLock = 69;
constexpr int kLastSharedEvdev = 88;   // F12

bool isExtended(int flags) { return flags == kExtendedFlag || flags == (kExtendedFlag | kReleaseFlag); }
bool isPlain(int flags) { return (flags & ~kReleaseFlag) == 0; }

} // namespace

bool evdevToScanCode(int evdev, ScanCode &out)
{
    if (evdev == kEvdevNumLock) {
        out = {69, kExtendedFlag};
        return true;
    }
    if (evdev >= 1 && evdev <= kLastSharedEvdev) {
        out = {evdev, 0};
        return true;
    }
    for (const EvdevEntry &entry : kEvdevTable) {
        if (entry.evdev == evdev) {
            out = entry.scan;
            return true;
        }
    }
    return false;
}

int renumberScanCode(int code, int flags)
{
    switch (code) {
    case 28: return isExtended(flags) ? 229 : code;
    case 29: return isExtended(flags) ? 238 : code;
    case 53: return isExtended(flags) ? 226 : code;
    case 55: return isPlain(flags) ? 227 : code;
    // Right Alt also comes with the hook's Alt-down bit (0x20) set.
    case 56: return (flags == 1 || flags == 33 || flags == 129) ? 239 : code;
    case 69: return isExtended(flags) ? 225 : code;
    case 71: return isPlain(flags) ? 235 : code;
    case 72: return isPlain(flags) ? 236 : code;
    case 73: return isPlain(flags) ? 228 : code;
    case 75: return isPlain(flags) ? 233 : code;
    case 77: return isPlain(flags) ? 234 : code;
    case 79: return isPlain(flags) ? 230 : code;
    case 80: return isPlain(flags) ? 231 : code;
    case 81: return isPlain(flags) ? 232 : code;
    case 82: return isPlain(flags) ? 237 : code;
    case 83: return isPlain(flags) ? 224 : code;
    default: return code;
    }
}
