// The profile controls in sight: where the layout puts them, the indicator
// that switches like the profile menu, the compact layout that hides them
// from the pointer and the keyboard, the tray's profile list, the library
// operations reached through the visible controls, and the dialog that edits
// the application rules.

#include "test_mainwindowfixture.h"

#include "config/appconfig.h"
#include "config/appprofilerules.h"
#include "config/paths.h"
#include "config/profilelibrary.h"
#include "shell/appprofileservice.h"
#include "shell/appprofilesdialog.h"
#include "editors/dpipage.h"
#include "shell/pagehost.h"
#include "shell/profilecontrols.h"
#include "shell/traycontroller.h"
#include "shell/windowcontrols.h"
#include "widgets/batterybar.h"
#include "widgets/skinlabel.h"
#include "widgets/skinlineedit.h"
#include "widgets/skinbutton.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QTreeWidget>

#include <numeric>

namespace {

QList<QWidget *> profileControls(const WindowControls &c)
{
    QList<QWidget *> list = {c.add, c.remove, c.copy, c.reset, c.importProfile, c.exportProfile,
                             c.nameField, c.nameLabel, c.library};
    for (SkinButton *indicator : c.indicators)
        list.append(indicator);
    return list;
}

void setProfileControls(int value)
{
    QSettings(Paths::configFile(), QSettings::IniFormat).setValue(QStringLiteral("Config/ProfileControls"), value);
}

void clickCentre(QWidget *widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center()); }

} // namespace

class TestProfilesInSight : public QObject {
    Q_OBJECT
private slots:
    void controlsStandApart();
    void indicatorSwitchesLikeTheMenu();
    void compactLayoutTakesNoFocusOrKeys();
    void trayListsAndSwitchesWhileHidden();
    void operationsThroughTheVisibleControls();
    void rulesDialogEditsTheRules();
    void malformedRulesFileIsRefusedAndKept();
};

void TestProfilesInSight::controlsStandApart()
{
    WindowFixture f;
    MainWindow &w = f.openWithReceiver();
    const WindowControls &c = WindowInside::controls(w);
    QVERIFY(AppConfig::profileControlsShown());

    // Every profile control is seen, inside the window, clear of the tabs,
    // the pages, the battery and of each other.
    QList<QWidget *> others = {c.battery, c.resetAll, c.load, c.save, c.apply, w.appProfiles()->dialogButton()};
    for (SkinButton *tab : c.tabs)
        others.append(tab);
    const QList<QWidget *> controls = profileControls(c);
    for (int i = 0; i < controls.size(); ++i) {
        const QRect box = controls.at(i)->geometry();
        QVERIFY2(!box.isEmpty(), qPrintable(controls.at(i)->objectName()));
        QVERIFY(w.rect().contains(box));
        QVERIFY2(box.right() < WindowInside::pages(w).placeOf<DpiPage>()->geometry().left(),
                 qPrintable(controls.at(i)->objectName()));
        for (QWidget *other : others)
            QVERIFY2(!box.intersects(other->geometry()),
                     qPrintable(controls.at(i)->objectName() + QLatin1Char('/') + other->objectName()));
        for (int j = i + 1; j < controls.size(); ++j)
            QVERIFY2(!box.intersects(controls.at(j)->geometry()),
                     qPrintable(controls.at(i)->objectName() + QLatin1Char('/') + controls.at(j)->objectName()));
    }
}

void TestProfilesInSight::indicatorSwitchesLikeTheMenu()
{
    WindowFixture f;
    MainWindow &w = f.openWithReceiver();
    QTRY_VERIFY(WindowInside::connection(w)->hasStatusThread());
    const WindowControls &c = WindowInside::controls(w);

    clickCentre(c.indicators[3]);
    QCOMPARE(int(f.editing().ProfileID), 3);
    QTRY_COMPARE(f.mouse->memory().activeProfile, 3);
    QCOMPARE(AppConfig::activeProfileIndex(), 3);
    for (int i = 0; i < WindowControls::kProfileSlots; ++i)
        QCOMPARE(c.indicators[size_t(i)]->state(), i == 3 ? 1 : 0);

    // The mouse's own button: the indicator and the tray follow.
    f.mouse->press(SimButton::Profile);
    QTRY_COMPARE(int(f.editing().ProfileID), 4);
    QCOMPARE(c.indicators[4]->state(), 1);
    QCOMPARE(c.indicators[3]->state(), 0);
    WindowInside::tray(w)->refreshProfiles();
    QVERIFY(WindowInside::tray(w)->profileActions().at(4)->isChecked());
}

