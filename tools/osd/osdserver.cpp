#include "osdserver.h"

#include "osdlog.h"

#include <QDebug>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

namespace {

// A sender writes its block at once; one that has not finished by then is
// broken or hostile and must not hold a connection open.
constexpr int kBlockTimeout = 2000;

} // namespace

OsdServer::OsdServer(QObject *parent)
    : QObject(parent)
    , m_server(new QLocalServer(this))
{
    // Only this user's programs may send texts.
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &OsdServer::accept);
}

bool OsdServer::listen(const QString &name)
{
    QLocalServer::removeServer(name);
    return m_server->listen(name);
}

QString OsdServer::errorString() const
{
    return m_server->errorString();
}

void OsdServer::accept()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        m_buffers.insert(socket, QByteArray());
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readFrom(socket); });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
            const auto it = m_buffers.find(socket);
            if (it != m_buffers.end()) {
                if (!it->isEmpty())
                    qCDebug(lcOsd) << "OSD: refused a block of" << it->size() << "bytes, expected" << OsdMessage::kBlockSize;
                m_buffers.erase(it);
            }
            socket->deleteLater();
        });
        QTimer::singleShot(kBlockTimeout, socket, [this, socket] {
            if (m_buffers.contains(socket))
                refuse(socket, QStringLiteral("no complete block in time"));
        });
        // Data may have arrived before the signals were connected.
        if (socket->bytesAvailable() > 0)
            readFrom(socket);
    }
}

void OsdServer::readFrom(QLocalSocket *socket)
{
    const auto it = m_buffers.find(socket);
    if (it == m_buffers.end())
        return;
    it->append(socket->readAll());
    if (it->size() < OsdMessage::kBlockSize)
        return;
    if (it->size() > OsdMessage::kBlockSize) {
        refuse(socket, QStringLiteral("a block of %1 bytes, expected %2").arg(it->size()).arg(OsdMessage::kBlockSize));
        return;
    }

    const QByteArray block = *it;
    m_buffers.erase(it);
    OsdMessage message;
    QString why;
    const bool ok = OsdMessage::fromBlock(block, &message, &why);
    socket->write(ok ? "\x01" : "\x00", 1);
    socket->disconnectFromServer();
    if (ok)
        emit messageReceived(message);
    else
        qCDebug(lcOsd) << "OSD: refused" << why;
}

void OsdServer::refuse(QLocalSocket *socket, const QString &why)
{
    qCDebug(lcOsd) << "OSD: refused" << why;
    m_buffers.remove(socket);
    socket->write("\x00", 1);
    socket->disconnectFromServer();
}
