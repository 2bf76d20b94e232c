// The profile controls of the main window against the virtual mouse: each
// library operation with its messages and what it leaves on disk, which
// operations reach the mouse, the slot switch from the menu and from the
// mouse's own button, "Reset All", SAVE and LOAD1, export and import, and
// what becomes of the pages' unapplied edits when any of them replaces the
// record.

#include "test_mainwindowfixture.h"
#include "tracecommands.h"

#include "config/appconfig.h"
#include "config/configfile.h"
#include "config/paths.h"
#include "config/profilefile.h"
#include "config/profilelibrary.h"
#include "config/functioncatalogue.h"
#include "config/reportrate.h"
#include "editors/buttonmenus.h"
#include "editors/buttonpage.h"
#include "editors/dpipage.h"
#include "editors/dpistagerow.h"
#include "editors/lightingpage.h"
#include "editors/macropage.h"
#include "editors/macrotablemodel.h"
#include "editors/pointeroptionspage.h"
#include "editors/reportratepage.h"
#include "editors/twobarslider.h"
#include "shell/pagehost.h"
#include "shell/profilecontrols.h"
#include "shell/traycontroller.h"
#include "shell/windowcontrols.h"
#include "widgets/skincheckbox.h"
#include "widgets/skinlineedit.h"
#include "widgets/skinbutton.h"
#include "widgets/skinslider.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QSettings>
#include <QToolButton>

namespace {

const QString kProduct = QStringLiteral("QORV Nimbus 6");

bool profileFileExists(const QString &name) { return QFile::exists(Paths::profileFile(name)); }

// A factory profile whose stage 1 runs at code `code` on both axes.
ProfileData profileWithStage(int code)
{
    ProfileData profile;
    makeDefaultProfile(profile);
    profile.dpiLevels[1].used = 1;
    profile.dpiLevels[1].x = code;
    profile.dpiLevels[1].y = code;
    return profile;
}

// Stage `stage` of the mouse's DPI table as "used xl xh yl yh".
QByteArray mouseStage(const SimMemory &m, int stage)
{
    if (m.dpi.size() < size_t(1 + 5 * (stage + 1)))
        return QByteArray();
    return QByteArray(reinterpret_cast<const char *>(m.dpi.data()) + 1 + 5 * stage, 5).toHex(' ');
}

struct ProfileFixture : WindowFixture {
    QString trace;

    MainWindow &start()
    {
        mouse->plug(SimLink::Receiver);
        MainWindow &w = open();
        trace = env->root() + QStringLiteral("/trace.txt");
        return w;
    }
    // From here on the mouse records what it is sent.
    void traceFromNow()
    {
        QFile::remove(trace);
        QVERIFY(mouse->setTraceFile(trace));
    }
    // The per-profile buttons exist with an empty size in the standard
    // layout: they are clicked through their function, not the pointer.
    void click(SkinButton *button) { button->click(); }
    void enterName(const QString &name)
    {
        SkinLineEdit *field = WindowInside::controls(*window).nameField;
        field->setText(name);
        emit field->returnPressed();
    }
    void chooseFile(const QString &path)
    {
        WindowInside::profiles(*window).setFileChooser([path](ProfileControls::FileDialog) { return path; });
    }
    template <class Page>
    Page *page()
    {
        return WindowInside::pages(*window).page<Page>();
    }
    // What the mouse holds, block by block.
    std::vector<std::vector<uint8_t>> mouseBlocks() const
    {
        const SimMemory m = mouse->memory();
        return {m.system, m.dpi, m.buttons, m.lighting, m.macro};
    }
};

// The ways the record is replaced under the pages, and what becomes of the
// edits of the profile that was shown: gone with a record that replaces
// everything, dropped with nothing else changed, or kept (the user's own
// switch in the window takes them along).
enum class Replacement { ResetAll, Load, Import, Cancel, WindowSwitch, TraySwitch, MouseButton };
// ProfileReplaced: the profile is the imported one; the options of the
// whole configuration keep their edits.
enum class LeftBehind { Replaced, ProfileReplaced, Dropped, Kept };

// The DPI code typed on the DPI page, and the key response chosen.
constexpr int kEditedDpiCode = 33;
constexpr int kEditedDebounce = 255;

// One edit on each of the six pages, made through its controls and not
// applied; returns the rate chosen on the report-rate page.
int editEveryPage(ProfileFixture &f, const MouseConfig &record)
{
    const ProfileData &profile = currentProfile(record);
    ProfileData factory;
    makeDefaultProfile(factory);

    auto *pointer = f.page<PointerOptionsPage>();
    pointer->responseSlider()->setValue(kEditedDebounce);
    (record.AngleValue ? pointer->offBox(PointerOptionsPage::Angle) : pointer->onBox(PointerOptionsPage::Angle))->click();

    int rate = 0;
    for (QAction *action : f.page<ReportRatePage>()->rateMenu()->actions()) {
        rate = action->data().toInt();
        if (rate != profile.pollrate && rate != factory.pollrate) {
            action->trigger();
            break;
        }
    }

    DpiStageRow *row = f.page<DpiPage>()->row(0);
    row->setLink(1);
    row->slider()->linkedSlider()->setValue(kEditedDpiCode);

    f.page<LightingPage>()->moveOffBox()->click();

    auto *buttons = f.page<ButtonPage>();
    buttons->setSelection(ButtonPage::FirstRow, 3);
    buttons->menus().action(profile.buttons[3].Fun == Fun::DpiUp ? Fun::DpiDown : Fun::DpiUp)->trigger();

    auto *macros = f.page<MacroPage>();
    macros->onClicked(macros->button(MacroPage::InsertDelay));
    return rate;
}

} // namespace

