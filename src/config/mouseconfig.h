#pragma once

#include <QColor>
#include <QString>

#include <array>
#include <cstdint>

// The settings record: every setting the mouse keeps on board plus the few
// options that only the desktop applies. Value types throughout, so that the
// upload can copy the whole record and compare it field by field.
//
// Words used throughout: a *slot* is one of the five profiles (Profile 1..5,
// with its name and its file); a *button entry* is one of a profile's 42
// button assignments. On the mouse, a *key entry* is one button's four bytes
// of the button table, a macro *bank* one 200-byte part of the macro memory,
// and a lighting *block* one effect's eight bytes of the lighting table. In
// the macro list (MACRO_LIST) and a key combination, the places are entries.

constexpr int kProfileCount = 5;
constexpr int kDpiStageCount = 8;
constexpr int kButtonEntryCount = 42;   // 0..19 front picture, 20..39 side, 40/41 wheel
constexpr int kWheelUpEntry = 40;
constexpr int kWheelDownEntry = 41;
constexpr int kEventsPerButton = 63;
constexpr int kLedModeCount = 14;
constexpr int kDescriptorButtonCount = 16;

struct KeyInfo {
    uint8_t map = 0;     // event type, or key usage for a key combination
    uint8_t DataL = 0;
    uint8_t DataH = 0;

    bool operator==(const KeyInfo &o) const { return map == o.map && DataL == o.DataL && DataH == o.DataH; }
    bool operator!=(const KeyInfo &o) const { return !(*this == o); }
};

struct DpiLevel {
    uint8_t used = 0;
    uint8_t link = 0;
    int32_t xy = 0;
    int32_t x = 0;
    int32_t y = 0;

    bool operator==(const DpiLevel &o) const;
    bool operator!=(const DpiLevel &o) const { return !(*this == o); }
};

struct ButtonInfo {
    int32_t ID = 0;
    int32_t Fun = 0;
    int32_t LoopNumber = 0;
    int32_t KeyNumber = 0;
    std::array<::KeyInfo, kEventsPerButton> KeyInfo{};
    uint8_t Res1 = 0;
    uint8_t Res2 = 0;
    uint8_t Res3 = 0;
    uint8_t Res4 = 0;
    QString macroname;

    bool operator==(const ButtonInfo &o) const;
    bool operator!=(const ButtonInfo &o) const { return !(*this == o); }
};

struct LedModeInfo {
    QColor RGB;
    int32_t h = 0;
    int32_t s = 0;
    int32_t v = 0;
    int32_t bright = 0;
    int32_t breath = 0;

    bool operator==(const LedModeInfo &o) const;
    bool operator!=(const LedModeInfo &o) const { return !(*this == o); }
};

struct ProfileData {
    uint8_t pollrate = 0;
    uint8_t dpi = 0;
    uint8_t LedMode = 0;
    uint8_t LedMoveOFF = 0;
    uint8_t LedSleepTime = 0;
    std::array<DpiLevel, kDpiStageCount> dpiLevels{};
    uint8_t mousespeed = 0;
    uint8_t dbclickspeed = 0;
    uint8_t scrollispage = 0;
    uint8_t scrollspeed = 0;
    uint8_t accelenable = 0;
    uint8_t acee = 0;
    std::array<ButtonInfo, kButtonEntryCount> buttons{};
    std::array<LedModeInfo, kLedModeCount> ledModes{};
    QString ProfileName;
    QString ProfilePath;

    bool operator==(const ProfileData &o) const;
    bool operator!=(const ProfileData &o) const { return !(*this == o); }

    // Indices read from files are never trusted: these give a usable index
    // while the stored value stays as it was.
    int dpiStageIndex() const { return dpi < kDpiStageCount ? dpi : 0; }
    int ledModeIndex() const { return LedMode < kLedModeCount ? LedMode : 0; }
};

struct MouseConfig {
    uint8_t ProfileID = 0;
    std::array<ProfileData, kProfileCount> profiles{};
    uint8_t AngleValue = 0;
    uint8_t LiftHigh = 0;
    uint8_t Sync = 0;
    uint8_t Count = 0;
    uint8_t Jitter = 0;
    uint8_t Debounce = 0;
    std::array<QString, kProfileCount> names;

    bool operator==(const MouseConfig &o) const;
    bool operator!=(const MouseConfig &o) const { return !(*this == o); }

    int profileIndex() const { return ProfileID < kProfileCount ? ProfileID : 0; }
};

// Resets one profile block to the factory defaults: those of the product
// descriptor when it exists, the built-in ones otherwise.
void makeDefaultProfile(ProfileData &profile);

// Resets the global options, profile 0 and the slot names. Profiles 1..4 and
// Count are left as they were (a "reset all" keeps the other slots' contents).
void makeDefaultConfig(MouseConfig &config);

// The block of `config` whose index is its ProfileID (profile 0 when the
// stored index is out of range).
ProfileData &currentProfile(MouseConfig &config);
const ProfileData &currentProfile(const MouseConfig &config);
