// The battery history on real files: what the recorder keeps of the
// readings, the thinning of old rows, a damaged file moved aside, a writer
// killed in the middle of its writes while another connection writes too,
// and the status poller storing what the virtual mouse reports over
// simulated days (battery, sleep and clock set through its control socket).

#include "device/batteryclock.h"
#include "device/batteryestimate.h"
#include "device/batteryhistory.h"
#include "device/batteryrecorder.h"
#include "device/discovery.h"
#include "device/mouselink.h"
#include "device/mouselist.h"
#include "device/statuspollerthread.h"
#include "sim/simcontrolserver.h"
#include "sim/virtualmouse.h"
#include "testenvironment.h"

#include <QElapsedTimer>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <memory>

namespace {

constexpr qint64 kT0 = 1780000000;   // a Saturday in 2026, UTC
constexpr qint64 kDay = 86400;

// Raw values the battery bar shows as these levels (full at 4200 mV).
int rawFor(int level)
{
    switch (level) {
    case 100: return 1019;
    case 90: return 994;
    case 80: return 970;
    case 70: return 946;
    case 60: return 922;
    case 50: return 897;
    case 40: return 849;
    case 30: return 825;
    case 20: return 776;
    default: return 700;
    }
}

StatusAnswer answer(int level, bool charging)
{
    StatusAnswer a;
    const int raw = rawFor(level);
    a.lowByte = uint8_t(raw & 0xff);
    a.hiByte = uint8_t(raw >> 8);
    a.charge = charging ? 1 : 0;
    return a;
}

// The child mode of this executable: writes readings one a second apart
// into the file given, and says on standard output which one it has just
// committed, until it is killed.
int writeUntilKilled(const char *file)
{
    BatteryHistory history(QString::fromLocal8Bit(file));
    if (!history.isOpen())
        return 2;
    for (int i = 0;; ++i) {
        BatteryReading reading;
        reading.at = kT0 + i;
        reading.level = i % 101;
        reading.raw = i;
        if (!history.add(reading))
            return 3;
        std::printf("%d\n", i);
        std::fflush(stdout);
    }
}

int g_warnings = 0;
QtMessageHandler g_previousHandler = nullptr;

void countWarnings(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtWarningMsg && text.contains(QLatin1String("was damaged")))
        ++g_warnings;
    g_previousHandler(type, context, text);
}

} // namespace

class TestBatteryHistory : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void recordingRule_data();
    void recordingRule();
    void recorderCarriesOnAfterARestart();
    void thinningKeepsAYear();
    void damagedFileIsMovedAside_data();
    void damagedFileIsMovedAside();
    void killedWriterLeavesAWholeFile();
    void pollerStoresSimulatedDays();

private:
    QString file() const { return m_dir->filePath(QStringLiteral("battery-history.db")); }
    QString send(QLocalSocket &socket, const QString &command);

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestBatteryHistory::init()
{
    m_env = std::make_unique<TestEnvironment>();
    m_dir = std::make_unique<QTemporaryDir>();
    BatteryClock::set(kT0);
}

void TestBatteryHistory::cleanup()
{
    BatteryClock::set(0);
    m_dir.reset();
    m_env.reset();
}

