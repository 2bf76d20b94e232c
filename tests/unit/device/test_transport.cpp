// The transfer routine against the virtual mouse (retry paths through its
// faults) and against a scripted link whose echo is bent byte by byte.

#include "config/logging.h"
#include "device/discovery.h"
#include "device/mouselink.h"
#include "device/mouselist.h"
#include "device/report.h"
#include "device/transport.h"
#include "device/transporttrace.h"
#include "sim/virtualmouse.h"
#include "testenvironment.h"

#include <QtTest>

#include <array>
#include <deque>
#include <functional>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

// One or two links whose replies the test decides: every write produces the
// replies `respond` returns for it. Counts every call, so that a test can say
// exactly how many writes and echo reads an exchange took.
class ScriptedBackend : public HidBackend {
public:
    std::function<std::vector<Bytes>(const Bytes &written)> respond;
    bool readsFail = false;
    bool writesFail = false;

    struct Write {
        HidHandle handle;
        Bytes report;
    };
    std::vector<Write> writes;
    int echoReads = 0;      // reads with a time-out, the ones that wait for an echo
    int drainReads = 0;     // reads that only empty the queue
    int otherCalls = 0;
    std::deque<Bytes> queue;

    int init() override { ++otherCalls; return 0; }
    int exit() override { ++otherCalls; return 0; }
    std::vector<HidDeviceInfo> enumerate(uint16_t, uint16_t) override { ++otherCalls; return {}; }
    HidHandle open(const std::string &) override { ++otherCalls; return nullptr; }
    void close(HidHandle) override { ++otherCalls; }
    int write(HidHandle handle, const unsigned char *data, size_t length) override
    {
        if (writesFail)
            return -1;
        writes.push_back({handle, Bytes(data, data + length)});
        if (respond) {
            for (const Bytes &reply : respond(writes.back().report))
                queue.push_back(reply);
        }
        return int(length);
    }
    int readTimeout(HidHandle, unsigned char *data, size_t length, int milliseconds) override
    {
        (milliseconds == 0 ? drainReads : echoReads)++;
        if (readsFail)
            return -1;
        if (queue.empty())
            return 0;
        const Bytes reply = queue.front();
        queue.pop_front();
        const size_t n = std::min(length, reply.size());
        std::copy_n(reply.begin(), n, data);
        return int(n);
    }
    int totalCalls() const { return int(writes.size()) + echoReads + drainReads + otherCalls; }
};

HidHandle fakeHandle(int n) { return reinterpret_cast<HidHandle>(static_cast<uintptr_t>(0x1000 + n)); }

ReportBuffer dpiChunk()
{
    ReportBuffer r = ReportBuffer::command(0x02, 0x00, 0x00, 4, 0xD1);
    r.at(8) = 0x11;
    r.at(9) = 0x22;
    r.at(10) = 0x33;
    r.at(11) = 0x44;
    return r;
}

Bytes echoOf(const Bytes &written) { return written; }

} // namespace

class TestTransport : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void frameIsCompletedOnACopy();
    void onlyEchoedCommandsAreRead_data();
    void onlyEchoedCommandsAreRead();
    void echoComparison_data();
    void echoComparison();
    void failingReadsAreBounded();
    void staleReplyIsDiscardedBeforeWriting();
    void foreignInputIsNotAMismatch();
    void cableIsPreferred();

    void virtualMouseExchanges_data();
    void virtualMouseExchanges();
    void persistentHeaderMismatch();
    void noDeviceMakesNoCall();
    void failedWriteIsNotRetried();

private:
    void openVirtualMouse(bool receiver, bool cable);

    ScriptedBackend m_script;
    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<VirtualMouse> m_mouse;
    MouseLink m_link;
};

void TestTransport::init()
{
    // Some cases check the debug lines.
    Logging::enableDebug();
    m_script = ScriptedBackend();
    m_script.respond = [](const Bytes &w) { return std::vector<Bytes>{echoOf(w)}; };
    setHidBackend(&m_script);
    m_link.useCommandHandle(fakeHandle(1), false);
}

void TestTransport::cleanup()
{
    if (m_mouse) {
        setHidBackend(m_mouse.get());
    }
    m_link.close();
    setHidBackend(nullptr);
    m_mouse.reset();
    m_env.reset();
    TransportTrace::setHandler({});
}

void TestTransport::openVirtualMouse(bool receiver, bool cable)
{
    m_link.useCommandHandle(nullptr, false);
    m_env = std::make_unique<TestEnvironment>();
    m_mouse = std::make_unique<VirtualMouse>();
    if (receiver)
        m_mouse->plug(SimLink::Receiver);
    if (cable)
        m_mouse->plug(SimLink::Cable);
    setHidBackend(m_mouse.get());
    LoadMouseList();
    QCOMPARE(EnumerateMice(), 0);
    m_link.openByName(currentProductName());
    QVERIFY(m_link.commandHandle() != nullptr);
    m_mouse->resetCounters();
}

