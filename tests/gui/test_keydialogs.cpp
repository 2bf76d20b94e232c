// The key dialogs with key events as X11 delivers them (native scan codes),
// the sniper range table and the macro selection dialog.

#include "keyevents.h"
#include "testenvironment.h"

#include "config/appconfig.h"
#include "config/macrofile.h"
#include "config/paths.h"
#include "editors/combokeydialog.h"
#include "editors/firekeydialog.h"
#include "editors/macroselectdialog.h"
#include "editors/singlekeydialog.h"
#include "editors/sniperdialog.h"
#include "widgets/skincheckbox.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QSlider>
#include <QToolButton>
#include <QtTest>

namespace {

// evdev codes
constexpr int kA = 30, kB = 48, kC = 46, kLeftCtrl = 29, kRightCtrl = 97, kLeftShift = 42, kEsc = 1, kReturn = 28,
              kSpace = 57, kTab = 15, kKeypad7 = 71, kHome = 102, kLess = 86 /* 102nd key: no HID usage */;

void press(KeyDialog &dialog, int evdev, ulong time) { sendNativeKey(dialog.keyField(), QEvent::KeyPress, evdev, time); }
void release(KeyDialog &dialog, int evdev, ulong time)
{
    sendNativeKey(dialog.keyField(), QEvent::KeyRelease, evdev, time);
}

} // namespace

class TestKeyDialogs : public QObject {
    Q_OBJECT

private:
    TestEnvironment *m_env = nullptr;

private slots:
    void init() { m_env = new TestEnvironment; }
    void cleanup()
    {
        delete m_env;
        m_env = nullptr;
    }

    void singleKeyTakesTheLatestEvent_data()
    {
        QTest::addColumn<QList<int>>("events");   // evdev, negative for a release
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("name");
        QTest::newRow("A held (repeats flagged)") << QList<int>{kA, kA, kA} << 30 << "A";
        QTest::newRow("A, B, release A") << QList<int>{kA, kB, -kA} << 30 << "A";
        QTest::newRow("keypad 7 renumbered") << QList<int>{kKeypad7} << 235 << "Num 7";
        QTest::newRow("Home keeps 71") << QList<int>{kHome} << 71 << "Home";
        QTest::newRow("Esc is a key") << QList<int>{kEsc} << 1 << "Esc";
    }
    void singleKeyTakesTheLatestEvent()
    {
        QFETCH(QList<int>, events);
        QFETCH(int, key);
        QFETCH(QString, name);
        SingleKeyDialog dialog;
        dialog.preset(46);
        QCOMPARE(dialog.keyField()->text(), QStringLiteral("C"));
        ulong time = 100;
        int previous = 0;
        for (int e : events) {
            const bool repeat = e == previous;
            sendNativeKey(dialog.keyField(), e < 0 ? QEvent::KeyRelease : QEvent::KeyPress, qAbs(e), time += 50, repeat);
            previous = e;
        }
        QTRY_COMPARE(dialog.key(), key);
        QCOMPARE(dialog.keyField()->text(), name);
    }

