// The status poller against the virtual mouse: the signals it turns the
// mouse's replies into, the query it writes, reads that skip mouse motion,
// and how it ends.

#include "device/statuspoller.h"
#include "device/statusquery.h"
#include "device/statuspollerthread.h"
#include "openedmouse.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// Collects the poller's signals on the test's thread, as the window would.
class SignalLog : public QObject {
    Q_OBJECT
public:
    struct Entry {
        QString name;
        QVector<int> args;
    };
    QVector<Entry> entries;

    void attach(StatusPollerThread *poller)
    {
        connect(poller, &StatusPollerThread::batteryRead, this,
                [this](quint8 c, quint8 l, quint8 h) { entries.push_back({"battery", {c, l, h}}); },
                Qt::QueuedConnection);
        connect(poller, &StatusPollerThread::statusReported, this,
                [this](quint8 p, quint8 d, quint8 r, quint8 m) { entries.push_back({"status", {p, d, r, m}}); },
                Qt::QueuedConnection);
        connect(poller, &StatusPollerThread::writeStatusRead, this,
                [this](quint8 s) { entries.push_back({"write", {s}}); }, Qt::QueuedConnection);
    }
    int count(const QString &name) const
    {
        return int(std::count_if(entries.begin(), entries.end(), [&](const Entry &e) { return e.name == name; }));
    }
    QVector<int> first(const QString &name) const
    {
        for (const Entry &e : entries) {
            if (e.name == name)
                return e.args;
        }
        return {};
    }
};

// A poller on `link`, started, whose signals `log` keeps.
struct LoggedPoller {
    explicit LoggedPoller(MouseLink &link)
        : poller(link)
    {
        log.attach(&poller);
        poller.start();
    }
    SignalLog log;
    StatusPollerThread poller;
};

} // namespace

class TestPoller : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstCycleQueriesTheBattery_data();
    void firstCycleQueriesTheBattery();
    void statusReportIsPassedOnInOrder();
    void motionReportsAreSkipped();
    void readErrorReadsAsMouseOff();
    void noHandleEndsBeforeWriting();
    void stopJoinsPromptly();
    void ownedPollerRestartsFromAnotherThread();
    void batteryLevels_data();
    void batteryLevels();

private:
    std::unique_ptr<OpenedMouse> m_device;
    QTemporaryDir m_traceDir;
};

void TestPoller::init()
{
    m_device = std::make_unique<OpenedMouse>();
    QVERIFY(m_device->open());
    m_device->link.setSensorMode(0);
}

void TestPoller::cleanup()
{
    m_device.reset();
}

void TestPoller::firstCycleQueriesTheBattery_data()
{
    QTest::addColumn<bool>("awake");
    QTest::addColumn<int>("raw");
    QTest::addColumn<bool>("charging");
    QTest::addColumn<QVector<int>>("battery");
    QTest::addColumn<int>("writeStatusSignals");

    QTest::newRow("awake") << true << 0x03D4 << false << QVector<int>{0, 0xD4, 0x03} << 1;
    QTest::newRow("charging") << true << 0x0410 << true << QVector<int>{1, 0x10, 0x04} << 1;
    // The receiver answers for a sleeping mouse with zeros only.
    QTest::newRow("asleep") << false << 0x03D4 << false << QVector<int>{0, 0, 0} << 0;
}

void TestPoller::firstCycleQueriesTheBattery()
{
    QFETCH(bool, awake);
    QFETCH(int, raw);
    QFETCH(bool, charging);
    QFETCH(QVector<int>, battery);
    QFETCH(int, writeStatusSignals);

    const QString trace = m_traceDir.filePath(QStringLiteral("trace-%1.txt").arg(QTest::currentDataTag()));
    QVERIFY(m_device->mouse.setTraceFile(trace));
    m_device->mouse.setAwake(awake);
    m_device->mouse.setBattery(raw, charging);
    m_device->mouse.setSensorMode(8);
    m_device->link.setSensorMode(3);
    m_device->link.setMouseOff(awake);   // the opposite of what the answer will say

    LoggedPoller logged(m_device->link);
    QTRY_COMPARE_WITH_TIMEOUT(logged.log.count("battery"), 1, 2000);
    QCOMPARE(logged.log.first("battery"), battery);
    // The write status follows the battery within the same answer: once the
    // poller has stopped, everything it emitted has been delivered.
    logged.poller.stop();
    QCoreApplication::processEvents();
    QCOMPARE(logged.log.count("write"), writeStatusSignals);
    if (writeStatusSignals)
        QCOMPARE(logged.log.first("write"), QVector<int>{1});
    // A reading from the receiver alone leaves the sensor mode as it was,
    // and says that the mouse is off: the upload then sends nothing.
    QCOMPARE(int(m_device->link.sensorMode()), awake ? 8 : 3);
    QCOMPARE(m_device->link.mouseOff(), !awake);
    logged.poller.stop();
    m_device->mouse.setTraceFile(QString());

    // The query is written as it is, checksum included.
    const QByteArray first = readWholeFile(trace).split('\n').value(0);
    QCOMPARE(first, "> 05 24 fa 48" + QByteArray(" 00").repeated(29));
}

