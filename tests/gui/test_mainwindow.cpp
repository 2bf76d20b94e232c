// The main window against the virtual mouse: start-up with and without a
// mouse, tabs and the descriptor's feature switches, the profile indicators,
// Apply and its two failure messages, the language switch, dragging, and the
// window's scale levels.

#include "test_mainwindowfixture.h"

#include "config/appconfig.h"
#include "config/paths.h"
#include "platform/firmwareupdater.h"
#include "shell/languagecontroller.h"
#include "editors/buttonpage.h"
#include "editors/dpipage.h"
#include "editors/lightingpage.h"
#include "editors/macropage.h"
#include "editors/pointeroptionspage.h"
#include "editors/reportratepage.h"
#include "shell/pagehost.h"
#include "shell/scaledpicturecache.h"
#include "shell/traycontroller.h"
#include "shell/windowscale.h"
#include "widgets/skinlabel.h"
#include "widgets/skinlineedit.h"
#include "widgets/batterybar.h"
#include "widgets/skinbutton.h"
#include "widgets/uiscale.h"

#include <QAction>
#include <QElapsedTimer>
#include <QMenu>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QSettings>

using Damage = std::function<void(QByteArray &)>;
Q_DECLARE_METATYPE(Damage)

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void scaleLevels_data();
    void scaleLevels();
    void levelAfterResize_data();
    void levelAfterResize();

    void pictureCopies_data();
    void pictureCopies();
    void pictureCopyFollowsItsSource();

    void startsWithMouse();
    void startsWithoutMouseThenPlugIn();
    void startedHiddenWithoutMouseStaysQuiet();

    void tabs_data();
    void tabs();
    void buttonPageHeightFollowsShownButtons_data();
    void buttonPageHeightFollowsShownButtons();
    void indicatorsNeverChangeTheProfile();

    void applyReachesTheMouse();
    void profileMenuTellsTheMouseOffTheWindowsThread();
    void uploadFailures_data();
    void uploadFailures();

    void hotSpots();
    void trayClicks();
    void firmwareHandOff_data();
    void firmwareHandOff();

    void languageSwitch_data();
    void languageSwitch();
    void draggingNeedsMoreThanAJitter();
};

void TestMainWindow::scaleLevels_data()
{
    QTest::addColumn<double>("dpi");
    QTest::addColumn<int>("level");
    QTest::addColumn<QSize>("size");
    QTest::newRow("96") << 96.0 << 0 << QSize(999, 640);
    QTest::newRow("just below 1.1") << 105.5 << 0 << QSize(999, 640);
    QTest::newRow("just above 1.1") << 106.0 << 1 << QSize(1248, 800);
    QTest::newRow("120") << 120.0 << 1 << QSize(1248, 800);
    QTest::newRow("144") << 144.0 << 2 << QSize(1498, 960);
    QTest::newRow("168") << 168.0 << 3 << QSize(1748, 1120);
    QTest::newRow("192") << 192.0 << 4 << QSize(1998, 1280);
    QTest::newRow("2.1") << 201.6 << 5 << QSize(2247, 1440);
    QTest::newRow("4.79") << 4.79 * 96 << 15 << QSize(4745, 3040);
    QTest::newRow("480") << 480.0 << 16 << QSize(4995, 3200);
    QTest::newRow("huge") << 5000.0 << 16 << QSize(4995, 3200);
    QTest::newRow("zero") << 0.0 << 0 << QSize(999, 640);
    QTest::newRow("negative") << -96.0 << 0 << QSize(999, 640);
    QTest::newRow("not a number") << qQNaN() << 0 << QSize(999, 640);
}

void TestMainWindow::scaleLevels()
{
    QFETCH(double, dpi);
    QFETCH(int, level);
    QFETCH(QSize, size);
    QCOMPARE(WindowScale::levelForDpi(dpi), level);
    QCOMPARE(WindowScale::windowSize(level), size);
}

