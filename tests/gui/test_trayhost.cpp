// The tray when its host comes late, as at log-in with the autostart entry:
// the watcher follows a StatusNotifier host on a private session bus, the
// icon is made once a tray is there, a hidden start waits a grace period for
// it, and the tray menu's "Show window" brings the window back.

#include "test_mainwindowfixture.h"

#include "platform/trayhostwatcher.h"
#include "privatesessionbus.h"
#include "shell/traycontroller.h"
#include "widgets/skinbutton.h"
#include "trayhoststandin.h"

#include <QAction>
#include <QMenu>
#include <QSignalSpy>

#include <memory>

class TestTrayHost : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void watcherFollowsTheHost();
    void hostAlreadyThereAtStart();
    void hiddenStartWaitsForALateTray();
    void hiddenStartWithoutTrayShowsTheWindow();
    void trayMenuShowsTheWindow();

private:
    std::unique_ptr<PrivateSessionBus> m_bus;
};

void TestTrayHost::initTestCase()
{
    m_bus = std::make_unique<PrivateSessionBus>();
    if (!m_bus->isRunning())
        QSKIP(qPrintable(m_bus->error()));
    // The window's watcher uses the session bus: this one.
    m_bus->becomeSessionBus();
}

void TestTrayHost::watcherFollowsTheHost()
{
    TrayHostWatcher watcher(m_bus->connect(QStringLiteral("watcher")));
    QSignalSpy changes(&watcher, &TrayHostWatcher::availabilityChanged);
    TrayHostStandIn panel(m_bus->connect(QStringLiteral("panel")));
    QVERIFY(!watcher.isAvailable());

    // The watcher service comes first, its tray host later.
    QVERIFY(panel.serve());
    QVERIFY(!QTest::qWaitFor([&watcher] { return watcher.isAvailable(); }, 300));
    QVERIFY(!watcher.isAvailable());
    panel.setHostRegistered(true);
    QTRY_VERIFY(watcher.isAvailable());
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.last().first().toBool(), true);

    // The host goes while the service stays; then it comes back.
    panel.setHostRegistered(false);
    QTRY_VERIFY(!watcher.isAvailable());
    panel.setHostRegistered(true);
    QTRY_VERIFY(watcher.isAvailable());

    // The panel ends altogether.
    panel.stop();
    QTRY_VERIFY(!watcher.isAvailable());
    QCOMPARE(changes.count(), 4);
}

void TestTrayHost::hostAlreadyThereAtStart()
{
    TrayHostStandIn panel(m_bus->connect(QStringLiteral("panel")));
    QVERIFY(panel.serve());
    panel.setHostRegistered(true);
    TrayHostWatcher watcher(m_bus->connect(QStringLiteral("watcher")));
    QTRY_VERIFY(watcher.isAvailable());
}

void TestTrayHost::hiddenStartWaitsForALateTray()
{
    TrayHostStandIn panel(m_bus->connect(QStringLiteral("panel")));
    WindowFixture f;
    f.mouse->plug(SimLink::Receiver);
    f.window = std::make_unique<MainWindow>(f.mouse.get());
    MainWindow &w = *f.window;
    const int grace = 600;
    w.startHidden(grace);
    QVERIFY(!WindowInside::tray(w)->hasTray());
    QVERIFY(!WindowInside::tray(w)->icon());

    // The panel comes up within the grace period: the icon appears, and the
    // window stays in the tray past the end of the grace period.
    QVERIFY(panel.serve());
    panel.setHostRegistered(true);
    QTRY_VERIFY(WindowInside::tray(w)->icon());
    QVERIFY(WindowInside::tray(w)->icon()->isVisible());
    QCOMPARE(WindowInside::tray(w)->icon()->contextMenu(), WindowInside::tray(w)->menu());
    QVERIFY(!QTest::qWaitFor([&w] { return w.isVisible(); }, grace + 400));

    // The tray goes away: the icon hides with it.
    panel.stop();
    QTRY_VERIFY(!WindowInside::tray(w)->icon()->isVisible());
}

void TestTrayHost::hiddenStartWithoutTrayShowsTheWindow()
{
    WindowFixture f;
    f.mouse->plug(SimLink::Receiver);
    f.window = std::make_unique<MainWindow>(f.mouse.get());
    MainWindow &w = *f.window;
    w.startHidden(200);
    QVERIFY(!w.isVisible());
    // No tray came: nothing but the window could bring the program back.
    QTRY_VERIFY(w.isVisible());
    QVERIFY(!WindowInside::tray(w)->icon());
}

void TestTrayHost::trayMenuShowsTheWindow()
{
    TrayHostStandIn panel(m_bus->connect(QStringLiteral("panel")));
    QVERIFY(panel.serve());
    panel.setHostRegistered(true);
    WindowFixture f;
    MainWindow &w = f.openWithReceiver();
    QTRY_VERIFY(WindowInside::tray(w)->icon());

    // "Show window" heads the program's own entries.
    const QList<QAction *> actions = WindowInside::tray(w)->menu()->actions();
    QVERIFY(actions.contains(WindowInside::tray(w)->showAction()));
    QCOMPARE(actions.indexOf(WindowInside::tray(w)->showAction()) + 1, actions.indexOf(WindowInside::tray(w)->loadAction()));
    QCOMPARE(WindowInside::tray(w)->showAction()->text(), MainWindow::tr("Show window"));

    // With a tray the close button hides the window into it.
    QTRY_VERIFY(WindowInside::tray(w)->hasTray());
    QTest::mouseClick(const_cast<SkinButton *>(WindowInside::controls(w).close), Qt::LeftButton);
    QVERIFY(w.isHidden());
    WindowInside::tray(w)->showAction()->trigger();
    QVERIFY(w.isVisible());
    // No disconnect warning or other box on the way: the mouse is there.
    QVERIFY(!WindowInside::warningShown(w));
    w.showMinimized();
    WindowInside::tray(w)->showAction()->trigger();
    QTRY_VERIFY(!(w.windowState() & Qt::WindowMinimized));
}

QTEST_MAIN(TestTrayHost)
#include "test_trayhost.moc"
