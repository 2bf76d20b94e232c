// mousecfg-cli: the program's settings and device link without a window.

#include "clioutput.h"
#include "clisession.h"

#include "config/logging.h"
#include "sim/virtualmouse.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

struct CommandLine {
    bool help = false;
    bool virtualMouse = false;
    bool json = false;
    bool full = false;
    QStringList words;
    QString error;
};

CommandLine parse(const QStringList &arguments)
{
    CommandLine cl;
    for (const QString &a : arguments.mid(1)) {
        if (a == QLatin1String("-h") || a == QLatin1String("--help"))
            cl.help = true;
        else if (a == QLatin1String("--virtual"))
            cl.virtualMouse = true;
        else if (a == QLatin1String("--json"))
            cl.json = true;
        else if (a == QLatin1String("--full"))
            cl.full = true;
        else if (a.startsWith(QLatin1Char('-')) && a.size() > 1)
            cl.error = QStringLiteral("unknown option %1").arg(a);
        else
            cl.words << a;
    }
    if (!cl.error.isEmpty() || cl.help)
        return cl;

    static const QStringList kNoArgument = {QStringLiteral("status"), QStringLiteral("apply")};
    static const QStringList kOneArgument = {QStringLiteral("load"), QStringLiteral("save"), QStringLiteral("profile")};
    const QString command = cl.words.value(0);
    if (command.isEmpty())
        cl.error = QStringLiteral("no command given");
    else if (kNoArgument.contains(command) && cl.words.size() != 1)
        cl.error = QStringLiteral("%1 takes no argument").arg(command);
    else if (kOneArgument.contains(command) && cl.words.size() != 2)
        cl.error = QStringLiteral("%1 takes one argument").arg(command);
    else if (!kNoArgument.contains(command) && !kOneArgument.contains(command))
        cl.error = QStringLiteral("unknown command %1").arg(command);
    else if (cl.full && command != QLatin1String("apply"))
        cl.error = QStringLiteral("--full belongs to apply");
    else if (cl.json && command != QLatin1String("status"))
        cl.error = QStringLiteral("--json belongs to status");
    return cl;
}

// "1".."5"; 0 otherwise.
int profileNumber(const QString &text)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok && n >= 1 && n <= 5 ? n : 0;
}

// The libraries' debug lines are for diagnosis: their categories are off
// unless MOUSECFG_DEBUG=1 (or QT_LOGGING_RULES) turns them on. Whatever
// passes goes to the error stream, never between the command's answers.
void toErrorStream(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    CliOutput::error(qFormatLogMessage(type, context, message));
}

} // namespace

int main(int argc, char *argv[])
{
    qInstallMessageHandler(toErrorStream);
    Logging::enableDebugFromEnvironment();
    QCoreApplication app(argc, argv);
    const CommandLine cl = parse(QCoreApplication::arguments());
    if (cl.help) {
        CliOutput::line(CliOutput::usage());
        return 0;
    }
    if (!cl.error.isEmpty()) {
        CliOutput::error(cl.error);
        CliOutput::error(CliOutput::usage());
        return CliOutput::kUsage;
    }
    const QString command = cl.words.value(0);
    int number = 0;
    if (command == QLatin1String("profile")) {
        number = profileNumber(cl.words.value(1));
        if (number == 0) {
            CliOutput::error(QStringLiteral("profile takes a number from 1 to 5"));
            return CliOutput::kUsage;
        }
    }

    if (cl.virtualMouse)
        qputenv("MOUSECFG_SIMULATE", "1");
    installVirtualMouseFromEnvironment();

    CliSession session;
    if (command == QLatin1String("status"))
        return session.status(cl.json);
    if (command == QLatin1String("apply"))
        return session.apply(cl.full);
    if (command == QLatin1String("load"))
        return session.load(cl.words.value(1));
    if (command == QLatin1String("save"))
        return session.save(cl.words.value(1));
    return session.profile(number);
}
