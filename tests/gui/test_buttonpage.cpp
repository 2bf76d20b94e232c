// The button assignment page on its own: menus and labels, the functions
// with and without dialogs, the left-click rule, the empty macro list, recoil
// files on the first button, and results that arrive after the page moved on.

#include "keyevents.h"
#include "test_mainwindowfixture.h"

#include "config/functioncatalogue.h"
#include "config/macrofile.h"
#include "editors/buttonmenus.h"
#include "editors/buttonpage.h"
#include "editors/macroselectdialog.h"
#include "editors/pageevents.h"
#include "editors/singlekeydialog.h"
#include "widgets/skinbutton.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QtTest>

#include <functional>

namespace {

// Runs `action` on the dialog of type D once its modal loop runs.
template <class D>
void whenShown(const std::function<void(D &)> &action)
{
    QTimer::singleShot(0, [action] {
        auto *dialog = qobject_cast<D *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        action(*dialog);
    });
}

QStringList texts(const QMenu *menu)
{
    QStringList out;
    for (QAction *action : menu->actions())
        out << (action->menu() ? QStringLiteral("[%1]").arg(action->text()) : action->text());
    return out;
}

} // namespace

class TestButtonPage : public QObject {
    Q_OBJECT

private:
    struct Fixture {
        TestEnvironment env;
        PageEvents events;
        ProfileData profile;
        MouseConfig config;
        std::unique_ptr<ButtonPage> page;
        QSignalSpy warnings{&events, &PageEvents::oneClickWarning};
        QSignalSpy macroTab{&events, &PageEvents::showMacroTab};

        Fixture()
        {
            for (ButtonInfo &b : profile.buttons)
                b.Fun = Fun::Right;
            profile.buttons[0].Fun = Fun::Left;
        }
        ButtonPage &open()
        {
            PageContext described;
            described.product = ProductFacts::fromDescriptor();
            page = std::make_unique<ButtonPage>(events, described);
            page->show(profile, config, PageContext{});
            return *page;
        }
        void apply(int group, int index, int code)
        {
            page->setSelection(group, index);
            page->menus().action(code)->trigger();
        }
    };

    static void addMacro(const QString &name, int events)
    {
        std::vector<KeyInfo> list;
        for (int i = 0; i < events; ++i)
            list.push_back(KeyInfo{uint8_t(i % 2 ? 0x04 : 0x84), uint8_t(4 + i % 20), 0});
        QVERIFY(writeMacroFile(name, MacroOptions{}, list));
        QVERIFY(addMacroName(name));
    }

private slots:
    void menusFollowTheDescriptor_data()
    {
        QTest::addColumn<int>("disableMacro");
        QTest::addColumn<int>("ledDisable");
        QTest::addColumn<QStringList>("tail");
        QTest::newRow("both") << 0 << 0 << QStringList{"Macro Manager", "Led Switch", "Button Off"};
        QTest::newRow("no macros") << 1 << 0 << QStringList{"Led Switch", "Button Off"};
        QTest::newRow("no lighting") << 0 << 1 << QStringList{"Macro Manager", "Button Off"};
    }
    void menusFollowTheDescriptor()
    {
        QFETCH(int, disableMacro);
        QFETCH(int, ledDisable);
        QFETCH(QStringList, tail);
        Fixture f;
        f.env.writeDescriptor({{"DisableMacro", disableMacro}, {"ledDisable", ledDisable}, {"ButtonCount", 6}});
        ButtonPage &page = f.open();
        const QStringList head{"Left", "Right", "Middle", "Forward", "Back", "[Basic]", "[Windows]", "[Advance]",
                               "[Media]", "[DPI]", "[Polling Rate]"};
        QCOMPARE(texts(page.mainMenu()), head + tail);
        QCOMPARE(texts(page.wheelMenu()),
                 (QStringList{"Scroll Up", "Scroll Down", "Volume Up", "Volume Down", "Left", "Right", "Middle",
                              "Forward", "Back", "SINGLE KEY", "COMBO KEY"}));
        const QMenu *windows = page.mainMenu()->actions().at(6)->menu();
        QCOMPARE(texts(windows).last(), QStringLiteral("Boss Key"));
        QCOMPARE(texts(windows).size(), 15);
        QCOMPARE(texts(page.mainMenu()->actions().at(10)->menu()), (QStringList{"Rate Switch", "Rate +", "Rate -"}));
        QCOMPARE(ButtonMenus::codes().size(), 55);

        // A language change refills the menus with the same actions.
        const int actions = page.menus().actions().size();
        page.retranslate();
        page.retranslate();
        QCOMPARE(texts(page.mainMenu()), head + tail);
        QCOMPARE(page.menus().actions().size(), actions);
    }

