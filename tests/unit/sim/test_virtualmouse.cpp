#include "simtesthelpers.h"
#include "testenvironment.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <future>
#include <thread>

using namespace simtest;

// The virtual mouse as the HID seam: enumeration, nodes and their rings,
// faults, unplugging, latency, motion, threads and the trace.
class TestVirtualMouse : public QObject {
    Q_OBJECT

private slots:
    void enumeratesOneNodePerLinkWithItsCollections();
    void everyOpenHandleHasItsOwnRing();
    void faults_data();
    void faults();
    void wrongPayloadWaitsForAPayload();
    void faultOrders_data();
    void faultOrders();
    void firmwareStateSurvivesARestart();
    void unplugMidStream();
    void unplugAndCloseWakeABlockedReader();
    void latencyDelaysReplies();
    void motionIsInterleavedAndBounded();
    void readerAndWriterOnDifferentThreads();
    void traceLines();

private:
    static HidHandle openLink(VirtualMouse &mouse, SimLink link)
    {
        return mouse.open(VirtualMouse::nodePath(link));
    }
};

void TestVirtualMouse::enumeratesOneNodePerLinkWithItsCollections()
{
    VirtualMouse mouse;
    QVERIFY(mouse.enumerate(0, 0).empty());
    QVERIFY(!openLink(mouse, SimLink::Receiver));

    QSignalSpy plugged(&mouse, &VirtualMouse::devicePlugged);
    mouse.plug(SimLink::Receiver);
    mouse.plug(SimLink::Receiver);   // already there: no second event
    QCOMPARE(plugged.count(), 1);
    QCOMPARE(plugged[0][0].toString(), QString::fromStdString(VirtualMouse::nodePath(SimLink::Receiver)));

    std::vector<HidDeviceInfo> list = mouse.enumerate(0x248A, 0xFA02);
    QCOMPARE(list.size(), size_t(4));
    QSet<QPair<int, int>> usages;
    for (const HidDeviceInfo &info : list) {
        QCOMPARE(info.path, VirtualMouse::nodePath(SimLink::Receiver));
        QCOMPARE(int(info.vendorId), 0x248A);
        usages.insert({info.usagePage, info.usage});
    }
    QVERIFY(usages.contains({1, 2}));   // mouse collection
    QVERIFY(usages.contains({1, 0}));   // command collection
    QVERIFY(mouse.enumerate(0x248A, 0xFB01).empty());

    mouse.plug(SimLink::Cable);
    QCOMPARE(mouse.enumerate(0, 0).size(), size_t(8));
    list = mouse.enumerate(0, 0xFB01);
    QCOMPARE(list.size(), size_t(4));
    QCOMPARE(list[0].path, VirtualMouse::nodePath(SimLink::Cable));
    QVERIFY(list[0].releaseNumber != 0);
    QVERIFY(VirtualMouse::nodePath(SimLink::Cable) != VirtualMouse::nodePath(SimLink::Receiver));

    mouse.setIdentities(0x1111, 0x2222, 0x3333, 0x4444);
    QCOMPARE(mouse.enumerate(0x1111, 0x2222).size(), size_t(4));
    QCOMPARE(mouse.enumerate(0x3333, 0).size(), size_t(4));
    QVERIFY(mouse.enumerate(0x248A, 0).empty());
}

void TestVirtualMouse::everyOpenHandleHasItsOwnRing()
{
    // The program opens the mouse collection too and never reads it: on one
    // hidraw node that handle receives every reply and its ring overflows.
    VirtualMouse mouse;
    mouse.plug(SimLink::Receiver);
    HidHandle command = openLink(mouse, SimLink::Receiver);
    HidHandle idle = openLink(mouse, SimLink::Receiver);
    QVERIFY(command && idle && command != idle);
    for (int i = 0; i < 70; ++i) {
        send(mouse, command, framed(0x46, uint8_t(i)));
        QCOMPARE(int(uint8_t(readOne(mouse, command).at(4))), i);
    }
    QList<int> kept;
    for (QByteArray r = readOne(mouse, idle, 0); !r.isEmpty(); r = readOne(mouse, idle, 0))
        kept << uint8_t(r.at(4));
    QCOMPARE(kept.size(), 64);
    QCOMPARE(kept.first(), 6);   // the oldest six were dropped
    QCOMPARE(kept.last(), 69);
    mouse.close(idle);
    QCOMPARE(mouse.write(idle, framed(0x46).report(), kReportLength), -1);
    mouse.close(command);
}