void TestMainWindow::levelAfterResize_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("screenLevel");
    QTest::addColumn<QSize>("current");
    QTest::addColumn<QSize>("lastSet");
    QTest::addColumn<int>("expected");
    const QSize base(999, 640);
    QTest::newRow("moved to a denser screen") << 0 << 4 << base << base << 4;
    QTest::newRow("unchanged") << 0 << 0 << base << base << 0;
    QTest::newRow("own size at 1.25") << 1 << 1 << QSize(1248, 800) << QSize(1248, 800) << 1;
    // A window that has the size it gave itself names its level by width.
    QTest::newRow("width of 1.5 at level 0") << 0 << 0 << QSize(1498, 960) << QSize(1498, 960) << 2;
    QTest::newRow("within 9 pixels") << 0 << 0 << QSize(1240, 800) << QSize(1240, 800) << 1;
    QTest::newRow("10 pixels off") << 0 << 0 << QSize(1238, 800) << QSize(1238, 800) << 0;
    QTest::newRow("resized by the desktop") << 2 << 2 << QSize(1248, 800) << QSize(1498, 960) << 2;
    QTest::newRow("level 6 keeps its level") << 6 << 6 << QSize(2497, 1600) << QSize(2497, 1600) << 6;
    QTest::newRow("levels out of range") << -3 << 40 << base << base << 16;
}

void TestMainWindow::levelAfterResize()
{
    QFETCH(int, level);
    QFETCH(int, screenLevel);
    QFETCH(QSize, current);
    QFETCH(QSize, lastSet);
    QFETCH(int, expected);
    QCOMPARE(WindowScale::levelAfterResize(level, screenLevel, current, lastSet), expected);
}

void TestMainWindow::pictureCopies_data()
{
    // What the copy file holds, made from a good copy of a 4 x 3 picture.
    QTest::addColumn<Damage>("damage");
    QTest::addColumn<QSize>("asked");
    QTest::addColumn<bool>("readable");
    auto setField = [](int index, qint32 value) {
        return Damage([index, value](QByteArray &b) { memcpy(b.data() + 8 + 4 * index, &value, 4); });
    };
    QTest::newRow("intact") << Damage([](QByteArray &) {}) << QSize(4, 3) << true;
    QTest::newRow("other size asked") << Damage([](QByteArray &) {}) << QSize(3, 4) << false;
    QTest::newRow("wrong magic") << Damage([](QByteArray &b) { b[0] = 'X'; }) << QSize(4, 3) << false;
    QTest::newRow("truncated") << Damage([](QByteArray &b) { b.chop(5); }) << QSize(4, 3) << false;
    QTest::newRow("trailing bytes") << Damage([](QByteArray &b) { b.append("xx"); }) << QSize(4, 3) << false;
    QTest::newRow("header only") << Damage([](QByteArray &b) { b.truncate(20); }) << QSize(4, 3) << false;
    QTest::newRow("empty file") << Damage([](QByteArray &b) { b.clear(); }) << QSize(4, 3) << false;
    QTest::newRow("negative width") << setField(0, -4) << QSize(-4, 3) << false;
    QTest::newRow("line length lies") << setField(2, 4) << QSize(4, 3) << false;
    QTest::newRow("huge height") << setField(1, 0x7fffffff) << QSize(4, 0x7fffffff) << false;
}

void TestMainWindow::pictureCopies()
{
    QFETCH(Damage, damage);
    QFETCH(QSize, asked);
    QFETCH(bool, readable);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("copy.argb"));
    QImage picture(4, 3, QImage::Format_ARGB32_Premultiplied);
    picture.fill(qRgba(10, 20, 30, 255));
    picture.setPixel(1, 2, qRgba(0, 0, 0, 0));
    QVERIFY(ScaledPictureCache::writeCopy(path, picture));
    QByteArray bytes = readWholeFile(path);
    damage(bytes);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    file.close();

    const QImage read = ScaledPictureCache::readCopy(path, asked);
    QCOMPARE(!read.isNull(), readable);
    if (readable)
        QCOMPARE(read, picture);
}

