#include "clirun.h"

#include "cliappprofile.h"
#include "clibattery.h"
#include "clicommands.h"
#include "clicomplete.h"
#include "climacro.h"
#include "clioutput.h"
#include "clisession.h"
#include "clisetters.h"
#include "clishow.h"

#include "config/mouseconfig.h"
#include "config/settingslock.h"
#include "device/ownerchannel.h"

#include <QFileInfo>

#include <cstdio>
#include <memory>

namespace {

// "1".."5"; 0 otherwise.
int profileNumber(const QString &text)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok && n >= 1 && n <= 5 ? n : 0;
}

// The positional arguments that name files.
QStringList fileArguments(const CliCommands::Parsed &parsed)
{
    const QString &command = parsed.command;
    if (command == QLatin1String("load") || command == QLatin1String("save"))
        return parsed.arguments.mid(0, 1);
    if (command == QLatin1String("macro")) {
        const QString verb = parsed.arguments.value(0);
        if (verb == QLatin1String("import"))
            return parsed.arguments.mid(1);
        if (verb == QLatin1String("export"))
            return parsed.arguments.mid(2, 1);
    }
    return {};
}

// The window's answer, printed as the command would have printed it.
int printAnswer(const OwnerChannel::Answer &answer)
{
    if (!answer.failure.isEmpty()) {
        CliOutput::error(answer.failure);
        return 1;
    }
    std::fputs(answer.out.toUtf8().constData(), stdout);
    std::fflush(stdout);
    std::fputs(answer.err.toUtf8().constData(), stderr);
    std::fflush(stderr);
    return answer.exitCode;
}

OwnerChannel::Answer askWindow(const QStringList &arguments, const CliCommands::Parsed &parsed)
{
    OwnerChannel::Request request;
    request.arguments = argumentsForWindow(arguments, parsed).mid(1);
    return OwnerChannel::ask(request);
}

} // namespace

int targetProfile(const CliCommands::Parsed &parsed, const MouseConfig &config)
{
    const int given = profileNumber(parsed.value(QStringLiteral("profile")));
    return given > 0 ? given - 1 : config.profileIndex();
}

bool handedToWindow(const CliCommands::Parsed &parsed)
{
    const QString &command = parsed.command;
    // The rules file of app-profile is the window's to watch, not to write.
    if (command == QLatin1String("show") || command == QLatin1String("save") || command == QLatin1String("app-profile"))
        return false;
    // The battery history is read from its file, with or without a window.
    if (command == QLatin1String("battery") && parsed.isSet(QStringLiteral("history")))
        return false;
    return !(command == QLatin1String("macro") && parsed.arguments.value(0) == QLatin1String("list"));
}

QStringList argumentsForWindow(const QStringList &arguments, const CliCommands::Parsed &parsed)
{
    QStringList result = arguments;
    for (const QString &file : fileArguments(parsed)) {
        if (!QFileInfo(file).isRelative())
            continue;
        const QString absolute = QFileInfo(file).absoluteFilePath();
        for (int i = 1; i < result.size(); ++i) {
            if (result[i] == file)
                result[i] = absolute;
        }
    }
    return result;
}

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
    if (command == QLatin1String("profile")) {
        bool ok = false;
        parsed.arguments.value(0).toInt(&ok, 10);
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

    const bool handed = handedToWindow(parsed);
    if (handed) {
        const OwnerChannel::Answer answer = askWindow(arguments, parsed);
        if (answer.reached)
            return printAnswer(answer);
    }

    // No window: this run owns the settings and the mouse until it ends.
    // The lock is kept until the process ends (or the next run in the same
    // process), so that whatever is written at exit is written under it.
    // A window that started while the lock was held owns them now.
    static std::unique_ptr<SettingsLock> lock;
    lock.reset();
    lock = std::make_unique<SettingsLock>();
    if (handed && lock->waited()) {
        const OwnerChannel::Answer answer = askWindow(arguments, parsed);
        if (answer.reached)
            return printAnswer(answer);
    }
    // The rules file only: no mouse is opened. Under the lock, so that two
    // edits of the rules at once both stay.
    if (parsed.command == QLatin1String("app-profile"))
        return CliAppProfile::run(parsed);

    useVirtualMouse(parsed.virtualMouse);
    CliSession session(parsed.command == QLatin1String("status"));
    return runParsedCommand(parsed, session);
}

int runParsedCommand(const CliCommands::Parsed &parsed, CliSession &session)
{
    const QString &command = parsed.command;
    if (command == QLatin1String("status"))
        return session.status(parsed.isSet(QStringLiteral("json")));
    if (command == QLatin1String("battery"))
        return CliBattery::run(parsed, session);
    if (command == QLatin1String("show")) {
        const int profile = targetProfile(parsed, session.record());
        if (parsed.isSet(QStringLiteral("json")))
            CliOutput::json(CliShow::toJson(session.record(), profile));
        else
            CliOutput::line(CliShow::toLines(session.record(), profile).join(QLatin1Char('\n')));
        return 0;
    }
    if (command == QLatin1String("apply"))
        return session.apply(parsed.isSet(QStringLiteral("full")));
    if (command == QLatin1String("load"))
        return session.load(parsed.arguments.value(0));
    if (command == QLatin1String("save"))
        return session.save(parsed.arguments.value(0), parsed.isSet(QStringLiteral("force")));
    if (command == QLatin1String("profile"))
        return session.profile(profileNumber(parsed.arguments.value(0)));
    if (command == QLatin1String("macro"))
        return CliMacro::run(parsed, session.record(), [&session] { return session.apply(false); });

    // The value is checked before anything is written or the mouse is asked.
    MouseConfig trial = session.record();
    CliSetters::Outcome outcome = CliSetters::apply(parsed, trial, targetProfile(parsed, trial));
    if (outcome.exitCode == 0 && !parsed.noApply && !parsed.isSet(QStringLiteral("profile"))) {
        // A setter of the active profile goes to the profile the mouse
        // runs, should it have switched on its own.
        session.followMouse();
        outcome = CliSetters::apply(parsed, session.record(), targetProfile(parsed, session.record()));
    } else if (outcome.exitCode == 0) {
        session.record() = trial;
    }
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
