#include "clisetters.h"

#include "clibutton.h"
#include "clioutput.h"

#include "config/appconfig.h"
#include "config/dpistagerules.h"
#include "config/lightingeffects.h"
#include "config/mouseconfig.h"
#include "config/productdescriptor.h"
#include "config/profilerules.h"
#include "config/reportrate.h"
#include "config/sensortable.h"
#include "config/settingranges.h"

#include <QColor>

namespace CliSetters {

namespace {

Outcome malformed(const QString &text) { return {CliOutput::kUsage, text}; }
Outcome refused(const QString &text) { return {CliOutput::kDataError, text}; }
Outcome done(const QString &text) { return {0, text}; }

// A whole decimal number, nothing around it.
bool number(const QString &text, int *value)
{
    bool ok = false;
    *value = text.toInt(&ok, 10);
    return ok;
}

// "on" or "off".
bool onOff(const QString &text, bool *on)
{
    if (text == QLatin1String("on") || text == QLatin1String("off")) {
        *on = text == QLatin1String("on");
        return true;
    }
    return false;
}

// The DPI steps of the sensor, for a message: "100, 200 ... 26000".
QString offeredDpi(int sensorType, const SensorRange &range)
{
    return QStringLiteral("%1 to %2 in the sensor's steps")
        .arg(dpiCodeToDpi(range.minimum, sensorType))
        .arg(dpiCodeToDpi(range.maximum, sensorType));
}

Outcome setDpi(const QStringList &args, ProfileData &profile)
{
    const int stageCount = ProductDescriptor::boundedDpiStageCount();
    int stage = 0;
    if (args.at(0) == QLatin1String("active")) {
        if (args.size() != 2 || !number(args.at(1), &stage))
            return malformed(QStringLiteral("dpi active takes a stage number"));
        if (stage < 1 || stage > stageCount)
            return refused(QStringLiteral("the mouse has DPI stages 1 to %1").arg(stageCount));
        if (!DpiStageRules::canActivate(profile, stage - 1, stageCount))
            return refused(QStringLiteral("DPI stage %1 is off; switch it on first").arg(stage));
        profile.dpi = uint8_t(stage - 1);
        return done(QStringLiteral("active DPI stage: %1").arg(stage));
    }
    if (!number(args.at(0), &stage))
        return malformed(QStringLiteral("dpi takes a stage number first"));
    if (stage < 1 || stage > stageCount)
        return refused(QStringLiteral("the mouse has DPI stages 1 to %1").arg(stageCount));
    const int index = stage - 1;

    bool on = false;
    if (args.size() == 2 && onOff(args.at(1), &on)) {
        if (!DpiStageRules::setEnabled(profile, index, on, stageCount))
            return refused(QStringLiteral("DPI stage %1 is the last one on; it stays on").arg(stage));
        return done(QStringLiteral("DPI stage %1: %2").arg(stage).arg(on ? "on" : "off"));
    }

    int x = 0;
    int y = 0;
    if (!number(args.at(1), &x) || (args.size() == 3 && !number(args.at(2), &y)))
        return malformed(QStringLiteral("dpi STAGE takes X [Y] in DPI, or on|off"));
    if (args.size() == 2)
        y = x;
    const int sensor = AppConfig::sensorType();
    const SensorRange range =
        sensorRange(sensor, AppConfig::currentProductName(), ProductDescriptor::shortDpiRange3325());
    if (!range.known)
        return refused(QStringLiteral("the sensor type %1 has no DPI table").arg(sensor));
    const int xCode = codeForDpi(x, sensor, range);
    const int yCode = codeForDpi(y, sensor, range);
    for (const auto &[value, code] : {std::pair<int, int>{x, xCode}, {y, yCode}}) {
        if (code < 0)
            return refused(QStringLiteral("%1 DPI is not a step of this sensor (%2)").arg(value).arg(offeredDpi(sensor, range)));
    }
    DpiLevel &level = profile.dpiLevels[size_t(index)];
    level.x = xCode;
    level.y = yCode;
    return done(QStringLiteral("DPI stage %1: %2 x %3").arg(stage).arg(x).arg(y));
}

// `lighting EFFECT [--colour] [--brightness] [--speed] [--sleep] [--move-off]`
// on the profile whose lighting the page edits.
Outcome setLighting(const CliCommands::Parsed &parsed, MouseConfig &config)
{
    const QString name = parsed.arguments.at(0);
    const int code = LightingEffects::codeForName(name);
    if (code < 0 || !LightingEffects::isOffered(code))
        return refused(QStringLiteral("%1 is not a lighting effect of the mouse").arg(name));
    const LightingEffects::Effect *effect = LightingEffects::effect(code);
    ProfileData &profile = lightingProfile(config, AppConfig::currentProductName());
    LedModeInfo led = profile.ledModes[size_t(code)];
    uint8_t sleep = profile.LedSleepTime;
    uint8_t moveOff = profile.LedMoveOFF;
    int value = 0;

    // Each option: what the effect offers, then the value.
    const auto uses = [&](const char *option, bool offered) -> QString {
        return parsed.isSet(QLatin1String(option)) && !offered
                   ? QStringLiteral("the effect %1 has no %2").arg(name, QLatin1String(option))
                   : QString();
    };
    for (const QString &why : {uses("colour", effect->colour), uses("brightness", effect->brightness),
                               uses("speed", effect->speed)}) {
        if (!why.isEmpty())
            return refused(why);
    }
    if (parsed.isSet(QStringLiteral("colour"))) {
        const QString text = parsed.value(QStringLiteral("colour"));
        const QColor colour(text);
        if (!text.startsWith(QLatin1Char('#')) || text.size() != 7 || !colour.isValid())
            return malformed(QStringLiteral("--colour takes #rrggbb"));
        led.RGB = colour;
    }
    if (parsed.isSet(QStringLiteral("brightness"))) {
        if (!number(parsed.value(QStringLiteral("brightness")), &value))
            return malformed(QStringLiteral("--brightness takes a number"));
        if (value < LightingEffects::kBrightnessMin || value > LightingEffects::kBrightnessMax)
            return refused(QStringLiteral("brightness is %1 to %2").arg(LightingEffects::kBrightnessMin).arg(LightingEffects::kBrightnessMax));
        led.bright = value;
    }
    if (parsed.isSet(QStringLiteral("speed"))) {
        if (!number(parsed.value(QStringLiteral("speed")), &value))
            return malformed(QStringLiteral("--speed takes a number"));
        if (value < LightingEffects::kSpeedMin || value > LightingEffects::kSpeedMax)
            return refused(QStringLiteral("speed is %1 to %2").arg(LightingEffects::kSpeedMin).arg(LightingEffects::kSpeedMax));
        led.breath = value;
    }
    if (parsed.isSet(QStringLiteral("sleep"))) {
        const LightingEffects::SleepRange range = LightingEffects::sleepRange();
        if (!number(parsed.value(QStringLiteral("sleep")), &value))
            return malformed(QStringLiteral("--sleep takes a number of minutes"));
        if (value < range.minimum || value > range.maximum)
            return refused(QStringLiteral("sleep is %1 to %2 minutes").arg(range.minimum).arg(range.maximum));
        sleep = uint8_t(value);
    }
    if (parsed.isSet(QStringLiteral("move-off"))) {
        bool on = false;
        if (!onOff(parsed.value(QStringLiteral("move-off")), &on))
            return malformed(QStringLiteral("--move-off takes on or off"));
        moveOff = LightingEffects::moveOffByte(on);
    }
    profile.LedMode = uint8_t(code);
    profile.ledModes[size_t(code)] = led;
    profile.LedSleepTime = sleep;
    profile.LedMoveOFF = moveOff;
    return done(QStringLiteral("lighting: %1").arg(LightingEffects::typedName(code)));
}

} // namespace

bool isSetter(const QString &command)
{
    const CliCommands::CommandSpec *spec = CliCommands::find(command);
    return spec && spec->writes;
}

Outcome apply(const CliCommands::Parsed &parsed, MouseConfig &config, int profileIndex)
{
    const QString &command = parsed.command;
    const QStringList &args = parsed.arguments;
    ProfileData &profile = config.profiles[size_t(qBound(0, profileIndex, kProfileCount - 1))];
    int value = 0;
    bool on = false;

    if (command == QLatin1String("dpi"))
        return setDpi(args, profile);
    if (command == QLatin1String("lighting"))
        return setLighting(parsed, config);
    if (command == QLatin1String("button"))
        return CliButton::assign(parsed, profile);

    if (command == QLatin1String("rate")) {
        if (!number(args.at(0), &value))
            return malformed(QStringLiteral("rate takes 125, 250, 500 or 1000"));
        for (int code : kReportRateCodes) {
            if (reportRateHz(code) == value) {
                profile.pollrate = uint8_t(code);
                return done(QStringLiteral("report rate: %1 Hz").arg(value));
            }
        }
        return refused(QStringLiteral("%1 Hz is not a report rate of the mouse (125, 250, 500, 1000)").arg(value));
    }

    if (command == QLatin1String("lift")) {
        if (!number(args.at(0), &value))
            return malformed(QStringLiteral("lift takes 1 or 2"));
        if (!SettingRanges::isLift(value))
            return refused(QStringLiteral("the lift-off distance is 1 or 2 mm"));
        config.LiftHigh = uint8_t(value);
        return done(QStringLiteral("lift-off distance: %1 mm").arg(value));
    }

    if (command == QLatin1String("debounce") || command == QLatin1String("scroll")) {
        const bool debounce = command == QLatin1String("debounce");
        if (!number(args.at(0), &value))
            return malformed(QStringLiteral("%1 takes a number").arg(command));
        if (debounce ? !SettingRanges::isDebounce(value) : !SettingRanges::isScroll(value))
            return refused(debounce ? QStringLiteral("debounce is %1 to %2")
                                          .arg(SettingRanges::kDebounceMin)
                                          .arg(SettingRanges::kDebounceMax)
                                    : QStringLiteral("scroll is %1 to %2 lines")
                                          .arg(SettingRanges::kScrollMin)
                                          .arg(SettingRanges::kScrollMax));
        if (debounce)
            config.Debounce = uint8_t(value);
        else
            profile.scrollspeed = uint8_t(value);
        return done(QStringLiteral("%1: %2").arg(command).arg(value));
    }

    uint8_t *flag = command == QLatin1String("angle")    ? &config.AngleValue
                    : command == QLatin1String("jitter") ? &config.Jitter
                    : command == QLatin1String("sync")   ? &config.Sync
                                                         : nullptr;
    if (flag) {
        if (!onOff(args.at(0), &on))
            return malformed(QStringLiteral("%1 takes on or off").arg(command));
        *flag = on ? 1 : 0;
        return done(QStringLiteral("%1: %2").arg(command, on ? QStringLiteral("on") : QStringLiteral("off")));
    }
    return malformed(QStringLiteral("%1 changes no setting").arg(command));
}

} // namespace CliSetters
