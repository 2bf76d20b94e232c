#include "simcontrolserver.h"

#include "simfaults.h"
#include "virtualmouse.h"

#include "device/batteryclock.h"

#include <QJsonDocument>
#include <QLocalSocket>

namespace {

// A line longer than this is not a command; the connection is dropped
// rather than buffering without end.
constexpr qint64 kMaxLine = 1024;

bool parseLink(const QString &text, SimLink *link)
{
    if (text == QLatin1String("receiver") || text == QLatin1String("dongle")) {
        *link = SimLink::Receiver;
        return true;
    }
    if (text == QLatin1String("cable")) {
        *link = SimLink::Cable;
        return true;
    }
    return false;
}

bool parseInt(const QString &text, int low, int high, int *value)
{
    bool ok = false;
    const int v = text.toInt(&ok, 0);   // decimal, or 0x… hexadecimal
    if (!ok || v < low || v > high)
        return false;
    *value = v;
    return true;
}

const char kHelp[] = "commands: press profile|dpi|rate; battery <raw> [charging]; sleep; wake; "
                     "plug|unplug receiver|cable; unplugafter receiver|cable <n>; refuse receiver|cable on|off; fault "
                     "drop|header|payload|zero|writefail|foreign [count]; clearfaults; latency <ms>; "
                     "motion <rate>; writestatus <n>; sensormode <n>; clock <epoch>|+<seconds>|real; resetcounters; dump";

} // namespace

SimControlServer::SimControlServer(VirtualMouse *mouse, QObject *parent)
    : QObject(parent)
    , m_mouse(mouse)
{
    connect(&m_server, &QLocalServer::newConnection, this, &SimControlServer::onNewConnection);
}

bool SimControlServer::listen(const QString &path)
{
    QLocalServer::removeServer(path);
    // The socket can unplug the mouse and fake its readings: only its owner
    // may connect.
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    return m_server.listen(path);
}

