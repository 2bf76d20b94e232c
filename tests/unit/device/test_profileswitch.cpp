// What reaches the wire when the mouse is switched to another profile from
// the menu: every report goes out even when an earlier one failed, because
// the menu does not look at the results and a lost select must still be
// followed by the apply reports.

#include "config/appconfig.h"
#include "device/mouselink.h"
#include "device/profileswitch.h"
#include "device/transport.h"
#include "sim/virtualmouse.h"
#include "testenvironment.h"

#include <QtTest>

#include <deque>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

// A command channel that records every report written to it, refuses the
// writes of one command code and echoes everything else.
class RecordingBackend : public HidBackend {
public:
    int refusedCommand = -1;
    std::vector<Bytes> writes;
    std::deque<Bytes> queue;

    int init() override { return 0; }
    int exit() override { return 0; }
    std::vector<HidDeviceInfo> enumerate(uint16_t, uint16_t) override { return {}; }
    HidHandle open(const std::string &) override { return nullptr; }
    void close(HidHandle) override {}
    int write(HidHandle, const unsigned char *data, size_t length) override
    {
        writes.emplace_back(data, data + length);
        if (length > 3 && data[3] == refusedCommand)
            return -1;
        queue.push_back(writes.back());
        return int(length);
    }
    int readTimeout(HidHandle, unsigned char *data, size_t length, int) override
    {
        if (queue.empty())
            return 0;
        const Bytes reply = queue.front();
        queue.pop_front();
        const size_t n = std::min(length, reply.size());
        std::copy_n(reply.begin(), n, data);
        return int(n);
    }

    // Every report written, in order, as hex of its first bytes.
    QStringList writtenHeads(int count = 6) const
    {
        QStringList heads;
        for (const Bytes &w : writes)
            heads << QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(w.data()), count).toHex(' '));
        return heads;
    }
};

HidHandle fakeHandle() { return reinterpret_cast<HidHandle>(static_cast<uintptr_t>(0x4242)); }

} // namespace

class TestProfileSwitch : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void selectIsFollowedByApplyWhateverItsResult();
    void profileSwitchSendsEveryApply();
    void virtualMouseTakesTheSwitch();
    void tablesFollowOnlyATakenSwitch_data();
    void tablesFollowOnlyATakenSwitch();

private:
    RecordingBackend m_backend;
    MouseLink m_link;
};

void TestProfileSwitch::init()
{
    m_backend = RecordingBackend();
    setHidBackend(&m_backend);
    m_link.useCommandHandle(fakeHandle(), true);
}

void TestProfileSwitch::cleanup()
{
    m_link.close();
    setHidBackend(nullptr);
}

void TestProfileSwitch::selectIsFollowedByApplyWhateverItsResult()
{
    // Checksums: (FA + 44 + 03) & FF ^ 66 = 27; (FA + 40 + F3 + 01) & FF ^ 66 = 48.
    m_backend.refusedCommand = 0x44;
    QCOMPARE(SendSelectProfile(m_link, 3), int(kTransferWriteFailed));
    QCOMPARE(m_backend.writtenHeads(8), (QStringList{"05 27 fa 44 03 00 00 00", "05 48 fa 40 f3 01 00 00"}));
}

void TestProfileSwitch::profileSwitchSendsEveryApply()
{
    // The select and its own apply, then the five apply groups of a whole
    // upload in their order.
    QCOMPARE(SendProfileSwitch(m_link, 4), int(kTransferOk));
    QCOMPARE(m_backend.writtenHeads(),
             (QStringList{"05 24 fa 44 04 00", "05 48 fa 40 f3 01", "05 57 fa 40 f3 04", "05 48 fa 40 f3 01",
                          "05 49 fa 40 f3 02", "05 53 fa 40 f3 08", "05 5b fa 40 f3 10"}));

    // A refused apply after the select: the apply-all sequence still starts,
    // and ends at its own first failure.
    m_backend = RecordingBackend();
    m_backend.refusedCommand = 0x40;
    QCOMPARE(SendProfileSwitch(m_link, 1), int(kTransferWriteFailed));
    QCOMPARE(m_backend.writtenHeads(), (QStringList{"05 59 fa 44 01 00", "05 48 fa 40 f3 01", "05 57 fa 40 f3 04"}));
}

void TestProfileSwitch::virtualMouseTakesTheSwitch()
{
    VirtualMouse mouse;
    mouse.plug(SimLink::Receiver);
    setHidBackend(&mouse);
    const HidHandle handle = mouse.open(VirtualMouse::nodePath(SimLink::Receiver));
    QVERIFY(handle);
    m_link.useCommandHandle(handle, true);

    QCOMPARE(SendProfileSwitch(m_link, 2), int(kTransferOk));
    const VirtualMouse::Memory m = mouse.memory();
    QCOMPARE(m.rejectedReports, 0);
    QCOMPARE(m.activeProfile, 2);
    QCOMPARE(m.profileSelects, std::vector<int>{2});
    QCOMPARE(m.applyGroups, (std::vector<int>{0x01, 0x04, 0x01, 0x02, 0x08, 0x10}));
    m_link.close();
    mouse.close(handle);
}

void TestProfileSwitch::tablesFollowOnlyATakenSwitch_data()
{
    QTest::addColumn<bool>("mouseOff");
    QTest::addColumn<int>("refused");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("reportsWritten");
    QTest::addColumn<bool>("tablesSent");
    QTest::addColumn<int>("diff");

    QTest::newRow("taken") << false << -1 << int(kTransferOk) << 7 << true << 0;
    QTest::newRow("select refused") << false << 0x44 << int(kTransferWriteFailed) << 7 << false << 1;
    QTest::newRow("mouse off: nothing goes out") << true << -1 << int(kTransferMouseOff) << 0 << false << 1;
}

void TestProfileSwitch::tablesFollowOnlyATakenSwitch()
{
    QFETCH(bool, mouseOff);
    QFETCH(int, refused);
    QFETCH(int, result);
    QFETCH(int, reportsWritten);
    QFETCH(bool, tablesSent);
    QFETCH(int, diff);

    TestEnvironment env;
    QVERIFY(AppConfig::setDiff(0));
    m_link.setMouseOff(mouseOff);
    m_backend.refusedCommand = refused;
    int madeCurrent = -1;
    bool sent = false;
    ProfileSwitchSteps steps;
    steps.makeCurrent = [&madeCurrent](int profile) { madeCurrent = profile; };
    steps.sendTables = [&sent] {
        sent = true;
        return int(kTransferOk);
    };

    QCOMPARE(switchProfileThenSendTables(m_link, 3, steps), result);
    QCOMPARE(int(m_backend.writes.size()), reportsWritten);
    // The settings name the chosen profile whatever the mouse did.
    QCOMPARE(madeCurrent, 3);
    QCOMPARE(sent, tablesSent);
    QCOMPARE(AppConfig::diff(), diff);
}

QTEST_GUILESS_MAIN(TestProfileSwitch)
#include "test_profileswitch.moc"
