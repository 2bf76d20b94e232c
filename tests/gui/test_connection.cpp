// Plug events as the main window sees them through the virtual mouse's plug
// and unplug: a second model and the switch between models, removal of the
// current model, one of two connections leaving, and the last mouse leaving
// and coming back (the "Dongle Disconnect!" warning).

#include "test_mainwindowfixture.h"

#include "config/appconfig.h"
#include "device/deviceaccessadvice.h"
#include "device/mouselist.h"
#include "shell/devicestatuspanel.h"
#include "widgets/skinbutton.h"

#include <QElapsedTimer>
#include <QMenu>

namespace {

const char kFirst[] = "QORV Nimbus 6";
const char kSecond[] = "QORV Nimbus 6 Mini";
const uint16_t kSecondPid = 0xFA10;

// A second model in the mouse list, reached through what the virtual mouse
// calls its cable (given the second model's identity).
void addSecondModel(VirtualMouse &mouse)
{
    mouse.setIdentities(0x248A, 0xFA02, 0x248A, kSecondPid);
    MouseList &list = mouseList();
    MouseListEntry &entry = list.entries[1];
    entry = MouseListEntry();
    entry.name = MouseListEntry::storedName(QLatin1String(kSecond));
    entry.group(LinkGroup::Receiver).vendorId = 0x248A;
    entry.group(LinkGroup::Receiver).productId = kSecondPid;
    entry.collection(MouseCollection::ReceiverMouse).usage = kMouseUsage;
    entry.collection(MouseCollection::ReceiverCommand).usage = kCommandUsage;
    entry.collection(MouseCollection::CableMouse).usage = kMouseUsage;
    entry.collection(MouseCollection::CableCommand).usage = kCommandUsage;
    list.count = 2;
}

QAction *menuEntry(MainWindow &w, const QString &name)
{
    for (QAction *action : WindowInside::connection(w)->modelMenu()->actions()) {
        if (action->text() == name)
            return action;
    }
    return nullptr;
}

} // namespace

class TestConnection : public QObject {
    Q_OBJECT
private slots:
    void secondModelArrivesAndIsChosen();
    void removingTheCurrentModelSwitchesToTheOther();
    void oneOfTwoConnectionsLeaves();
    void lastMouseLeavesAndComesBack();
    void mouseThatMayNotBeOpenedIsExplained();
};

void TestConnection::secondModelArrivesAndIsChosen()
{
    WindowFixture f;
    MainWindow &w = f.openWithReceiver();
    addSecondModel(*f.mouse);
    QVERIFY(WindowInside::controls(w).model->isHidden());

    f.mouse->plug(SimLink::Cable);
    QTRY_COMPARE(w.presentModelCount(), 2);
    QCOMPARE(WindowInside::modelNames(w), QStringList({QLatin1String(kFirst), QLatin1String(kSecond)}));
    // The stored model is present: it stays current.
    QVERIFY(!WindowInside::controls(w).model->isHidden());
    QCOMPARE(WindowInside::controls(w).model->text(), QLatin1String(kFirst));
    QCOMPARE(w.currentModel(), QLatin1String(kFirst));
    QCOMPARE(AppConfig::diff(), 1);   // an arrival: the next upload sends everything
    // Past the reopen's settling pause: the poller runs again.
    QTRY_VERIFY(WindowInside::connection(w)->hasStatusThread());

    QAction *second = menuEntry(w, QLatin1String(kSecond));
    QVERIFY(second);
    f.editing().profiles[0].dpi = 99;   // an unsent edit, dropped by the switch
    second->trigger();
    QCOMPARE(w.currentModel(), QLatin1String(kSecond));
    QCOMPARE(AppConfig::currentProductName(), QLatin1String(kSecond));
    QCOMPARE(WindowInside::controls(w).model->text(), QLatin1String(kSecond));
    QVERIFY(f.link().receiverCommandHandle() != nullptr);
    QVERIFY(WindowInside::connection(w)->hasStatusThread());
    QVERIFY(f.editing() == f.stored());
    QCOMPARE(WindowInside::currentTab(w), PageTab::Lighting);
    QVERIFY(WindowInside::frontView(w));
    QTRY_COMPARE(WindowInside::connection(w)->hasStatusThread(), true);
}

void TestConnection::removingTheCurrentModelSwitchesToTheOther()
{
    WindowFixture f;
    MainWindow &w = f.openWithReceiver();
    addSecondModel(*f.mouse);
    f.mouse->plug(SimLink::Cable);
    QTRY_COMPARE(w.presentModelCount(), 2);
    menuEntry(w, QLatin1String(kSecond))->trigger();
    QCOMPARE(w.currentModel(), QLatin1String(kSecond));
    w.selectTab(PageTab::Performance);

    BoxWatcher boxes;
    f.mouse->unplug(SimLink::Cable);
    QTRY_COMPARE(w.presentModelCount(), 1);
    QCOMPARE(w.currentModel(), QLatin1String(kFirst));
    QCOMPARE(AppConfig::currentProductName(), QLatin1String(kFirst));
    QVERIFY(WindowInside::controls(w).model->isHidden());
    QCOMPARE(WindowInside::currentTab(w), PageTab::Lighting);
    QVERIFY(f.link().receiverCommandHandle() != nullptr);
    QVERIFY(f.editing() == f.stored());
    // No warning may follow: whatever showing of the window is still due
    // (the start-up one) has run, and no box came with it.
    QTRY_VERIFY(!WindowInside::connection(w)->warningPending());
    QVERIFY(boxes.texts.isEmpty());
    QVERIFY(w.mouseReady());
}