Q_DECLARE_METATYPE(Replacement)
Q_DECLARE_METATYPE(LeftBehind)


class TestProfileControls : public QObject {
    Q_OBJECT
private slots:
    void libraryOperationsStayOffTheMouse();
    void deleteAndRenameRefusals_data();
    void deleteAndRenameRefusals();
    void slotMenuSwitchesTheMouse();
    void slotMenuLeavesASleepingMouseAlone();
    void mouseButtonSendsTheNewTables();
    void resetAllSendsEverythingAndKeepsLibraryFiles();
    void hiddenNameFieldTakesNoKeys();
    void resetProfileAsksThenSends();
    void cancelReloadsAMissingFileAsFactory();
    void saveThenLoad();
    void loadRefusals_data();
    void loadRefusals();
    void exportOverAnExistingFile();
    void importProfile();
    void libraryMenuEntries();
    void replacedRecordTakesThePagesAlong_data();
    void replacedRecordTakesThePagesAlong();
};

void TestProfileControls::libraryOperationsStayOffTheMouse()
{
    ProfileFixture f;
    MainWindow &w = f.start();
    const WindowControls &c = WindowInside::controls(w);
    QTRY_VERIFY(WindowInside::connection(w)->hasStatusThread());
    const std::array<int, 5> commits = f.mouse->memory().commits;
    BoxWatcher boxes;

    f.click(c.add);
    QCOMPARE(c.nameField->text(), QStringLiteral("Profile 6"));
    QVERIFY(profileFileExists(QStringLiteral("Profile 6")));
    QCOMPARE(ProfileLibrary::load().last(), QStringLiteral("Profile 6"));

    f.click(c.copy);
    QCOMPARE(c.nameField->text(), QStringLiteral("Profile 6 copy"));
    QVERIFY(profileFileExists(QStringLiteral("Profile 6 copy")));

    f.enterName(QStringLiteral("Work"));
    QCOMPARE(f.editing().names[0], QStringLiteral("Work"));
    QVERIFY(profileFileExists(QStringLiteral("Work")));
    QVERIFY(!profileFileExists(QStringLiteral("Profile 6 copy")));
    QCOMPARE(AppConfig::slotName(0), QStringLiteral("Work"));

    // Delete asks first; "No" keeps everything.
    boxes.onBox = [](SkinMessageBox *box) { box->reject(); };
    f.click(c.remove);
    QVERIFY(profileFileExists(QStringLiteral("Work")));
    boxes.onBox = nullptr;
    f.click(c.remove);
    QVERIFY(!profileFileExists(QStringLiteral("Work")));
    QCOMPARE(c.nameField->text(), QStringLiteral("Profile 6"));
    QCOMPARE(AppConfig::slotName(0), QStringLiteral("Profile 6"));
    QVERIFY(!ProfileLibrary::load().contains(QStringLiteral("Work")));
    QCOMPARE(boxes.texts, (QStringList{QStringLiteral("Are you sure you want delete this profile?"),
                                       QStringLiteral("Are you sure you want delete this profile?")}));

    // Choosing another slot's profile from the library menu.
    boxes.texts.clear();
    for (QAction *action : WindowInside::profiles(w).libraryMenu()->actions()) {
        if (action->data().toString() == QStringLiteral("Profile 2"))
            action->trigger();
    }
    QCOMPARE(boxes.texts, QStringList{QStringLiteral("Profile is Already Used!")});
    QCOMPARE(f.editing().names[0], QStringLiteral("Profile 6"));

    // None of these reaches the mouse.
    QCOMPARE(f.mouse->memory().commits, commits);
}