void TestProfilesInSight::compactLayoutTakesNoFocusOrKeys()
{
    WindowFixture f;
    setProfileControls(0);
    MainWindow &w = f.openWithReceiver();
    const WindowControls &c = WindowInside::controls(w);
    QVERIFY(!AppConfig::profileControlsShown());
    for (QWidget *control : profileControls(c)) {
        QVERIFY2(control->geometry().isEmpty(), qPrintable(control->objectName()));
        QCOMPARE(control->focusPolicy(), Qt::NoFocus);
    }
    // Walking the focus through the whole window never lands on them, so
    // no typed key reaches the name field.
    w.activateWindow();
    const QString name = c.nameField->text();
    for (int i = 0; i < 80; ++i) {
        QWidget *focused = QApplication::focusWidget();
        QVERIFY(!profileControls(c).contains(focused));
        QTest::keyClick(focused ? focused : &w, Qt::Key_Tab);
    }
    QCOMPARE(c.nameField->text(), name);
}

void TestProfilesInSight::trayListsAndSwitchesWhileHidden()
{
    WindowFixture f;
    AppConfig::setSlotName(1, QStringLiteral("Work & Play"));
    MainWindow &w = f.openWithReceiver();
    QTRY_VERIFY(WindowInside::connection(w)->hasStatusThread());
    TrayController *tray = WindowInside::tray(w);
    const QList<QAction *> profiles = tray->profileActions();
    QCOMPARE(profiles.size(), 5);
    QCOMPARE(tray->menu()->actions().first(), profiles.first());
    QCOMPARE(profiles.at(0)->text(), QStringLiteral("Profile 1"));
    QCOMPARE(profiles.at(1)->text(), QStringLiteral("Work && Play"));
    QVERIFY(profiles.at(0)->isChecked());
    QVERIFY(tray->menu()->actions().contains(tray->appProfilesAction()));

    // As after a start from the autostart entry: in the tray only.
    w.startHidden();
    w.hide();
    profiles.at(1)->trigger();
    QCOMPARE(int(f.editing().ProfileID), 1);
    QTRY_COMPARE(f.mouse->memory().activeProfile, 1);
    QVERIFY(profiles.at(1)->isChecked());
    QVERIFY(!profiles.at(0)->isChecked());
    QCOMPARE(WindowInside::controls(w).indicators[1]->state(), 1);
    QVERIFY(w.isHidden());
}

void TestProfilesInSight::operationsThroughTheVisibleControls()
{
    WindowFixture f;
    f.mouse->plug(SimLink::Receiver);
    // A library longer than the menu offers.
    QStringList library;
    for (int i = 1; i <= 230; ++i)
        library << QStringLiteral("Profile %1").arg(i);
    QVERIFY(ProfileLibrary::save(library));
    MainWindow &w = f.open();
    QTRY_VERIFY(WindowInside::connection(w)->hasStatusThread());
    const WindowControls &c = WindowInside::controls(w);
    BoxWatcher boxes;

    QCOMPARE(c.library->menu(), WindowInside::profiles(w).libraryMenu());
    QCOMPARE(c.library->menu()->actions().size(), ProfileControls::kLibraryMenuLimit);

    clickCentre(c.add);
    QCOMPARE(c.nameField->text(), QStringLiteral("Profile 231"));
    clickCentre(c.copy);
    QCOMPARE(c.nameField->text(), QStringLiteral("Profile 231 copy"));

    // Rename by typing into the field and Enter.
    clickCentre(c.nameField);
    c.nameField->selectAll();
    QTest::keyClicks(c.nameField, QStringLiteral("Raid"));
    QTest::keyClick(c.nameField, Qt::Key_Return);
    QCOMPARE(f.editing().names[0], QStringLiteral("Raid"));
    QVERIFY(QFile::exists(Paths::profileFile(QStringLiteral("Raid"))));

    const QString exported = f.env->root() + QStringLiteral("/raid.prof");
    WindowInside::profiles(w).setFileChooser([exported](ProfileControls::FileDialog) { return exported; });
    clickCentre(c.exportProfile);
    QVERIFY(QFile::exists(exported));

    clickCentre(c.remove);
    QVERIFY(!QFile::exists(Paths::profileFile(QStringLiteral("Raid"))));
    QCOMPARE(boxes.texts.last(), QStringLiteral("Are you sure you want delete this profile?"));

    // Import takes the exported file back under its name, and sends.
    clickCentre(c.importProfile);
    QCOMPARE(f.editing().names[0], QStringLiteral("raid"));

    // RESET brings back the factory profile and sends it: first an applied
    // profile that differs from it.
    currentProfile(f.editing()).pollrate = currentProfile(f.editing()).pollrate == 1 ? 2 : 1;
    QCOMPARE(w.upload(false), 0);
    const auto sum = [&f] {
        const auto commits = f.mouse->memory().commits;
        return std::accumulate(commits.begin(), commits.end(), 0);
    };
    const int commits = sum();
    clickCentre(c.reset);
    QCOMPARE(boxes.texts.last(), QStringLiteral("Are you sure you want reset this profile?"));
    QVERIFY(sum() > commits);
    QVERIFY(f.stored() == f.editing());
}

