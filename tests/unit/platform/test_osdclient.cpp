#include "platform/osdclient.h"

#include "config/paths.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Stands in for the display program: takes one block per connection and
// answers with `answer`.
class FakeDisplay : public QObject {
public:
    explicit FakeDisplay(char answer = 1)
        : m_answer(answer)
    {
        connect(&m_server, &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket *socket = m_server.nextPendingConnection()) {
                auto *buffer = new QByteArray;
                connect(socket, &QLocalSocket::readyRead, socket, [this, socket, buffer] {
                    buffer->append(socket->readAll());
                    if (buffer->size() >= OsdMessage::kBlockSize) {
                        blocks.append(*buffer);
                        buffer->clear();
                        socket->write(&m_answer, 1);
                        socket->flush();
                    }
                });
                connect(socket, &QLocalSocket::disconnected, socket, [socket, buffer] {
                    delete buffer;
                    socket->deleteLater();
                });
            }
        });
    }

    bool listen(const QString &name) { return m_server.listen(name); }
    QList<QByteArray> blocks;

private:
    QLocalServer m_server;
    char m_answer;
};

// Each run of the fake program appends a line to the file named by
// OSD_TEST_STARTS, so the test can count the real starts.
QString writeCountingProgram(const QTemporaryDir &dir)
{
    const QString path = dir.filePath(QStringLiteral("fake-osd"));
    QFile script(path);
    if (!script.open(QIODevice::WriteOnly))
        return QString();
    script.write("#!/bin/sh\necho started >> \"$OSD_TEST_STARTS\"\n");
    script.close();
    script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return path;
}

int lineCount(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return file.readAll().count('\n');
}

} // namespace

class TestOsdClient : public QObject {
    Q_OBJECT
private slots:
    void init();
    void deliversTheExactBlockToARunningDisplay();
    void startsTheProgramAndRetriesWithoutBlocking();
    void givesUpAfterFiveStartsWhileTheEventLoopRuns();
    void refusedBlockIsReported();
    void newestTextWaitsWhileOneIsOnItsWay();
    void defaultsPointAtTheProgramBesideTheExecutable();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_serverName;
    QString m_startsFile;
};

void TestOsdClient::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    // A private socket name per test: never the display of a real session.
    m_serverName = m_dir->filePath(QStringLiteral("osd.socket"));
    m_startsFile = m_dir->filePath(QStringLiteral("starts"));
    qputenv("OSD_TEST_STARTS", QFile::encodeName(m_startsFile));
}

void TestOsdClient::deliversTheExactBlockToARunningDisplay()
{
    FakeDisplay display;
    QVERIFY(display.listen(m_serverName));

    OsdClient client;
    client.setServerName(m_serverName);
    client.setProgram(writeCountingProgram(*m_dir));
    QSignalSpy delivered(&client, &OsdClient::delivered);
    QSignalSpy starting(&client, &OsdClient::startingProgram);

    client.showOsd(QStringLiteral("DPI 3:3200"), QColor(0, 255, 255));
    QVERIFY(delivered.wait(3000));
    QCOMPARE(delivered.first().first().toBool(), true);
    QCOMPARE(display.blocks.size(), 1);
    QCOMPARE(display.blocks.first(), OsdMessage::forText(QStringLiteral("DPI 3:3200"), QColor(0, 255, 255)).toBlock());
    // Already running: nothing is started.
    QCOMPARE(starting.count(), 0);
    QCOMPARE(lineCount(m_startsFile), 0);
    QVERIFY(!client.isBusy());
}

void TestOsdClient::startsTheProgramAndRetriesWithoutBlocking()
{
    OsdClient client;
    client.setServerName(m_serverName);
    client.setProgram(writeCountingProgram(*m_dir));
    client.setRetryInterval(150);

    // The display comes up after the second start, as a slow one would.
    FakeDisplay display;
    connect(&client, &OsdClient::startingProgram, &display, [&](int attempt) {
        if (attempt == 2)
            QVERIFY(display.listen(m_serverName));
    });
    QSignalSpy delivered(&client, &OsdClient::delivered);
    QSignalSpy gaveUp(&client, &OsdClient::gaveUp);

    QElapsedTimer call;
    call.start();
    client.showOsd(QStringLiteral("Profile 2"), QColor(255, 0, 0));
    QVERIFY2(call.elapsed() < 100, "showOsd must not wait for the display program");
    QVERIFY(client.isBusy());

    QVERIFY(delivered.wait(5000));
    QCOMPARE(delivered.first().first().toBool(), true);
    QCOMPARE(gaveUp.count(), 0);
    QCOMPARE(display.blocks.size(), 1);
    QCOMPARE(display.blocks.first(), OsdMessage::forText(QStringLiteral("Profile 2"), QColor(255, 0, 0)).toBlock());
    QTRY_COMPARE(lineCount(m_startsFile), 2);
}