void TestProfileControls::deleteAndRenameRefusals_data()
{
    QTest::addColumn<QString>("slotName");
    QTest::addColumn<bool>("rename");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("fieldAfter");
    const QString reserved = QStringLiteral("The default Profile cannot be deleted or renamed.");
    QTest::newRow("delete a reserved name") << "Work" << false << "Profile 1" << reserved << "Profile 1";
    QTest::newRow("delete another slot's profile") << "Work" << false << "Other" << "Profile is Already Used!"
                                                   << "Other";
    QTest::newRow("delete a name not in the library") << "Work" << false << "Nowhere" << "" << "Work";
    QTest::newRow("rename a reserved slot") << "Profile 1" << true << "X" << reserved << "Profile 1";
    QTest::newRow("rename to an existing name") << "Work" << true << "Other" << "Profile Exist!" << "Other";
    QTest::newRow("rename to the template's name") << "Work" << true << "defaultprofile" << "Profile Exist!"
                                                   << "defaultprofile";
    QTest::newRow("rename to a path") << "Work" << true << "../x" << "The name cannot contain / or \\." << "../x";
}

void TestProfileControls::deleteAndRenameRefusals()
{
    QFETCH(QString, slotName);
    QFETCH(bool, rename);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, fieldAfter);

    ProfileFixture f;
    // Slot 0 uses `slotName`, slot 1 uses Other; both in the library.
    AppConfig::setSlotName(0, slotName);
    AppConfig::setSlotName(1, QStringLiteral("Other"));
    QVERIFY(saveProfileFile(profileWithStage(40), QStringLiteral("Work")));
    QVERIFY(saveProfileFile(profileWithStage(41), QStringLiteral("Other")));
    QVERIFY(ProfileLibrary::save({QStringLiteral("Profile 1"), QStringLiteral("Work"), QStringLiteral("Other")}));
    MainWindow &w = f.start();
    const MouseConfig before = f.editing();
    BoxWatcher boxes;
    if (rename) {
        f.enterName(typed);
    } else {
        WindowInside::controls(w).nameField->setText(typed);
        f.click(WindowInside::controls(w).remove);
    }
    QCOMPARE(boxes.texts, message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(WindowInside::controls(w).nameField->text(), fieldAfter);
    QVERIFY(f.editing() == before);
    QVERIFY(profileFileExists(QStringLiteral("Work")));
    QVERIFY(profileFileExists(QStringLiteral("Other")));
}

void TestProfileControls::slotMenuSwitchesTheMouse()
{
    ProfileFixture f;
    QVERIFY(saveProfileFile(profileWithStage(40), QStringLiteral("Profile 3")));
    MainWindow &w = f.start();
    QTRY_VERIFY(WindowInside::connection(w)->hasStatusThread());
    f.traceFromNow();
    BoxWatcher boxes;

    WindowInside::profiles(w).slotMenu()->actions().at(2)->trigger();

    QVERIFY2(boxes.texts.isEmpty(), qPrintable(boxes.texts.join(QLatin1Char('|'))));
    QCOMPARE(int(f.editing().ProfileID), 2);
    QCOMPARE(AppConfig::activeProfileIndex(), 2);
    QCOMPARE(WindowInside::controls(w).profileMenu->text(), QStringLiteral("Mode 3"));
    // Select and apply, the five apply groups, then an upload that carries
    // the new profile's tables.
    const QList<int> commands = writtenCommands(f.trace);
    QVERIFY(commands.size() > 8);
    QCOMPARE(commands.mid(0, 7), (QList<int>{0x44, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40}));
    QCOMPARE(commands.at(7), 0x46);
    QVERIFY(commands.mid(7).contains(0x02));
    QVERIFY(commands.mid(7).contains(0x03));
    const SimMemory m = f.mouse->memory();
    QCOMPARE(m.activeProfile, 2);
    QCOMPARE(mouseStage(m, 1), QByteArray("01 28 00 28 00"));
    QVERIFY(f.stored() == f.editing());
}

