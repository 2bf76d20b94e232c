#include "ownerchannel.h"

#include "devicelog.h"

#include "config/paths.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>

namespace OwnerChannel {

namespace {

// A request line is small; anything longer is not ours.
constexpr qint64 kMaxRequestBytes = 256 * 1024;

QByteArray line(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

bool object(const QByteArray &line, QJsonObject *out)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(line.trimmed(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return false;
    *out = document.object();
    return true;
}

} // namespace

QString socketPath()
{
    return Paths::sessionFile(QStringLiteral("socket"));
}

QByteArray encode(const Request &request)
{
    return line({{"kind", request.kind == Request::Kind::Show ? "show" : "command"},
                 {"arguments", QJsonArray::fromStringList(request.arguments)}});
}

bool decode(const QByteArray &text, Request *request)
{
    QJsonObject o;
    if (!object(text, &o))
        return false;
    const QString kind = o.value("kind").toString();
    if (kind != QLatin1String("show") && kind != QLatin1String("command"))
        return false;
    request->kind = kind == QLatin1String("show") ? Request::Kind::Show : Request::Kind::Command;
    request->arguments.clear();
    for (const QJsonValue &value : o.value("arguments").toArray()) {
        if (!value.isString())
            return false;
        request->arguments << value.toString();
    }
    return true;
}

QByteArray encode(const Answer &answer)
{
    return line({{"exit", answer.exitCode}, {"out", answer.out}, {"err", answer.err}});
}

bool decode(const QByteArray &text, Answer *answer)
{
    QJsonObject o;
    if (!object(text, &o) || !o.value("exit").isDouble())
        return false;
    answer->exitCode = o.value("exit").toInt();
    answer->out = o.value("out").toString();
    answer->err = o.value("err").toString();
    return true;
}

Answer ask(const Request &request, int answerTimeoutMs)
{
    Answer answer;
    QLocalSocket socket;
    socket.connectToServer(socketPath());
    // No socket file, or nobody behind it: fails at once.
    if (!socket.waitForConnected(1000))
        return answer;
    socket.write(encode(request));
    if (!socket.waitForBytesWritten(5000)) {
        answer.reached = true;
        answer.failure = QStringLiteral("the running window did not take the command");
        return answer;
    }
    QByteArray received;
    QElapsedTimer clock;
    clock.start();
    while (!received.contains('\n')) {
        const qint64 left = answerTimeoutMs - clock.elapsed();
        if (left <= 0 || (!socket.waitForReadyRead(int(left)) && socket.bytesAvailable() == 0)) {
            answer.reached = true;
            answer.failure = socket.state() == QLocalSocket::ConnectedState
                                 ? QStringLiteral("the running window did not answer in time")
                                 : QStringLiteral("the running window closed the connection");
            return answer;
        }
        received += socket.readAll();
    }
    answer.reached = true;
    if (!decode(received.left(received.indexOf('\n')), &answer))
        answer.failure = QStringLiteral("the running window gave an answer that cannot be read");
    return answer;
}

Server::Server(Handler handler, QObject *parent)
    : QObject(parent)
    , m_handler(std::move(handler))
{
}

Server::~Server() = default;

bool Server::isListening() const
{
    return m_server && m_server->isListening();
}

bool Server::listen()
{
    const QString path = socketPath();
    // A socket file left by a window that crashed is removed; one with a
    // window behind it is not taken over.
    QLocalSocket probe;
    probe.connectToServer(path);
    if (probe.waitForConnected(200)) {
        qCWarning(lcDevice) << "another window owns these settings:" << path;
        return false;
    }
    QLocalServer::removeServer(path);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(path)) {
        qCWarning(lcDevice) << "cannot listen on" << path << m_server->errorString();
        return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection())
            take(socket);
    });
    return true;
}

void Server::take(QLocalSocket *socket)
{
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
        if (socket->property("taken").toBool())
            return;
        if (!socket->canReadLine()) {
            if (socket->bytesAvailable() > kMaxRequestBytes)
                socket->abort();
            return;
        }
        socket->setProperty("taken", true);
        Request request;
        if (!decode(socket->readLine(), &request)) {
            qCDebug(lcDevice, "a request that is not ours on the settings socket");
            socket->abort();
            return;
        }
        QPointer<QLocalSocket> guarded(socket);
        m_handler(request, [guarded](const Answer &answer) {
            if (!guarded)
                return;
            guarded->write(encode(answer));
            guarded->flush();
            guarded->disconnectFromServer();
        });
    });
}

} // namespace OwnerChannel