void TestMainWindow::pictureCopyFollowsItsSource()
{
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("back.png"));
    QImage red(30, 30, QImage::Format_ARGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(source));
    ScaledPictureCache cache(dir.filePath(QStringLiteral("cache")));
    QCOMPARE(cache.picture(source, QSize(10, 10)).pixelColor(5, 5), QColor(Qt::red));
    QVERIFY(QFileInfo::exists(cache.copyPath(source, QSize(10, 10))));

    // A new skin is scaled again, and the copy of the old one goes.
    const QString oldCopy = cache.copyPath(source, QSize(10, 10));
    QImage blue(30, 30, QImage::Format_ARGB32);
    blue.fill(Qt::blue);
    QVERIFY(blue.save(source));
    // The time is set on an open file: Qt ignores it on a closed one, and a
    // file system with whole-second times would otherwise see the same time.
    QFile touched(source);
    QVERIFY(touched.open(QIODevice::ReadWrite));
    QVERIFY(touched.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
    touched.close();
    QCOMPARE(cache.picture(source, QSize(10, 10)).pixelColor(5, 5), QColor(Qt::blue));
    QVERIFY(!QFileInfo::exists(oldCopy));
    QCOMPARE(QDir(dir.filePath(QStringLiteral("cache"))).entryList(QDir::Files).size(), 1);
    // A missing source gives nothing.
    QVERIFY(cache.picture(dir.filePath(QStringLiteral("none.png")), QSize(10, 10)).isNull());
}

void TestMainWindow::startsWithMouse()
{
    WindowFixture f;
    MainWindow &w = f.openWithReceiver();

    QCOMPARE(w.presentModelCount(), 1);
    QCOMPARE(w.currentModel(), QStringLiteral("QORV Nimbus 6"));
    QVERIFY(w.mouseReady());
    QVERIFY(f.link().commandHandle() != nullptr);
    QVERIFY(WindowInside::connection(w)->hasStatusThread());
    // One model: nothing to choose; three languages: a choice.
    QVERIFY(WindowInside::controls(w).model->isHidden());
    QVERIFY(!WindowInside::controls(w).language->isHidden());
    QVERIFY(WindowInside::controls(w).version->text().contains(QStringLiteral("V1.0.0")));
    QCOMPARE(WindowInside::controls(w).modelLabel->text(), QStringLiteral("QORV Nimbus 6"));
    QCOMPARE(w.size(), WindowScale::windowSize(WindowInside::scaleLevel(w)));
    QVERIFY(!WindowInside::controls(w).frontPicture->pixmap(Qt::ReturnByValue).isNull());

    // The start-up timer only brings the window forward: no warning.
    BoxWatcher boxes;
    QTRY_VERIFY(!WindowInside::connection(w)->warningPending());
    QVERIFY(boxes.texts.isEmpty());
    QVERIFY(w.isVisible());
    QVERIFY(!WindowInside::warningShown(w));
}

void TestMainWindow::startsWithoutMouseThenPlugIn()
{
    WindowFixture f;
    MainWindow &w = f.open();
    QCOMPARE(w.presentModelCount(), 0);
    QVERIFY(!w.isVisible());
    QVERIFY(!w.mouseReady());

    QElapsedTimer clock;
    clock.start();
    qint64 boxAt = -1;
    bool windowShownWithBox = false;
    BoxWatcher boxes(false);
    boxes.onBox = [&](SkinMessageBox *) {
        boxAt = clock.elapsed();
        windowShownWithBox = w.isVisible() && WindowInside::warningShown(w);
        // Posted from inside the box's modal loop: the mouse is plugged in
        // while the box is up.
        QTimer::singleShot(0, [&] { f.mouse->plug(SimLink::Receiver); });
    };
    // The box closes itself once the window has a ready mouse.
    qint64 readyAt = -1;
    qint64 closedAt = -1;
    QTimer probe;
    probe.setInterval(5);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        if (readyAt < 0 && w.mouseReady())
            readyAt = clock.elapsed();
        if (boxAt >= 0 && closedAt < 0 && !visibleMessageBox())
            closedAt = clock.elapsed();
    });
    probe.start();
    QTRY_VERIFY_WITH_TIMEOUT(closedAt >= 0, 5000);

    QCOMPARE(boxes.texts, QStringList{QStringLiteral("Dongle Disconnect!")});
    QCOMPARE(boxes.kinds, QList<int>{SkinMessageBox::Receiver});
    QVERIFY2(boxAt >= 150 && boxAt < 4000, qPrintable(QString::number(boxAt)));
    QVERIFY(windowShownWithBox);
    QVERIFY(readyAt >= 0);
    QVERIFY2(closedAt - readyAt <= 600, qPrintable(QString::number(closedAt - readyAt)));
    QVERIFY(w.isVisible());
    QVERIFY(!WindowInside::warningShown(w));
    QCOMPARE(w.presentModelCount(), 1);
    QVERIFY(f.link().commandHandle() != nullptr);
}