void TestTransport::frameIsCompletedOnACopy()
{
    const ReportBuffer query = ReportBuffer::command(0x48);
    const ReportBuffer before = query;
    QCOMPARE(TransferReport(m_link.commandHandle(), query.bytes.data(), kReportLength), 0);
    QVERIFY(query == before);
    QCOMPARE(m_script.writes.size(), size_t(1));
    const Bytes &sent = m_script.writes[0].report;
    QCOMPARE(int(sent.size()), kReportLength);
    // (0xFA + 0x48) mod 256 = 0x42, XOR 0x66
    QCOMPARE(int(sent[1]), 0x24);
    QCOMPARE(int(sent[0]), int(kReportId));
    QCOMPARE(int(sent[3]), 0x48);
}

void TestTransport::onlyEchoedCommandsAreRead_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("echoReads");
    QTest::newRow("system block 0x01") << 0x01 << 1;
    QTest::newRow("code 0x00") << 0x00 << 1;
    QTest::newRow("code 0x0A") << 0x0A << 1;
    QTest::newRow("apply group 0x40") << 0x40 << 1;
    QTest::newRow("upload mark 0x46") << 0x46 << 1;
    QTest::newRow("code 0x0B") << 0x0B << 0;
    QTest::newRow("select profile 0x44") << 0x44 << 0;
    QTest::newRow("status query 0x48") << 0x48 << 0;
}

void TestTransport::onlyEchoedCommandsAreRead()
{
    QFETCH(int, command);
    QFETCH(int, echoReads);
    // A link that never answers: an unverified command must not wait for it.
    m_script.respond = nullptr;
    const ReportBuffer report = ReportBuffer::command(uint8_t(command));
    const int result = TransferReport(m_link.commandHandle(), report.bytes.data(), kReportLength);
    if (echoReads == 0) {
        QCOMPARE(result, 0);
        QCOMPARE(m_script.writes.size(), size_t(1));
        QCOMPARE(m_script.echoReads, 0);
    } else {
        // Silence is six all-zero replies: six writes, each read once.
        QCOMPARE(result, 2);
        QCOMPARE(m_script.writes.size(), size_t(6));
        QCOMPARE(m_script.echoReads, 6);
    }
}

void TestTransport::echoComparison_data()
{
    QTest::addColumn<int>("position");       // report position the echo changes (-1: none)
    QTest::addColumn<int>("replies");        // how many replies are bent (0: all)
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("writes");
    QTest::addColumn<int>("echoReads");

    QTest::newRow("exact echo") << -1 << 0 << 0 << 1 << 1;
    QTest::newRow("checksum differs") << 1 << 0 << 0 << 1 << 1;
    QTest::newRow("chunk tag differs") << 7 << 0 << 0 << 1 << 1;
    QTest::newRow("payload past its length differs") << 12 << 0 << 0 << 1 << 1;
    // A bent payload is rewritten at once, at most twice.
    QTest::newRow("payload differs always") << 8 << 0 << 2 << 3 << 3;
    QTest::newRow("payload differs once") << 11 << 1 << 0 << 2 << 2;
    // A bent header is reread (the mouse may still be answering an earlier
    // report) 19 times, then rewritten; each reread finds the queue empty and
    // keeps judging the reply it has.
    QTest::newRow("report ID 0 always") << 0 << 0 << 2 << 3 << 22;
    QTest::newRow("marker differs always") << 2 << 0 << 2 << 3 << 22;
    QTest::newRow("command differs always") << 3 << 0 << 2 << 3 << 22;
    QTest::newRow("length differs always") << 6 << 0 << 2 << 3 << 22;
    // Replies with a header of zeros are answered by writing again, five
    // times; a real reply in between resets that count.
    QTest::newRow("all-zero header twice") << -2 << 2 << 0 << 3 << 3;
    QTest::newRow("all-zero header five times") << -2 << 5 << 0 << 6 << 6;
    // Six all-zero replies before anything could be compared: the report was
    // never confirmed, so the exchange failed.
    QTest::newRow("all-zero header always") << -2 << 0 << 2 << 6 << 6;
}

void TestTransport::echoComparison()
{
    QFETCH(int, position);
    QFETCH(int, replies);
    QFETCH(int, result);
    QFETCH(int, writes);
    QFETCH(int, echoReads);

    int bent = 0;
    m_script.respond = [&](const Bytes &w) {
        Bytes reply = echoOf(w);
        if (replies == 0 || bent < replies) {
            ++bent;
            if (position == -2)
                std::fill(reply.begin(), reply.begin() + 8, 0);
            else if (position == 0)
                reply[0] = 0;   // any other ID would make it a mouse input report
            else if (position > 0)
                reply[size_t(position)] ^= 0x5A;
        }
        return std::vector<Bytes>{reply};
    };
    const ReportBuffer report = dpiChunk();
    QCOMPARE(TransferReport(m_link.commandHandle(), report.bytes.data(), kReportLength), result);
    QCOMPARE(int(m_script.writes.size()), writes);
    QCOMPARE(m_script.echoReads, echoReads);
    // Every write sends the identical, checksummed report.
    for (const auto &w : m_script.writes)
        QVERIFY(w.report == m_script.writes.front().report);
}

