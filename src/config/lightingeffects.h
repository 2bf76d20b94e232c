#pragma once

#include <QString>

#include <array>
#include <cstdint>

// The lighting effects (effect code = LedMode = index into ledModes) and
// which of the lighting page's controls each one uses.
namespace LightingEffects {

constexpr int kCount = 14;

// The steps of the lighting page's sliders.
constexpr int kBrightnessMin = 1;
constexpr int kBrightnessMax = 3;
constexpr int kSpeedMin = 1;
constexpr int kSpeedMax = 5;

struct Effect {
    const char *name;   // untranslated, context "LightingPage"
    bool brightness;
    bool speed;
    bool colour;
};

// The effect of `code`, or null for a code outside 0..13 (such a profile
// shows no effect controls and no name).
const Effect *effect(int code);
// Its translated name; empty outside 0..13.
QString name(int code);

// The name as typed on a command line: the untranslated name in lower case
// with '-' for blanks ("full-lighted", "yo-yo"); empty outside 0..13.
QString typedName(int code);
// The effect whose untranslated name is `name`, compared without case and
// with '-' or '_' for blanks ("full-lighted", "yo-yo"); -1 when none is.
int codeForName(const QString &name);

// The effects the menu offers, in its order. 5..8 are never offered but a
// profile that holds one is shown as it is.
constexpr std::array<int, 10> kMenuOrder = {1, 2, 3, 4, 9, 11, 10, 12, 13, 0};
bool isOffered(int code);

// The sleep-time steps (minutes) the lighting page and the command line
// offer: the descriptor's range, bounded to what a byte holds and put in
// order.
struct SleepRange {
    int minimum;
    int maximum;
};
SleepRange sleepRange();

// LedMoveOFF: 0 puts the light out while the mouse moves, 255 keeps it on.
constexpr uint8_t kMoveOffLightOut = 0;
constexpr uint8_t kMoveOffLightOn = 255;
inline uint8_t moveOffByte(bool lightOutWhileMoving) { return lightOutWhileMoving ? kMoveOffLightOut : kMoveOffLightOn; }
inline bool lightOutWhileMoving(int stored) { return stored == kMoveOffLightOut; }

} // namespace LightingEffects