void TestMainWindow::startedHiddenWithoutMouseStaysQuiet()
{
    // Started from the autostart entry: the window stays in the tray, and no
    // disconnect warning comes up while the mouse is away.
    WindowFixture f;
    MainWindow &w = f.open();
    w.startHidden();
    // Nothing is left to show the window or the warning.
    QVERIFY(!WindowInside::connection(w)->warningPending());
    BoxWatcher boxes;
    // A mouse arriving later is taken in the tray, without showing the window.
    f.mouse->plug(SimLink::Receiver);
    QTRY_VERIFY_WITH_TIMEOUT(w.mouseReady(), 5000);
    QVERIFY(boxes.texts.isEmpty());
    QVERIFY(!w.isVisible());
    QVERIFY(!WindowInside::warningShown(w));
}

void TestMainWindow::tabs_data()
{
    QTest::addColumn<int>("ledDisable");
    QTest::addColumn<int>("disableMacro");
    QTest::addColumn<int>("clicked");
    QTest::addColumn<int>("expected");
    QTest::newRow("lighting") << 0 << 0 << 0 << 0;
    QTest::newRow("customize") << 0 << 0 << 1 << 1;
    QTest::newRow("dpi") << 0 << 0 << 2 << 2;
    QTest::newRow("macro") << 0 << 0 << 3 << 3;
    QTest::newRow("lighting without lighting") << 1 << 0 << 0 << 1;
    QTest::newRow("dpi without lighting") << 1 << 0 << 2 << 2;
    QTest::newRow("dpi without macros") << 0 << 1 << 2 << 2;
}

void TestMainWindow::tabs()
{
    QFETCH(int, ledDisable);
    QFETCH(int, disableMacro);
    QFETCH(int, clicked);
    QFETCH(int, expected);

    WindowFixture f;
    {
        QSettings descriptor(Paths::descriptorFile(), QSettings::IniFormat);
        descriptor.setValue(QStringLiteral("PROFILE/ledDisable"), ledDisable);
        descriptor.setValue(QStringLiteral("PROFILE/DisableMacro"), disableMacro);
    }
    MainWindow &w = f.openWithReceiver();
    const WindowControls &c = WindowInside::controls(w);

    // The first tab shown, and the tab buttons of missing features.
    QCOMPARE(WindowInside::currentTab(w), ledDisable ? PageTab::Customize : PageTab::Lighting);
    QCOMPARE(c.tabs[0]->size().isEmpty(), bool(ledDisable));
    QCOMPARE(c.tabs[3]->size().isEmpty(), bool(disableMacro));

    // The press switches (the dispatcher switches again on the click).
    c.tabs[size_t(clicked)]->click();
    QCOMPARE(int(WindowInside::currentTab(w)), expected);
    for (int i = 0; i < kPageTabCount; ++i)
        QCOMPARE(c.tabs[size_t(i)]->state(), i == expected ? 1 : 0);

    PageHost &p = WindowInside::pages(w);
    QCOMPARE(p.placeOf<LightingPage>()->isVisible(), expected == 0);
    QCOMPARE(p.buttonArea()->isVisible(), expected == 1);
    QCOMPARE(p.placeOf<ButtonPage>()->isVisible(), expected == 1);
    QCOMPARE(p.placeOf<DpiPage>()->isVisible(), expected == 2);
    QCOMPARE(p.placeOf<PointerOptionsPage>()->isVisible(), expected == 2);
    QCOMPARE(p.placeOf<ReportRatePage>()->isVisible(), expected == 2);
    QCOMPARE(p.placeOf<MacroPage>()->isVisible(), expected == 3);
    QCOMPARE(c.frontPicture->isVisible(), expected <= 1);
    QCOMPARE(c.modelLabel->isVisible(), expected <= 1);
    QVERIFY(!c.sidePicture->isVisible());

    // A page's request for the macro tab goes the same way; the lighting
    // tab stays closed to a product without lighting however it is asked for.
    emit p.events().showMacroTab();
    QCOMPARE(WindowInside::currentTab(w), PageTab::Macro);
    QVERIFY(p.placeOf<MacroPage>()->isVisible());
    w.selectTab(PageTab::Lighting);
    QCOMPARE(WindowInside::currentTab(w), ledDisable ? PageTab::Customize : PageTab::Lighting);
}