void TestVirtualMouse::faults_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("firstExchange");   // what the reads deliver, see describe()

    QTest::newRow("dropped reply") << int(SimFault::DropReply) << 1 << QStringList{"timeout"};
    QTest::newRow("wrong header") << int(SimFault::WrongHeader) << 1 << QStringList{"echo bent at 4"};
    QTest::newRow("wrong payload") << int(SimFault::WrongPayload) << 1 << QStringList{"echo bent at 8"};
    QTest::newRow("zero reply") << int(SimFault::ZeroReply) << 1 << QStringList{"zeros"};
    QTest::newRow("write fails") << int(SimFault::WriteFail) << 1 << QStringList{"write failed"};
    QTest::newRow("foreign input") << int(SimFault::ForeignInput) << 1
                                   << QStringList{"motion", "echo", "motion", "timeout"};
    QTest::newRow("two dropped replies") << int(SimFault::DropReply) << 2 << QStringList{"timeout"};
}

namespace {

// Names what one read brought compared with the report written.
QString describe(const QByteArray &read, const QByteArray &written)
{
    if (read.isEmpty())
        return QStringLiteral("timeout");
    if (read == QByteArray(kReportLength, 0))
        return QStringLiteral("zeros");
    if (read.at(0) != char(kReportId))
        return read.size() < kReportLength ? QStringLiteral("motion") : QStringLiteral("foreign?");
    if (read == written)
        return QStringLiteral("echo");
    for (int i = 0; i < kReportLength; ++i) {
        if (read.at(i) != written.at(i))
            return QStringLiteral("echo bent at %1").arg(i);
    }
    return QStringLiteral("?");
}

} // namespace

void TestVirtualMouse::faults()
{
    QFETCH(int, fault);
    QFETCH(int, count);
    QFETCH(QStringList, firstExchange);
    VirtualMouse mouse;
    mouse.plug(SimLink::Cable);
    HidHandle h = openLink(mouse, SimLink::Cable);
    const ReportBuffer chunk = framed(0x02, 0, 0, {6}, 0xD1);
    const QByteArray written = bytesOf(chunk);

    mouse.injectFault(SimFault(fault), count);
    for (int exchange = 0; exchange < count; ++exchange) {
        QStringList seen;
        if (send(mouse, h, chunk) < 0) {
            seen << "write failed";
        } else {
            do
                seen << describe(readOne(mouse, h, 30), written);
            while (seen.last() != QLatin1String("timeout") && seen.size() < firstExchange.size());
        }
        QCOMPARE(seen, firstExchange);
    }
    // The fault was for that many exchanges only.
    QCOMPARE(send(mouse, h, chunk), kReportLength);
    QCOMPARE(describe(readOne(mouse, h), written), QStringLiteral("echo"));
    QCOMPARE(readOne(mouse, h, 0), QByteArray());
    mouse.close(h);
}

void TestVirtualMouse::faultOrders_data()
{
    QTest::addColumn<QString>("order");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("writes");   // what each of eight writes gives: . written, x failed
    QTest::newRow("plain") << "writefail" << true << "x.......";
    QTest::newRow("count") << "writefail 2" << true << "xx......";
    QTest::newRow("count at") << "writefail 2 at 4" << true << "...xx...";
    QTest::newRow("at only") << "WriteFail at 8" << true << ".......x";
    QTest::newRow("unknown kind") << "melt 2" << false << "........";
    QTest::newRow("no position") << "writefail 2 at" << false << "........";
    QTest::newRow("zero count") << "writefail 0" << false << "........";
    QTest::newRow("trailing word") << "writefail 2 at 3 now" << false << "........";
}