void SimControlServer::onNewConnection()
{
    while (QLocalSocket *socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void SimControlServer::onReadyRead(QLocalSocket *socket)
{
    for (;;) {
        if (!socket->canReadLine()) {
            if (socket->bytesAvailable() <= kMaxLine)
                return;   // the rest of the line is still on its way
        } else {
            const QByteArray line = socket->readLine(kMaxLine + 1);
            if (line.endsWith('\n')) {
                socket->write(execute(QString::fromUtf8(line)).toUtf8() + '\n');
                continue;
            }
        }
        socket->write("error: line too long\n");
        socket->disconnectFromServer();
        return;
    }
}

QString SimControlServer::execute(const QString &line)
{
    const QStringList words = line.simplified().toLower().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return QStringLiteral("error: empty command");
    const QString &command = words[0];
    const int argc = words.size() - 1;
    const QString ok = QStringLiteral("ok");
    SimLink link;
    int value = 0;

    if (command == QLatin1String("press") && argc == 1) {
        if (words[1] == QLatin1String("profile"))
            m_mouse->press(SimButton::Profile);
        else if (words[1] == QLatin1String("dpi"))
            m_mouse->press(SimButton::Dpi);
        else if (words[1] == QLatin1String("rate"))
            m_mouse->press(SimButton::Rate);
        else
            return QStringLiteral("error: press profile, dpi or rate");
        return ok;
    }
    if (command == QLatin1String("battery") && (argc == 1 || argc == 2)) {
        if (!parseInt(words[1], 0, 0xFFFF, &value))
            return QStringLiteral("error: battery value must be 0..65535");
        if (argc == 2 && words[2] != QLatin1String("charging"))
            return QStringLiteral("error: battery <raw> [charging]");
        m_mouse->setBattery(value, argc == 2);
        return ok;
    }
    if ((command == QLatin1String("sleep") || command == QLatin1String("wake")) && argc == 0) {
        m_mouse->setAwake(command == QLatin1String("wake"));
        return ok;
    }
    if ((command == QLatin1String("plug") || command == QLatin1String("unplug")) && argc == 1) {
        if (!parseLink(words[1], &link))
            return QStringLiteral("error: link must be receiver or cable");
        if (command == QLatin1String("plug"))
            m_mouse->plug(link);
        else
            m_mouse->unplug(link);
        return ok;
    }
    if (command == QLatin1String("refuse") && argc == 2) {
        if (!parseLink(words[1], &link) || (words[2] != QLatin1String("on") && words[2] != QLatin1String("off")))
            return QStringLiteral("error: refuse receiver|cable on|off");
        m_mouse->setOpenRefused(link, words[2] == QLatin1String("on"));
        return ok;
    }
    if (command == QLatin1String("unplugafter") && argc == 2) {
        if (!parseLink(words[1], &link))
            return QStringLiteral("error: link must be receiver or cable");
        if (!parseInt(words[2], 0, 1000000, &value))
            return QStringLiteral("error: report count must be 0..1000000");
        m_mouse->unplugAfterReports(link, value);
        return ok;
    }
    if (command == QLatin1String("fault") && (argc == 1 || argc == 2)) {
        SimFault fault;
        if (!SimFaults::parse(words[1], &fault))
            return QStringLiteral("error: fault kinds are drop, header, payload, zero, writefail, foreign");
        value = 1;
        if (argc == 2 && !parseInt(words[2], 1, 1000000, &value))
            return QStringLiteral("error: fault count must be 1..1000000");
        m_mouse->injectFault(fault, value);
        return ok;
    }
    if (command == QLatin1String("clearfaults") && argc == 0) {
        m_mouse->clearFaults();
        return ok;
    }
    if (command == QLatin1String("latency") && argc == 1) {
        if (!parseInt(words[1], 0, 60000, &value))
            return QStringLiteral("error: latency must be 0..60000 ms");
        m_mouse->setReplyLatency(value);
        return ok;
    }
    if (command == QLatin1String("motion") && argc == 1) {
        if (!parseInt(words[1], 0, 8000, &value))
            return QStringLiteral("error: motion rate must be 0..8000 reports per second");
        m_mouse->setMotionRate(value);
        return ok;
    }
    if ((command == QLatin1String("writestatus") || command == QLatin1String("sensormode")) && argc == 1) {
        if (!parseInt(words[1], 0, 255, &value))
            return QStringLiteral("error: value must be 0..255");
        if (command == QLatin1String("writestatus"))
            m_mouse->setWriteStatus(uint8_t(value));
        else
            m_mouse->setSensorMode(uint8_t(value));
        return ok;
    }
    if (command == QLatin1String("clock") && argc == 1) {
        // The time the battery history sees: days of readings pass in
        // seconds. "real" gives the system clock back.
        bool valid = false;
        if (words[1] == QLatin1String("real")) {
            BatteryClock::set(0);
        } else if (words[1].startsWith(QLatin1Char('+'))) {
            const qint64 seconds = words[1].mid(1).toLongLong(&valid);
            if (!valid || seconds < 0 || seconds > 10LL * 365 * 86400)
                return QStringLiteral("error: clock +<seconds>, at most ten years");
            BatteryClock::advance(seconds);
        } else {
            const qint64 at = words[1].toLongLong(&valid);
            if (!valid || at <= 0)
                return QStringLiteral("error: clock <seconds since 1970>|+<seconds>|real");
            BatteryClock::set(at);
        }
        return QString::number(BatteryClock::now());
    }
    if (command == QLatin1String("resetcounters") && argc == 0) {
        m_mouse->resetCounters();
        return ok;
    }
    if (command == QLatin1String("dump") && argc == 0)
        return QString::fromUtf8(QJsonDocument(m_mouse->dump()).toJson(QJsonDocument::Compact));
    if (command == QLatin1String("help") && argc == 0)
        return QString::fromLatin1(kHelp);
    return QStringLiteral("error: unknown command \"%1\" (try help)").arg(line.simplified().left(64));
}