void TestProfileControls::slotMenuLeavesASleepingMouseAlone()
{
    ProfileFixture f;
    f.mouse->setAwake(false);
    MainWindow &w = f.start();
    // The poller's first query finds the mouse asleep.
    QTRY_VERIFY_WITH_TIMEOUT(f.link().mouseOff(), 10000);
    f.mouse->resetCounters();
    BoxWatcher boxes;

    WindowInside::profiles(w).slotMenu()->actions().at(2)->trigger();

    QCOMPARE(boxes.texts, QStringList{QStringLiteral("Mouse is sleeping or not connected.")});
    // Nothing but the poller's status queries reached the mouse, not even a
    // report it refused.
    for (const VirtualMouse::Write &write : f.mouse->writes())
        QCOMPARE(int(write.report[3]), 0x48);
    QCOMPARE(int(f.editing().ProfileID), 2);
    QCOMPARE(AppConfig::activeProfileIndex(), 2);
    QCOMPARE(AppConfig::diff(), 1);   // the tables go with the next upload
}

void TestProfileControls::mouseButtonSendsTheNewTables()
{
    ProfileFixture f;
    QVERIFY(saveProfileFile(profileWithStage(60), QStringLiteral("Profile 2")));
    MainWindow &w = f.start();
    QTRY_VERIFY(WindowInside::connection(w)->hasStatusThread());
    w.apply();   // the mouse holds profile 1's tables
    f.traceFromNow();
    BoxWatcher boxes;

    f.mouse->press(SimButton::Profile);

    QTRY_COMPARE(int(f.stored().ProfileID), 1);
    QTRY_COMPARE(mouseStage(f.mouse->memory(), 1), QByteArray("01 3c 00 3c 00"));
    QCOMPARE(int(f.editing().ProfileID), 1);
    QCOMPARE(AppConfig::activeProfileIndex(), 1);
    const QList<int> commands = writtenCommands(f.trace);
    QVERIFY(!commands.contains(0x44));
    QVERIFY(commands.contains(0x02));
    QVERIFY(boxes.texts.isEmpty());
}

void TestProfileControls::resetAllSendsEverythingAndKeepsLibraryFiles()
{
    ProfileFixture f;
    AppConfig::setSlotName(2, QStringLiteral("Work"));
    QVERIFY(saveProfileFile(profileWithStage(70), QStringLiteral("Work")));
    QVERIFY(saveProfileFile(profileWithStage(71), QStringLiteral("Profile 3")));
    MainWindow &w = f.start();
    QTRY_VERIFY(WindowInside::connection(w)->hasStatusThread());
    w.apply();
    const QByteArray work = readWholeFile(Paths::profileFile(QStringLiteral("Work")));
    const std::array<int, 5> commits = f.mouse->memory().commits;
    BoxWatcher boxes;

    f.click(WindowInside::controls(w).resetAll);

    QCOMPARE(boxes.texts, QStringList{QStringLiteral("Are you sure you want reset all profiles?")});
    const SimMemory m = f.mouse->memory();
    for (int block = 0; block < 4; ++block)
        QCOMPARE(m.commits[size_t(block)], commits[size_t(block)] + 1);
    QCOMPARE(readWholeFile(Paths::profileFile(QStringLiteral("Work"))), work);
    // All five slots are the factory profile under their new names, in the
    // record and on the mouse, whatever their files held before.
    ProfileData factory;
    makeDefaultProfile(factory);
    for (int slot = 0; slot < kProfileCount; ++slot) {
        const ProfileData &profile = f.editing().profiles[size_t(slot)];
        QCOMPARE(f.editing().names[size_t(slot)], QStringLiteral("Profile %1").arg(slot + 1));
        QCOMPARE(profile.ProfileName, f.editing().names[size_t(slot)]);
        QCOMPARE(profile.dpiLevels[1].x, factory.dpiLevels[1].x);
        QCOMPARE(profile.dpiLevels[1].used, factory.dpiLevels[1].used);
    }
    w.apply();
    ProfileData slot3;
    QVERIFY(loadProfileFile(slot3, QStringLiteral("Profile 3")));
    QCOMPARE(slot3.dpiLevels[1].x, factory.dpiLevels[1].x);
}