void TestBatteryHistory::recordingRule_data()
{
    // Steps of (seconds after the previous one, level or -1 asleep, charging),
    // and for each whether it is stored.
    QTest::addColumn<QVector<int>>("gaps");
    QTest::addColumn<QVector<int>>("levels");
    QTest::addColumn<QVector<int>>("charging");
    QTest::addColumn<QVector<int>>("stored");
    QTest::addColumn<int>("chargeEvents");

    QTest::newRow("same level within 5 minutes: first only")
        << QVector<int>{0, 25, 25, 240} << QVector<int>{80, 80, 80, 80} << QVector<int>{0, 0, 0, 0}
        << QVector<int>{1, 0, 0, 0} << 0;
    QTest::newRow("same level: again after 5 minutes")
        << QVector<int>{0, 299, 1, 300} << QVector<int>{80, 80, 80, 80} << QVector<int>{0, 0, 0, 0}
        << QVector<int>{1, 0, 1, 1} << 0;
    QTest::newRow("level change at once")
        << QVector<int>{0, 25, 25, 25} << QVector<int>{80, 70, 70, 60} << QVector<int>{0, 0, 0, 0}
        << QVector<int>{1, 1, 0, 1} << 0;
    QTest::newRow("charge start and end")
        << QVector<int>{0, 25, 25, 25, 25} << QVector<int>{30, 30, 40, 40, 40} << QVector<int>{0, 1, 1, 0, 0}
        << QVector<int>{1, 1, 1, 1, 0} << 2;
    QTest::newRow("falling asleep and waking")
        << QVector<int>{0, 25, 25, 25, 25} << QVector<int>{50, -1, -1, 50, 50} << QVector<int>{0, 0, 0, 0, 0}
        << QVector<int>{1, 1, 0, 1, 0} << 0;
    // Asleep while charging says nothing of the charge; waking still on it
    // is no new charge.
    QTest::newRow("asleep on the charger")
        << QVector<int>{0, 25, 25} << QVector<int>{50, -1, 60} << QVector<int>{1, 0, 1}
        << QVector<int>{1, 1, 1} << 1;
}

void TestBatteryHistory::recordingRule()
{
    QFETCH(QVector<int>, gaps);
    QFETCH(QVector<int>, levels);
    QFETCH(QVector<int>, charging);
    QFETCH(QVector<int>, stored);
    QFETCH(int, chargeEvents);

    BatteryRecorder recorder(4200, file());
    BatteryReadings expected;
    for (int i = 0; i < gaps.size(); ++i) {
        BatteryClock::advance(gaps[i]);
        const StatusAnswer a = levels[i] < 0 ? StatusAnswer{} : answer(levels[i], charging[i]);
        recorder.take(a, false);
        if (stored[i])
            expected << BatteryRecorder::readingOf(a, false, 4200, BatteryClock::now());
    }
    const BatteryHistory reader(file());
    QCOMPARE(reader.readings(0, kT0 + kDay), expected);
    QCOMPARE(reader.chargeEvents(0, kT0 + kDay).size(), chargeEvents);
}

void TestBatteryHistory::recorderCarriesOnAfterARestart()
{
    {
        BatteryRecorder recorder(4200, file());
        recorder.take(answer(60, true), false);
    }
    // A new poller a minute later with the same reading: nothing new, and
    // the charge is the one already stored.
    BatteryClock::advance(60);
    BatteryRecorder recorder(4200, file());
    recorder.take(answer(60, true), false);
    // Over the cable the mouse charges whatever its flag says.
    BatteryClock::advance(60);
    recorder.take(answer(70, false), true);
    const BatteryReadings rows = recorder.history().readings(0, kT0 + kDay);
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[1].level, 70);
    QVERIFY(rows[1].charging);
    QCOMPARE(recorder.history().chargeEvents(0, kT0 + kDay).size(), 1);
}

