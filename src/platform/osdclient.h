#pragma once

#include "osdmessage.h"

#include <QObject>
#include <QTimer>

class QColor;
class QLocalSocket;
class QProcess;

// Hands short texts to the on-screen display program `mousecfg-osd` over its
// local socket. When no display program answers, it starts the program's own
// copy (Paths::helperProgram) and looks again after a pause, at most five
// times. All of it runs from the event loop: the user-interface thread never
// waits for the display program.
//
// A display program this client started is its child and ends with it: it is
// ended when the client goes, and the kernel ends it when the program dies
// without cleaning up.
//
// Protocol: connect, write one 1,044-byte block, read one byte back
// (1 = shown, 0 = refused), disconnect.
class OsdClient : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxStarts = 5;
    static constexpr int kDefaultRetryInterval = 500;   // ms between a start and the next look
    static constexpr int kReplyTimeout = 2000;          // ms for the display's answer

    explicit OsdClient(QObject *parent = nullptr);
    ~OsdClient() override;

    // The text in the theme colour for 1.5 s at 60 pixels in Arial.
    void showOsd(const QString &text, const QColor &themeColour);
    void send(const OsdMessage &message);

    // True while a message is on its way (or waiting for the program to start).
    bool isBusy() const { return m_phase != Idle; }

    // Defaults: the mousecfg-osd of this installation, OsdMessage::serverName(),
    // 500 ms. Tests point them elsewhere.
    void setProgram(const QString &path) { m_program = path; }
    QString program() const { return m_program; }
    void setServerName(const QString &name) { m_serverName = name; }
    QString serverName() const { return m_serverName; }
    void setRetryInterval(int ms) { m_retryInterval = ms; }

signals:
    // Before start `attempt` (1..5) of the display program.
    void startingProgram(int attempt);
    // The display answered: accepted is false when it refused the block, or
    // when it did not answer in time.
    void delivered(bool accepted);
    // No display program after five starts; the message is dropped.
    void gaveUp();

private:
    enum Phase { Idle, Connecting, WaitingForProgram, AwaitingReply };

    void begin(const QByteArray &block);
    void connectNow();
    void onConnected();
    void onConnectFailed();
    void onReadyRead();
    void onLostConnection();
    void finish();
    void dropSocket();
    void startProgram();

    QString m_program;
    QString m_serverName;
    int m_retryInterval = kDefaultRetryInterval;

    Phase m_phase = Idle;
    QLocalSocket *m_socket = nullptr;
    // Signals of a socket are queued; a late one from an earlier attempt is
    // recognised by its generation and ignored.
    quint64 m_generation = 0;
    int m_starts = 0;
    QByteArray m_current;
    QByteArray m_pending;   // only the newest text waits; older ones are stale
    QTimer m_retryTimer;
    QTimer m_replyTimer;
    // Started display programs that are still running.
    QList<QProcess *> m_programs;
};