void TestProfileControls::hiddenNameFieldTakesNoKeys()
{
    ProfileFixture f;
    // The compact layout, in which the name field has no size.
    QSettings(Paths::configFile(), QSettings::IniFormat).setValue(QStringLiteral("Config/ProfileControls"), 0);
    AppConfig::setSlotName(0, QStringLiteral("Work"));
    QVERIFY(saveProfileFile(profileWithStage(70), QStringLiteral("Work")));
    MainWindow &w = f.start();
    QTRY_VERIFY(WindowInside::connection(w)->hasStatusThread());
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    BoxWatcher boxes;

    // No control the layout hides can hold the keyboard, so Tab never
    // lands on one; keys typed into the window reach no name field.
    for (QWidget *child : w.findChildren<QWidget *>()) {
        if (child->isVisibleTo(&w) && child->focusPolicy() != Qt::NoFocus && child->window() == &w)
            QVERIFY2(!child->size().isEmpty(), qPrintable(child->objectName()));
    }
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : &w;
    QVERIFY(target != WindowInside::controls(w).nameField);
    QTest::keyClick(target, Qt::Key_Return);
    QTest::keyClicks(target, QStringLiteral("Gaming"));
    QTest::keyClick(target, Qt::Key_Return);

    QVERIFY(boxes.texts.isEmpty());
    QCOMPARE(f.editing().names[0], QStringLiteral("Work"));
    QVERIFY(!profileFileExists(QStringLiteral("Gaming")));
    QCOMPARE(WindowInside::controls(w).nameField->focusPolicy(), Qt::NoFocus);
}

void TestProfileControls::resetProfileAsksThenSends()
{
    ProfileFixture f;
    QVERIFY(saveProfileFile(profileWithStage(90), QStringLiteral("Profile 1")));
    MainWindow &w = f.start();
    QTRY_VERIFY(WindowInside::connection(w)->hasStatusThread());
    w.apply();
    QCOMPARE(mouseStage(f.mouse->memory(), 1), QByteArray("01 5a 00 5a 00"));

    BoxWatcher boxes;
    boxes.onBox = [](SkinMessageBox *box) { box->reject(); };
    f.click(WindowInside::controls(w).reset);
    QCOMPARE(currentProfile(f.editing()).dpiLevels[1].x, 90);

    boxes.onBox = nullptr;
    f.click(WindowInside::controls(w).reset);
    QCOMPARE(boxes.texts, (QStringList{QStringLiteral("Are you sure you want reset this profile?"),
                                       QStringLiteral("Are you sure you want reset this profile?")}));
    ProfileData factory;
    makeDefaultProfile(factory);
    QCOMPARE(currentProfile(f.editing()).dpiLevels[1].x, factory.dpiLevels[1].x);
    QCOMPARE(currentProfile(f.editing()).ProfileName, QStringLiteral("Profile 1"));
    const QByteArray code = QByteArray::number(factory.dpiLevels[1].x & 0xff, 16).rightJustified(2, '0');
    QCOMPARE(mouseStage(f.mouse->memory(), 1).mid(3, 2), code);
}

void TestProfileControls::cancelReloadsAMissingFileAsFactory()
{
    ProfileFixture f;
    MainWindow &w = f.start();
    currentProfile(f.editing()).dpiLevels[1].x = 5;
    currentProfile(f.editing()).buttons[0].Fun = 0;
    QFile::remove(Paths::profileFile(f.editing().names[0]));
    // What "Cancel" does besides hiding the window (which, without a tray,
    // would end the test program).
    WindowInside::profiles(w).makeProfileCurrent(0, true);
    ProfileData factory;
    makeDefaultProfile(factory);
    QVERIFY(currentProfile(f.editing()).dpiLevels == factory.dpiLevels);
    QCOMPARE(currentProfile(f.editing()).buttons[0].Fun, factory.buttons[0].Fun);
}

