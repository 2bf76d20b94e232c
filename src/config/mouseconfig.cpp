#include "mouseconfig.h"

#include "lightingeffects.h"
#include "productdescriptor.h"
#include "profilenames.h"


bool DpiLevel::operator==(const DpiLevel &o) const
{
    return used == o.used && link == o.link && xy == o.xy && x == o.x && y == o.y;
}

bool ButtonInfo::operator==(const ButtonInfo &o) const
{
    return ID == o.ID && Fun == o.Fun && LoopNumber == o.LoopNumber && KeyNumber == o.KeyNumber
        && KeyInfo == o.KeyInfo && Res1 == o.Res1 && Res2 == o.Res2 && Res3 == o.Res3 && Res4 == o.Res4
        && macroname == o.macroname;
}

bool LedModeInfo::operator==(const LedModeInfo &o) const
{
    // QColor compares spec and components, alpha included; two invalid
    // colours compare equal.
    return RGB == o.RGB && h == o.h && s == o.s && v == o.v && bright == o.bright && breath == o.breath;
}

bool ProfileData::operator==(const ProfileData &o) const
{
    return pollrate == o.pollrate && dpi == o.dpi && LedMode == o.LedMode && LedMoveOFF == o.LedMoveOFF
        && LedSleepTime == o.LedSleepTime && dpiLevels == o.dpiLevels && mousespeed == o.mousespeed
        && dbclickspeed == o.dbclickspeed && scrollispage == o.scrollispage && scrollspeed == o.scrollspeed
        && accelenable == o.accelenable && acee == o.acee && buttons == o.buttons && ledModes == o.ledModes
        && ProfileName == o.ProfileName && ProfilePath == o.ProfilePath;
}

bool MouseConfig::operator==(const MouseConfig &o) const
{
    return ProfileID == o.ProfileID && profiles == o.profiles && AngleValue == o.AngleValue
        && LiftHigh == o.LiftHigh && Sync == o.Sync && Count == o.Count && Jitter == o.Jitter
        && Debounce == o.Debounce && names == o.names;
}

namespace {

void applyBuiltInDefaults(ProfileData &profile)
{
    profile.LedMode = 9;
    static const int32_t stageCodes[kDpiStageCount] = {8, 12, 16, 24, 50, 75, 0, 0};
    for (int i = 0; i < kDpiStageCount; ++i)
        profile.dpiLevels[i] = DpiLevel{1, 1, stageCodes[i], stageCodes[i], stageCodes[i]};

    static const int32_t buttonFunctions[] = {1, 2, 3, 4, 5, 4, 5};
    for (int i = 0; i < 7; ++i)
        profile.buttons[i].Fun = buttonFunctions[i];

    for (int i = 0; i < kLedModeCount; ++i) {
        LedModeInfo &led = profile.ledModes[i];
        led.RGB = QColor(255, 0, 0);
        led.bright = 3;
        led.breath = 3;
    }
    profile.ledModes[4].breath = 2;
    profile.ledModes[9].breath = 4;
    profile.ledModes[10].RGB = QColor(0, 255, 0);
    profile.ledModes[10].breath = 5;
    profile.ledModes[12].breath = 1;
}

} // namespace

void makeDefaultProfile(ProfileData &profile)
{
    profile = ProfileData{};
    profile.pollrate = 1;
    profile.dpi = 1;
    profile.LedMode = 1;
    profile.mousespeed = 10;
    profile.dbclickspeed = 5;
    profile.scrollispage = 0;
    profile.scrollspeed = 1;
    profile.accelenable = 1;
    profile.acee = 1;
    for (LedModeInfo &led : profile.ledModes)
        led.h = 360;   // s and v stay 0

    if (ProductDescriptor::readProfileDefaults(profile) != 0)
        applyBuiltInDefaults(profile);

    profile.buttons[kWheelUpEntry].Fun = 52;
    profile.buttons[kWheelDownEntry].Fun = 53;
    profile.LedMoveOFF = LightingEffects::kMoveOffLightOut;
    profile.LedSleepTime = 1;
}

void makeDefaultConfig(MouseConfig &config)
{
    config.ProfileID = 0;
    config.Jitter = 1;
    config.Debounce = 20;
    config.AngleValue = 1;
    config.Sync = 0;
    config.LiftHigh = ProductDescriptor::syncMode() == 2 ? 1 : 0;
    makeDefaultProfile(config.profiles[0]);
    for (int k = 0; k < kProfileCount; ++k)
        config.names[k] = ProfileNames::numbered(k + 1);
}

ProfileData &currentProfile(MouseConfig &config)
{
    return config.profiles[config.profileIndex()];
}

const ProfileData &currentProfile(const MouseConfig &config)
{
    return config.profiles[config.profileIndex()];
}

