#include "clioutput.h"

#include "device/transfermessage.h"
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

Capture *g_capture = nullptr;

void write(const QString &text, FILE *stream, QString Capture::*kept, bool utf8 = false)
{
    if (g_capture) {
        g_capture->*kept += text;
        return;
    }
    std::fputs((utf8 ? text.toUtf8() : text.toLocal8Bit()).constData(), stream);
    std::fflush(stream);
}

} // namespace

Capture::Capture()
{
    Q_ASSERT(!g_capture);
    g_capture = this;
}

Capture::~Capture()
{
    g_capture = nullptr;
}

void line(const QString &text)
{
    write(text + QLatin1Char('\n'), stdout, &Capture::out);
}

void error(const QString &text)
{
    write(text + QLatin1Char('\n'), stderr, &Capture::err);
}

void json(const QJsonObject &object)
{
    write(QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented)), stdout, &Capture::out, true);
}

void usageError(const QString &text, const QString &command)
{
    error(QStringLiteral("mousecfg-cli: ") + text);
    error(QStringLiteral("see mousecfg-cli %1--help").arg(command.isEmpty() ? QString() : command + QLatin1Char(' ')));
}

QString resultMessage(int result)
{
    // Without a mouse the command line says how to find one.
    return result == kTransferNoDevice ? noMouseMessage() : transferFailureText(result);
}

} // namespace CliOutput