void TestProfileControls::saveThenLoad()
{
    ProfileFixture f;
    MainWindow &w = f.start();
    QTRY_VERIFY(WindowInside::connection(w)->hasStatusThread());
    const QString path = f.env->root() + QStringLiteral("/setup");   // the suffix is added
    f.editing().profiles[3].dpiLevels[2].x = 99;
    f.editing().Debounce = 7;
    // An edit on the DPI page, not applied yet, is saved too.
    w.selectTab(PageTab::Performance);
    auto *page = WindowInside::pages(w).page<DpiPage>();
    QVERIFY(page);
    page->row(0)->setLink(1);
    page->row(0)->slider()->linkedSlider()->setValue(33);
    f.chooseFile(path);
    f.click(WindowInside::controls(w).save);
    QCOMPARE(readFileProductName(path + QStringLiteral(".conf")), kProduct);

    f.editing().profiles[3].dpiLevels[2].x = 1;
    f.editing().Debounce = 20;
    f.editing().ProfileID = 3;
    f.chooseFile(path + QStringLiteral(".conf"));
    const std::array<int, 5> commits = f.mouse->memory().commits;
    BoxWatcher boxes;
    f.click(WindowInside::controls(w).load);
    QVERIFY(boxes.texts.isEmpty());
    QCOMPARE(f.editing().profiles[3].dpiLevels[2].x, 99);
    QCOMPARE(f.editing().profiles[0].dpiLevels[0].x, 33);
    QCOMPARE(int(f.editing().Debounce), 7);
    QCOMPARE(WindowInside::currentTab(w), PageTab::Lighting);
    QVERIFY(f.mouse->memory().commits != commits);   // uploaded
    QVERIFY(f.stored() == f.editing());
}

void TestProfileControls::loadRefusals_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::newRow("another model") << QByteArray("[MouseName]\nName=Other Mouse\n");
    QTest::newRow("stamp without profiles") << QByteArray("[MouseName]\nName=QORV Nimbus 6\n[Config]\nDebounce=3\n");
}

void TestProfileControls::loadRefusals()
{
    QFETCH(QByteArray, contents);
    ProfileFixture f;
    MainWindow &w = f.start();
    QTRY_VERIFY(WindowInside::connection(w)->hasStatusThread());
    f.chooseFile(f.env->writeFile(QStringLiteral("picked.conf"), contents));
    const MouseConfig before = f.editing();
    const std::array<int, 5> commits = f.mouse->memory().commits;
    BoxWatcher boxes;
    f.click(WindowInside::controls(w).load);
    QCOMPARE(boxes.texts, QStringList{QStringLiteral("The file is not match current mouse!")});
    QVERIFY(f.editing() == before);
    QCOMPARE(f.mouse->memory().commits, commits);
}

void TestProfileControls::exportOverAnExistingFile()
{
    ProfileFixture f;
    QVERIFY(saveProfileFile(profileWithStage(40), QStringLiteral("Profile 1")));
    MainWindow &w = f.start();
    const QString path = f.env->writeFile(QStringLiteral("out.prof"), "[Stale]\nold=1\n");
    f.chooseFile(path);
    BoxWatcher boxes;
    f.click(WindowInside::controls(w).exportProfile);
    QVERIFY(boxes.texts.isEmpty());
    QVERIFY(!readWholeFile(path).contains("Stale"));
    QCOMPARE(readFileProductName(path), kProduct);
    ProfileData exported;
    QVERIFY(readProfileGroup(0, exported, path));
    QCOMPARE(exported.dpiLevels[1].x, 40);

    // A place that cannot be written is reported.
    f.chooseFile(f.env->root() + QStringLiteral("/no/such/folder/out.prof"));
    f.click(WindowInside::controls(w).exportProfile);
    QCOMPARE(boxes.texts, QStringList{QStringLiteral("The file could not be written.")});
}