void TestVirtualMouse::faultOrders()
{
    QFETCH(QString, order);
    QFETCH(bool, valid);
    QFETCH(QString, writes);
    SimFaults::Order parsed;
    QCOMPARE(SimFaults::parseOrder(order, &parsed), valid);
    VirtualMouse mouse;
    mouse.plug(SimLink::Cable);
    HidHandle h = openLink(mouse, SimLink::Cable);
    if (valid)
        mouse.injectFault(parsed.fault, parsed.count, parsed.at);
    QString seen;
    for (int i = 0; i < writes.size(); ++i)
        seen += send(mouse, h, framed(0x46, 0)) < 0 ? QLatin1Char('x') : QLatin1Char('.');
    QCOMPARE(seen, writes);
    mouse.close(h);
}

void TestVirtualMouse::firmwareStateSurvivesARestart()
{
    VirtualMouse first;
    first.plug(SimLink::Cable);
    HidHandle h = openLink(first, SimLink::Cable);
    writeBlock(first, h, 0x02, std::vector<uint8_t>(SimMemory::kDpiSize, 3));
    send(first, h, framed(0x46, 0));   // an upload begun, never ended
    first.press(SimButton::Profile);
    first.close(h);

    VirtualMouse second;
    QVERIFY(second.restoreFirmwareState(first.firmwareState()));
    QCOMPARE(second.memory().dpi, first.memory().dpi);
    QCOMPARE(second.memory().activeProfile, 1);
    QCOMPARE(second.dump().value("writeStatus").toInt(), 0);
    // Something that is not a state changes nothing.
    QVERIFY(!second.restoreFirmwareState(QJsonObject{{"dpi", "00"}}));
    QCOMPARE(second.memory().dpi, first.memory().dpi);
}

void TestVirtualMouse::wrongPayloadWaitsForAPayload()
{
    VirtualMouse mouse;
    mouse.plug(SimLink::Receiver);
    HidHandle h = openLink(mouse, SimLink::Receiver);
    mouse.injectFault(SimFault::WrongPayload);
    const ReportBuffer mark = framed(0x46, 0);
    send(mouse, h, mark);
    QCOMPARE(readOne(mouse, h), bytesOf(mark));   // nothing to bend in it
    const ReportBuffer chunk = framed(0x04, 0, 0, {0x80, 1, 2}, 0xD1);
    send(mouse, h, chunk);
    QCOMPARE(describe(readOne(mouse, h), bytesOf(chunk)), QStringLiteral("echo bent at 8"));
    mouse.close(h);
}

void TestVirtualMouse::unplugMidStream()
{
    VirtualMouse mouse;
    mouse.plug(SimLink::Receiver);
    HidHandle h = openLink(mouse, SimLink::Receiver);
    QSignalSpy unplugged(&mouse, &VirtualMouse::deviceUnplugged);
    mouse.unplugAfterReports(SimLink::Receiver, 3);

    const ReportBuffer mark = framed(0x46, 0);
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(send(mouse, h, mark), kReportLength);
        QCOMPARE(readOne(mouse, h), bytesOf(mark));
    }
    QCOMPARE(unplugged.count(), 0);
    QCOMPARE(send(mouse, h, mark), kReportLength);   // taken, never answered
    QCOMPARE(unplugged.count(), 1);
    QCOMPARE(unplugged[0][0].toString(), QString::fromStdString(VirtualMouse::nodePath(SimLink::Receiver)));
    QCOMPARE(readOne(mouse, h), QByteArrayLiteral("-"));
    QCOMPARE(send(mouse, h, mark), -1);
    QVERIFY(!mouse.isPlugged(SimLink::Receiver));
    QVERIFY(mouse.enumerate(0, 0).empty());
    QCOMPARE(mouse.writeCount(), 3);

    // Plugged again: the old handle stays dead, a new one works.
    mouse.plug(SimLink::Receiver);
    QCOMPARE(send(mouse, h, mark), -1);
    HidHandle fresh = openLink(mouse, SimLink::Receiver);
    QCOMPARE(send(mouse, fresh, mark), kReportLength);
    QCOMPARE(readOne(mouse, fresh), bytesOf(mark));
    mouse.close(fresh);
    mouse.close(h);
}

