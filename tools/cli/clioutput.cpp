#include "clioutput.h"

#include "device/transport.h"

#include <QJsonDocument>

#include <cstdio>

namespace CliOutput {

void line(const QString &text)
{
    std::fputs(qPrintable(text + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

void error(const QString &text)
{
    std::fputs(qPrintable(text + QLatin1Char('\n')), stderr);
    std::fflush(stderr);
}

void json(const QJsonObject &object)
{
    std::fputs(QJsonDocument(object).toJson(QJsonDocument::Indented).constData(), stdout);
    std::fflush(stdout);
}

QString resultMessage(int result)
{
    switch (result) {
    case kTransferOk: return QString();
    case kTransferMouseOff: return QStringLiteral("Mouse is sleeping or not connected.");
    default: return QStringLiteral("Send data failed, please try again.");
    }
}

QString usage()
{
    return QStringLiteral(
        "Usage: mousecfg-cli [--virtual] [--json] COMMAND\n"
        "\n"
        "Commands:\n"
        "  status            connection, battery, charging, profile, DPI stage, report rate\n"
        "  apply [--full]    send the stored settings to the mouse (only what changed,\n"
        "                    or everything with --full)\n"
        "  load FILE.conf    import a whole configuration and send it to the mouse\n"
        "  save FILE.conf    export the whole configuration\n"
        "  profile N         make on-board profile N (1..5) the active one\n"
        "\n"
        "Options:\n"
        "  --virtual         use the virtual mouse (the same as MOUSECFG_SIMULATE=1)\n"
        "  --json            status as JSON\n"
        "  -h, --help        this text\n"
        "\n"
        "Profiles and DPI stages are counted from 1.\n"
        "Exit codes: 0 done, 1 no mouse, 2 the mouse did not confirm, 4 write failed,\n"
        "5 mouse sleeping or off, 64 usage, 65 file not for this mouse,\n"
        "66 file not found, 73 file not written.\n"
        "After a failed upload or profile switch the next apply sends everything.\n");
}

} // namespace CliOutput