void TestMainWindow::buttonPageHeightFollowsShownButtons_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("hidden");
    QTest::addColumn<int>("height");
    QTest::newRow("six") << 6 << 0 << 440;
    QTest::newRow("twelve") << 12 << 0 << 12 * 50 + 20;
    // Nine shown: the smaller layout, whatever the button count says.
    QTest::newRow("twelve, three hidden") << 12 << 3 << 440;
}

void TestMainWindow::buttonPageHeightFollowsShownButtons()
{
    QFETCH(int, buttons);
    QFETCH(int, hidden);
    QFETCH(int, height);

    WindowFixture f;
    {
        QSettings descriptor(Paths::descriptorFile(), QSettings::IniFormat);
        descriptor.setValue(QStringLiteral("PROFILE/ButtonCount"), buttons);
        descriptor.setValue(QStringLiteral("PROFILE/MouseDpi"), 0);
        for (int i = 0; i < buttons; ++i)
            descriptor.setValue(QStringLiteral("PROFILE/BUTTON_INFO_%1_Matrix2").arg(i), i < buttons - hidden ? i : 255);
    }
    MainWindow &w = f.openWithReceiver();
    QCOMPARE(WindowInside::pages(w).placeOf<ButtonPage>()->height(), UiScale::scaled(height));
}

void TestMainWindow::indicatorsNeverChangeTheProfile()
{
    WindowFixture f;
    // The compact layout: the indicators only show the active profile.
    QSettings(Paths::configFile(), QSettings::IniFormat).setValue(QStringLiteral("Config/ProfileControls"), 0);
    MainWindow &w = f.openWithReceiver();
    WindowInside::profiles(w).makeProfileCurrent(2, false);
    QCOMPARE(int(f.editing().ProfileID), 2);

    for (SkinButton *indicator : WindowInside::controls(w).indicators) {
        indicator->click();
        QCOMPARE(int(f.editing().ProfileID), 2);
        QCOMPARE(AppConfig::activeProfileIndex(), 2);
        for (int i = 0; i < WindowControls::kProfileSlots; ++i)
            QCOMPARE(WindowInside::controls(w).indicators[size_t(i)]->state(), i == 2 ? 1 : 0);
    }
}

void TestMainWindow::applyReachesTheMouse()
{
    WindowFixture f;
    MainWindow &w = f.openWithReceiver();
    QTRY_VERIFY_WITH_TIMEOUT(firstAnswerTaken(w), kFirstAnswerTimeoutMs);

    DpiLevel &stage = currentProfile(f.editing()).dpiLevels[1];
    stage.used = 1;
    stage.x = 40;
    stage.y = 300;
    BoxWatcher boxes;
    QTest::mouseClick(const_cast<SkinButton *>(WindowInside::controls(w).apply), Qt::LeftButton);

    QVERIFY2(boxes.texts.isEmpty(), qPrintable(boxes.texts.join(QLatin1Char('|'))));
    const SimMemory m = f.mouse->memory();
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(m.dpi.data()) + 1 + 5 * 1 + 1, 4).toHex(' '),
             QByteArray("28 00 2c 01"));
    QVERIFY(!m.uploading);
    QVERIFY(f.stored() == f.editing());
    // A successful upload leaves a poller running again.
    QVERIFY(WindowInside::connection(w)->hasStatusThread());
}