void TestBatteryHistory::thinningKeepsAYear()
{
    // 400 days of a reading every 10 minutes, and a charge every day.
    const qint64 now = kT0 + 400 * kDay;
    BatteryReadings rows;
    for (qint64 at = kT0; at <= now; at += 600) {
        BatteryReading r;
        r.at = at;
        r.level = int((at / 600) % 100);
        rows << r;
    }
    BatteryHistory history(file());
    QVERIFY(history.addAll(rows));
    for (qint64 at = kT0; at <= now; at += kDay)
        QVERIFY(history.addChargeEvent(ChargeEvent{at, true}));
    const int recent = history.readings(now - BatteryHistory::kFullDetailSeconds, now + 1).size();

    QVERIFY(history.thin(now));

    const qint64 yearAgo = now - BatteryHistory::kKeepSeconds;
    const qint64 monthAgo = now - BatteryHistory::kFullDetailSeconds;
    QVERIFY(history.readings(0, yearAgo).isEmpty());
    QVERIFY(history.chargeEvents(0, yearAgo).isEmpty());
    QVERIFY(!history.chargeEvents(yearAgo, now + 1).isEmpty());
    // The last month is untouched.
    QCOMPARE(history.readings(monthAgo, now + 1).size(), recent);
    // Before it, one reading in each hour, the hour's first.
    const BatteryReadings old = history.readings(yearAgo, monthAgo);
    QVERIFY(!old.isEmpty());
    for (int i = 1; i < old.size(); ++i)
        QVERIFY2(old[i].at / 3600 != old[i - 1].at / 3600, "two readings left in one hour");
    // (The hour at the year's edge lost its first readings to the edge.)
    for (int i = 1; i < old.size(); ++i)
        QVERIFY(old[i].at % 3600 < 600);
    // Every hour that had readings still has one (the first hour may have
    // lost its first reading to the year's edge).
    const qint64 hours = (monthAgo - 1) / 3600 - yearAgo / 3600 + 1;
    QVERIFY(old.size() >= hours - 1 && old.size() <= hours);
    // Thinning again changes nothing.
    const int before = history.readingCount();
    QVERIFY(history.thin(now));
    QCOMPARE(history.readingCount(), before);

    // The recorder's passes look only at what crossed the month line since
    // the pass before (from an hour boundary or not): they end where one
    // whole pass does, but for the hour cut by the year's edge, whose
    // earlier pass left only its first reading, which the edge then took.
    const qint64 firstWholeHour = yearAgo - yearAgo % 3600 + 3600;
    for (qint64 earlier : {now - 10 * kDay, now - 10 * kDay - 1234}) {
        BatteryHistory stepwise(m_dir->filePath(QStringLiteral("stepwise-%1.db").arg(earlier)));
        QVERIFY(stepwise.addAll(rows));
        QVERIFY(stepwise.thin(earlier));
        QVERIFY(stepwise.thin(now, earlier - BatteryHistory::kFullDetailSeconds));
        QCOMPARE(stepwise.readings(firstWholeHour, now + 1), history.readings(firstWholeHour, now + 1));
        QVERIFY(stepwise.readings(0, yearAgo).isEmpty());
    }
}

void TestBatteryHistory::damagedFileIsMovedAside_data()
{
    QTest::addColumn<QString>("damage");
    QTest::newRow("not a database") << QStringLiteral("garbage");
    QTest::newRow("cut in half") << QStringLiteral("truncated");
    QTest::newRow("pages overwritten") << QStringLiteral("overwritten");
}

void TestBatteryHistory::damagedFileIsMovedAside()
{
    QFETCH(QString, damage);
    if (damage == QLatin1String("garbage")) {
        QFile out(file());
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(QByteArray("this is no database, just text. ").repeated(200));
    } else {
        BatteryReadings rows;
        for (int i = 0; i < 20000; ++i) {
            BatteryReading r;
            r.at = kT0 + i * 60;
            r.level = i % 100;
            r.raw = i;
            rows << r;
        }
        {
            BatteryHistory history(file());
            QVERIFY(history.addAll(rows));
        }
        QFile f(file());
        QVERIFY(f.open(QIODevice::ReadWrite));
        const qint64 size = f.size();
        QVERIFY(size > 8 * 4096);
        if (damage == QLatin1String("truncated")) {
            QVERIFY(f.resize(size / 2));
        } else {
            f.seek(size / 2);
            f.write(QByteArray(3 * 4096, '\xA5'));
        }
    }
    const QByteArray damaged = readWholeFile(file());

    g_warnings = 0;
    g_previousHandler = qInstallMessageHandler(countWarnings);
    {
        BatteryRecorder recorder(4200, file());
        const BatteryHistory &history = recorder.history();
        QVERIFY2(history.isOpen(), qPrintable(history.lastError() + QLatin1Char(' ') + history.movedAside()));
        QVERIFY(!history.movedAside().isEmpty());
        QCOMPARE(readWholeFile(history.movedAside()), damaged);
        QCOMPARE(history.readingCount(), 0);
        QVERIFY(recorder.record(BatteryRecorder::readingOf(answer(50, false), false, 4200, kT0)));
        QCOMPARE(history.readingCount(), 1);
        // A second connection to the new file finds nothing to move.
        BatteryHistory again(file(), BatteryHistory::Check::Full);
        QVERIFY(again.movedAside().isEmpty());
        QCOMPARE(again.readingCount(), 1);
    }
    // Damaged again in the same run: moved aside again, but the log has
    // been told already.
    {
        QFile out(file());
        QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(QByteArray(8192, 'x'));
    }
    BatteryHistory third(file(), BatteryHistory::Check::Full);
    qInstallMessageHandler(g_previousHandler);
    QVERIFY(third.isOpen());
    QVERIFY(!third.movedAside().isEmpty());
    QCOMPARE(g_warnings, 1);
}