void TestProfileControls::importProfile()
{
    ProfileFixture f;
    MainWindow &w = f.start();
    QTRY_VERIFY(WindowInside::connection(w)->hasStatusThread());
    const QString good = f.env->root() + QStringLiteral("/My.Work.prof");
    QVERIFY(writeProfileGroup(0, profileWithStage(50), good));
    QVERIFY(writeFileProductName(kProduct, good));
    const QString foreign = f.env->root() + QStringLiteral("/Foreign.prof");
    QVERIFY(writeProfileGroup(0, profileWithStage(51), foreign));
    QVERIFY(writeFileProductName(QStringLiteral("Other Mouse"), foreign));
    const QString empty = f.env->writeFile(QStringLiteral("Empty.prof"), "[MouseName]\nName=QORV Nimbus 6\n");

    BoxWatcher boxes;
    for (const QString &refused : {foreign, empty}) {
        f.chooseFile(refused);
        f.click(WindowInside::controls(w).importProfile);
    }
    QCOMPARE(boxes.texts, (QStringList{QStringLiteral("The file is not match current mouse!"),
                                       QStringLiteral("The file is not match current mouse!")}));
    QVERIFY(!profileFileExists(QStringLiteral("Foreign")));
    QVERIFY(!profileFileExists(QStringLiteral("Empty")));

    boxes.texts.clear();
    f.chooseFile(good);
    f.click(WindowInside::controls(w).importProfile);
    QVERIFY(boxes.texts.isEmpty());
    QCOMPARE(f.editing().names[0], QStringLiteral("My.Work"));
    QCOMPARE(WindowInside::controls(w).nameField->text(), QStringLiteral("My.Work"));
    QVERIFY(ProfileLibrary::load().contains(QStringLiteral("My.Work")));
    QCOMPARE(mouseStage(f.mouse->memory(), 1), QByteArray("01 32 00 32 00"));   // uploaded

    f.click(WindowInside::controls(w).importProfile);
    QCOMPARE(boxes.texts, QStringList{QStringLiteral("Profile Exist!")});
}

void TestProfileControls::libraryMenuEntries()
{
    ProfileFixture f;
    QStringList names;
    for (int i = 0; i < 205; ++i)
        names << QStringLiteral("P&%1").arg(i);
    QVERIFY(ProfileLibrary::save(names));
    QVERIFY(saveProfileFile(profileWithStage(44), QStringLiteral("P&7")));
    MainWindow &w = f.start();
    const QList<QAction *> actions = WindowInside::profiles(w).libraryMenu()->actions();
    QCOMPARE(actions.size(), ProfileControls::kLibraryMenuLimit);
    QCOMPARE(WindowInside::libraryNames(w).size(), 205);
    QCOMPARE(actions.at(7)->text(), QStringLiteral("P&&7"));
    actions.at(7)->trigger();
    QCOMPARE(f.editing().names[0], QStringLiteral("P&7"));
    QCOMPARE(currentProfile(f.editing()).dpiLevels[1].x, 44);
}

void TestProfileControls::replacedRecordTakesThePagesAlong_data()
{
    QTest::addColumn<Replacement>("way");
    QTest::addColumn<LeftBehind>("leftBehind");
    QTest::newRow("Reset All") << Replacement::ResetAll << LeftBehind::Replaced;
    QTest::newRow("LOAD1") << Replacement::Load << LeftBehind::Replaced;
    QTest::newRow("import") << Replacement::Import << LeftBehind::ProfileReplaced;
    QTest::newRow("Cancel") << Replacement::Cancel << LeftBehind::Dropped;
    QTest::newRow("profile chosen in the window") << Replacement::WindowSwitch << LeftBehind::Kept;
    QTest::newRow("profile chosen in the tray") << Replacement::TraySwitch << LeftBehind::Kept;
    QTest::newRow("mouse's profile button") << Replacement::MouseButton << LeftBehind::Dropped;
}