// A mouse that stops answering must not hold up the window: the select and
// apply reports of the profile menu go out from a worker.
void TestMainWindow::profileMenuTellsTheMouseOffTheWindowsThread()
{
    WindowFixture f;
    MainWindow &w = f.openWithReceiver();
    QTRY_VERIFY(WindowInside::connection(w)->hasStatusThread());
    f.mouse->resetCounters();

    QMenu *menu = WindowInside::controls(w).profileMenu->menu();
    QVERIFY(menu && menu->actions().size() == kProfileCount);
    menu->actions().at(3)->trigger();
    // Joins the worker: every report it had to send is written.
    WindowInside::connection(w)->stopStatusThread();

    QCOMPARE(int(f.editing().ProfileID), 3);
    QList<int> onWindowThread;   // command bytes of the reports written there
    QList<int> elsewhere;
    for (const VirtualMouse::Write &write : f.mouse->writes())
        (write.thread == qApp->thread() ? onWindowThread : elsewhere).append(write.report[3]);
    QVERIFY2(onWindowThread.isEmpty(), qPrintable(QString::number(onWindowThread.size())));
    // The select (0x44), then the apply reports (0x40).
    QVERIFY(elsewhere.contains(0x44) && elsewhere.contains(0x40));
}

void TestMainWindow::uploadFailures_data()
{
    QTest::addColumn<bool>("asleep");
    QTest::addColumn<QString>("message");
    QTest::newRow("write fault") << false << QStringLiteral("Send data failed, please try again.");
    QTest::newRow("sleeping mouse") << true << QStringLiteral("Mouse is sleeping or not connected.");
}

void TestMainWindow::uploadFailures()
{
    QFETCH(bool, asleep);
    QFETCH(QString, message);

    WindowFixture f;
    f.mouse->plug(SimLink::Receiver);
    f.mouse->setAwake(!asleep);
    MainWindow &w = f.open();
    if (asleep) {
        // The poller's first query finds the mouse asleep.
        QTRY_VERIFY_WITH_TIMEOUT(f.link().mouseOff(), 10000);
        QTRY_COMPARE(WindowInside::controls(w).battery->text(), QStringLiteral("MOUSE OFF"));
    } else {
        f.mouse->injectFault(SimFault::WriteFail, 1000);
    }
    QVERIFY(AppConfig::setDiff(1));   // something to send
    currentProfile(f.editing()).dpiLevels[0].x = 77;
    f.mouse->resetCounters();

    BoxWatcher boxes;
    w.apply();
    QCOMPARE(boxes.texts, QStringList{message});
    QCOMPARE(boxes.kinds, QList<int>{SkinMessageBox::Question});
    if (asleep)
        QCOMPARE(f.mouse->writeCount(), 0);
    QCOMPARE(AppConfig::diff(), 1);
    QVERIFY(w.isVisible());
}

namespace {

// A page of the Customize tab that records what it is asked to select.
struct RecordingPage : QWidget, EditorPage {
    RecordingPage(PageEvents &, const PageContext &, QWidget *parent) : QWidget(parent) {}
    static PagePlace placement() { return {PageTab::Customize, QRect(0, 0, 10, 10), "RecordingPage"}; }
    static QList<QPair<int, int>> &chosen()
    {
        static QList<QPair<int, int>> list;
        return list;
    }
    QWidget *widget() override { return this; }
    void show(ProfileData &, MouseConfig &, const PageContext &) override {}
    void selectButton(int index, int group) override { chosen().append({index, group}); }
};

} // namespace