void TestPoller::statusReportIsPassedOnInOrder()
{
    LoggedPoller logged(m_device->link);
    QTRY_COMPARE_WITH_TIMEOUT(logged.log.count("battery"), 1, 2000);

    // The mouse's DPI button: profile, stage, rate and lighting mode follow.
    m_device->mouse.press(SimButton::Dpi);
    QTRY_COMPARE_WITH_TIMEOUT(logged.log.count("status"), 1, 2000);
    const SimMemory m = m_device->mouse.memory();
    const int p = m.activeProfile;
    const QVector<int> expected{p, m.dpiStage[p], m.pollrate[p], m.lightingMode};
    QCOMPARE(logged.log.first("status"), expected);
    // The values are distinct, so that an order mix-up would show.
    QCOMPARE(QSet<int>(expected.begin(), expected.end()).size(), 4);
}

void TestPoller::motionReportsAreSkipped()
{
    // The node delivers mouse motion between the replies.
    m_device->mouse.setMotionRate(1000);
    LoggedPoller logged(m_device->link);
    QTRY_COMPARE_WITH_TIMEOUT(logged.log.count("battery"), 1, 2000);
    QCOMPARE(logged.log.first("battery"), (QVector<int>{0, 0xD4, 0x03}));
    m_device->mouse.press(SimButton::Rate);
    QTRY_COMPARE_WITH_TIMEOUT(logged.log.count("status"), 1, 2000);
    const SimMemory m = m_device->mouse.memory();
    QCOMPARE(logged.log.first("status").value(2), m.pollrate[m.activeProfile]);
    logged.poller.stop();
    m_device->mouse.setMotionRate(0);
}

void TestPoller::readErrorReadsAsMouseOff()
{
    // A node that went away: writes and reads fail on its handle.
    m_device->mouse.unplug(SimLink::Receiver);
    LoggedPoller logged(m_device->link);
    QTRY_COMPARE_WITH_TIMEOUT(logged.log.count("battery"), 1, 2000);
    QCOMPARE(logged.log.first("battery"), (QVector<int>{0, 0, 0}));
    QCOMPARE(logged.log.count("write"), 0);
    QVERIFY(logged.poller.isRunning());   // the cycle goes on until it is stopped
}

void TestPoller::noHandleEndsBeforeWriting()
{
    m_device->link.close();
    StatusPollerThread poller(m_device->link);
    QSignalSpy battery(&poller, &StatusPollerThread::batteryRead);
    poller.start();
    QVERIFY(poller.wait(1000));
    QCOMPARE(m_device->mouse.writeCount(), 0);
    QCOMPARE(battery.count(), 0);
}

void TestPoller::stopJoinsPromptly()
{
    LoggedPoller logged(m_device->link);
    QTRY_COMPARE_WITH_TIMEOUT(logged.log.count("battery"), 1, 2000);
    // The cycle that asked and the next one, a listening cycle: the query is
    // not repeated within them.
    QTRY_VERIFY_WITH_TIMEOUT(logged.poller.completedCycles() >= 2, 5000);
    QCOMPARE(m_device->mouse.writeCount(), 1);

    QElapsedTimer timer;
    timer.start();
    logged.poller.stop();
    QVERIFY2(timer.elapsed() < 200, qPrintable(QString::number(timer.elapsed())));
    QVERIFY(logged.poller.isFinished());
    const int reads = m_device->mouse.readCount();
    // Its thread has finished: nothing reads the report of a press.
    m_device->mouse.press(SimButton::Profile);
    QCOMPARE(m_device->mouse.readCount(), reads);
}

void TestPoller::ownedPollerRestartsFromAnotherThread()
{
    SignalLog log;
    StatusPoller owner(m_device->link, [&log](StatusPollerThread *poller) { log.attach(poller); });
    owner.startPoller();
    QTRY_COMPARE_WITH_TIMEOUT(log.count("battery"), 1, 2000);

    // The upload stops and restarts it from its worker thread; the new
    // poller still reports to this thread.
    std::unique_ptr<QThread> worker(QThread::create([&owner] {
        owner.stopPoller();
        owner.startPoller();
    }));
    worker->start();
    QVERIFY(worker->wait(2000));
    QVERIFY(owner.hasPoller());
    QTRY_COMPARE_WITH_TIMEOUT(log.count("battery"), 2, 2000);
    owner.stopPoller();
    QVERIFY(!owner.hasPoller());
}

void TestPoller::batteryLevels_data()
{
    QTest::addColumn<int>("raw");
    QTest::addColumn<int>("full");
    QTest::addColumn<int>("level");

    QTest::newRow("4125 mV") << 1000 << 4200 << 90;
    QTest::newRow("3201 mV") << 776 << 4200 << 20;
    QTest::newRow("3196 mV") << 775 << 4200 << 10;
    QTest::newRow("4100.25 mV, full at 4100") << 994 << 4100 << 100;
    // 1000 × 990 / 240 is exactly 4125: on the threshold counts as full.
    QTest::newRow("exactly full") << 1000 << 4125 << 100;
    QTest::newRow("just below full") << 999 << 4125 << 90;
    QTest::newRow("zero") << 0 << 4200 << 10;
    QTest::newRow("largest reading") << 0xFFFF << 4200 << 100;
}

void TestPoller::batteryLevels()
{
    QFETCH(int, raw);
    QFETCH(int, full);
    QFETCH(int, level);
    QCOMPARE(batteryLevel(raw, full), level);
}

QTEST_GUILESS_MAIN(TestPoller)
#include "test_poller.moc"