void TestTransport::failingReadsAreBounded()
{
    m_script.readsFail = true;
    const ReportBuffer report = ReportBuffer::command(0x46, 1);
    QCOMPARE(TransferReport(m_link.commandHandle(), report.bytes.data(), kReportLength), 2);
    // 29 rereads after the first failure; from then on every failure is
    // answered by a rewrite, of which there are two.
    QCOMPARE(int(m_script.writes.size()), 3);
    QCOMPARE(m_script.echoReads, 32);
}

void TestTransport::staleReplyIsDiscardedBeforeWriting()
{
    // A reply left over from an earlier exchange waits in the queue; taken for
    // the echo it would cost rereads. It must be gone before the write.
    Bytes stale(kReportLength, 0);
    stale[0] = kReportId;
    stale[2] = kFrameMarker;
    stale[3] = 0x02;
    stale[4] = 0x77;
    m_script.queue.push_back(stale);
    m_script.queue.push_back(stale);

    const ReportBuffer report = dpiChunk();
    QCOMPARE(TransferReport(m_link.commandHandle(), report.bytes.data(), kReportLength), 0);
    QCOMPARE(m_script.echoReads, 1);
    QVERIFY(m_script.drainReads >= 3);
}

void TestTransport::foreignInputIsNotAMismatch()
{
    // Mouse motion from the same node arrives around the echo; it is neither
    // a bad header nor an all-zero reply. A report with ID 0 is no input
    // report, though, and counts as an all-zero reply.
    m_script.respond = [](const Bytes &w) {
        Bytes motion(8, 0);
        motion[0] = 0x01;
        motion[2] = 0x05;
        return std::vector<Bytes>{motion, motion, echoOf(w), motion};
    };
    int rereads = 0;
    TransportTrace::setHandler([&](const TransportTrace::Step &step) { rereads += step.event == TransferEvent::Reread; });
    const ReportBuffer report = dpiChunk();
    QCOMPARE(TransferReport(m_link.commandHandle(), report.bytes.data(), kReportLength), 0);
    QCOMPARE(int(m_script.writes.size()), 1);
    QCOMPARE(rereads, 0);
    // The motion after the echo is discarded before the next exchange.
    QCOMPARE(TransferReport(m_link.commandHandle(), report.bytes.data(), kReportLength), 0);
    QCOMPARE(int(m_script.writes.size()), 2);

    m_script.writes.clear();
    m_script.respond = [&](const Bytes &w) {
        if (m_script.writes.size() == 1)
            return std::vector<Bytes>{Bytes(kReportLength, 0)};
        return std::vector<Bytes>{echoOf(w)};
    };
    QCOMPARE(TransferReport(m_link.commandHandle(), report.bytes.data(), kReportLength), 0);
    QCOMPARE(int(m_script.writes.size()), 2);
}

void TestTransport::cableIsPreferred()
{
    m_link.useCommandHandle(fakeHandle(4), true);
    const ReportBuffer report = ReportBuffer::command(0x46);
    QCOMPARE(TransferReport(m_link.commandHandle(), report.bytes.data(), kReportLength), 0);
    m_link.useCommandHandle(nullptr, true);
    QCOMPARE(TransferReport(m_link.commandHandle(), report.bytes.data(), kReportLength), 0);
    QCOMPARE(m_script.writes.size(), size_t(2));
    QCOMPARE(m_script.writes[0].handle, fakeHandle(4));
    QCOMPARE(m_script.writes[1].handle, fakeHandle(1));
}

void TestTransport::virtualMouseExchanges_data()
{
    QTest::addColumn<bool>("viaCable");
    QTest::addColumn<int>("fault");        // -1: none
    QTest::addColumn<int>("faultCount");
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("writes");

    const int none = -1;
    const int drop = int(SimFault::DropReply);
    const int zero = int(SimFault::ZeroReply);
    const int payload = int(SimFault::WrongPayload);
    const int foreign = int(SimFault::ForeignInput);
    for (bool cable : {false, true}) {
        const char *link = cable ? "cable: " : "receiver: ";
        auto row = [&](const char *name) -> QTestData & {
            return QTest::newRow((QByteArray(link) + name).constData());
        };
        row("select profile, no read") << cable << none << 0 << 0x44 << 0 << 1;
        row("upload mark echoed") << cable << none << 0 << 0x46 << 0 << 1;
        row("DPI chunk echoed") << cable << none << 0 << 0x02 << 0 << 1;
        row("dropped reply, written again") << cable << drop << 1 << 0x02 << 0 << 2;
        row("bent payload, written again") << cable << payload << 1 << 0x02 << 0 << 2;
        row("bent payload three times") << cable << payload << 3 << 0x02 << 2 << 3;
        row("five zero replies") << cable << zero << 5 << 0x46 << 0 << 6;
        row("six zero replies") << cable << zero << 6 << 0x46 << 2 << 6;
        row("motion around the echoes") << cable << foreign << 3 << 0x02 << 0 << 1;
    }
}