void TestBatteryHistory::killedWriterLeavesAWholeFile()
{
    // The writer (this program in its child mode) and this process write
    // into the same file at once, as the command line may while the window
    // runs; then the writer is killed in the middle of its writes.
    QProcess writer;
    writer.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--write-history"), file()});
    QVERIFY(writer.waitForStarted());
    BatteryHistory mine(file());
    QVERIFY(mine.isOpen());
    int lastCommitted = -1;
    int mineWritten = 0;
    QByteArray pending;
    while (lastCommitted < 300) {
        BatteryReading r;
        r.at = kT0 + kDay + mineWritten;
        r.level = 50;
        QVERIFY2(mine.add(r), qPrintable(mine.lastError()));
        ++mineWritten;
        writer.waitForReadyRead(100);
        pending += writer.readAllStandardOutput();
        const int end = pending.lastIndexOf('\n');
        if (end > 0) {
            const QList<QByteArray> lines = pending.left(end).split('\n');
            lastCommitted = lines.last().toInt();
            pending = pending.mid(end + 1);
        }
        QVERIFY2(writer.state() == QProcess::Running, writer.readAllStandardError().constData());
    }
    ::kill(pid_t(writer.processId()), SIGKILL);
    QVERIFY(writer.waitForFinished());
    pending += writer.readAllStandardOutput();
    for (const QByteArray &line : pending.split('\n')) {
        if (!line.isEmpty())
            lastCommitted = line.toInt();
    }

    // A full check finds the file whole, and every committed reading is there
    // in order: the writer's 0..lastCommitted (and at most the one it was
    // writing), and all of this process's.
    BatteryHistory after(file(), BatteryHistory::Check::Full);
    QVERIFY(after.isOpen());
    QVERIFY(after.movedAside().isEmpty());
    const BatteryReadings theirs = after.readings(kT0, kT0 + kDay);
    QVERIFY2(theirs.size() == lastCommitted + 1 || theirs.size() == lastCommitted + 2,
             qPrintable(QStringLiteral("%1 rows, %2 committed").arg(theirs.size()).arg(lastCommitted + 1)));
    for (int i = 0; i < theirs.size(); ++i) {
        QCOMPARE(theirs[i].at, kT0 + i);
        QCOMPARE(theirs[i].raw, i);
    }
    QCOMPARE(after.readings(kT0 + kDay, kT0 + 2 * kDay).size(), mineWritten);
}