void TestProfilesInSight::rulesDialogEditsTheRules()
{
    WindowFixture f;
    AppProfileRules start;
    start.set(QStringLiteral("first"), 0, AppProfileRule::Trigger::Focus);
    start.set(QStringLiteral("second"), 1, AppProfileRule::Trigger::Running);
    AppProfilesDialog dialog(start, QStringLiteral("no focus here"));
    WindowApp steam;
    steam.window = 7;
    steam.windowClass = QStringLiteral("Steam");
    dialog.setApplicationSource([steam] { return QList<WindowApp>{steam}; });
    QVERIFY(!dialog.note()->isHidden());

    // The picker offers the applications with windows.
    QCOMPARE(dialog.applicationField()->count(), 1);
    dialog.applicationField()->setCurrentIndex(0);
    dialog.profileChoice()->setCurrentIndex(4);
    dialog.triggerChoice()->setCurrentIndex(1);
    dialog.addButton()->click();
    QCOMPARE(dialog.list()->topLevelItemCount(), 3);
    QCOMPARE(dialog.rules().rules.last(), (AppProfileRule{QStringLiteral("Steam"), 4, AppProfileRule::Trigger::Running}));

    // Up moves the selected (new) rule before "second"; a typed name for an
    // existing rule replaces it; remove takes the selected one.
    dialog.upButton()->click();
    QCOMPARE(dialog.rules().rules.at(1).application, QStringLiteral("Steam"));
    dialog.applicationField()->setEditText(QStringLiteral("FIRST"));
    dialog.profileChoice()->setCurrentIndex(2);
    dialog.addButton()->click();
    QCOMPARE(dialog.rules().rules.size(), 3);
    QCOMPARE(dialog.rules().rules.at(0).slot, 2);
    dialog.list()->setCurrentItem(dialog.list()->topLevelItem(2));
    dialog.removeButton()->click();
    QCOMPARE(dialog.rules().rules.size(), 2);
    QCOMPARE(dialog.rules().rules.at(1).application, QStringLiteral("Steam"));
    // Up on the first rule and down on the last change nothing.
    dialog.list()->setCurrentItem(dialog.list()->topLevelItem(1));
    dialog.downButton()->click();
    QCOMPARE(dialog.rules().rules.at(1).application, QStringLiteral("Steam"));

    dialog.defaultChoice()->setCurrentIndex(dialog.defaultChoice()->findData(3));
    QCOMPARE(dialog.rules().defaultSlot, 3);
    dialog.defaultChoice()->setCurrentIndex(0);
    QCOMPARE(dialog.rules().defaultSlot, int(AppProfileRules::kStay));
}

void TestProfilesInSight::malformedRulesFileIsRefusedAndKept()
{
    WindowFixture f;
    const QByteArray broken = "[Rules]\nsize=1\n1\\Application=mine\n1\\Profile=2\n1\\Trigger=hover\n";
    QFile file(Paths::appProfilesFile());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(broken);
    file.close();
    MainWindow &w = f.openWithReceiver();
    AppProfileService &service = *w.appProfiles();
    QVERIFY2(service.statusText().contains(QStringLiteral("hover")), qPrintable(service.statusText()));
    QVERIFY(service.switcher().rules().rules.isEmpty());

    // The dialog will not open over it: it says why and writes nothing.
    BoxWatcher boxes;
    service.openDialog();
    QCOMPARE(boxes.texts.size(), 1);
    QVERIFY(boxes.texts.first().contains(QStringLiteral("neither focus nor running")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), broken);
    QVERIFY(!QFile::exists(Paths::appProfilesFile() + QStringLiteral(".bak")));
}

QTEST_MAIN(TestProfilesInSight)
#include "test_profilesinsight.moc"