void TestOsdClient::givesUpAfterFiveStartsWhileTheEventLoopRuns()
{
    OsdClient client;
    client.setServerName(m_serverName);
    client.setProgram(writeCountingProgram(*m_dir));
    client.setRetryInterval(200);
    QSignalSpy starting(&client, &OsdClient::startingProgram);
    QSignalSpy gaveUp(&client, &OsdClient::gaveUp);
    QSignalSpy delivered(&client, &OsdClient::delivered);

    // A timer on the same thread keeps ticking through all the waiting.
    int ticks = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
    ticker.start(20);

    QElapsedTimer elapsed;
    elapsed.start();
    client.showOsd(QStringLiteral("Profile 1"), Qt::red);
    QVERIFY(gaveUp.wait(5000));
    const qint64 took = elapsed.elapsed();

    QCOMPARE(starting.count(), 5);
    for (int i = 0; i < 5; ++i)
        QCOMPARE(starting.at(i).first().toInt(), i + 1);
    QCOMPARE(delivered.count(), 0);
    QVERIFY2(took >= 5 * 200 - 50, qPrintable(QString::number(took)));
    // Five waits of 200 ms at 20 ms a tick: far more ticks than a frozen
    // loop could give.
    QVERIFY2(ticks >= 30, qPrintable(QString::number(ticks)));
    QTRY_COMPARE(lineCount(m_startsFile), 5);
    QVERIFY(!client.isBusy());
}

void TestOsdClient::refusedBlockIsReported()
{
    FakeDisplay display(0);
    QVERIFY(display.listen(m_serverName));
    OsdClient client;
    client.setServerName(m_serverName);
    QSignalSpy delivered(&client, &OsdClient::delivered);
    client.showOsd(QStringLiteral("x"), Qt::red);
    QVERIFY(delivered.wait(3000));
    QCOMPARE(delivered.first().first().toBool(), false);
    QVERIFY(!client.isBusy());
}

void TestOsdClient::newestTextWaitsWhileOneIsOnItsWay()
{
    FakeDisplay display;
    QVERIFY(display.listen(m_serverName));
    OsdClient client;
    client.setServerName(m_serverName);
    QSignalSpy delivered(&client, &OsdClient::delivered);

    client.showOsd(QStringLiteral("DPI 1:400"), Qt::red);
    client.showOsd(QStringLiteral("DPI 2:800"), Qt::red);
    client.showOsd(QStringLiteral("DPI 3:1600"), Qt::red);
    QTRY_COMPARE(delivered.count(), 2);
    QVERIFY(!client.isBusy());
    // The dropped text must not come late: a text sent now arrives next.
    client.showOsd(QStringLiteral("DPI 4:3200"), Qt::red);
    QTRY_COMPARE(delivered.count(), 3);

    QCOMPARE(display.blocks.size(), 3);
    QCOMPARE(display.blocks.at(0), OsdMessage::forText(QStringLiteral("DPI 1:400"), Qt::red).toBlock());
    QCOMPARE(display.blocks.at(1), OsdMessage::forText(QStringLiteral("DPI 3:1600"), Qt::red).toBlock());
    QCOMPARE(display.blocks.at(2), OsdMessage::forText(QStringLiteral("DPI 4:3200"), Qt::red).toBlock());
    QVERIFY(!client.isBusy());
}

void TestOsdClient::defaultsPointAtTheProgramBesideTheExecutable()
{
    OsdClient client;
    QCOMPARE(client.program(), Paths::helperProgram(QStringLiteral("mousecfg-osd")));
    QCOMPARE(client.serverName(), OsdMessage::serverName());
}

QTEST_GUILESS_MAIN(TestOsdClient)
#include "test_osdclient.moc"
