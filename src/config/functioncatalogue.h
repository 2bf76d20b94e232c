#pragma once

#include <QString>

#include <array>

// The button functions: the values a ButtonInfo.Fun may hold, with the names
// the button page shows and the ButtonInfo fields each one uses besides Fun.
namespace Fun {
constexpr int None = 0;          // an entry never assigned
constexpr int Left = 1;
constexpr int Right = 2;
constexpr int Middle = 3;
constexpr int Forward = 4;
constexpr int Back = 5;
constexpr int SingleKey = 6;
constexpr int ComboKey = 7;
constexpr int FireKey = 12;
constexpr int ButtonOff = 16;
constexpr int DpiSwitch = 47;
constexpr int DpiUp = 48;
constexpr int DpiDown = 49;
constexpr int RateUp = 50;
constexpr int RateDown = 51;
constexpr int ScrollUp = 52;
constexpr int ScrollDown = 53;
constexpr int LedSwitch = 54;
constexpr int Sniper = 55;
constexpr int ProfileUp = 57;
constexpr int ProfileDown = 58;
constexpr int ProfileSwitch = 59;
constexpr int BossKey = 62;
constexpr int RateSwitch = 63;
constexpr int Macro = 200;
constexpr int GunFile = 510;
} // namespace Fun

// Where a function is offered. The quoted groups are submenu titles of the
// button page; mouse and wheel functions sit in the menus directly.
enum class FunctionGroup { None, Mouse, Wheel, Basic, Windows, Advance, Media, Dpi, PollingRate, ProfileMenu };

// Submenu title of a group ("Advance", "Polling Rate", ...); nullptr for the
// groups that are not a submenu (None, Mouse, Wheel).
const char *functionGroupTitle(FunctionGroup group);

// ButtonInfo fields a function uses besides Fun.
enum FunctionField : unsigned {
    UsesNoField = 0,
    UsesRes1 = 1u << 0,
    UsesLoopNumber = 1u << 1,
    UsesKeyNumber = 1u << 2,
    UsesKeyInfo = 1u << 3,
    UsesMacroName = 1u << 4,
};

struct FunctionInfo {
    int code;
    const char *name;     // untranslated label; nullptr for the unnamed codes 13, 60, 61
    FunctionGroup group;
    unsigned fields;      // FunctionField bits
};

constexpr int kDeviceFunctionCount = 58;

// Every function the device encoding knows, in code order. Code 0 and every
// code not listed have no device encoding.
const std::array<FunctionInfo, kDeviceFunctionCount> &functionCatalogue();

// The catalogue entry of `code`, or nullptr when the device does not know it
// (0 included).
const FunctionInfo *findFunction(int code);

bool hasDeviceEncoding(int code);

// The untranslated label of a code; an empty string for 0, the unnamed codes
// and unknown codes.
const char *functionName(int code);

// The code whose label is `typed` as matchesTypedName reads it ("SINGLE KEY",
// "single-key", "Play/Pause", "dpi+"); 0 when no label matches.
int functionCodeForName(const QString &typed);

// Macro (200) and recoil file (510): the entry names a macro file and carries
// a copy of its events.
inline bool isMacroFunction(int fun) { return fun == Fun::Macro || fun == Fun::GunFile; }