void TestVirtualMouse::unplugAndCloseWakeABlockedReader()
{
    VirtualMouse mouse;
    mouse.plug(SimLink::Cable);
    HidHandle h = openLink(mouse, SimLink::Cable);
    QElapsedTimer timer;
    timer.start();
    auto reader = std::async(std::launch::async, [&] { return readOne(mouse, h, -1); });   // blocks
    QTRY_COMPARE(mouse.waitingReads(), 1);
    mouse.unplug(SimLink::Cable);
    QCOMPARE(reader.get(), QByteArrayLiteral("-"));
    QVERIFY(timer.elapsed() < 2000);
    mouse.close(h);

    mouse.plug(SimLink::Cable);
    h = openLink(mouse, SimLink::Cable);
    reader = std::async(std::launch::async, [&] { return readOne(mouse, h, 5000); });
    QTRY_COMPARE(mouse.waitingReads(), 1);
    mouse.close(h);
    QCOMPARE(reader.get(), QByteArrayLiteral("-"));
    QVERIFY(timer.elapsed() < 4000);
}

void TestVirtualMouse::latencyDelaysReplies()
{
    VirtualMouse mouse;
    mouse.plug(SimLink::Receiver);
    HidHandle h = openLink(mouse, SimLink::Receiver);
    mouse.setReplyLatency(120);
    const ReportBuffer mark = framed(0x46, 1);
    QElapsedTimer timer;
    timer.start();
    send(mouse, h, mark);
    QCOMPARE(readOne(mouse, h, 20), QByteArray());
    QCOMPARE(readOne(mouse, h, 1000), bytesOf(mark));
    QVERIFY(timer.elapsed() >= 110);
    QVERIFY(timer.elapsed() < 900);   // woken when due, not at the end of the timeout

    mouse.setReplyLatency(0);
    send(mouse, h, mark);
    QCOMPARE(readOne(mouse, h, 0), bytesOf(mark));
    mouse.close(h);
}

void TestVirtualMouse::motionIsInterleavedAndBounded()
{
    VirtualMouse mouse;
    mouse.plug(SimLink::Receiver);
    HidHandle h = openLink(mouse, SimLink::Receiver);
    mouse.setMotionRate(1000);
    // Motion is made over time: ten reports of it first.
    QTRY_VERIFY(mouse.motionReports(SimLink::Receiver) >= 10);
    const ReportBuffer mark = framed(0x46, 1);
    send(mouse, h, mark);
    int motion = 0;
    QByteArray r;
    for (r = readOne(mouse, h); !r.isEmpty() && r != bytesOf(mark); r = readOne(mouse, h)) {
        QCOMPARE(int(r.at(0)), 1);   // another report ID
        QVERIFY(r.size() < kReportLength);
        ++motion;
    }
    QCOMPARE(r, bytesOf(mark));
    QVERIFY(motion >= 10);   // the motion made before the echo came before it

    // A handle nobody reads holds no more than its ring, after 150 reports
    // of motion.
    const qint64 drained = mouse.motionReports(SimLink::Receiver);
    QTRY_VERIFY(mouse.motionReports(SimLink::Receiver) - drained >= 150);
    int queued = 0;
    mouse.setMotionRate(0);
    while (!readOne(mouse, h, 0).isEmpty())
        ++queued;
    QCOMPARE(queued, 64);
    QCOMPARE(readOne(mouse, h, 30), QByteArray());
    mouse.close(h);
}