void TestMainWindow::hotSpots()
{
    WindowFixture f;
    MainWindow &w = f.openWithReceiver();
    // Adding a page is its class and one line.
    RecordingPage::chosen().clear();
    WindowInside::pages(w).add<RecordingPage>();
    const QList<QPair<int, int>> &chosen = RecordingPage::chosen();
    const WindowControls &c = WindowInside::controls(w);
    auto selectedOnly = [&](SkinButton *selected) {
        for (int g = 0; g < WindowControls::SpotGroupCount; ++g) {
            for (int i = 0; SkinButton *spot = c.spot(g, i); ++i) {
                if (spot->state() != (spot == selected ? 0 : 1))
                    return false;
            }
        }
        return true;
    };

    c.frontSpots[3]->click();
    c.wheelDown->click();
    c.sideSpots[4]->click();   // the side spots are chosen by the button page
    QCOMPARE(chosen, (QList<QPair<int, int>>{{3, 0}, {1, 2}}));
    QVERIFY(selectedOnly(c.wheelDown));
    QCOMPARE(WindowInside::selectedGroup(w), 2);
    QCOMPARE(WindowInside::selectedSpot(w), 1);

    // From the button page; indices outside the groups change nothing.
    PageEvents &events = WindowInside::pages(w).events();
    emit events.highlightButton(7, 1);
    QVERIFY(selectedOnly(c.sideSpots[7]));
    emit events.highlightButton(20, 0);
    emit events.highlightButton(2, 2);
    emit events.highlightButton(0, 3);
    emit events.highlightButton(255, 255);
    emit events.highlightButton(-1, 1);
    QVERIFY(selectedOnly(c.sideSpots[7]));

    // The view buttons swap the pictures and their spots.
    w.selectTab(PageTab::Customize);
    c.side->click();
    QVERIFY(!WindowInside::frontView(w));
    QVERIFY(c.sidePicture->isVisible() && !c.frontPicture->isVisible());
    QVERIFY(!c.sidePicture->pixmap(Qt::ReturnByValue).isNull());
    QVERIFY(c.sideSpots[0]->isVisible() && !c.frontSpots[0]->isVisible() && !c.wheelUp->isVisible());
    c.front->click();
    QVERIFY(WindowInside::frontView(w));
    QVERIFY(!c.sidePicture->isVisible() && c.frontPicture->isVisible());

    // Hovering a spot shows that button's picture.
    emit c.frontSpots[2]->hovered(c.frontSpots[2], true);
    QVERIFY(c.frontPicture->picture().endsWith(QStringLiteral("/mouse_3.png")));
    emit c.frontSpots[2]->hovered(c.frontSpots[2], false);
    QVERIFY(c.frontPicture->picture().isEmpty());
    QVERIFY(!c.frontPicture->pixmap(Qt::ReturnByValue).isNull());
}

void TestMainWindow::trayClicks()
{
    WindowFixture f;
    MainWindow &w = f.openWithReceiver();
    QVERIFY(w.isVisible());
    w.iconActivated(QSystemTrayIcon::Context);
    QVERIFY(w.isVisible());
    w.iconActivated(QSystemTrayIcon::Trigger);
    QVERIFY(w.isHidden());
    w.iconActivated(QSystemTrayIcon::DoubleClick);
    QVERIFY(w.isVisible());
    WindowInside::tray(w)->loadAction()->trigger();
    QVERIFY(w.isVisible());
}

void TestMainWindow::firmwareHandOff_data()
{
    QTest::addColumn<bool>("cable");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QStringList>("texts");
    // The updater's path depends on the test's installation: filled in below.
    const QString missing = QStringLiteral("<missing>");
    QTest::newRow("no cable") << false << true << QStringList{FirmwareUpdater::cableRequiredText()};
    QTest::newRow("declined") << true << false << QStringList{FirmwareUpdater::questionText()};
    QTest::newRow("updater missing") << true << true << QStringList{FirmwareUpdater::questionText(), missing};
}

void TestMainWindow::firmwareHandOff()
{
    QFETCH(bool, cable);
    QFETCH(bool, accept);
    QFETCH(QStringList, texts);

    WindowFixture f;
    f.mouse->plug(SimLink::Receiver);
    if (cable)
        f.mouse->plug(SimLink::Cable);
    MainWindow &w = f.open();
    BoxWatcher boxes;
    boxes.onBox = [accept](SkinMessageBox *box) {
        if (!accept && box->kind() == SkinMessageBox::Question)
            box->reject();
    };
    emit WindowInside::controls(w).firmware->entered(WindowInside::controls(w).firmware);
    texts.replaceInStrings(QStringLiteral("<missing>"),
                           FirmwareUpdater::failureText(FirmwareUpdater::UpdaterMissing, FirmwareUpdater::updaterPath(0)));
    QCOMPARE(boxes.texts, texts);
    // The program goes on, and so does its poller.
    QVERIFY(w.isVisible());
    QVERIFY(WindowInside::connection(w)->hasStatusThread());
    QVERIFY(f.link().commandHandle() != nullptr);
}

