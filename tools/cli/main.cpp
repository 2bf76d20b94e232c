// mousecfg-cli: the program's settings and device link without a window.

#include "clioutput.h"
#include "clirun.h"

#include "config/logging.h"
#include "sim/virtualmouse.h"

#include <QCoreApplication>

namespace {

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
    if (QCoreApplication::arguments().value(1) == QLatin1String("--version")) {
        CliOutput::line(QStringLiteral("mousecfg-cli " MOUSECFG_VERSION));
        return 0;
    }
    return runCommandLine(QCoreApplication::arguments(), [](bool virtualMouse) {
        if (virtualMouse)
            qputenv("MOUSECFG_SIMULATE", "1");
        installVirtualMouseFromEnvironment();
    });
}
