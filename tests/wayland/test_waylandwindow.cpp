// The main window as a native Wayland client (run by run_under_weston.sh on a
// headless weston): it shows, the on-screen texts take the notification road,
// tabs and the minimise button work, a drag on the frameless window is
// handed to the compositor or moves nothing by hand, an edit on a page sent
// with Apply reaches the virtual mouse, and the window goes away cleanly.

#include "test_mainwindowfixture.h"

#include "config/mouseconfig.h"
#include "platform/onscreenfeedback.h"
#include "widgets/veskpushbutton.h"

#include <QGuiApplication>
#include <QSpinBox>
#include <QWindow>

class TestWaylandWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void windowOnWayland();
};

void TestWaylandWindow::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("wayland"))
        QSKIP("needs the Wayland platform: run through tests/wayland/run_under_weston.sh");
}

void TestWaylandWindow::windowOnWayland()
{
    WindowFixture f;
    f.mouse->plug(SimLink::Receiver);
    MousecfgWidget &w = f.open();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // The overlay program cannot place itself over a Wayland desktop.
    QVERIFY(!w.onScreenFeedback()->usesOverlay());

    // Tabs.
    QTest::mouseClick(const_cast<VeskPushButton *>(w.controls().tabs[WindowControls::TabDpi]), Qt::LeftButton);
    QCOMPARE(w.currentTab(), int(WindowControls::TabDpi));

    // A drag on the background: the compositor takes it, or nothing moves.
    const QPoint grip(w.width() / 2, 8);
    QTest::mousePress(&w, Qt::LeftButton, Qt::NoModifier, grip);
    QMouseEvent move(QEvent::MouseMove, grip + QPoint(60, 40), w.mapToGlobal(grip + QPoint(60, 40)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &move);
    QTest::mouseRelease(&w, Qt::LeftButton, Qt::NoModifier, grip + QPoint(60, 40));
    QVERIFY(w.isVisible());

    // An edit on a page, sent with Apply, reaches the mouse: the wheel's
    // lines per notch on the performance page of the DPI tab.
    QTRY_VERIFY_WITH_TIMEOUT(f.mouse->readCount() > 0, 10000);
    auto *scroll = w.findChild<QSpinBox *>(QStringLiteral("scroll"));
    QVERIFY(scroll);
    QVERIFY(scroll->isVisible());
    const int lines = scroll->value() == 7 ? 8 : 7;
    scroll->setValue(lines);
    BoxWatcher boxes;
    QTest::mouseClick(const_cast<VeskPushButton *>(w.controls().apply), Qt::LeftButton);
    QVERIFY2(boxes.texts.isEmpty(), qPrintable(boxes.texts.join(QLatin1Char('|'))));
    QCOMPARE(f.mouse->memory().scrollspeed[size_t(f.editing().profileIndex())], lines);
    QVERIFY(f.stored() == f.editing());

    // Minimise asks the compositor; the window stays alive.
    QTest::mouseClick(const_cast<VeskPushButton *>(w.controls().minimise), Qt::LeftButton);
    QTRY_VERIFY(w.windowState() & Qt::WindowMinimized);

    // Gone cleanly: the poller stopped, no surface left on screen.
    f.window.reset();
    for (QWindow *window : QGuiApplication::topLevelWindows())
        QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
}

QTEST_MAIN(TestWaylandWindow)
#include "test_waylandwindow.moc"
