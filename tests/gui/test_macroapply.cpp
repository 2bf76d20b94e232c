// A macro made on the macro page reaches the virtual mouse: recorded,
// assigned to a button, applied; then edited, renamed and applied again.

#include "config/functioncatalogue.h"
#include "device/macroimage.h"
#include "editors/macropage.h"
#include "editors/macrotablemodel.h"
#include "shell/pagehost.h"
#include "test_mainwindowfixture.h"
#include "widgets/skincheckbox.h"
#include "widgets/skinlineedit.h"
#include "widgets/skinbutton.h"

#include <QToolButton>

#include <QtTest>

namespace {

QByteArray slotBytes(const VirtualMouse &mouse, int slot)
{
    const SimMemory m = mouse.memory();
    return QByteArray(reinterpret_cast<const char *>(m.macro.data()) + kMacroBankSize * slot, kMacroBankSize).toHex(' ');
}

QByteArray expectedSlot(const std::vector<KeyInfo> &rows)
{
    std::vector<uint8_t> bytes = encodeMacroBytes(rows.data(), int(rows.size()));
    bytes.resize(kMacroBankSize, 0);
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), kMacroBankSize).toHex(' ');
}

// The window on a mouse behind its receiver, and its macro page.
struct MacroWindow : WindowFixture {
    MacroWindow()
    {
        mouse->plug(SimLink::Receiver);
        open();
    }
    MacroPage *page() const { return WindowInside::pages(*window).page<MacroPage>(); }
};

} // namespace

class TestMacroApply : public QObject {
    Q_OBJECT

private slots:
    void recordedMacroReachesTheMouse();
    void unsavedRowsAreSettledBeforeApplyAndClose();
};

void TestMacroApply::recordedMacroReachesTheMouse()
{
    MacroWindow f;
    MainWindow &w = *f.window;
    QTRY_VERIFY_WITH_TIMEOUT(w.mouseReady(), 10000);
    MacroPage *page = f.page();
    QVERIFY(page);
    MacroPageDialogs dialogs = MacroPageDialogs::standard();
    QStringList warnings;
    dialogs.warn = [&](QWidget *, const QString &, const QString &text) { warnings.append(text); };
    page->setDialogs(dialogs);

    page->onClicked(page->button(MacroPage::New));
    page->delayBox(1)->click();
    page->onClicked(page->button(MacroPage::Start));
    const int ctrl = 29, c = 46;
    page->takeKey(ctrl, 0, 1000);
    page->takeKey(c, 0, 1040);
    page->takeKey(c, 0x80, 1100);
    page->takeKey(ctrl, 0x80, 1170);
    page->onClicked(page->button(MacroPage::Stop));
    QVERIFY(warnings.isEmpty());
    const std::vector<KeyInfo> recorded = page->model()->rows();
    QCOMPARE(recorded.size(), size_t(7));

    // The button page's choice, made in the record.
    ButtonInfo &button = currentProfile(f.editing()).buttons[2];
    button.Fun = Fun::Macro;
    button.macroname = page->currentName();
    button.LoopNumber = 1;
    BoxWatcher boxes;
    QCOMPARE(w.apply(), 0);
    QCOMPARE(slotBytes(*f.mouse, 0), expectedSlot(recorded));

    // An edit saved on the page is sent by the next Apply, though the
    // profile record did not change.
    page->selectRow(0);
    page->onClicked(page->button(MacroPage::MoveDown));
    page->onClicked(page->button(MacroPage::Save));
    const std::vector<KeyInfo> edited = page->model()->rows();
    QVERIFY(edited != recorded);
    QCOMPARE(w.apply(), 0);
    QCOMPARE(slotBytes(*f.mouse, 0), expectedSlot(edited));

    // A rename: the button follows and the next Apply still finds the file.
    page->nameEdit()->setText(QStringLiteral("copy paste"));
    page->onClicked(page->button(MacroPage::ChangeName));
    QCOMPARE(currentProfile(f.editing()).buttons[2].macroname, QStringLiteral("copy paste"));
    QCOMPARE(currentProfile(f.stored()).buttons[2].macroname, QStringLiteral("copy paste"));
    page->onClicked(page->button(MacroPage::Top));
    page->onClicked(page->button(MacroPage::Save));
    QCOMPARE(w.apply(), 0);
    QCOMPARE(slotBytes(*f.mouse, 0), expectedSlot(page->model()->rows()));
    QVERIFY2(boxes.texts.isEmpty(), qPrintable(boxes.texts.join(QLatin1Char('|'))));
}

void TestMacroApply::unsavedRowsAreSettledBeforeApplyAndClose()
{
    MacroWindow f;
    MainWindow &w = *f.window;
    QTRY_VERIFY_WITH_TIMEOUT(w.mouseReady(), 10000);
    MacroPage *page = f.page();
    QVERIFY(page);
    page->onClicked(page->button(MacroPage::New));
    page->onClicked(page->button(MacroPage::InsertDelay));
    page->onClicked(page->button(MacroPage::Save));
    const std::vector<KeyInfo> stored = page->model()->rows();
    ButtonInfo &button = currentProfile(f.editing()).buttons[2];
    button.Fun = Fun::Macro;
    button.macroname = page->currentName();
    button.LoopNumber = 1;
    QCOMPARE(w.apply(), 0);
    QCOMPARE(slotBytes(*f.mouse, 0), expectedSlot(stored));

    // Rows added and not saved.
    for (int i = 0; i < 3; ++i)
        page->onClicked(page->button(MacroPage::InsertDelay));
    const std::vector<KeyInfo> shown = page->model()->rows();
    QCOMPARE(shown.size(), stored.size() + 3);

    // The answer each box gets: Cancel leaves everything as it is, Save
    // writes the rows that Apply then sends, Discard shows the file again.
    QString answer;
    BoxWatcher boxes;
    boxes.onBox = [&answer](SkinMessageBox *box) {
        QCOMPARE(box->kind(), int(SkinMessageBox::SaveQuestion));
        QToolButton *choice = answer == QLatin1String("cancel") ? box->cancelButton()
                              : answer == QLatin1String("save") ? box->saveButton()
                                                                : box->discardButton();
        choice->click();
    };

    answer = QStringLiteral("cancel");
    QTest::mouseClick(WindowInside::controls(w).apply, Qt::LeftButton);
    QCOMPARE(boxes.texts.size(), 1);
    QVERIFY(page->hasUnsavedRows());
    QCOMPARE(slotBytes(*f.mouse, 0), expectedSlot(stored));

    answer = QStringLiteral("save");
    QTest::mouseClick(WindowInside::controls(w).apply, Qt::LeftButton);
    QCOMPARE(boxes.texts.size(), 2);
    QVERIFY(!page->hasUnsavedRows());
    QTRY_COMPARE(slotBytes(*f.mouse, 0), expectedSlot(shown));

    // Closing the window asks too; Cancel keeps it open.
    page->onClicked(page->button(MacroPage::Clear));
    answer = QStringLiteral("cancel");
    w.close();
    QCOMPARE(boxes.texts.size(), 3);
    QVERIFY(w.isVisible());
    answer = QStringLiteral("discard");
    QTest::mouseClick(WindowInside::controls(w).close, Qt::LeftButton);
    QCOMPARE(boxes.texts.size(), 4);
    QVERIFY(page->model()->rows() == shown);
    QVERIFY(!page->hasUnsavedRows());
}

QTEST_MAIN(TestMacroApply)
#include "test_macroapply.moc"