    void capturedKeysNeverCloseTheDialog()
    {
        SingleKeyDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(dialog.keyField()));
        ulong time = 10;
        for (int key : {kEsc, kReturn, kSpace, kTab}) {
            press(dialog, key, time += 10);
            release(dialog, key, time += 10);
        }
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), 0);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(dialog.keyField()));
        QTRY_COMPARE(dialog.key(), 15);
        // Neither button takes the focus away from the key field.
        QCOMPARE(dialog.acceptButton()->focusPolicy(), Qt::NoFocus);
        QCOMPARE(dialog.rejectButton()->focusPolicy(), Qt::NoFocus);
        QVERIFY(!dialog.keyField()->testAttribute(Qt::WA_InputMethodEnabled));
    }

    void combinationIsWhatWasHeldAtTheLastPress_data()
    {
        QTest::addColumn<QList<int>>("events");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("codes");
        const QList<int> ctrlC{0, 29, 0, 0, 46};
        QTest::newRow("ctrl then c") << QList<int>{kLeftCtrl, kC, -kC, -kLeftCtrl} << "LCtr + C" << ctrlC;
        QTest::newRow("right ctrl stored as left") << QList<int>{kRightCtrl, kC, -kRightCtrl, -kC} << "LCtr + C" << ctrlC;
        QTest::newRow("c then ctrl") << QList<int>{kC, kLeftCtrl, -kLeftCtrl, -kC} << "LCtr + C" << ctrlC;
        QTest::newRow("releases change nothing") << QList<int>{kLeftShift, kA, -kA, -kLeftShift} << "LShift + A"
                                                 << QList<int>{42, 0, 0, 0, 30};
        QTest::newRow("a new press after releases") << QList<int>{kLeftShift, kA, -kA, -kLeftShift, kB, -kB} << "B"
                                                    << QList<int>{0, 0, 0, 0, 48};
    }
    void combinationIsWhatWasHeldAtTheLastPress()
    {
        QFETCH(QList<int>, events);
        QFETCH(QString, text);
        QFETCH(QList<int>, codes);
        ComboKeyDialog dialog;
        // A preset is cleared by the first key.
        std::array<KeyInfo, kEventsPerButton> preset{};
        preset[0] = {225, 5, 0x80};
        preset[1] = {4, 5, 0x80};
        dialog.preset(preset);
        QCOMPARE(dialog.keyField()->text(), QStringLiteral("LShift + A"));
        ulong time = 100;
        for (int e : events)
            sendNativeKey(dialog.keyField(), e < 0 ? QEvent::KeyRelease : QEvent::KeyPress, qAbs(e), time += 30);
        QTRY_COMPARE(dialog.keyField()->text(), text);
        const auto got = dialog.keyCodes();
        QCOMPARE(QList<int>(got.begin(), got.end()), codes);
    }

    // Four modifiers and Print Screen in every language's font: the text
    // shown fits its field, and the whole of it is the tool-tip.
    void longCombinationFitsItsField()
    {
        ComboKeyDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        ulong time = 100;
        for (int key : {kLeftCtrl, kLeftShift, 56 /* left Alt */, 125 /* left Meta */, 99 /* Print Screen */})
            sendNativeKey(dialog.keyField(), QEvent::KeyPress, key, time += 30);
        QLabel *field = dialog.keyField();
        QTRY_VERIFY(field->text().contains(QLatin1String("LCtr")) || field->toolTip().contains(QLatin1String("LCtr")));
        const QString whole = field->toolTip().isEmpty() ? field->text() : field->toolTip();
        QVERIFY2(whole.contains(QLatin1String("LCtr")) && whole.endsWith(QLatin1String("Print Screen")),
                 qPrintable(whole));
        QVERIFY2(QFontMetrics(field->font()).horizontalAdvance(field->text()) <= field->contentsRect().width(),
                 qPrintable(field->text()));
    }

    void grabFailureIsSaid()
    {
        // Offscreen there is no keyboard grab: the dialog says so.
        ComboKeyDialog combo;
        combo.show();
        QTRY_VERIFY(combo.grabNotice()->isVisible());
        QVERIFY(!combo.keyboardGrabbed());
        // The single-key dialog does not grab, and says nothing.
        SingleKeyDialog single;
        single.show();
        QVERIFY(QTest::qWaitForWindowExposed(&single));
        QVERIFY(!single.grabNotice()->isVisible());
    }

    void fireKeyCapturesOnlyForKeyboardKey()
    {
        FireKeyDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        press(dialog, kA, 10);
        QCOMPARE(dialog.key(), 0);   // "Left" is chosen: keys are not captured
        QCOMPARE(dialog.res1(), 0x81);
        QVERIFY(dialog.acceptButton()->isEnabled());

        QTest::mouseClick(dialog.choiceBox(FireKeyDialog::KeyboardKey), Qt::LeftButton);
        QCOMPARE(dialog.choice(), int(FireKeyDialog::KeyboardKey));
        QVERIFY(!dialog.choiceBox(FireKeyDialog::LeftClick)->isChecked());
        QVERIFY(!dialog.acceptButton()->isEnabled());   // no key yet
        press(dialog, kLess, 20);
        QCOMPARE(dialog.key(), 86);
        QVERIFY(!dialog.acceptButton()->isEnabled());   // a key the mouse cannot send
        press(dialog, kB, 30);
        QCOMPARE(dialog.res1(), 5);
        QVERIFY(dialog.acceptButton()->isEnabled());

        // Digits go into "Times:", and the key that ends them is not captured.
        dialog.timesEdit()->setFocus();
        QTest::keyClicks(dialog.timesEdit(), QStringLiteral("99"));
        QTest::keyClick(dialog.timesEdit(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(dialog.keyField()));
        release(dialog, kReturn, 40);
        QTRY_COMPARE(dialog.key(), 48);
        press(dialog, kC, 50);
        QCOMPARE(dialog.key(), 46);

        QTest::mouseClick(dialog.choiceBox(FireKeyDialog::MiddleClick), Qt::LeftButton);
        QCOMPARE(dialog.key(), 0);
        QCOMPARE(dialog.res1(), 0x84);
    }

    void fireKeyNumbers_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("times");
        QTest::newRow("in range") << "25" << 25;
        QTest::newRow("empty gives the default") << "" << 3;
        QTest::newRow("above the range held to 255") << "999" << 255;
        QTest::newRow("zero held to 1") << "0" << 1;
    }
    void fireKeyNumbers()
    {
        QFETCH(QString, typed);
        QFETCH(int, times);
        FireKeyDialog dialog;
        dialog.timesEdit()->setText(typed);
        dialog.delayEdit()->setText(typed);
        QCOMPARE(dialog.times(), times);
        QCOMPARE(dialog.delay(), typed.isEmpty() ? 10 : times);
    }

    // Keys typed into the number fields of both dialogs: a number the
    // field cannot keep never stands in it.
    void numberFieldsTakeOnlyTheirRange_data()
    {
        QTest::addColumn<int>("field");   // 0 fire times, 1 fire delay, 2 selection loop count
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        for (int field = 0; field < 3; ++field) {
            const char *name = field == 0 ? "times" : field == 1 ? "delay" : "loop";
            QTest::newRow(qPrintable(QStringLiteral("%1 256 stops at 25").arg(name))) << field << "256" << "25";
            QTest::newRow(qPrintable(QStringLiteral("%1 999 stops at 99").arg(name))) << field << "999" << "99";
            QTest::newRow(qPrintable(QStringLiteral("%1 255 kept").arg(name))) << field << "255" << "255";
            QTest::newRow(qPrintable(QStringLiteral("%1 0 refused").arg(name))) << field << "0" << "";
            QTest::newRow(qPrintable(QStringLiteral("%1 letters refused").arg(name))) << field << "1x-2" << "12";
        }
    }
    void numberFieldsTakeOnlyTheirRange()
    {
        QFETCH(int, field);
        QFETCH(QString, typed);
        FireKeyDialog fire;
        MacroSelectDialog select(QStringLiteral("MACRO SELECT"), QString(), 1, 0);
        QLineEdit *edit = field == 0 ? fire.timesEdit() : field == 1 ? fire.delayEdit() : select.loopEdit();
        edit->clear();
        QTest::keyClicks(edit, typed);
        QTEST(edit->text(), "shown");
    }

    void fireKeyPresets_data()
    {
        QTest::addColumn<int>("res1");
        QTest::addColumn<int>("loop");
        QTest::addColumn<int>("keyNumber");
        QTest::addColumn<int>("choice");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("times");
        QTest::addColumn<QString>("delay");
        QTest::newRow("zero is left, zero counts default") << 0 << 0 << 0 << 0 << 0 << "3" << "10";
        QTest::newRow("left") << 0x81 << 7 << 30 << 0 << 0 << "7" << "30";
        QTest::newRow("right") << 0x82 << 1 << 1 << 1 << 0 << "1" << "1";
        QTest::newRow("middle") << 0x84 << 255 << 255 << 2 << 0 << "255" << "255";
        QTest::newRow("usage of A") << 4 << 5 << 20 << 3 << 30 << "5" << "20";
        QTest::newRow("stored count out of range shown held") << 0x81 << 999 << -4 << 0 << 0 << "255" << "1";
    }
    void fireKeyPresets()
    {
        QFETCH(int, res1);
        QFETCH(int, loop);
        QFETCH(int, keyNumber);
        FireKeyDialog dialog;
        dialog.preset(res1, loop, keyNumber);
        QTEST(dialog.choice(), "choice");
        QTEST(dialog.key(), "key");
        QTEST(dialog.timesEdit()->text(), "times");
        QTEST(dialog.delayEdit()->text(), "delay");
    }

    // A button that cannot be used looks it: the disabled accept button of
    // both dialogs is drawn unlike the enabled one.
    void disabledAcceptButtonsLookDisabled()
    {
        FireKeyDialog fire;
        fire.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fire));
        const QImage enabled = fire.acceptButton()->grab().toImage();
        fire.choose(FireKeyDialog::KeyboardKey);
        QVERIFY(!fire.acceptButton()->isEnabled());
        QVERIFY(fire.acceptButton()->grab().toImage() != enabled);

        MacroSelectDialog select(QStringLiteral("MACRO SELECT"), QString(), 1, 0);
        select.show();
        QVERIFY(QTest::qWaitForWindowExposed(&select));
        QVERIFY(!select.acceptButton()->isEnabled());   // no name yet
        const QImage disabled = select.acceptButton()->grab().toImage();
        select.acceptButton()->setEnabled(true);
        QVERIFY(select.acceptButton()->grab().toImage() != disabled);
    }

    void sniperRanges_data()
    {
        QTest::addColumn<int>("sensor");
        QTest::addColumn<int>("preset");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::newRow("3325 new dialog") << 3325 << 0 << 3 << 1 << 10;
        QTest::newRow("3325 kept") << 3325 << 7 << 7 << 1 << 10;
        QTest::newRow("3333 keeps 1 below its slider") << 3333 << 1 << 1 << 2 << 10;
        QTest::newRow("3389 zero") << 3389 << 0 << 6 << 2 << 20;
        QTest::newRow("3389 21") << 3389 << 21 << 6 << 2 << 20;
        QTest::newRow("3212 forty") << 3212 << 40 << 16 << 16 << 32;
        QTest::newRow("3212 sixteen is not kept") << 3212 << 16 << 16 << 16 << 32;
        QTest::newRow("3104 15 kept") << 3104 << 15 << 15 << 14 << 26;
        QTest::newRow("unknown sensor keeps anything") << 1234 << 77 << 77 << 1 << 10;
    }
    void sniperRanges()
    {
        QFETCH(int, sensor);
        QFETCH(int, preset);
        QFETCH(int, code);
        SniperDialog dialog(sensor);
        dialog.preset(preset);
        QCOMPARE(dialog.code(), code);
        QTEST(dialog.slider()->minimum(), "minimum");
        QTEST(dialog.slider()->maximum(), "maximum");
    }

    void sniperShowsTheDpi()
    {
        SniperDialog dialog(3325);
        QCOMPARE(dialog.code(), 3);
        QCOMPARE(dialog.dpiText(), QStringLiteral("300"));
        dialog.slider()->setValue(8);
        QCOMPARE(dialog.code(), 8);
        QCOMPARE(dialog.dpiText(), QStringLiteral("800"));
    }

    // Fifty macro names: the menu fits the screen and scrolls to its last
    // entry.
    void longNameMenuFitsTheScreen()
    {
        {
            QSettings config(Paths::configFile(), QSettings::IniFormat);
            for (int i = 0; i < kMacroListSize; ++i)
                config.setValue(QStringLiteral("MACRO_LIST/%1").arg(i), QStringLiteral("macro %1").arg(i));
        }
        MacroSelectDialog dialog(QStringLiteral("MACRO SELECT"), QString(), 1, 0);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QMenu *menu = dialog.nameMenu();
        QCOMPARE(menu->actions().size(), kMacroListSize);
        const QRect screen = dialog.screen()->availableGeometry();
        menu->popup(screen.topLeft() + QPoint(10, 40));
        QTRY_VERIFY(menu->isVisible());
        QVERIFY(screen.contains(menu->geometry()));
        // Every entry can be brought into the menu's fixed width and height.
        for (QAction *entry : menu->actions()) {
            menu->setActiveAction(entry);
            QVERIFY2(menu->rect().contains(menu->actionGeometry(entry)), qPrintable(entry->text()));
        }
        menu->close();
    }

    void macroSelection()
    {
        {
            QSettings config(Paths::configFile(), QSettings::IniFormat);
            config.setValue(QStringLiteral("MACRO_LIST/0"), QStringLiteral("A"));
            config.setValue(QStringLiteral("MACRO_LIST/1"), QString());
            config.setValue(QStringLiteral("MACRO_LIST/2"), QStringLiteral("B"));
        }
        MacroSelectDialog fresh(QStringLiteral("MACRO SELECT"), QString(), 1, 0);
        QStringList listed;
        for (QAction *action : fresh.nameMenu()->actions())
            listed << action->text();
        QCOMPARE(listed, (QStringList{"A", "B"}));
        QCOMPARE(fresh.title(), QStringLiteral("MACRO SELECT"));
        QVERIFY(!fresh.acceptButton()->isEnabled());   // no name yet
        QVERIFY(fresh.modeButton(0)->isChecked());
        fresh.nameMenu()->actions().at(1)->trigger();
        QCOMPARE(fresh.name(), QStringLiteral("B"));
        QVERIFY(fresh.acceptButton()->isEnabled());
        QTest::mouseClick(fresh.modeButton(2), Qt::LeftButton);
        QCOMPARE(fresh.mode(), 2);
        QVERIFY(!fresh.modeButton(0)->isChecked());
        fresh.loopEdit()->setText(QStringLiteral("999"));
        QCOMPARE(fresh.loopCount(), 255);
        fresh.loopEdit()->clear();
        QCOMPARE(fresh.loopCount(), 1);

        // A name no longer listed is shown and kept.
        MacroSelectDialog preset(QStringLiteral("GUNFILE SELECT"), QStringLiteral("Gone"), 5, 2);
        QCOMPARE(preset.name(), QStringLiteral("Gone"));
        QCOMPARE(preset.findChild<QLabel *>(QStringLiteral("macroName"))->text(), QStringLiteral("Gone"));
        QCOMPARE(preset.loopCount(), 5);
        QVERIFY(preset.modeButton(2)->isChecked());
        QVERIFY(preset.acceptButton()->isEnabled());
    }
};

QTEST_MAIN(TestKeyDialogs)
#include "test_keydialogs.moc"
