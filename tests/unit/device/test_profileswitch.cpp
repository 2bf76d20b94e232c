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

#include <memory>
#include <vector>

namespace {

// Every report written to the mouse, refused ones too, in order, as hex of
// its first bytes.
QStringList writtenHeads(const VirtualMouse &mouse, int count = 6)
{
    QStringList heads;
    for (const VirtualMouse::Write &w : mouse.writes())
        heads << QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(w.report.data()), count).toHex(' '));
    return heads;
}

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
    std::unique_ptr<VirtualMouse> m_mouse;
    MouseLink m_link;
};

void TestProfileSwitch::init()
{
    m_mouse = std::make_unique<VirtualMouse>();
    m_mouse->plug(SimLink::Receiver);
    setHidBackend(m_mouse.get());
    const HidHandle handle = m_mouse->open(VirtualMouse::nodePath(SimLink::Receiver));
    QVERIFY(handle);
    m_link.useCommandHandle(handle, true);
}

void TestProfileSwitch::cleanup()
{
    m_link.close();
    setHidBackend(nullptr);
    m_mouse.reset();
}

void TestProfileSwitch::selectIsFollowedByApplyWhateverItsResult()
{
    // Checksums: (FA + 44 + 03) & FF ^ 66 = 27; (FA + 40 + F3 + 01) & FF ^ 66 = 48.
    m_mouse->injectFault(SimFault::WriteFail, 1);
    QCOMPARE(SendSelectProfile(m_link, 3), int(kTransferWriteFailed));
    QCOMPARE(writtenHeads(*m_mouse, 8), (QStringList{"05 27 fa 44 03 00 00 00", "05 48 fa 40 f3 01 00 00"}));
}

void TestProfileSwitch::profileSwitchSendsEveryApply()
{
    // The select and its own apply, then the five apply groups of a whole
    // upload in their order.
    QCOMPARE(SendProfileSwitch(m_link, 4), int(kTransferOk));
    QCOMPARE(writtenHeads(*m_mouse),
             (QStringList{"05 24 fa 44 04 00", "05 48 fa 40 f3 01", "05 57 fa 40 f3 04", "05 48 fa 40 f3 01",
                          "05 49 fa 40 f3 02", "05 53 fa 40 f3 08", "05 5b fa 40 f3 10"}));

    // A refused apply after the select: the apply-all sequence still starts,
    // and ends at its own first failure.
    m_mouse->resetCounters();
    m_mouse->injectFault(SimFault::WriteFail, 2, 2);
    QCOMPARE(SendProfileSwitch(m_link, 1), int(kTransferWriteFailed));
    QCOMPARE(writtenHeads(*m_mouse), (QStringList{"05 59 fa 44 01 00", "05 48 fa 40 f3 01", "05 57 fa 40 f3 04"}));
    QCOMPARE(m_mouse->writeCount(), 1);
}

void TestProfileSwitch::virtualMouseTakesTheSwitch()
{
    QCOMPARE(SendProfileSwitch(m_link, 2), int(kTransferOk));
    const VirtualMouse::Memory m = m_mouse->memory();
    QCOMPARE(m.rejectedReports, 0);
    QCOMPARE(m.activeProfile, 2);
    QCOMPARE(m.profileSelects, std::vector<int>{2});
    QCOMPARE(m.applyGroups, (std::vector<int>{0x01, 0x04, 0x01, 0x02, 0x08, 0x10}));
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
    if (refused == 0x44)
        m_mouse->injectFault(SimFault::WriteFail, 1);   // the select is the first report
    int madeCurrent = -1;
    bool sent = false;
    ProfileSwitchSteps steps;
    steps.makeCurrent = [&madeCurrent](int profile) { madeCurrent = profile; };
    steps.sendTables = [&sent] {
        sent = true;
        return int(kTransferOk);
    };

    QCOMPARE(switchProfileThenSendTables(m_link, 3, steps), result);
    QCOMPARE(int(m_mouse->writes().size()), reportsWritten);
    // The settings name the chosen profile whatever the mouse did.
    QCOMPARE(madeCurrent, 3);
    QCOMPARE(sent, tablesSent);
    QCOMPARE(AppConfig::diff(), diff);
}

QTEST_GUILESS_MAIN(TestProfileSwitch)
#include "test_profileswitch.moc"
