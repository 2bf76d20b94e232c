#include "osdclient.h"

#include "platformlog.h"

#include "config/paths.h"

#include <QDebug>
#include <QLocalSocket>
#include <QProcess>

#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

// Runs a program that must not outlive this process: the kernel sends it
// SIGTERM when its parent dies, even by a crash. The flag is set in the child
// between fork and exec and survives the exec.
class ChildOfThisProcess : public QProcess {
public:
    explicit ChildOfThisProcess(QObject *parent)
        : QProcess(parent)
        , m_parentPid(::getpid())
    {
    }

protected:
    void setupChildProcess() override
    {
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        // The parent may have died before the flag was set.
        if (::getppid() != m_parentPid)
            ::_exit(0);
    }

private:
    const pid_t m_parentPid;
};

} // namespace

OsdClient::OsdClient(QObject *parent)
    : QObject(parent)
    , m_program(Paths::helperProgram(QStringLiteral("mousecfg-osd")))
    , m_serverName(OsdMessage::serverName())
{
    m_retryTimer.setSingleShot(true);
    m_replyTimer.setSingleShot(true);
    connect(&m_retryTimer, &QTimer::timeout, this, &OsdClient::connectNow);
    connect(&m_replyTimer, &QTimer::timeout, this, [this] {
        qCDebug(lcPlatform, "SendMessage failed");
        emit delivered(false);
        finish();
    });
}

OsdClient::~OsdClient()
{
    // The display program ends with the program that started it.
    for (QProcess *program : qAsConst(m_programs)) {
        program->disconnect(this);
        program->terminate();
        if (!program->waitForFinished(1000))
            program->kill();
        program->waitForFinished(1000);
    }
}

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
    startProgram();
    m_phase = WaitingForProgram;
    dropSocket();
    m_retryTimer.start(m_retryInterval);
}

void OsdClient::startProgram()
{
    auto *program = new ChildOfThisProcess(this);
    // Its output is the terminal's, as a program started by hand would have.
    program->setProcessChannelMode(QProcess::ForwardedChannels);
    connect(program, &QProcess::errorOccurred, this, [this, program](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        qCDebug(lcPlatform) << "cannot start the on-screen display program" << m_program;
        m_programs.removeOne(program);
        program->deleteLater();
    });
    // A copy that found another display running ends at once; so does one
    // that was ended from outside.
    connect(program, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this, [this, program] {
        m_programs.removeOne(program);
        program->deleteLater();
    });
    m_programs.append(program);
    program->start(m_program, QStringList());
}

void OsdClient::onReadyRead()
{
    char answer = 0;
    if (m_socket->read(&answer, 1) != 1)
        return;
    m_replyTimer.stop();
    const bool accepted = answer == 1;
    if (!accepted)
        qCDebug(lcPlatform, "SendMessage failed");
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
    qCDebug(lcPlatform, "SendMessage failed");
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
