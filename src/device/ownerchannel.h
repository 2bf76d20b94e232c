#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QLocalServer;
class QLocalSocket;

// The door of the running window: while it runs it owns the settings and the
// mouse, and the command line hands it its commands instead of writing the
// files and talking to the mouse itself; a second start asks it to show
// itself. A local socket of the session named after the settings folder
// (Paths::sessionFile), one JSON line each way.
namespace OwnerChannel {

struct Request {
    enum class Kind { Show, Command };
    Kind kind = Kind::Command;
    QStringList arguments;   // of a command, without the program name
};

struct Answer {
    bool reached = false;   // false: no window listens (or it never answered)
    QString failure;        // why a window that listens gave no answer
    int exitCode = 0;
    QString out;            // what the command printed on standard output
    QString err;            // and on standard error
};

QString socketPath();

// Asks the window, if one listens; waits up to `answerTimeoutMs` for the
// answer. Works without an event loop.
Answer ask(const Request &request, int answerTimeoutMs = 120000);

// The window's side.
class Server : public QObject {
    Q_OBJECT
public:
    using Reply = std::function<void(const Answer &)>;
    // Called for every request; `reply` may be called later (once).
    using Handler = std::function<void(const Request &, Reply)>;

    explicit Server(Handler handler, QObject *parent = nullptr);
    ~Server() override;

    // Starts listening; false when another window of the same settings
    // folder listens already or the socket cannot be made.
    bool listen();
    bool isListening() const;

private:
    void take(QLocalSocket *socket);

    Handler m_handler;
    QLocalServer *m_server = nullptr;
};

// The wire form, shared by both sides (and the tests).
QByteArray encode(const Request &request);
bool decode(const QByteArray &line, Request *request);
QByteArray encode(const Answer &answer);
bool decode(const QByteArray &line, Answer *answer);

} // namespace OwnerChannel
