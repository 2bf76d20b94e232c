#include "clioutput.h"

#include "device/transport.h"

#include <QJsonDocument>

#include <cstdio>

namespace CliOutput {

namespace {

// Without a mouse in the list there is no node to name: the likely causes
// are no receiver or cable, or nodes that only root may open.
QString noMouseMessage()
{
    return QStringLiteral(
        "No mouse found: plug in its receiver or its cable. If it is plugged in, its\n"
        "device node may be open to root only: install the udev rule 70-mousecfg.rules\n"
        "(the package puts it into /usr/lib/udev/rules.d/; from a build, copy\n"
        "resources/linux/70-mousecfg.rules into /etc/udev/rules.d/), run\n"
        "\"udevadm control --reload\" as root and plug the mouse in again.");
}

} // namespace

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

void usageError(const QString &text, const QString &command)
{
    error(QStringLiteral("mousecfg-cli: ") + text);
    error(QStringLiteral("see mousecfg-cli %1--help").arg(command.isEmpty() ? QString() : command + QLatin1Char(' ')));
}

QString resultMessage(int result)
{
    switch (result) {
    case kTransferOk: return QString();
    case kTransferNoDevice: return noMouseMessage();
    case kTransferMouseOff: return QStringLiteral("Mouse is sleeping or not connected.");
    default: return QStringLiteral("Send data failed, please try again.");
    }
}

} // namespace CliOutput