void TestTransport::virtualMouseExchanges()
{
    QFETCH(bool, viaCable);
    QFETCH(int, fault);
    QFETCH(int, faultCount);
    QFETCH(int, command);
    QFETCH(int, result);
    QFETCH(int, writes);

    openVirtualMouse(!viaCable, viaCable);
    if (fault >= 0)
        m_mouse->injectFault(SimFault(fault), faultCount);
    const ReportBuffer report = command == 0x02 ? dpiChunk() : ReportBuffer::command(uint8_t(command), 1);
    QCOMPARE(TransferReport(m_link.commandHandle(), report.bytes.data(), kReportLength), result);
    QCOMPARE(m_mouse->writeCount(), writes);
    if (fault == int(SimFault::ForeignInput)) {
        // Further exchanges see the motion the fault still queues and pass.
        QCOMPARE(TransferReport(m_link.commandHandle(), report.bytes.data(), kReportLength), 0);
        QCOMPARE(TransferReport(m_link.commandHandle(), report.bytes.data(), kReportLength), 0);
        QCOMPARE(m_mouse->writeCount(), 3);
    }
    if (command == 0x44)
        QCOMPARE(m_mouse->readCount(), 0);
}

void TestTransport::persistentHeaderMismatch()
{
    // Every reply has position 4 bent: 20 reads judge the first reply, then
    // each of two rewrites gets one more read, then the exchange fails.
    openVirtualMouse(true, false);
    m_mouse->injectFault(SimFault::WrongHeader, 3);
    int rereads = 0;
    int rewrites = 0;
    int mismatches = 0;
    TransportTrace::setHandler([&](const TransportTrace::Step &step) {
        mismatches += step.event == TransferEvent::HeaderMismatch;
        rereads += step.event == TransferEvent::Reread;
        rewrites += step.event == TransferEvent::Rewrite;
    });
    const ReportBuffer report = ReportBuffer::command(0x46, 1);
    QCOMPARE(TransferReport(m_link.commandHandle(), report.bytes.data(), kReportLength), 2);
    QCOMPARE(m_mouse->writeCount(), 3);
    QCOMPARE(m_mouse->readCount(), 3);   // one reply per write; the rest time out
    QCOMPARE(rereads, 19);
    QCOMPARE(rewrites, 2);
    QCOMPARE(mismatches, 22);
}

void TestTransport::noDeviceMakesNoCall()
{
    m_link.useCommandHandle(nullptr, false);
    const ReportBuffer report = ReportBuffer::command(0x46);
    QCOMPARE(TransferReport(m_link.commandHandle(), report.bytes.data(), kReportLength), 1);
    QCOMPARE(m_script.totalCalls(), 0);

    // The same once the handles of a present mouse were closed.
    openVirtualMouse(true, false);
    m_link.close();
    QCOMPARE(TransferReport(m_link.commandHandle(), report.bytes.data(), kReportLength), 1);
    QCOMPARE(m_mouse->writeCount(), 0);
    QCOMPARE(m_mouse->readCount(), 0);
}

void TestTransport::failedWriteIsNotRetried()
{
    m_script.writesFail = true;
    const ReportBuffer report = dpiChunk();
    QTest::ignoreMessage(QtDebugMsg, "Unable to send a feature report.");
    QCOMPARE(TransferReport(m_link.commandHandle(), report.bytes.data(), kReportLength), 4);
    QCOMPARE(m_script.echoReads, 0);

    openVirtualMouse(true, false);
    m_mouse->injectFault(SimFault::WriteFail, 1);
    QTest::ignoreMessage(QtDebugMsg, "Unable to send a feature report.");
    QCOMPARE(TransferReport(m_link.commandHandle(), report.bytes.data(), kReportLength), 4);
    QCOMPARE(m_mouse->writeCount(), 0);
    // The fault was for one exchange only.
    QCOMPARE(TransferReport(m_link.commandHandle(), report.bytes.data(), kReportLength), 0);
    QCOMPARE(m_mouse->writeCount(), 1);
}

QTEST_GUILESS_MAIN(TestTransport)
#include "test_transport.moc"
