// Assignments made on the button page reach the virtual mouse's memory after
// Apply, byte for byte: a single key, a key combination and a macro, each
// chosen through its menu and dialog as a user would.

#include "keyevents.h"
#include "test_mainwindowfixture.h"

#include "config/functioncatalogue.h"
#include "config/macrofile.h"
#include "editors/buttonmenus.h"
#include "editors/buttonpage.h"
#include "editors/combokeydialog.h"
#include "editors/macroselectdialog.h"
#include "editors/singlekeydialog.h"
#include "shell/pagehost.h"
#include "widgets/skinbutton.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QtTest>

class TestButtonApply : public QObject {
    Q_OBJECT

private:
    static QByteArray slotBytes(const SimMemory &m, int slot)
    {
        if (m.buttons.size() < size_t(2 + 4 * (slot + 1)))
            return QByteArray();
        return QByteArray(reinterpret_cast<const char *>(m.buttons.data()) + 2 + 4 * slot, 4).toHex(' ');
    }

    template <class D>
    static void whenShown(const std::function<void(D &)> &action)
    {
        QTimer::singleShot(0, [action] {
            auto *dialog = qobject_cast<D *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            action(*dialog);
        });
    }

private slots:
    void assignmentsReachTheMouse()
    {
        WindowFixture f;
        f.mouse->plug(SimLink::Receiver);
        {
            std::vector<KeyInfo> events{{MacroEvent::KeyDown, 4, 0}, {MacroEvent::KeyUp, 4, 0}, {MacroEvent::KeyDown, 5, 0}};
            QVERIFY(writeMacroFile(QStringLiteral("m1"), MacroOptions{}, events));
            QVERIFY(addMacroName(QStringLiteral("m1")));
        }
        MainWindow &w = f.open();
        QTRY_VERIFY(f.mouse->readCount() > 0);
        auto *page = WindowInside::pages(w).page<ButtonPage>();
        QVERIFY(page);

        // Descriptor buttons 1..3 sit in key entries 1..3.
        whenShown<SingleKeyDialog>([](SingleKeyDialog &d) {
            sendNativeKey(d.keyField(), QEvent::KeyPress, 71, 10);   // keypad 7: usage 0x5f
            d.accept();
        });
        page->setSelection(ButtonPage::FirstRow, 1);
        page->menus().action(Fun::SingleKey)->trigger();

        whenShown<ComboKeyDialog>([](ComboKeyDialog &d) {
            sendNativeKey(d.keyField(), QEvent::KeyPress, 97, 10);   // right Ctrl
            sendNativeKey(d.keyField(), QEvent::KeyPress, 46, 20);   // C
            d.accept();
        });
        page->setSelection(ButtonPage::FirstRow, 2);
        page->menus().action(Fun::ComboKey)->trigger();

        whenShown<MacroSelectDialog>([](MacroSelectDialog &d) {
            d.nameMenu()->actions().at(0)->trigger();
            d.loopEdit()->setText(QStringLiteral("5"));
            d.accept();
        });
        page->setSelection(ButtonPage::FirstRow, 3);
        page->menus().action(Fun::Macro)->trigger();
        QCOMPARE(page->buttonWidget(0, 3)->text(), QStringLiteral("m1"));

        BoxWatcher boxes;
        QTest::mouseClick(const_cast<SkinButton *>(WindowInside::controls(w).apply), Qt::LeftButton);
        QVERIFY2(boxes.texts.isEmpty(), qPrintable(boxes.texts.join(QLatin1Char('|'))));

        const SimMemory m = f.mouse->memory();
        QCOMPARE(slotBytes(m, 0), QByteArray("81 00 00 00"));   // Left, untouched
        QCOMPARE(slotBytes(m, 1), QByteArray("90 00 5f 00"));   // single key
        QCOMPARE(slotBytes(m, 2), QByteArray("8f 01 06 00"));   // Ctrl + C
        QCOMPARE(slotBytes(m, 3), QByteArray("91 00 05 00"));   // macro 0, five times
        // Macro 0 in slot 0 of the macro memory: type, low, high per event and
        // the one-unit delay after the last.
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(m.macro.data()), 15).toHex(' '),
                 QByteArray("84 04 00 04 04 00 84 05 00 06 01 00 00 00 00"));
    }

    void profilePressedOnTheMouseDuringADialog()
    {
        WindowFixture f;
        MainWindow &w = f.openWithReceiver();
        QTRY_VERIFY(f.mouse->readCount() > 0);
        auto *page = WindowInside::pages(w).page<ButtonPage>();
        QVERIFY(page);
        const int before = f.editing().profileIndex();
        const MouseConfig configBefore = f.editing();

        // The mouse's own profile button while the single-key dialog is open:
        // the key typed afterwards belongs to the profile that was left.
        whenShown<SingleKeyDialog>([&](SingleKeyDialog &d) {
            f.mouse->press(SimButton::Profile);
            QTRY_VERIFY(f.editing().profileIndex() != before);
            sendNativeKey(d.keyField(), QEvent::KeyPress, 30, 10);
            d.accept();
        });
        page->setSelection(ButtonPage::FirstRow, 4);
        page->menus().action(Fun::SingleKey)->trigger();
        for (int p = 0; p < kProfileCount; ++p)
            QVERIFY2(f.editing().profiles[size_t(p)].buttons == configBefore.profiles[size_t(p)].buttons,
                     qPrintable(QString::number(p)));
        QCOMPARE(page->labelOf(4), page->menus().label(f.editing().profiles[size_t(f.editing().profileIndex())].buttons[4].Fun, false));
    }
};

QTEST_MAIN(TestButtonApply)
#include "test_buttonapply.moc"