void TestMainWindow::languageSwitch_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("apply");
    QTest::addColumn<QString>("lighting");
    QTest::addColumn<QString>("indicator");
    QTest::addColumn<QString>("buttonText");
    QTest::addColumn<QString>("lookIn");   // Qt's own file dialog, from Qt's catalogue
    QTest::newRow("simplified") << 1 << QString::fromUtf8("应用") << QString::fromUtf8("灯光")
                                << QString::fromUtf8("配置 1") << QString::fromUtf8("简体中文")
                                << QString::fromUtf8("查找范围：");
    QTest::newRow("traditional") << 2 << QString::fromUtf8("套用") << QString::fromUtf8("燈光")
                                 << QString::fromUtf8("設定檔 1") << QString::fromUtf8("繁體中文")
                                 << QString::fromUtf8("尋找於：");
    QTest::newRow("english") << 0 << QStringLiteral("Apply") << QStringLiteral("LIGHTING")
                             << QStringLiteral("Profile 1") << QStringLiteral("English") << QStringLiteral("Look in:");
}

void TestMainWindow::languageSwitch()
{
    QFETCH(int, id);
    QFETCH(QString, apply);
    QFETCH(QString, lighting);
    QFETCH(QString, indicator);
    QFETCH(QString, buttonText);

    WindowFixture f;
    {
        // Start in another language than the one switched to.
        QSettings lang(Paths::langConfigFile(), QSettings::IniFormat);
        lang.setValue(QStringLiteral("Config/LangID"), id == 0 ? 1 : 0);
    }
    MainWindow &w = f.openWithReceiver();
    const QString before = WindowInside::controls(w).apply->text();
    QVERIFY(before != apply);

    QList<QAction *> entries = WindowInside::languages(w)->menu()->actions();
    QCOMPARE(entries.size(), 3);
    entries.at(id)->trigger();

    const WindowControls &c = WindowInside::controls(w);
    QCOMPARE(c.apply->text(), apply);
    QCOMPARE(c.tabs[0]->text(), lighting);
    QCOMPARE(c.indicators[0]->text(), indicator);
    QCOMPARE(c.language->text(), buttonText);
    QVERIFY(!c.nameField->placeholderText().isEmpty());
    QCOMPARE(c.nameField->placeholderText(), MainWindow::tr("Press Enter To Apply"));
    QCOMPARE(WindowInside::tray(w)->quitAction()->text(), MainWindow::tr("&Quit"));
    QTEST(QCoreApplication::translate("QFileDialog", "Look in:"), "lookIn");
    // Stored at once.
    QCOMPARE(QSettings(Paths::langConfigFile(), QSettings::IniFormat).value(QStringLiteral("Config/LangID")).toInt(), id);
}

void TestMainWindow::draggingNeedsMoreThanAJitter()
{
    WindowFixture f;
    MainWindow &w = f.openWithReceiver();
    w.move(100, 100);
    const QPoint start = w.pos();
    const QPoint grip(40, 300);   // the sidebar, away from every control

    QTest::mousePress(&w, Qt::LeftButton, Qt::NoModifier, grip);
    QMouseEvent jitter(QEvent::MouseMove, grip + QPoint(2, 2), w.mapToGlobal(grip + QPoint(2, 2)), Qt::NoButton,
                       Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &jitter);
    QCOMPARE(w.pos(), start);
    QMouseEvent drag(QEvent::MouseMove, grip + QPoint(30, 20), w.mapToGlobal(grip + QPoint(30, 20)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &drag);
    QCOMPARE(w.pos(), start + QPoint(30, 20));
    QTest::mouseRelease(&w, Qt::LeftButton, Qt::NoModifier, grip + QPoint(30, 20));

    QMouseEvent after(QEvent::MouseMove, grip + QPoint(80, 80), w.mapToGlobal(grip + QPoint(80, 80)), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &after);
    QCOMPARE(w.pos(), start + QPoint(30, 20));
}

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
