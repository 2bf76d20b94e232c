// The main window as a native Wayland client (run by run_under_weston.sh on a
// headless weston): it shows, the on-screen texts take the notification road,
// tabs and the minimise button work, a drag on the frameless window is
// handed to the compositor or moves nothing by hand, an edit on a page sent
// with Apply reaches the virtual mouse, and the window goes away cleanly.
// In the compositor's own picture of the screen the window's cut corners
// show the desktop behind them.

#include "test_mainwindowfixture.h"

#include "config/mouseconfig.h"
#include "platform/onscreenfeedback.h"
#include "widgets/skinbutton.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWindow>

#include <optional>

namespace {

// The compositor's picture of the whole screen (weston-screenshooter);
// null when it cannot take one.
QImage screenshot()
{
    QTemporaryDir dir;
    QProcess shooter;
    shooter.setWorkingDirectory(dir.path());
    shooter.start(QStringLiteral("weston-screenshooter"), QStringList());
    if (!shooter.waitForFinished(10000) || shooter.exitCode() != 0)
        return QImage();
    const QStringList shots = QDir(dir.path()).entryList({QStringLiteral("*.png")});
    return shots.isEmpty() ? QImage() : QImage(dir.filePath(shots.first())).convertToFormat(QImage::Format_RGB32);
}

// Whether the screen's picture shows the window's own picture `own` with its
// top left at `origin`: a patch from its middle and, on a grid across the
// whole window, every opaque pixel of its shape.
bool showsAt(const QImage &screen, const QImage &own, const QRegion &shape, const QPoint &origin)
{
    const auto matches = [&](const QPoint &at) {
        const QPoint onScreen = origin + at;
        if (!screen.rect().contains(onScreen))
            return false;
        const QRgb pixel = own.pixel(at);
        return qAlpha(pixel) < 255 || (screen.pixel(onScreen) & 0xffffff) == (pixel & 0xffffff);
    };
    const QPoint middle(own.width() / 2, own.height() / 2);
    for (int row = 0; row < 8; ++row) {
        for (int col = 0; col < 8; ++col) {
            if (!matches(middle + QPoint(col, row)))
                return false;
        }
    }
    for (int y = 0; y < own.height(); y += 23) {
        for (int x = 0; x < own.width(); x += 23) {
            if (shape.contains(QPoint(x, y)) && !matches(QPoint(x, y)))
                return false;
        }
    }
    return true;
}

// Where the screen's picture shows the window; nothing when nowhere.
std::optional<QPoint> locate(const QImage &screen, const QImage &own, const QRegion &shape)
{
    for (int y = -own.height() / 2; y < screen.height() - own.height() / 2; ++y) {
        for (int x = -own.width() / 2; x < screen.width() - own.width() / 2; ++x) {
            if (showsAt(screen, own, shape, QPoint(x, y)))
                return QPoint(x, y);
        }
    }
    return std::nullopt;
}

} // namespace

class TestWaylandWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void windowOnWayland();
    void cornersShowTheDesktop();
};

void TestWaylandWindow::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("wayland"))
        QSKIP("needs the Wayland platform: run through tests/wayland/run_under_weston.sh");
}

void TestWaylandWindow::windowOnWayland()
{
    WindowFixture f;
    MainWindow &w = f.openWithReceiver();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // The overlay program cannot place itself over a Wayland desktop.
    QVERIFY(!WindowInside::onScreenFeedback(w)->usesOverlay());

    // Tabs.
    QTest::mouseClick(const_cast<SkinButton *>(WindowInside::controls(w).tabs[size_t(PageTab::Performance)]), Qt::LeftButton);
    QCOMPARE(WindowInside::currentTab(w), PageTab::Performance);

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
    QTest::mouseClick(const_cast<SkinButton *>(WindowInside::controls(w).apply), Qt::LeftButton);
    QVERIFY2(boxes.texts.isEmpty(), qPrintable(boxes.texts.join(QLatin1Char('|'))));
    QCOMPARE(f.mouse->memory().scrollspeed[size_t(f.editing().profileIndex())], lines);
    QVERIFY(f.stored() == f.editing());

    // Minimise asks the compositor; the window stays alive.
    QTest::mouseClick(const_cast<SkinButton *>(WindowInside::controls(w).minimise), Qt::LeftButton);
    QTRY_VERIFY(w.windowState() & Qt::WindowMinimized);

    // Gone cleanly: the poller stopped, no surface left on screen.
    f.window.reset();
    for (QWindow *window : QGuiApplication::topLevelWindows())
        QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));

    // The window draws into shared memory: no OpenGL driver was needed (its
    // leaks would otherwise fail the sanitizer run on some machines).
    QVERIFY2(loadedGraphicsDrivers().isEmpty(), qPrintable(loadedGraphicsDrivers().join(QLatin1Char(' '))));
}

void TestWaylandWindow::cornersShowTheDesktop()
{
    if (QStandardPaths::findExecutable(QStringLiteral("weston-screenshooter")).isEmpty())
        QSKIP("weston-screenshooter is not installed (package weston)");
    if (screenshot().isNull())
        QSKIP("the compositor takes no screenshots here");

    WindowFixture f;
    MainWindow &w = f.openWithReceiver();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(w.testAttribute(Qt::WA_TranslucentBackground));
    const QRegion shape = w.mask();
    QVERIFY2(!shape.isEmpty(), "the window has no shape to cut its corners");
    QVERIFY(!shape.contains(QPoint(0, 0)));

    // The window's own rendering finds it in the screen's picture, once the
    // compositor shows it.
    const QImage own = w.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    QImage after;
    std::optional<QPoint> found;
    QVERIFY2(QTest::qWaitFor([&] {
        after = screenshot();
        found = after.isNull() ? std::nullopt : locate(after, own, shape);
        return found.has_value();
    }, 15000), "the window was not found in the compositor's picture");
    const QPoint origin = *found;

    // The desktop behind the window, once the window is gone from the screen.
    f.window.reset();
    QImage behind;
    QVERIFY2(QTest::qWaitFor([&] {
        behind = screenshot();
        return !behind.isNull() && !showsAt(behind, own, shape, origin);
    }, 15000), "the window stayed on the screen");

    // Every pixel cut from the window's corners showed the desktop.
    int cut = 0;
    const QSize size = own.size();
    for (const QPoint &corner : {QPoint(0, 0), QPoint(size.width() - 1, 0), QPoint(0, size.height() - 1),
                                 QPoint(size.width() - 1, size.height() - 1)}) {
        for (int dy = -3; dy <= 3; ++dy) {
            for (int dx = -3; dx <= 3; ++dx) {
                const QPoint inWindow = corner + QPoint(dx, dy);
                const QPoint onScreen = origin + inWindow;
                if (!own.rect().contains(inWindow) || shape.contains(inWindow) || !after.rect().contains(onScreen))
                    continue;
                ++cut;
                QVERIFY2(after.pixel(onScreen) == behind.pixel(onScreen),
                         qPrintable(QStringLiteral("corner pixel %1,%2 of the window (at %3,%4) is %5, the desktop %6")
                                        .arg(inWindow.x()).arg(inWindow.y()).arg(onScreen.x()).arg(onScreen.y())
                                        .arg(after.pixel(onScreen), 8, 16).arg(behind.pixel(onScreen), 8, 16)));
            }
        }
    }
    QVERIFY(cut > 0);
}

QTEST_MAIN(TestWaylandWindow)
#include "test_waylandwindow.moc"
