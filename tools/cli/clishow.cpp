#include "clishow.h"

#include "config/appconfig.h"
#include "config/buttonassignment.h"
#include "config/buttonrules.h"
#include "config/functioncatalogue.h"
#include "config/keytables.h"
#include "config/lightingeffects.h"
#include "config/mouseconfig.h"
#include "config/productdescriptor.h"
#include "config/profilerules.h"
#include "config/reportrate.h"
#include "config/sensortable.h"
#include "config/settingranges.h"

#include <QJsonArray>

namespace CliShow {

namespace {

// The keys of a combination: the pressed ones, in their order.
QString comboKeys(const ButtonInfo &button)
{
    QStringList names;
    for (const KeyInfo &event : button.KeyInfo) {
        int code = 0;
        if (event.map != 0 && event.DataH == 0x80 && usageToKeyCode(event.map, code))
            names << keyName(code);
    }
    return names.join(QStringLiteral(" + "));
}

// What a fire key fires: a click or a key.
QString fireTarget(int res1)
{
    switch (res1) {
    case ButtonAssignment::kFireLeft: return QStringLiteral("left");
    case ButtonAssignment::kFireRight: return QStringLiteral("right");
    case ButtonAssignment::kFireMiddle: return QStringLiteral("middle");
    default: break;
    }
    int code = 0;
    return usageToKeyCode(res1, code) ? keyName(code) : QStringLiteral("usage %1").arg(res1);
}

// The function's name as the button menus show it, with what it carries:
// the macro's name, the key's name.
QString buttonText(const ButtonInfo &button)
{
    const FunctionInfo *info = findFunction(button.Fun);
    QString text = info && info->name ? QString::fromLatin1(info->name)
                                      : QStringLiteral("function %1").arg(button.Fun);
    if ((button.Fun == Fun::Macro || button.Fun == Fun::GunFile) && !button.macroname.isEmpty())
        text += QStringLiteral(" \"%1\"").arg(button.macroname);
    else if (button.Fun == Fun::SingleKey)
        text += QLatin1Char(' ') + keyName(button.Res1);
    else if (button.Fun == Fun::ComboKey)
        text += QLatin1Char(' ') + comboKeys(button);
    else if (button.Fun == Fun::FireKey)
        text += QStringLiteral(" %1, %2 times, delay %3").arg(fireTarget(button.Res1)).arg(button.LoopNumber).arg(button.KeyNumber);
    return text;
}

QString onOff(int value) { return value ? QStringLiteral("on") : QStringLiteral("off"); }

} // namespace

QJsonObject toJson(const MouseConfig &config, int profileIndex)
{
    const ProfileData &profile = config.profiles[size_t(profileIndex)];
    const int sensor = AppConfig::sensorType();
    const int stageCount = ProductDescriptor::boundedDpiStageCount();
    QJsonArray stages;
    for (int k = 0; k < stageCount; ++k) {
        const DpiLevel &level = profile.dpiLevels[size_t(k)];
        stages.append(QJsonObject{{"stage", k + 1},
                                  {"on", level.used != 0},
                                  {"x", dpiCodeToDpi(level.x, sensor)},
                                  {"y", dpiCodeToDpi(level.y, sensor)},
                                  {"linked", level.link == 1}});
    }
    const ProfileData &lit = config.profiles[size_t(lightingProfileIndex(config, AppConfig::currentProductName()))];
    const LedModeInfo &led = lit.ledModes[size_t(lit.ledModeIndex())];
    QJsonArray buttons;
    // Only the entries this mouse receives: the others are settings it never sees.
    const int buttonCount = ProductDescriptor::buttonCount();
    for (int i = 0; i < kButtonEntryCount; ++i) {
        if (!entryReachesMouse(i, buttonCount))
            continue;
        const ButtonInfo &b = profile.buttons[size_t(i)];
        QJsonObject entry{{"index", i + 1}, {"function", b.Fun}, {"name", buttonText(b)}};
        if (b.Fun == Fun::Macro || b.Fun == Fun::GunFile)
            entry.insert("macro", b.macroname);
        buttons.append(entry);
    }
    return QJsonObject{
        {"profile", profileIndex + 1},
        {"profileName", config.names[size_t(profileIndex)]},
        {"active", profileIndex == config.profileIndex()},
        {"dpiStages", stages},
        {"activeDpiStage", profile.dpi + 1},
        {"reportRate", QJsonObject{{"code", profile.pollrate}, {"hz", reportRateHz(profile.pollrate)}}},
        {"lift", SettingRanges::liftMillimetres(config.LiftHigh)},
        {"debounce", config.Debounce},
        {"scroll", profile.scrollspeed},
        {"angle", config.AngleValue != 0},
        {"jitter", config.Jitter != 0},
        {"sync", config.Sync != 0},
        {"lighting", QJsonObject{{"effect", lit.LedMode},
                                 {"effectName", LightingEffects::typedName(lit.LedMode)},
                                 {"colour", led.RGB.isValid() ? led.RGB.name() : QString()},
                                 {"brightness", led.bright},
                                 {"speed", led.breath},
                                 {"sleep", lit.LedSleepTime},
                                 {"moveOff", LightingEffects::lightOutWhileMoving(lit.LedMoveOFF)}}},
        {"buttons", buttons},
    };
}

QStringList toLines(const MouseConfig &config, int profileIndex)
{
    const QJsonObject o = toJson(config, profileIndex);
    QStringList lines;
    lines << QStringLiteral("profile: %1 (%2)%3")
                 .arg(profileIndex + 1)
                 .arg(o.value("profileName").toString(), o.value("active").toBool() ? " active" : "");
    for (const QJsonValue &v : o.value("dpiStages").toArray()) {
        const QJsonObject s = v.toObject();
        lines << QStringLiteral("dpi stage %1: %2 x %3 %4%5")
                     .arg(s.value("stage").toInt())
                     .arg(s.value("x").toInt())
                     .arg(s.value("y").toInt())
                     .arg(s.value("on").toBool() ? "on" : "off")
                     .arg(s.value("stage").toInt() == o.value("activeDpiStage").toInt() ? " (active)" : "");
    }
    lines << QStringLiteral("report rate: %1 Hz").arg(o.value("reportRate").toObject().value("hz").toInt());
    lines << QStringLiteral("lift: %1 mm").arg(o.value("lift").toInt());
    lines << QStringLiteral("debounce: %1").arg(config.Debounce);
    lines << QStringLiteral("scroll: %1").arg(o.value("scroll").toInt());
    lines << QStringLiteral("angle: %1").arg(onOff(config.AngleValue));
    lines << QStringLiteral("jitter: %1").arg(onOff(config.Jitter));
    lines << QStringLiteral("sync: %1").arg(onOff(config.Sync));
    const QJsonObject l = o.value("lighting").toObject();
    lines << QStringLiteral("lighting: %1, colour %2, brightness %3, speed %4, sleep %5, move-off %6")
                 .arg(l.value("effectName").toString())
                 .arg(l.value("colour").toString())
                 .arg(l.value("brightness").toInt())
                 .arg(l.value("speed").toInt())
                 .arg(l.value("sleep").toInt())
                 .arg(l.value("moveOff").toBool() ? "on" : "off");
    for (const QJsonValue &v : o.value("buttons").toArray()) {
        const QJsonObject b = v.toObject();
        lines << QStringLiteral("button %1: %2").arg(b.value("index").toInt()).arg(b.value("name").toString());
    }
    return lines;
}

} // namespace CliShow
