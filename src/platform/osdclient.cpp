#include "osdclient.h"

#include "platformlog.h"

#include "config/paths.h"

#include <QDebug>
#include <QLocalSocket>
#include <QProcess>

OsdClient::OsdClient(QObject *parent)
    : QObject(parent)
    , m_program(Paths::executableDir() + QStringLiteral("/mousecfg-osd"))
    , m_serverName(OsdMessage::serverName())
{
    m_retryTimer.setSingleShot(true);
    m_replyTimer.setSingleShot(true);
    connect(&m_retryTimer, &QTimer::timeout, this, &OsdClient::connectNow);
    connect(&m_replyTimer, &QTimer::timeout, this, [this] {
        qCDebug(lcPlatform, "SendMessage failed\n");
        emit delivered(false);
        finish();
    });
}

OsdClient::~OsdClient() = default;

void OsdClient::showOsd(const QString &text, const QColor &themeColour)
{
    send(OsdMessage::forText(text, themeColour));
}

void OsdClient::send(const OsdMessage &message)
{
    const QByteArray block = message.toBlock();
    if (isBusy()) {
        m_pending = block;
        return;
    }
    begin(block);
}

void OsdClient::begin(const QByteArray &block)
{
    m_current = block;
    m_starts = 0;
    connectNow();
}

void OsdClient::connectNow()
{
    dropSocket();
    m_phase = Connecting;
    const quint64 generation = ++m_generation;
    m_socket = new QLocalSocket(this);
    // QLocalSocket may report success or failure from inside
    // connectToServer(); every handler therefore runs later from the event
    // loop, and only while its socket is still the current one.
    auto later = [this, generation](void (OsdClient::*handler)(), Phase phase) {
        return [this, generation, handler, phase] {
            QMetaObject::invokeMethod(this, [this, generation, handler, phase] {
                if (generation == m_generation && m_phase == phase)
                    (this->*handler)();
            }, Qt::QueuedConnection);
        };
    };
    connect(m_socket, &QLocalSocket::connected, this, later(&OsdClient::onConnected, Connecting));
    connect(m_socket, &QLocalSocket::errorOccurred, this, later(&OsdClient::onConnectFailed, Connecting));
    connect(m_socket, &QLocalSocket::errorOccurred, this, later(&OsdClient::onLostConnection, AwaitingReply));
    connect(m_socket, &QLocalSocket::readyRead, this, later(&OsdClient::onReadyRead, AwaitingReply));
    m_socket->connectToServer(m_serverName);
}

void OsdClient::onConnected()
{
    m_phase = AwaitingReply;
    m_socket->write(m_current);
    m_socket->flush();
    m_replyTimer.start(kReplyTimeout);
}

void OsdClient::onConnectFailed()
{
    if (m_starts >= kMaxStarts) {
        qCDebug(lcPlatform) << "no on-screen display program answered on" << m_serverName << "; text dropped";
        emit gaveUp();
        finish();
        return;
    }
    ++m_starts;
    emit startingProgram(m_starts);
    if (!QProcess::startDetached(m_program, QStringList()))
        qCDebug(lcPlatform) << "cannot start the on-screen display program" << m_program;
    m_phase = WaitingForProgram;
    dropSocket();
    m_retryTimer.start(m_retryInterval);
}

void OsdClient::onReadyRead()
{
    char answer = 0;
    if (m_socket->read(&answer, 1) != 1)
        return;
    m_replyTimer.stop();
    const bool accepted = answer == 1;
    if (!accepted)
        qCDebug(lcPlatform, "SendMessage failed\n");
    emit delivered(accepted);
    finish();
}

void OsdClient::onLostConnection()
{
    // The answer may have arrived together with the hang-up.
    if (m_socket->bytesAvailable() > 0) {
        onReadyRead();
        return;
    }
    m_replyTimer.stop();
    qCDebug(lcPlatform, "SendMessage failed\n");
    emit delivered(false);
    finish();
}

void OsdClient::finish()
{
    m_replyTimer.stop();
    m_retryTimer.stop();
    dropSocket();
    m_phase = Idle;
    m_current.clear();
    if (!m_pending.isEmpty()) {
        const QByteArray next = m_pending;
        m_pending.clear();
        begin(next);
    }
}

void OsdClient::dropSocket()
{
    if (!m_socket)
        return;
    ++m_generation;
    m_socket->disconnect(this);
    m_socket->abort();
    m_socket->deleteLater();
    m_socket = nullptr;
}