void TestConnection::oneOfTwoConnectionsLeaves()
{
    WindowFixture f;
    f.mouse->plug(SimLink::Receiver);
    f.mouse->plug(SimLink::Cable);
    MainWindow &w = f.open();
    QVERIFY(f.link().cableCommandHandle() != nullptr);
    QVERIFY(f.link().receiverCommandHandle() != nullptr);
    WindowInside::statusPanel(w).showBattery(0, 0xe8, 0x03);
    QCOMPARE(WindowInside::statusMode(w), 1);

    f.mouse->unplug(SimLink::Cable);
    // The handles are reopened over what is left: the receiver.
    QTRY_VERIFY(f.link().cableCommandHandle() == nullptr);
    QVERIFY(f.link().receiverCommandHandle() != nullptr);
    QCOMPARE(w.presentModelCount(), 1);
    QCOMPARE(WindowInside::statusMode(w), 2);
    // The poller comes back once the reopened device has settled, and reads
    // the receiver: the mouse sees its status query.
    QTRY_VERIFY_WITH_TIMEOUT(WindowInside::connection(w)->hasStatusThread(), 2000);
    f.mouse->resetCounters();
    f.mouse->press(SimButton::Rate);
    QTRY_VERIFY_WITH_TIMEOUT(f.mouse->readCount() > 0, 3000);
}

void TestConnection::lastMouseLeavesAndComesBack()
{
    WindowFixture f;
    MainWindow &w = f.openWithReceiver();
    QTRY_VERIFY_WITH_TIMEOUT(firstAnswerTaken(w), kFirstAnswerTimeoutMs);
    // The start-up showing has run before the unplug below: the warning's
    // delay is then the unplug's alone.
    QTRY_VERIFY(!WindowInside::connection(w)->warningPending());
    QVERIFY(AppConfig::setDiff(0));

    QElapsedTimer clock;
    BoxWatcher boxes(false);
    qint64 boxAt = -1;
    bool closedOnLeave = false;
    boxes.onBox = [&](SkinMessageBox *) {
        boxAt = clock.elapsed();
        closedOnLeave = f.link().commandHandle() == nullptr && !w.mouseReady();
        // Posted from inside the box's modal loop: the mouse comes back
        // while the box is up.
        QTimer::singleShot(0, [&] { f.mouse->plug(SimLink::Receiver); });
    };
    clock.start();
    f.mouse->unplug(SimLink::Receiver);
    QTRY_VERIFY_WITH_TIMEOUT(boxAt >= 0 && !visibleMessageBox(), 5000);

    QCOMPARE(boxes.texts, QStringList{QStringLiteral("Dongle Disconnect!")});
    // The hot-plug gathering and the 200 ms pause come first.
    QVERIFY2(boxAt >= 200 && boxAt < 4000, qPrintable(QString::number(boxAt)));
    QVERIFY(closedOnLeave);
    QVERIFY(w.mouseReady());
    QVERIFY(w.isVisible());
    QVERIFY(!WindowInside::warningShown(w));
    QVERIFY(f.link().commandHandle() != nullptr);
    QCOMPARE(WindowInside::selectedGroup(w), 0);
    QCOMPARE(WindowInside::selectedSpot(w), 0);
    QCOMPARE(AppConfig::diff(), 1);
    QTRY_VERIFY(WindowInside::connection(w)->hasStatusThread());
}

void TestConnection::mouseThatMayNotBeOpenedIsExplained()
{
    WindowFixture f;
    f.mouse->plug(SimLink::Receiver);
    f.mouse->setOpenRefused(SimLink::Receiver, true);
    BoxWatcher boxes;
    MainWindow &w = f.open();

    // Present, not disconnected: the user is told why nothing answers.
    QTRY_COMPARE_WITH_TIMEOUT(boxes.texts.size(), 1, 5000);
    QCOMPARE(boxes.kinds, QList<int>{SkinMessageBox::Warning});
    QCOMPARE(boxes.texts[0], deviceAccessAdvice(QString::fromStdString(VirtualMouse::nodePath(SimLink::Receiver))));
    QCOMPARE(w.presentModelCount(), 1);
    QVERIFY(f.link().commandHandle() == nullptr);

    // With access granted, a replug opens the mouse.
    f.mouse->setOpenRefused(SimLink::Receiver, false);
    f.mouse->unplug(SimLink::Receiver);
    f.mouse->plug(SimLink::Receiver);
    QTRY_VERIFY_WITH_TIMEOUT(f.link().commandHandle() != nullptr && w.mouseReady(), 5000);
}

QTEST_MAIN(TestConnection)
#include "test_connection.moc"