void TestVirtualMouse::readerAndWriterOnDifferentThreads()
{
    // The poller blocks in a read while the main thread writes; every echo
    // reaches the reader, in order, none twice. Both orders are met: the
    // first batch is written before the reader starts, each later one while
    // the reader is blocked on an empty ring (and then as it comes and goes).
    VirtualMouse mouse;
    mouse.plug(SimLink::Receiver);
    HidHandle h = openLink(mouse, SimLink::Receiver);
    constexpr int kReports = 300;
    constexpr int kBatch = 50;   // less than a ring: none is dropped unread
    auto sendEcho = [&](int i) { return send(mouse, h, framed(0x46, uint8_t(i & 0xFF), uint8_t(i >> 8))); };
    for (int i = 0; i < kBatch; ++i)
        QCOMPARE(sendEcho(i), kReportLength);
    auto reader = std::async(std::launch::async, [&] {
        QList<int> seen;
        while (seen.size() < kReports) {
            const QByteArray r = readOne(mouse, h, 2000);
            if (r.size() != kReportLength)
                break;
            seen << (uint8_t(r.at(4)) | uint8_t(r.at(5)) << 8);
        }
        return seen;
    });
    for (int i = kBatch; i < kReports; ++i) {
        if (i % kBatch == 0) {
            // The ring has run empty and the reader waits on it.
            QTRY_VERIFY(mouse.readCount() == i && mouse.waitingReads() == 1);
        }
        QCOMPARE(sendEcho(i), kReportLength);
    }
    const QList<int> seen = reader.get();
    QCOMPARE(seen.size(), kReports);
    for (int i = 0; i < kReports; ++i)
        QCOMPARE(seen[i], i);
    QCOMPARE(mouse.writeCount(), kReports);
    QCOMPARE(mouse.readCount(), kReports);
    mouse.close(h);
}

void TestVirtualMouse::traceLines()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("trace.log"));
    VirtualMouse mouse;
    mouse.plug(SimLink::Receiver);
    HidHandle h = openLink(mouse, SimLink::Receiver);
    QVERIFY(mouse.setTraceFile(path));

    send(mouse, h, framed(0x46, 1));
    mouse.injectFault(SimFault::WriteFail);
    send(mouse, h, framed(0x46, 1));   // not written: no line
    mouse.injectFault(SimFault::DropReply);
    send(mouse, h, framed(0x44, 2));   // no reply to drop: the fault waits
    send(mouse, h, framed(0x46, 0));   // reply dropped: no "<" line
    mouse.setBattery(0x0102, false);
    send(mouse, h, framed(0x48));
    QVERIFY(mouse.setTraceFile(QString()));
    send(mouse, h, framed(0x46, 1));   // after the trace was stopped

    const QString zeros28 = QStringLiteral(" 00").repeated(28);
    const QStringList expected = {
        "> 05 27 fa 46 01" + zeros28,
        "< 05 27 fa 46 01" + zeros28,
        "> 05 26 fa 44 02" + zeros28,
        "> 05 26 fa 46 00" + zeros28,
        "> 05 24 fa 48 00" + zeros28,
        // Battery 0x0102, not charging, write status 0 (an upload began);
        // (FA+48+02+01) mod 256 ^ 66 = 23.
        "< 05 23 fa 48 02 01 00 00 00 00 00" + QStringLiteral(" 00").repeated(22),
    };
    const QString text = QString::fromLatin1(readWholeFile(path));
    QCOMPARE(text.split(QLatin1Char('\n'), Qt::SkipEmptyParts), expected);
    QVERIFY(text.endsWith(QLatin1Char('\n')));
    // The write log keeps the failed write the trace leaves out, the last
    // one after the trace stopped, and the thread each came from.
    QString writes;
    for (const VirtualMouse::Write &w : mouse.writes()) {
        writes += QLatin1Char(w.accepted ? '.' : 'x') + QString::number(w.report[3], 16);
        QCOMPARE(w.thread, QThread::currentThread());
    }
    QCOMPARE(writes, QStringLiteral(".46x46.44.46.48.46"));
    mouse.resetCounters();
    QVERIFY(mouse.writes().empty());
    mouse.close(h);
}

QTEST_GUILESS_MAIN(TestVirtualMouse)
#include "test_virtualmouse.moc"
