#include "clioutput.h"

#include "device/transport.h"

#include <QJsonDocument>

#include <cstdio>

namespace CliOutput {

namespace {

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

QString resultMessage(int result)
{
    switch (result) {
    case kTransferOk: return QString();
    case kTransferMouseOff: return QStringLiteral("Mouse is sleeping or not connected.");
    default: return QStringLiteral("Send data failed, please try again.");
    }
}

} // namespace CliOutput
