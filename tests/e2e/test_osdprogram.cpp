// Starts the real mousecfg-osd and talks to it as the main window does.

#include "platform/osdclient.h"
#include "platform/osdmessage.h"

#include "testenvironment.h"

#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include <signal.h>

namespace {

// Sends raw bytes and returns the display's one-byte answer, or -1 when it
// hung up without one.
int sendRaw(const QString &serverName, const QByteArray &bytes)
{
    QLocalSocket socket;
    socket.connectToServer(serverName);
    if (!socket.waitForConnected(2000))
        return -2;
    socket.write(bytes);
    socket.flush();
    if (!socket.waitForReadyRead(3000))
        return -1;
    return quint8(socket.read(1).at(0));
}

} // namespace

class TestOsdProgram : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void showsAWellFormedBlock();
    void refusesBlocksOfTheWrongSizeAndKeepsRunning_data();
    void refusesBlocksOfTheWrongSizeAndKeepsRunning();
    void aSecondCopyEndsAtOnce();
    void clientStartsTheProgramWhenNoneRuns();

private:
    QString program() const { return TestEnvironment::buildBinDir() + QStringLiteral("/mousecfg-osd"); }
    // Everything the display wrote to its debug output so far.
    bool logContains(const QString &text)
    {
        m_log += QString::fromLocal8Bit(m_osd.readAllStandardError());
        return m_log.contains(text);
    }
    QString m_log;
    QTemporaryDir m_runtime;
    QString m_serverName;
    QProcess m_osd;
};

void TestOsdProgram::initTestCase()
{
    QVERIFY2(QFileInfo(program()).isExecutable(), qPrintable(program()));
    // A private runtime directory: the socket and lock of this test never
    // meet those of a display running in the session.
    QVERIFY(m_runtime.isValid());
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
    m_serverName = OsdMessage::serverName();
    QVERIFY(m_serverName.startsWith(m_runtime.path()));

    m_osd.setProcessChannelMode(QProcess::SeparateChannels);
    // The display's debug lines say what it showed and what it refused.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("MOUSECFG_DEBUG"), QStringLiteral("1"));
    m_osd.setProcessEnvironment(environment);
    m_osd.start(program(), QStringList());
    QVERIFY(m_osd.waitForStarted(5000));
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(m_serverName), 10000);
}

void TestOsdProgram::cleanupTestCase()
{
    if (m_osd.state() != QProcess::NotRunning) {
        m_osd.kill();
        m_osd.waitForFinished(5000);
    }
}

void TestOsdProgram::showsAWellFormedBlock()
{
    OsdClient client;
    client.setProgram(QStringLiteral("/nonexistent/mousecfg-osd"));   // must not be needed
    QSignalSpy delivered(&client, &OsdClient::delivered);
    QSignalSpy starting(&client, &OsdClient::startingProgram);
    client.showOsd(QStringLiteral("DPI 2:1600"), QColor(255, 125, 0));
    QVERIFY(delivered.wait(5000));
    QCOMPARE(delivered.first().first().toBool(), true);
    QCOMPARE(starting.count(), 0);

    // The program reads each field: its debug line says what it shows.
    QTRY_VERIFY_WITH_TIMEOUT(logContains(QStringLiteral("\"DPI 2:1600\" for 1500 ms in #ff7d00, 60 px Arial")), 3000);
    QCOMPARE(m_osd.state(), QProcess::Running);
}

void TestOsdProgram::refusesBlocksOfTheWrongSizeAndKeepsRunning_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("too long") << 1100;
    QTest::newRow("two blocks") << 2088;
}

void TestOsdProgram::refusesBlocksOfTheWrongSizeAndKeepsRunning()
{
    QFETCH(int, size);
    QByteArray bytes = OsdMessage::forText(QStringLiteral("x"), Qt::red).toBlock();
    bytes.resize(size);
    QCOMPARE(sendRaw(m_serverName, bytes), 0);
    QCOMPARE(m_osd.state(), QProcess::Running);

    // A sender that hangs up early is refused too; the display goes on.
    {
        QLocalSocket socket;
        socket.connectToServer(m_serverName);
        QVERIFY(socket.waitForConnected(2000));
        socket.write(QByteArray(100, 'x'));
        socket.flush();
        socket.disconnectFromServer();
    }
    QTRY_VERIFY_WITH_TIMEOUT(logContains(QStringLiteral("refused a block of 100 bytes")), 3000);
    // Still there and still taking good blocks.
    QCOMPARE(sendRaw(m_serverName, OsdMessage::forText(QStringLiteral("ok"), Qt::red).toBlock()), 1);
    QCOMPARE(m_osd.state(), QProcess::Running);
}

void TestOsdProgram::aSecondCopyEndsAtOnce()
{
    QProcess second;
    second.start(program(), QStringList());
    QVERIFY(second.waitForFinished(10000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(m_osd.state(), QProcess::Running);
    QCOMPARE(sendRaw(m_serverName, OsdMessage::forText(QStringLiteral("still me"), Qt::red).toBlock()), 1);
}

void TestOsdProgram::clientStartsTheProgramWhenNoneRuns()
{
    // Our own display goes away; the client must start the real program.
    m_osd.kill();
    QVERIFY(m_osd.waitForFinished(5000));

    // A wrapper that execs it records its process id, so that the test can
    // tell that exactly that process ended.
    const QString pidFile = m_runtime.filePath(QStringLiteral("osd.pid"));
    const QString wrapper = m_runtime.filePath(QStringLiteral("start-osd"));
    {
        QFile script(wrapper);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\necho $$ >> '%1'\nexec '%2'\n").arg(pidFile, program()).toUtf8());
    }
    QFile::setPermissions(wrapper, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    auto client = std::make_unique<OsdClient>();
    client->setProgram(wrapper);
    QSignalSpy delivered(client.get(), &OsdClient::delivered);
    QSignalSpy starting(client.get(), &OsdClient::startingProgram);
    client->showOsd(QStringLiteral("Profile 4"), QColor(0, 255, 0));
    const bool arrived = delivered.wait(10000);
    QList<pid_t> pids;
    for (const QByteArray &pid : readWholeFile(pidFile).split('\n')) {
        if (!pid.trimmed().isEmpty())
            pids << pid_t(pid.trimmed().toInt());
    }

    // The display program ends with the program that started it (a slow
    // start may have led to a second start, which ended by itself).
    client.reset();
    const auto running = [&pids] {
        int count = 0;
        for (pid_t pid : pids)
            count += ::kill(pid, 0) == 0 ? 1 : 0;
        return count;
    };
    QTRY_COMPARE(running(), 0);
    QVERIFY(arrived);
    QCOMPARE(delivered.first().first().toBool(), true);
    QVERIFY(starting.count() >= 1);
    QVERIFY(!pids.isEmpty());
}

QTEST_GUILESS_MAIN(TestOsdProgram)
#include "test_osdprogram.moc"