QString TestBatteryHistory::send(QLocalSocket &socket, const QString &command)
{
    // The server answers on this thread: its events must run meanwhile.
    socket.write(command.toUtf8() + '\n');
    QElapsedTimer waited;
    waited.start();
    while (!socket.canReadLine()) {
        if (waited.elapsed() > 3000)
            return QStringLiteral("no answer");
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    return QString::fromUtf8(socket.readLine()).trimmed();
}

void TestBatteryHistory::pollerStoresSimulatedDays()
{
    VirtualMouse mouse;
    mouse.plug(SimLink::Receiver);
    setHidBackend(&mouse);
    LoadMouseList();
    QCOMPARE(EnumerateMice(), 0);
    MouseLink link;
    link.openByName(currentProductName());
    QVERIFY(link.commandHandle() != nullptr);

    SimControlServer server(&mouse);
    const QString socketPath = m_dir->filePath(QStringLiteral("control"));
    QVERIFY(server.listen(socketPath));
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    QTRY_VERIFY(socket.state() == QLocalSocket::ConnectedState);
    QCOMPARE(send(socket, QStringLiteral("clock %1").arg(kT0)), QString::number(kT0));

    // One poller start is one status query, as at every connection and after
    // every upload; each stores its reading on its own thread before the
    // window would hear of it.
    int signalsSeen = 0;
    const QString path = file();
    auto poll = [&] {
        StatusPollerThread poller(link);
        poller.setReadingSink([path] { return std::make_unique<BatteryRecorder>(4200, path); });
        connect(&poller, &StatusPollerThread::batteryRead, this, [&] { ++signalsSeen; }, Qt::QueuedConnection);
        const int before = signalsSeen;
        poller.start();
        QTRY_VERIFY_WITH_TIMEOUT(signalsSeen > before, 3000);
        poller.stop();
    };

    // Day 1: 6 hours of use, a level step every hour, read every 10 minutes.
    for (int level = 100; level >= 50; level -= 10) {
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(send(socket, QStringLiteral("battery %1").arg(rawFor(level))), QStringLiteral("ok"));
            poll();
            send(socket, QStringLiteral("clock +600"));
        }
    }
    // Asleep through the night, then a charge next morning, then use.
    QCOMPARE(send(socket, QStringLiteral("sleep")), QStringLiteral("ok"));
    poll();
    send(socket, QStringLiteral("clock +%1").arg(14 * 3600));
    QCOMPARE(send(socket, QStringLiteral("wake")), QStringLiteral("ok"));
    for (int level = 60; level <= 100; level += 20) {
        send(socket, QStringLiteral("battery %1 charging").arg(rawFor(level)));
        poll();
        send(socket, QStringLiteral("clock +600"));
    }
    send(socket, QStringLiteral("battery %1").arg(rawFor(100)));
    poll();
    // The same reading a minute later is not stored again.
    send(socket, QStringLiteral("clock +60"));
    poll();
    link.close();
    setHidBackend(nullptr);

    const BatteryHistory history(path);
    const BatteryReadings rows = history.readings(0, BatteryClock::now() + 1);
    QCOMPARE(rows.size(), 36 + 1 + 3 + 1);
    QCOMPARE(rows.first().at, kT0);
    QCOMPARE(rows.first().level, 100);
    QCOMPARE(rows[35].level, 50);
    QVERIFY(rows[36].off());
    QCOMPARE(rows[36].at, kT0 + 36 * 600);
    QVERIFY(rows[37].charging && rows[39].charging && !rows[40].charging);
    QCOMPARE(rows[39].level, 100);
    const QVector<ChargeEvent> events = history.chargeEvents(0, BatteryClock::now() + 1);
    QCOMPARE(events.size(), 2);
    QVERIFY(events[0].started && !events[1].started);
    QCOMPARE(events[1].at, rows[40].at);

    // Day 1 alone: 35 steps of 10 minutes, the drops of 10 points 50 min,
    // 1 h 50 min ... 4 h 50 min before the last reading. Each step weighs
    // e^(-age / 8 h), age being the time of the steps after it:
    //   drops: 10 (e^-0.104 + e^-0.229 + e^-0.354 + e^-0.479 + e^-0.604) = 35.64
    //   time:  sum over j = 0..34 of (1/6 h) e^(-j / 48) = 4.184 h
    // so 8.52 %/h, and the 50 % left last 5.87 h.
    const BatteryEstimate dayOne = estimateBattery(rows.mid(0, 37));
    QCOMPARE(dayOne.kind, BatteryEstimate::Kind::UntilEmpty);
    QVERIFY2(qAbs(dayOne.ratePerHour - 8.52) < 0.01, qPrintable(QString::number(dayOne.ratePerHour)));
    QVERIFY2(qAbs(dayOne.hours - 5.87) < 0.01, qPrintable(QString::number(dayOne.hours)));
    // Just off the charger: too little use to tell.
    QCOMPARE(estimateFromHistory(history, BatteryClock::now()).kind, BatteryEstimate::Kind::None);
}

int main(int argc, char **argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--write-history") == 0) {
        QCoreApplication app(argc, argv);
        return writeUntilKilled(argv[2]);
    }
    QCoreApplication app(argc, argv);
    TestBatteryHistory test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_batteryhistory.moc"