    void labels_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<int>("fun");
        QTest::addColumn<QString>("label");
        QTest::newRow("plain") << 2 << 45 << "Mute";
        QTest::newRow("profile switch from a file") << 3 << 59 << "Profile Switch";
        QTest::newRow("sniper") << 4 << 55 << "SNIPER";
        QTest::newRow("scroll up on a row button") << 5 << 52 << "";
        QTest::newRow("scroll down on the wheel") << 41 << 53 << "Scroll Down";
        QTest::newRow("unnamed code 13") << 1 << 13 << "";
        QTest::newRow("code outside the tables") << 1 << 999 << "";
        QTest::newRow("macro shows its name") << 22 << 200 << "burst";
        QTest::newRow("recoil file shows its name") << 40 << 510 << "burst";
    }
    void labels()
    {
        QFETCH(int, entry);
        QFETCH(int, fun);
        QFETCH(QString, label);
        Fixture f;
        f.profile.buttons[size_t(entry)].Fun = fun;
        f.profile.buttons[size_t(entry)].macroname = QStringLiteral("burst");
        const ProfileData before = f.profile;
        ButtonPage &page = f.open();
        QCOMPARE(page.labelOf(entry), label);
        const int group = entry >= 40 ? 2 : entry / 20;
        QCOMPARE(page.buttonWidget(group, entry % 20)->text(), label);
        QVERIFY(f.profile == before);   // filling never writes
    }

    void plainFunctionsAndSelection()
    {
        Fixture f;
        ButtonPage &page = f.open();
        QSignalSpy highlight(&f.events, &PageEvents::highlightButton);
        f.apply(0, 3, 39);
        QCOMPARE(f.profile.buttons[3].Fun, 39);
        QCOMPARE(page.buttonWidget(0, 3)->text(), QStringLiteral("Play/Pause"));
        QCOMPARE(highlight.count(), 1);
        QCOMPARE(highlight.at(0), (QList<QVariant>{3, 0}));
        QCOMPARE(page.selectedGroup(), int(ButtonPage::kNoSelection));

        // Nothing selected, or an index past its group: nothing happens.
        const ProfileData before = f.profile;
        page.menus().action(40)->trigger();
        page.setSelection(2, 2);
        page.menus().action(40)->trigger();
        page.setSelection(7, 0);
        page.menus().action(40)->trigger();
        QVERIFY(f.profile == before);

        // A press on a button selects it; hover asks for its highlight.
        emit page.buttonWidget(2, 1)->entered(page.buttonWidget(2, 1));
        QCOMPARE(page.selectedGroup(), 2);
        QCOMPARE(page.selectedIndex(), 1);
        QSignalSpy hover(&f.events, &PageEvents::hoverButton);
        emit page.buttonWidget(1, 4)->hovered(page.buttonWidget(1, 4), true);
        emit page.buttonWidget(1, 4)->hovered(page.buttonWidget(1, 4), false);
        QCOMPARE(highlight.last(), (QList<QVariant>{4, 1}));
        QCOMPARE(hover, (QList<QList<QVariant>>{{4, 1, true}, {4, 1, false}}));
    }

    void theLastLeftClickStays()
    {
        Fixture f;
        f.profile.buttons[20].Fun = Fun::Left;   // second row: never sent
        ButtonPage &page = f.open();
        f.apply(0, 0, Fun::Right);
        QCOMPARE(f.warnings.count(), 1);
        QCOMPARE(f.profile.buttons[0].Fun, Fun::Left);
        QCOMPARE(page.selectedGroup(), 0);   // the selection stays
        f.apply(0, 0, Fun::Left);
        QCOMPARE(f.warnings.count(), 1);

        // With a left click on the wheel, entry 0 may change.
        f.profile.buttons[40].Fun = Fun::Left;
        f.apply(0, 0, 45);
        QCOMPARE(f.profile.buttons[0].Fun, 45);
        f.apply(2, 0, Fun::ScrollUp);
        QCOMPARE(f.warnings.count(), 2);
        QCOMPARE(f.profile.buttons[40].Fun, Fun::Left);
    }

    void macrosNeedAMacroAndRecoilFilesNotTheFirstButton()
    {
        Fixture f;
        ButtonPage &page = f.open();
        f.apply(0, 2, Fun::Macro);
        QCOMPARE(f.macroTab.count(), 1);
        QCOMPARE(f.profile.buttons[2].Fun, Fun::Right);

        // Another left click, so that the left-click rule lets entry 0 go.
        f.profile.buttons[1].Fun = Fun::Left;
        BoxWatcher boxes;
        f.apply(0, 0, Fun::GunFile);
        QCOMPARE(boxes.texts, QStringList{"Left Button Can not be Gun Function."});
        QCOMPARE(f.profile.buttons[0].Fun, Fun::Left);

        // A file longer than a button holds: the first 63 events.
        addMacro(QStringLiteral("long"), 70);
        addMacro(QStringLiteral("short"), 4);
        whenShown<MacroSelectDialog>([](MacroSelectDialog &d) {
            QCOMPARE(d.title(), QStringLiteral("GUNFILE SELECT"));
            d.nameMenu()->actions().at(0)->trigger();
            d.loopEdit()->setText(QStringLiteral("7"));
            d.chooseMode(1);
            d.accept();
        });
        f.apply(1, 0, Fun::GunFile);
        const ButtonInfo &b = f.profile.buttons[20];
        QCOMPARE(b.Fun, Fun::GunFile);
        QCOMPARE(b.macroname, QStringLiteral("long"));
        QCOMPARE(b.KeyNumber, 63);
        QCOMPARE(b.LoopNumber, 7);
        QCOMPARE(b.Res1, uint8_t(1));
        QCOMPARE(b.KeyInfo[62], (KeyInfo{0x84, 6, 0}));
        QCOMPARE(page.labelOf(20), QStringLiteral("long"));

        // Opened again, the dialog shows what the entry holds; "No" keeps it.
        whenShown<MacroSelectDialog>([](MacroSelectDialog &d) {
            QCOMPARE(d.name(), QStringLiteral("long"));
            QCOMPARE(d.loopCount(), 7);
            QCOMPARE(d.mode(), 1);
            d.reject();
        });
        const ProfileData before = f.profile;
        f.apply(1, 0, Fun::GunFile);
        QVERIFY(f.profile == before);
        QCOMPARE(page.selectedGroup(), int(ButtonPage::kNoSelection));
    }

    void keysCapturedInTheDialogs()
    {
        Fixture f;
        ButtonPage &page = f.open();
        whenShown<SingleKeyDialog>([](SingleKeyDialog &d) {
            sendNativeKey(d.keyField(), QEvent::KeyPress, 71, 10);   // keypad 7
            d.accept();
        });
        f.apply(0, 1, Fun::SingleKey);
        QCOMPARE(f.profile.buttons[1].Fun, Fun::SingleKey);
        QCOMPARE(f.profile.buttons[1].Res1, uint8_t(235));
        QCOMPARE(page.labelOf(1), QStringLiteral("SINGLE KEY"));

        // Cancel leaves the entry as it was and clears the selection.
        whenShown<SingleKeyDialog>([](SingleKeyDialog &d) {
            QCOMPARE(d.key(), 235);   // preset from the entry
            sendNativeKey(d.keyField(), QEvent::KeyPress, 30, 20);
            d.reject();
        });
        f.apply(0, 1, Fun::SingleKey);
        QCOMPARE(f.profile.buttons[1].Res1, uint8_t(235));
        QCOMPARE(page.selectedGroup(), int(ButtonPage::kNoSelection));

    }

    void aResultGoesWhereItWasAimed()
    {
        Fixture f;
        ButtonPage &page = f.open();
        ProfileData other = f.profile;
        // The mouse's own profile button changes the profile while the dialog
        // is open: the dialog's key belongs to the profile it was opened for.
        whenShown<SingleKeyDialog>([&](SingleKeyDialog &d) {
            page.show(other, f.config, PageContext{});
            sendNativeKey(d.keyField(), QEvent::KeyPress, 30, 10);
            d.accept();
        });
        const ProfileData before = f.profile;
        const ProfileData otherBefore = other;
        f.apply(0, 4, Fun::SingleKey);
        QVERIFY(f.profile == before);
        QVERIFY(other == otherBefore);
    }
};

QTEST_MAIN(TestButtonPage)
#include "test_buttonpage.moc"
