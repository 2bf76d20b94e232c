#include "clirun.h"

#include "clicommands.h"
#include "clicomplete.h"
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
    if (spec && spec->hidden)
        spec = nullptr;
    if (!parsed.error.isEmpty()) {
        CliOutput::usageError(parsed.error, spec ? spec->name : QString());
        return parsed.errorCode;
    }
    if (parsed.version) {
        CliOutput::line(CliCommands::versionText());
        return 0;
    }
    if (parsed.help) {
        CliOutput::line(spec ? CliCommands::commandHelp(*spec) : CliCommands::generalHelp());
        return 0;
    }
    const QString &command = parsed.command;
    int number = 0;
    if (command == QLatin1String("profile")) {
        bool ok = false;
        number = parsed.arguments.value(0).toInt(&ok, 10);
        if (!ok) {
            CliOutput::usageError(QStringLiteral("profile takes a number from 1 to 5"), command);
            return CliOutput::kUsage;
        }
        if (profileNumber(parsed.arguments.value(0)) == 0) {
            CliOutput::error(QStringLiteral("the mouse has profiles 1 to 5"));
            return CliOutput::kDataError;
        }
    }
    if (command == QLatin1String("complete"))
        return CliComplete::run(parsed.arguments);

    useVirtualMouse(parsed.virtualMouse);

    CliSession session(command != QLatin1String("status"));
    if (command == QLatin1String("status"))
        return session.status(parsed.isSet(QStringLiteral("json")));
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
        return session.save(parsed.arguments.value(0), parsed.isSet(QStringLiteral("force")));
    if (command == QLatin1String("profile"))
        return session.profile(number);
    if (command == QLatin1String("macro"))
        return CliMacro::run(parsed, workingConfig);

    // A setter: the value is checked before anything is written.
    const CliSetters::Outcome outcome = CliSetters::apply(parsed, workingConfig, targetProfile(parsed));
    if (outcome.exitCode == CliOutput::kUsage) {
        CliOutput::usageError(outcome.message, command);
        return outcome.exitCode;
    }
    if (outcome.exitCode != 0) {
        CliOutput::error(outcome.message);
        return outcome.exitCode;
    }
    CliOutput::line(outcome.message);
    return session.commit(!parsed.noApply);
}
