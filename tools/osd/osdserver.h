#pragma once

#include "platform/osdmessage.h"

#include <QHash>
#include <QObject>

class QLocalServer;
class QLocalSocket;

// Listens on the display's local socket and turns each 1,044-byte block into
// a message. Every connection carries one block; the server answers one byte
// (1 = taken, 0 = refused) and closes it. A connection that sends more than a
// block, hangs up early or stalls is refused with a debug line.
class OsdServer : public QObject {
    Q_OBJECT
public:
    explicit OsdServer(QObject *parent = nullptr);

    // Removes a socket left behind by a display that was killed, then
    // listens. Call only while holding the single-instance lock.
    bool listen(const QString &name);
    QString errorString() const;

signals:
    void messageReceived(const OsdMessage &message);

private:
    void accept();
    void readFrom(QLocalSocket *socket);
    void refuse(QLocalSocket *socket, const QString &why);

    QLocalServer *m_server;
    QHash<QLocalSocket *, QByteArray> m_buffers;
};
