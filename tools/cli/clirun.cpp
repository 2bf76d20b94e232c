#include "clirun.h"

#include "clibattery.h"
#include "clicommands.h"
#include "climacro.h"
#include "clioutput.h"
#include "clisession.h"
#include "clisetters.h"
#include "clishow.h"

#include "config/mouseconfig.h"

namespace {

// "1".."5"; 0 otherwise.
int profileNumber(const QString &text)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok && n >= 1 && n <= 5 ? n : 0;
}

// The profile a per-profile command works on: --profile N, else the active one.
int targetProfile(const CliCommands::Parsed &parsed)
{
    const int given = profileNumber(parsed.value(QStringLiteral("profile")));
    return given > 0 ? given - 1 : workingConfig.profileIndex();
}

} // namespace

int runCommandLine(const QStringList &arguments, const std::function<void(bool virtualMouse)> &useVirtualMouse)
{
    const CliCommands::Parsed parsed = CliCommands::parse(arguments);
    const CliCommands::CommandSpec *spec = CliCommands::find(parsed.command);
    if (parsed.help && parsed.error.isEmpty()) {
        CliOutput::line(spec ? CliCommands::commandHelp(*spec) : CliCommands::generalHelp());
        return 0;
    }
    if (!parsed.error.isEmpty()) {
        CliOutput::error(parsed.error);
        CliOutput::error(spec ? CliCommands::commandHelp(*spec) : CliCommands::generalHelp());
        return CliOutput::kUsage;
    }
    const QString &command = parsed.command;
    int number = 0;
    if (command == QLatin1String("profile")) {
        number = profileNumber(parsed.arguments.value(0));
        if (number == 0) {
            CliOutput::error(QStringLiteral("profile takes a number from 1 to 5"));
            return CliOutput::kUsage;
        }
    }

    useVirtualMouse(parsed.virtualMouse);

    CliSession session;
    if (command == QLatin1String("status"))
        return session.status(parsed.isSet(QStringLiteral("json")));
    if (command == QLatin1String("battery"))
        return CliBattery::run(parsed, session);
    if (command == QLatin1String("show")) {
        const int profile = targetProfile(parsed);
        if (parsed.isSet(QStringLiteral("json")))
            CliOutput::json(CliShow::toJson(workingConfig, profile));
        else
            CliOutput::line(CliShow::toLines(workingConfig, profile).join(QLatin1Char('\n')));
        return 0;
    }
    if (command == QLatin1String("apply"))
        return session.apply(parsed.isSet(QStringLiteral("full")));
    if (command == QLatin1String("load"))
        return session.load(parsed.arguments.value(0));
    if (command == QLatin1String("save"))
        return session.save(parsed.arguments.value(0));
    if (command == QLatin1String("profile"))
        return session.profile(number);
    if (command == QLatin1String("macro"))
        return CliMacro::run(parsed, workingConfig);

    // A setter: the value is checked before anything is written.
    const CliSetters::Outcome outcome = CliSetters::apply(parsed, workingConfig, targetProfile(parsed));
    if (outcome.exitCode != 0) {
        CliOutput::error(outcome.message);
        return outcome.exitCode;
    }
    CliOutput::line(outcome.message);
    return session.commit(!parsed.noApply);
}
