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

} // namespace CliOutput
