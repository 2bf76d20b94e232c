#pragma once

#include <QString>

#include <array>

// The lighting effects (effect code = LedMode = index into ledModes) and
// which of the lighting page's controls each one uses.
namespace LightingEffects {

constexpr int kCount = 14;

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

// The effects the menu offers, in its order. 5..8 are never offered but a
// profile that holds one is shown as it is.
constexpr std::array<int, 10> kMenuOrder = {1, 2, 3, 4, 9, 11, 10, 12, 13, 0};

} // namespace LightingEffects
