#include "cliappprofile.h"

#include "clioutput.h"

#include "config/appprofilerules.h"
#include "config/paths.h"

#include <QJsonArray>
#include <QJsonObject>

namespace CliAppProfile {

namespace {

const QString kRunning = QStringLiteral("running");

int usage(const QString &text)
{
    CliOutput::error(text);
    return CliOutput::kUsage;
}

int list(const AppProfileRules &rules, bool json)
{
    if (json) {
        QJsonArray array;
        for (const AppProfileRule &rule : rules.rules) {
            array.append(QJsonObject{{QStringLiteral("application"), rule.application},
                                     {QStringLiteral("profile"), rule.slot + 1},
                                     {QStringLiteral("trigger"), AppProfileRules::triggerName(rule.trigger)}});
        }
        const QJsonValue fallback = rules.defaultSlot == AppProfileRules::kStay ? QJsonValue(QStringLiteral("stay"))
                                                                                : QJsonValue(rules.defaultSlot + 1);
        CliOutput::json(QJsonObject{{QStringLiteral("rules"), array}, {QStringLiteral("default"), fallback}});
        return 0;
    }
    for (const AppProfileRule &rule : rules.rules)
        CliOutput::line(QStringLiteral("%1\tprofile %2\t%3")
                            .arg(rule.application)
                            .arg(rule.slot + 1)
                            .arg(AppProfileRules::triggerName(rule.trigger)));
    CliOutput::line(QStringLiteral("default: %1").arg(AppProfileRules::defaultName(rules.defaultSlot)));
    return 0;
}

int save(const AppProfileRules &rules, const QString &done)
{
    QString error;
    if (!rules.save(Paths::appProfilesFile(), &error)) {
        CliOutput::error(error);
        return CliOutput::kCantCreate;
    }
    CliOutput::line(done);
    return 0;
}

} // namespace

CliCommands::CommandSpec spec()
{
    return CliCommands::CommandSpec{
        QStringLiteral("app-profile"),
        QStringLiteral("list | add APP SLOT | remove APP | default stay|SLOT"),
        QStringLiteral("the profile chosen by the focused or running application"),
        QStringLiteral("APP is a window class or a program's name (letter case does not matter).\n"
                       "add makes the mouse use profile SLOT (1..5) while APP has the focus, or\n"
                       "with --running while APP runs at all; a rule for APP is replaced. A focus\n"
                       "rule wins over a running rule; among rules of one kind the first listed\n"
                       "wins. default says what happens when no rule matches: stay keeps the\n"
                       "profile, SLOT chooses one. The rules live in Configs/AppProfiles.ini; the\n"
                       "window takes a change at once. Nothing is sent to the mouse here."),
        1,
        3,
        {{QStringLiteral("json"), QString(), QStringLiteral("list: one JSON document")},
         {kRunning, QString(), QStringLiteral("add: while the program runs, not only when focused")}},
        false};
}

int run(const CliCommands::Parsed &parsed)
{
    const QString action = parsed.arguments.value(0);
    const int count = parsed.arguments.size();
    AppProfileRules rules;
    QString error;
    if (!Paths::ensureConfigs(&error)) {
        CliOutput::error(error);
        return CliOutput::kCantCreate;
    }
    // A malformed file is refused, never rewritten: its rules stay as the
    // user wrote them until the file is mended.
    if (!rules.load(Paths::appProfilesFile(), &error)) {
        CliOutput::error(error);
        return CliOutput::kDataError;
    }
    if (action == QLatin1String("list")) {
        if (count != 1)
            return usage(QStringLiteral("app-profile list takes no further arguments"));
        return list(rules, parsed.isSet(QStringLiteral("json")));
    }
    if (action == QLatin1String("add")) {
        if (count != 3)
            return usage(QStringLiteral("app-profile add takes APP and SLOT"));
        int slot = 0;
        if (!AppProfileRules::parseDefault(parsed.arguments.at(2), &slot) || slot == AppProfileRules::kStay)
            return usage(QStringLiteral("SLOT is a profile number from 1 to 5"));
        const auto trigger =
            parsed.isSet(kRunning) ? AppProfileRule::Trigger::Running : AppProfileRule::Trigger::Focus;
        if (!rules.set(parsed.arguments.at(1), slot, trigger)) {
            CliOutput::error(QStringLiteral("no rule can be added for \"%1\"").arg(parsed.arguments.at(1)));
            return CliOutput::kDataError;
        }
        return save(rules, QStringLiteral("%1: profile %2 %3")
                               .arg(parsed.arguments.at(1).trimmed())
                               .arg(slot + 1)
                               .arg(trigger == AppProfileRule::Trigger::Running ? QStringLiteral("while running")
                                                                                : QStringLiteral("when focused")));
    }
    if (action == QLatin1String("remove")) {
        if (count != 2)
            return usage(QStringLiteral("app-profile remove takes APP"));
        if (!rules.remove(parsed.arguments.at(1))) {
            CliOutput::error(QStringLiteral("%1 has no rule").arg(parsed.arguments.at(1)));
            return CliOutput::kDataError;
        }
        return save(rules, QStringLiteral("removed: %1").arg(parsed.arguments.at(1)));
    }
    if (action == QLatin1String("default")) {
        if (count != 2 || !AppProfileRules::parseDefault(parsed.arguments.at(1), &rules.defaultSlot))
            return usage(QStringLiteral("app-profile default takes stay or a profile number from 1 to 5"));
        return save(rules, QStringLiteral("default: %1").arg(AppProfileRules::defaultName(rules.defaultSlot)));
    }
    return usage(QStringLiteral("app-profile takes list, add, remove or default"));
}

} // namespace CliAppProfile