void TestProfileControls::replacedRecordTakesThePagesAlong()
{
    QFETCH(Replacement, way);
    QFETCH(LeftBehind, leftBehind);
    ProfileFixture f;
    MainWindow &w = f.start();
    QTRY_VERIFY(WindowInside::connection(w)->hasStatusThread());
    QCOMPARE(w.upload(true), 0);
    const QString conf = f.env->root() + QStringLiteral("/start.conf");
    f.chooseFile(conf);
    f.click(WindowInside::controls(w).save);
    const QString prof = f.env->root() + QStringLiteral("/Imported.prof");
    QVERIFY(writeProfileGroup(0, profileWithStage(50), prof));
    QVERIFY(writeFileProductName(kProduct, prof));
    for (int tab = 0; tab < kPageTabCount; ++tab)
        w.selectTab(PageTab(tab));
    auto *macros = f.page<MacroPage>();
    macros->onClicked(macros->button(MacroPage::New));
    macros->onClicked(macros->button(MacroPage::InsertDelay));
    macros->onClicked(macros->button(MacroPage::Save));
    const std::vector<KeyInfo> savedRows = macros->model()->rows();

    const MouseConfig before = f.stored();
    const int left = before.profileIndex();
    const int next = (left + 1) % kProfileCount;
    const int rate = editEveryPage(f, before);
    QVERIFY(macros->hasUnsavedRows());

    // Questions are accepted; unsaved macro rows are discarded.
    BoxWatcher boxes;
    boxes.onBox = [](SkinMessageBox *box) {
        if (box->kind() == SkinMessageBox::SaveQuestion)
            box->discardButton()->click();
    };
    switch (way) {
    case Replacement::ResetAll: f.click(WindowInside::controls(w).resetAll); break;
    case Replacement::Load: f.chooseFile(conf); f.click(WindowInside::controls(w).load); break;
    case Replacement::Import: f.chooseFile(prof); f.click(WindowInside::controls(w).importProfile); break;
    case Replacement::Cancel: w.discardEdits(); break;
    case Replacement::WindowSwitch: w.switchProfileTo(next); break;
    case Replacement::TraySwitch: emit WindowInside::tray(w)->profileChosen(next); break;
    case Replacement::MouseButton:
        f.mouse->press(SimButton::Profile);
        QTRY_COMPARE(f.editing().profileIndex(), next);
        break;
    }
    const MouseConfig replaced = f.editing();

    // The pages show the record.
    auto *pointer = f.page<PointerOptionsPage>();
    QCOMPARE(pointer->responseSlider()->value(), int(replaced.Debounce));
    QCOMPARE(pointer->onBox(PointerOptionsPage::Angle)->isChecked(), replaced.AngleValue != 0);
    QCOMPARE(f.page<ReportRatePage>()->rateButton()->text(),
             reportRateText(currentProfile(replaced).pollrate));
    QCOMPARE(f.page<DpiPage>()->row(0)->xCode(), currentProfile(replaced).dpiLevels[0].x);
    QCOMPARE(macros->hasUnsavedRows(), way != Replacement::Cancel);

    const ProfileData &edited = replaced.profiles[size_t(left)];
    switch (leftBehind) {
    case LeftBehind::Dropped:
        QVERIFY(edited == before.profiles[size_t(left)]);
        QCOMPARE(replaced.Debounce, before.Debounce);
        QCOMPARE(replaced.AngleValue, before.AngleValue);
        break;
    case LeftBehind::Kept:
        QCOMPARE(int(edited.pollrate), rate);
        QCOMPARE(edited.dpiLevels[0].x, kEditedDpiCode);
        QCOMPARE(int(replaced.Debounce), kEditedDebounce);
        break;
    case LeftBehind::Replaced:
        QVERIFY(replaced.Debounce != kEditedDebounce);
        break;
    case LeftBehind::ProfileReplaced:
        QCOMPARE(currentProfile(replaced).dpiLevels[1].x, 50);
        QCOMPARE(int(replaced.Debounce), kEditedDebounce);
        break;
    }
    // A line says so only when nobody in the window chose to leave them.
    QCOMPARE(WindowInside::discardedLine(w).isEmpty(), way != Replacement::MouseButton);

    // Apply sends and saves the record as it stands, nothing more.
    QTest::mouseClick(WindowInside::controls(w).apply, Qt::LeftButton);
    QVERIFY(f.stored() == replaced);
    MouseConfig files;
    AppConfig::loadAll(files);
    QCOMPARE(files.Debounce, replaced.Debounce);
    QCOMPARE(files.AngleValue, replaced.AngleValue);
    for (int slot = 0; slot < kProfileCount; ++slot) {
        const ProfileData &file = files.profiles[size_t(slot)];
        const ProfileData &record = replaced.profiles[size_t(slot)];
        QCOMPARE(file.pollrate, record.pollrate);
        QVERIFY(file.dpiLevels == record.dpiLevels);
        QCOMPARE(file.LedMoveOFF, record.LedMoveOFF);
        QVERIFY(file.buttons == record.buttons);
    }
    // A full upload of that record changes nothing the mouse holds.
    const auto sent = f.mouseBlocks();
    QCOMPARE(w.upload(true), 0);
    QVERIFY(f.mouseBlocks() == sent);
    QVERIFY(macros->model()->rows() == savedRows);
}

QTEST_MAIN(TestProfileControls)
#include "test_profilecontrols.moc"
