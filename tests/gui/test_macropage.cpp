// The macro editor page offscreen against a private installation: rows of
// every kind saved and reloaded, row operations, the insert limit, the
// library (numbering, 50 macros, import, export, rename), unsaved edits,
// recording through the page, and the recoil editor.

#include "config/macrofile.h"
#include "config/paths.h"
#include "editors/gunsetdialog.h"
#include "editors/macropage.h"
#include "editors/macrorecorder.h"
#include "editors/macrorows.h"
#include "editors/macroroweditor.h"
#include "editors/macrotablemodel.h"
#include "editors/mousecommandpanel.h"
#include "editors/pageevents.h"
#include "keyevents.h"
#include "test_mainwindowfixture.h"
#include "testenvironment.h"
#include "widgets/skincheckbox.h"
#include "widgets/skinlineedit.h"
#include "widgets/skinbutton.h"

#include <QFile>
#include <QHeaderView>
#include <QListWidget>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using Rows = QVector<QVector<int>>;

Rows rowsOf(const std::vector<KeyInfo> &events)
{
    Rows rows;
    for (const KeyInfo &e : events)
        rows.append({e.map, e.DataH, e.DataL});
    return rows;
}

std::vector<KeyInfo> keyTaps(int count)
{
    std::vector<KeyInfo> rows;
    for (int i = 0; i < count; ++i)
        rows.push_back(MacroRows::keyRow(i % 2 == 0, 4 + i / 2));
    return rows;
}

void fillList(int count)
{
    for (int i = 0; i < count; ++i) {
        const QString name = QStringLiteral("m%1").arg(i);
        writeMacroFile(name, MacroOptions(), {});
        addMacroName(name);
    }
}

// What the installation's descriptor tells a page.
PageContext described()
{
    PageContext context;
    context.product = ProductFacts::fromDescriptor();
    return context;
}

// A page whose modal questions are answered by the test.
struct PageFixture {
    PageFixture()
        : page(events, described())
    {
        MacroPageDialogs d;
        d.openFile = [this](QWidget *) { return files.value(0); };
        d.openFiles = [this](QWidget *) { return files; };
        d.saveFile = [this](QWidget *, const QString &proposed) {
            proposedName = proposed;
            return target;
        };
        d.chooseFolder = [this](QWidget *) { return target; };
        d.warn = [this](QWidget *, const QString &, const QString &text) { warnings.append(text); };
        d.ask = [this](QWidget *, const QString &text) {
            questions.append(text);
            return answer;
        };
        d.askUnsaved = [this](QWidget *, const QString &text) {
            questions.append(text);
            return unsaved;
        };
        d.recoil = [this](QWidget *) { return recoil; };
        page.setDialogs(d);
    }

    void click(MacroPage::Button which) { page.onClicked(page.button(which)); }
    void selectMacro(const QString &name)
    {
        const auto items = page.macroList()->findItems(name, Qt::MatchExactly);
        QVERIFY(!items.isEmpty());
        QListWidget *list = page.macroList();
        page.itemClicked(list->model()->index(list->row(items.first()), 0));
    }
    Rows saved(const QString &name) const
    {
        MacroOptions options;
        std::vector<KeyInfo> stored;
        readMacroFile(name, options, stored);
        return rowsOf(stored);
    }

    TestEnvironment env;
    PageEvents events;
    MacroPage page;
    QStringList files;
    QString target;
    QString proposedName;
    QStringList warnings;
    QStringList questions;
    bool answer = true;
    MacroPageDialogs::Unsaved unsaved = MacroPageDialogs::Unsaved::Save;
    MacroPageDialogs::Recoil recoil;
};

} // namespace

class TestMacroPage : public QObject {
    Q_OBJECT

private slots:
    void rowKindsSaveAndReload();
    void rowOperations_data();
    void rowOperations();
    void insertLimit_data();
    void insertLimit();
    void numberingAndLimit();
    void deleteMacroKeepsSlots();
    void deleteMacroAsksAndNamesItsButtons();
    void importNames();
    void importTakesOnlyWhatAMacroHolds();
    void batchImportStopsAtLimit();
    void exportReplacesAndReports();
    void renameKeepsAssignments();
    void numberFieldsTakeOnlyTheirRange_data();
    void numberFieldsTakeOnlyTheirRange();
    void unsavedEditsAsk_data();
    void unsavedEditsAsk();
    void recordingThroughPage();
    void recordingTakesTypedKeys();
    void gunSetWritesRecoilFiles();
    void gunsetDialogRefusesBadNames();
    void mousePanelCoversNoColumn();
};

void TestMacroPage::rowKindsSaveAndReload()
{
    PageFixture f;
    f.click(MacroPage::New);
    QCOMPARE(f.page.currentName(), QStringLiteral("name_1"));
    MouseCommandPanel *panel = f.page.mousePanel();
    // Recorded delays: every mouse action is followed by 10 ms.
    f.page.delayBox(1)->click();
    emit panel->clickRequested(1);
    emit panel->buttonRequested(16, true);
    emit panel->buttonRequested(16, false);
    emit panel->moveRequested(MacroRows::Left, 5);
    emit panel->moveRequested(MacroRows::Down, 120);
    f.click(MacroPage::InsertDelay);
    f.page.loopBox(2)->click();
    const Rows expected{{0x81, 0, 1}, {6, 0, 1}, {0x01, 0, 1}, {6, 0, 1}, {0x81, 0, 16}, {6, 0, 1},
                        {0x01, 0, 16}, {6, 0, 1}, {2, 0, 251}, {6, 0, 1}, {2, 120, 0}, {6, 0, 1}, {6, 0, 1}};
    QCOMPARE(rowsOf(f.page.model()->rows()), expected);
    const QModelIndex move = f.page.model()->index(8, MacroTableModel::KeyColumn);
    QCOMPARE(move.data().toString(), QStringLiteral("MOVE LEFT"));
    QCOMPARE(move.siblingAtColumn(MacroTableModel::ActionColumn).data().toString(), QStringLiteral("5"));

    f.click(MacroPage::Save);
    QCOMPARE(f.saved(QStringLiteral("name_1")), expected);
    QVERIFY(takeWriteSign(QStringLiteral("name_1")));

    // A second page reads it back as it was written.
    PageEvents events;
    MacroPage again(events, described());
    QCOMPARE(again.currentName(), QStringLiteral("name_1"));
    QCOMPARE(rowsOf(again.model()->rows()), expected);
    QCOMPARE(again.delayMode(), 1);
    QCOMPARE(again.loopType(), 2);
    QCOMPARE(again.selectedRow(), expected.size() - 1);
}

void TestMacroPage::mousePanelCoversNoColumn()
{
    PageFixture f;
    f.click(MacroPage::New);
    QTableView *table = f.page.table();
    f.page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.page));
    // Enough rows for a vertical bar, which takes its width from the columns.
    f.page.model()->setRows(keyTaps(40));
    const int fullWidth = table->width();
    // Every column inside the visible width, no horizontal bar, and each
    // header's text whole.
    auto columnsFit = [table] {
        QApplication::processEvents();
        int sum = 0;
        for (int c = 0; c < MacroTableModel::ColumnCount; ++c) {
            sum += table->columnWidth(c);
            const QString header = table->model()->headerData(c, Qt::Horizontal).toString();
            if (QFontMetrics(table->horizontalHeader()->font()).horizontalAdvance(header) > table->columnWidth(c))
                return false;
        }
        return sum <= table->viewport()->width() && !table->horizontalScrollBar()->isVisible();
    };
    QVERIFY(columnsFit());
    // Open: the table ends where the panel starts, every column inside it.
    f.click(MacroPage::MouseAction);
    QVERIFY(!f.page.mousePanel()->isHidden());
    QVERIFY(table->geometry().right() < f.page.mousePanel()->geometry().left());
    QVERIFY(columnsFit());
    // Closed again, or left for a row's edit: the table takes its width back.
    f.click(MacroPage::MouseAction);
    QVERIFY(f.page.mousePanel()->isHidden());
    QCOMPARE(table->width(), fullWidth);
    f.click(MacroPage::MouseAction);
    f.click(MacroPage::InsertDelay);
    table->selectRow(0);
    f.click(MacroPage::Edit);
    QVERIFY(f.page.isEditing());
    QVERIFY(f.page.mousePanel()->isHidden());
    QCOMPARE(table->width(), fullWidth);
}

void TestMacroPage::rowOperations_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QVector<int>>("order");   // the usages after the operation
    QTest::addColumn<int>("selectedAfter");

    QTest::newRow("top of first") << int(MacroPage::Top) << 0 << QVector<int>{4, 5, 6} << 0;
    QTest::newRow("top of last") << int(MacroPage::Top) << 2 << QVector<int>{6, 4, 5} << 0;
    QTest::newRow("bottom of first") << int(MacroPage::Bottom) << 0 << QVector<int>{5, 6, 4} << 2;
    QTest::newRow("up at top") << int(MacroPage::MoveUp) << 0 << QVector<int>{4, 5, 6} << 0;
    QTest::newRow("down at bottom") << int(MacroPage::MoveDown) << 2 << QVector<int>{4, 5, 6} << 2;
    QTest::newRow("down") << int(MacroPage::MoveDown) << 0 << QVector<int>{5, 4, 6} << 1;
    QTest::newRow("delete last") << int(MacroPage::DeleteRow) << 2 << QVector<int>{4, 5} << 1;
    QTest::newRow("delete first") << int(MacroPage::DeleteRow) << 0 << QVector<int>{5, 6} << 0;
    QTest::newRow("clear") << int(MacroPage::Clear) << 1 << QVector<int>{} << -1;
}

void TestMacroPage::rowOperations()
{
    QFETCH(int, button);
    QFETCH(int, selected);
    QFETCH(QVector<int>, order);
    QFETCH(int, selectedAfter);

    PageFixture f;
    f.click(MacroPage::New);
    f.page.model()->setRows({MacroRows::keyRow(true, 4), MacroRows::keyRow(true, 5), MacroRows::keyRow(true, 6)});
    f.page.selectRow(selected);
    f.click(MacroPage::Button(button));
    QVector<int> usages;
    for (const KeyInfo &row : f.page.model()->rows())
        usages.append(row.DataL);
    QCOMPARE(usages, order);
    QCOMPARE(f.page.selectedRow(), selectedAfter);
}

void TestMacroPage::insertLimit_data()
{
    QTest::addColumn<int>("delayMode");
    QTest::addColumn<int>("rowsBefore");
    QTest::addColumn<bool>("delayFits");
    QTest::addColumn<bool>("clickFits");

    // Without delay rows the upload adds one after every fourth event: 52
    // events fill the 200-byte slot, 53 would be cut.
    // A delay row makes the upload send the events as they are.
    QTest::newRow("52 events, no delays") << 0 << 52 << true << false;
    QTest::newRow("50 events, no delays") << 0 << 50 << true << true;
    // With delay rows: 63 rows at most.
    QTest::newRow("61 rows with delays") << 2 << 61 << true << false;
    QTest::newRow("59 rows with delays") << 2 << 59 << true << true;
    QTest::newRow("63 rows") << 2 << 63 << false << false;
}

void TestMacroPage::insertLimit()
{
    QFETCH(int, delayMode);
    QFETCH(int, rowsBefore);
    QFETCH(bool, delayFits);
    QFETCH(bool, clickFits);

    PageFixture f;
    f.click(MacroPage::New);
    std::vector<KeyInfo> rows = keyTaps(rowsBefore - (delayMode != 0 ? 1 : 0));
    if (delayMode != 0)
        rows.push_back(MacroRows::delayRowForMs(10, 10));
    f.page.model()->setRows(rows);
    if (delayMode != 0) {
        f.page.delayBox(delayMode)->click();
        f.page.defaultDelayEdit()->setText(QStringLiteral("50"));
    }
    // A whole click with its delays goes in whole or not at all.
    f.page.selectRow(0);
    emit f.page.mousePanel()->clickRequested(1);
    const int afterClick = f.page.model()->count();
    QCOMPARE(afterClick, rowsBefore + (clickFits ? (delayMode ? 4 : 2) : 0));
    QCOMPARE(f.warnings.size(), clickFits ? 0 : 1);
    QVERIFY(!MacroRows::hasUnreleasedPress(f.page.model()->rows()));

    f.page.model()->setRows(rows);
    f.click(MacroPage::InsertDelay);
    QCOMPARE(f.page.model()->count(), rowsBefore + (delayFits ? 1 : 0));
}

void TestMacroPage::numberingAndLimit()
{
    PageFixture f;
    QVERIFY(writeMacroFile(QStringLiteral("name_1"), MacroOptions(), {}));
    QVERIFY(writeMacroFile(QStringLiteral("name_2"), MacroOptions(), {}));
    f.click(MacroPage::New);
    QCOMPARE(f.page.currentName(), QStringLiteral("name_3"));
    QCOMPARE(listMacros(), QStringList{QStringLiteral("name_3")});
    MacroOptions options;
    std::vector<KeyInfo> events;
    QVERIFY(readMacroFile(QStringLiteral("name_3"), options, events));
    QCOMPARE(options.DelayType, 0);
    QCOMPARE(options.DefaultDelay, 10);
    QCOMPARE(options.LoopTime, 1);

    // A free slot in the middle is taken first.
    fillList(49);
    removeMacroName(QStringLiteral("m10"));
    f.click(MacroPage::New);
    QCOMPARE(QSettings(Paths::configFile(), QSettings::IniFormat).value(QStringLiteral("MACRO_LIST/11")).toString(),
             QStringLiteral("name_4"));
    QCOMPARE(countMacros(), 50);
    f.click(MacroPage::New);
    f.recoil = {true, QStringLiteral("spray"), {RecoilBullet()}};
    f.click(MacroPage::GunSet);
    QCOMPARE(f.warnings, QStringList({"TOO MANY MACROS TO BE CREATE!", "TOO MANY MACROS TO BE CREATE!"}));
    QCOMPARE(countMacros(), 50);
    QVERIFY(!QFile::exists(Paths::macroFile(QStringLiteral("name_5"))));
    QVERIFY(!QFile::exists(Paths::macroFile(QStringLiteral("spray"))));
}

void TestMacroPage::deleteMacroKeepsSlots()
{
    PageFixture f;
    for (int i = 0; i < 3; ++i)
        f.click(MacroPage::New);
    f.selectMacro(QStringLiteral("name_2"));
    f.click(MacroPage::DeleteMacro);
    QVERIFY(!QFile::exists(Paths::macroFile(QStringLiteral("name_2"))));
    QCOMPARE(listMacros(), (QStringList{"name_1", "name_3"}));
    QCOMPARE(f.page.currentName(), QStringLiteral("name_3"));
    // The freed slot is the next one taken.
    f.click(MacroPage::New);
    QCOMPARE(QSettings(Paths::configFile(), QSettings::IniFormat).value(QStringLiteral("MACRO_LIST/1")).toString(),
             QStringLiteral("name_2"));

    for (int i = 0; i < 3; ++i)
        f.click(MacroPage::DeleteMacro);
    QVERIFY(listMacros().isEmpty());
    QVERIFY(f.page.currentName().isEmpty());
    QVERIFY(f.page.nameEdit()->text().isEmpty());
    QCOMPARE(f.page.model()->count(), 0);
    QVERIFY(!f.page.button(MacroPage::Start)->isEnabled());
}

void TestMacroPage::deleteMacroAsksAndNamesItsButtons()
{
    PageFixture f;
    f.click(MacroPage::New);
    f.click(MacroPage::New);
    MouseConfig config;
    config.profiles[0].buttons[2].Fun = 200;
    config.profiles[0].buttons[2].macroname = QStringLiteral("name_2");
    config.profiles[3].buttons[kWheelDownEntry].Fun = 510;
    config.profiles[3].buttons[kWheelDownEntry].macroname = QStringLiteral("name_2");
    config.profiles[4].buttons[5].Fun = 200;
    config.profiles[4].buttons[5].macroname = QStringLiteral("name_1");
    f.page.show(config.profiles[0], config, PageContext{});
    f.selectMacro(QStringLiteral("name_2"));

    // "No" keeps the file and the list.
    f.answer = false;
    f.click(MacroPage::DeleteMacro);
    QCOMPARE(f.questions.size(), 1);
    const QString question = f.questions.first();
    QVERIFY2(question.contains(QLatin1String("name_2")), qPrintable(question));
    QVERIFY2(question.contains(QLatin1String("Profile 1: front button")), qPrintable(question));
    QVERIFY2(question.contains(QLatin1String("Profile 4: wheel down")), qPrintable(question));
    QVERIFY2(!question.contains(QLatin1String("Profile 5")), qPrintable(question));
    QVERIFY(QFile::exists(Paths::macroFile(QStringLiteral("name_2"))));
    QCOMPARE(listMacros(), (QStringList{"name_1", "name_2"}));
    QCOMPARE(f.page.currentName(), QStringLiteral("name_2"));

    // "Yes" deletes it.
    f.answer = true;
    f.click(MacroPage::DeleteMacro);
    QCOMPARE(f.questions.size(), 2);
    QVERIFY(!QFile::exists(Paths::macroFile(QStringLiteral("name_2"))));
    QCOMPARE(listMacros(), QStringList{QStringLiteral("name_1")});
}

void TestMacroPage::importNames()
{
    PageFixture f;
    QTemporaryDir outside;
    auto source = [&](const QString &file) {
        const QString path = outside.filePath(file);
        QSettings s(path, QSettings::IniFormat);
        s.setValue(QStringLiteral("Setting/Count"), 1);
        s.setValue(QStringLiteral("Setting/Map_0"), QStringLiteral("132"));
        s.setValue(QStringLiteral("Setting/DataL_0"), QStringLiteral("4"));
        return path;
    };
    struct Case {
        QString file;
        QString name;   // empty: refused
    };
    const QVector<Case> cases{{QStringLiteral("x.msmacro"), QStringLiteral("x")},
                              {QStringLiteral("a.b.MSMACRO"), QStringLiteral("a.b")},
                              {QStringLiteral("plain"), QStringLiteral("plain")},
                              {QStringLiteral("...MSMACRO"), QString()}};
    for (const Case &c : cases) {
        f.warnings.clear();
        f.files = QStringList{source(c.file)};
        f.click(MacroPage::Import);
        if (c.name.isEmpty()) {
            QCOMPARE(f.warnings.size(), 1);
            continue;
        }
        QVERIFY2(f.warnings.isEmpty(), qPrintable(f.warnings.join('|')));
        QCOMPARE(f.page.currentName(), c.name);
        QVERIFY(QFile::exists(Paths::macroFile(c.name)));
        QCOMPARE(f.saved(c.name), Rows({{132, 0, 4}}));
    }
    QCOMPARE(listMacros(), (QStringList{"x", "a.b", "plain"}));

    // The same name again: "Macro Exist!" and nothing copied over it.
    QVERIFY(writeMacroFile(QStringLiteral("x"), MacroOptions(), {}));
    f.warnings.clear();
    f.files = QStringList{source(QStringLiteral("x.MSMACRO"))};
    f.click(MacroPage::Import);
    QCOMPARE(f.warnings, QStringList{QStringLiteral("Macro Exist! x")});
    QCOMPARE(f.saved(QStringLiteral("x")), Rows());
}

void TestMacroPage::importTakesOnlyWhatAMacroHolds()
{
    PageFixture f;
    QTemporaryDir outside;
    auto write = [&](const QString &file, const QByteArray &bytes) {
        QFile out(outside.filePath(file));
        if (!out.open(QIODevice::WriteOnly))
            return QString();
        out.write(bytes);
        return out.fileName();
    };

    // Not a macro file: refused with a message, nothing listed.
    f.files = QStringList{write(QStringLiteral("picture.MSMACRO"), QByteArray("\x89PNG\r\n\x1a\n\x00\x00", 10))};
    f.click(MacroPage::Import);
    QCOMPARE(f.warnings.size(), 1);
    QVERIFY2(f.warnings.first().contains(QLatin1String("not macro files: picture.MSMACRO")),
             qPrintable(f.warnings.first()));
    QVERIFY(listMacros().isEmpty());
    QVERIFY(!QFile::exists(Paths::macroFile(QStringLiteral("picture"))));

    // Seventy delays and rows the editor cannot show: those rows are left
    // out, the first 63 events kept, and the user is told.
    QByteArray text = "[Setting]\nCount=72\n";
    text += "Map_0=129\nDataH_0=0\nDataL_0=3\n";     // two buttons at once
    text += "Map_1=99\nDataH_1=0\nDataL_1=0\n";      // no such kind
    for (int i = 2; i < 72; ++i)
        text += QStringLiteral("Map_%1=6\nDataH_%1=0\nDataL_%1=%1\n").arg(i).toUtf8();
    f.warnings.clear();
    f.files = QStringList{write(QStringLiteral("long.MSMACRO"), text)};
    f.click(MacroPage::Import);
    QCOMPARE(f.warnings.size(), 1);
    QVERIFY2(f.warnings.first().contains(QLatin1String("63")), qPrintable(f.warnings.first()));
    QCOMPARE(f.page.currentName(), QStringLiteral("long"));
    QCOMPARE(f.page.model()->count(), kEventsPerButton);
    const Rows saved = f.saved(QStringLiteral("long"));
    QCOMPARE(saved.size(), kEventsPerButton);
    QCOMPARE(saved.first(), (QVector<int>{6, 0, 2}));
    QCOMPARE(saved.last(), (QVector<int>{6, 0, 64}));
}

void TestMacroPage::batchImportStopsAtLimit()
{
    PageFixture f;
    fillList(48);
    f.page.batchBox()->click();
    QTemporaryDir outside;
    for (const char *name : {"m3", "p", "q", "r"}) {
        const QString path = outside.filePath(QLatin1String(name) + QStringLiteral(".MSMACRO"));
        QSettings(path, QSettings::IniFormat).setValue(QStringLiteral("Setting/Count"), 0);
        f.files.append(path);
    }
    f.click(MacroPage::Import);
    QCOMPARE(countMacros(), 50);
    QVERIFY(listMacros().contains(QStringLiteral("q")));
    QVERIFY(!QFile::exists(Paths::macroFile(QStringLiteral("r"))));
    // One message for all of it.
    QCOMPARE(f.warnings.size(), 1);
    QVERIFY(f.warnings.first().contains(QStringLiteral("Macro Exist! m3")));
    QVERIFY(f.warnings.first().contains(QStringLiteral("TOO MANY MACROS TO BE CREATE!")));
}

void TestMacroPage::exportReplacesAndReports()
{
    PageFixture f;
    f.click(MacroPage::New);
    f.page.model()->setRows(keyTaps(2));
    f.click(MacroPage::Save);
    QTemporaryDir outside;

    // Single: the suffix is added, a file the dialog confirmed is replaced.
    f.target = outside.filePath(QStringLiteral("mine"));
    QFile old(f.target + QStringLiteral(".MSMACRO"));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old contents");
    old.close();
    f.click(MacroPage::Export);
    QCOMPARE(f.proposedName, QStringLiteral("name_1.MSMACRO"));
    QCOMPARE(readWholeFile(f.target + QStringLiteral(".MSMACRO")),
             readWholeFile(Paths::macroFile(QStringLiteral("name_1"))));
    QVERIFY(f.warnings.isEmpty());

    // Batch: the ticked macros; a file there is replaced only after asking.
    f.click(MacroPage::New);
    f.page.batchBox()->click();
    for (int i = 0; i < f.page.macroList()->count(); ++i)
        f.page.macroList()->item(i)->setCheckState(Qt::Checked);
    f.target = outside.path();
    QFile::remove(outside.filePath(QStringLiteral("name_1.MSMACRO")));
    QVERIFY(QFile::copy(Paths::macroFile(QStringLiteral("name_1")), outside.filePath(QStringLiteral("name_2.MSMACRO"))));
    f.answer = false;
    f.click(MacroPage::Export);
    QCOMPARE(f.questions.size(), 1);
    QVERIFY(!QFile::exists(outside.filePath(QStringLiteral("name_1.MSMACRO"))));
    f.answer = true;
    f.click(MacroPage::Export);
    QCOMPARE(readWholeFile(outside.filePath(QStringLiteral("name_2.MSMACRO"))),
             readWholeFile(Paths::macroFile(QStringLiteral("name_2"))));
    QVERIFY(QFile::exists(outside.filePath(QStringLiteral("name_1.MSMACRO"))));

    // A folder that cannot be written: one message naming both.
    f.target = outside.filePath(QStringLiteral("missing/folder"));
    f.click(MacroPage::Export);
    QCOMPARE(f.warnings.size(), 1);
    QVERIFY(f.warnings.first().contains(QStringLiteral("name_1, name_2")));
}

void TestMacroPage::renameKeepsAssignments()
{
    PageFixture f;
    QSignalSpy renamed(&f.events, &PageEvents::macroRenamed);
    f.click(MacroPage::New);
    QVERIFY(writeMacroFile(QStringLiteral("burst"), MacroOptions(), {}));

    struct Case {
        QString typed;
        QString result;   // the current name afterwards
        bool warned;
    };
    const QVector<Case> cases{{QStringLiteral("burst"), QStringLiteral("burst_2"), false},
                              {QStringLiteral("../escape"), QStringLiteral("burst_2"), true},
                              {QString(), QStringLiteral("burst_2"), true},
                              {QStringLiteral("burst_2"), QStringLiteral("burst_2"), false},
                              {QStringLiteral("spray"), QStringLiteral("spray"), false}};
    for (const Case &c : cases) {
        f.warnings.clear();
        f.page.nameEdit()->setText(c.typed);
        f.click(MacroPage::ChangeName);
        QCOMPARE(f.page.currentName(), c.result);
        QCOMPARE(f.warnings.size(), c.warned ? 1 : 0);
        QCOMPARE(f.page.nameEdit()->text(), c.result);
    }
    QCOMPARE(renamed.size(), 2);
    QCOMPARE(renamed.at(0), (QList<QVariant>{"name_1", "burst_2"}));
    QCOMPARE(renamed.at(1), (QList<QVariant>{"burst_2", "spray"}));
    QCOMPARE(listMacros(), QStringList{QStringLiteral("spray")});
    QVERIFY(!QFile::exists(Paths::macroDir() + QStringLiteral("/../escape.MSMACRO")));
}

void TestMacroPage::numberFieldsTakeOnlyTheirRange_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");        // while typed
    QTest::addColumn<QString>("afterSave");    // empty: the field is not saved
    QTest::newRow("loop time 999") << "loop" << "999" << "99" << "99";
    QTest::newRow("loop time 256") << "loop" << "256" << "25" << "25";
    QTest::newRow("loop time 0 gives the default") << "loop" << "0" << "" << "1";
    QTest::newRow("default delay 0 gives the default") << "delay" << "0" << "" << "10";
    QTest::newRow("default delay below one unit") << "delay" << "5" << "5" << "10";
    QTest::newRow("default delay 70000") << "delay" << "70000" << "7000" << "7000";
    QTest::newRow("panel distance 125") << "panel" << "125" << "12" << "";
    QTest::newRow("panel distance 120") << "panel" << "120" << "120" << "";
    QTest::newRow("row distance 125") << "rowMove" << "125" << "12" << "";
    QTest::newRow("row delay 99999") << "rowDelay" << "99999" << "9999" << "";
}

void TestMacroPage::numberFieldsTakeOnlyTheirRange()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, afterSave);
    PageFixture f;
    f.click(MacroPage::New);
    QLineEdit *edit = field == QLatin1String("loop")      ? f.page.loopTimeEdit()
                      : field == QLatin1String("delay")   ? f.page.defaultDelayEdit()
                      : field == QLatin1String("panel")   ? f.page.mousePanel()->distanceEdit(MacroRows::Left)
                      : field == QLatin1String("rowMove") ? f.page.rowEditor()->distanceEdit()
                                                          : f.page.rowEditor()->delayEdit();
    edit->clear();
    QTest::keyClicks(edit, typed);
    QTEST(edit->text(), "shown");
    if (afterSave.isEmpty())
        return;
    f.click(MacroPage::Save);
    QCOMPARE(edit->text(), afterSave);
    MacroOptions options;
    std::vector<KeyInfo> events;
    QVERIFY(readMacroFile(f.page.currentName(), options, events));
    QCOMPARE(QString::number(field == QLatin1String("loop") ? options.LoopTime : options.DefaultDelay), afterSave);
}

void TestMacroPage::unsavedEditsAsk_data()
{
    using Unsaved = MacroPageDialogs::Unsaved;
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("shownAfter");
    QTest::addColumn<int>("savedRows");
    QTest::newRow("save") << int(Unsaved::Save) << "name_2" << 1;
    QTest::newRow("discard") << int(Unsaved::Discard) << "name_2" << 0;
    QTest::newRow("cancel stays") << int(Unsaved::Cancel) << "name_1" << 0;
}

void TestMacroPage::unsavedEditsAsk()
{
    QFETCH(int, answer);
    QFETCH(QString, shownAfter);
    QFETCH(int, savedRows);
    PageFixture f;
    f.click(MacroPage::New);
    f.click(MacroPage::New);
    f.selectMacro(QStringLiteral("name_1"));
    QVERIFY(f.questions.isEmpty());   // nothing changed yet
    f.page.selectRow(-1);
    f.click(MacroPage::InsertDelay);
    f.unsaved = MacroPageDialogs::Unsaved(answer);
    f.selectMacro(QStringLiteral("name_2"));
    QCOMPARE(f.questions.size(), 1);
    QCOMPARE(f.page.currentName(), shownAfter);
    QCOMPARE(f.page.macroList()->currentItem()->text(), shownAfter);
    QCOMPARE(f.saved(QStringLiteral("name_1")).size(), savedRows);
    QCOMPARE(f.page.hasUnsavedRows(), answer == int(MacroPageDialogs::Unsaved::Cancel));
}

void TestMacroPage::recordingThroughPage()
{
    PageFixture f;
    f.click(MacroPage::New);
    f.page.delayBox(1)->click();
    QSignalSpy locks(&f.events, &PageEvents::enableWindowButtons);
    f.click(MacroPage::Start);
    QVERIFY(f.page.isRecording());
    QVERIFY(!f.page.button(MacroPage::New)->isEnabled());
    QCOMPARE(locks.takeFirst(), QList<QVariant>{false});
    const int shift = 42, a = 30;
    f.page.takeKey(shift, 0, 100);
    f.page.takeKey(a, 0, 250);
    f.page.takeKey(a, 0, 280);   // repeat
    f.page.takeKey(a, 0x80, 400);
    f.click(MacroPage::Stop);
    QCOMPARE(locks.takeFirst(), QList<QVariant>{true});
    // Shift is still held: warned, and saved as it is.
    QCOMPARE(f.warnings, QStringList{QStringLiteral("ONE OR MORE KEYS HAS NOT BEEN RELEASED.")});
    QCOMPARE(f.saved(QStringLiteral("name_1")),
             Rows({{0x84, 0, 0xe1}, {6, 0, 15}, {0x84, 0, 4}, {6, 0, 15}, {4, 0, 4}}));
    QVERIFY(!f.page.hasUnsavedRows());

    // Edit mode on the key row: the next key typed replaces its key.
    f.page.selectRow(2);
    f.click(MacroPage::Edit);
    QVERIFY(f.page.isEditing());
    f.page.takeKey(31, 0, 500);
    f.click(MacroPage::Save);
    QCOMPARE(f.saved(QStringLiteral("name_1")).at(2), (QVector<int>{0x84, 0, 22}));
}

void TestMacroPage::recordingTakesTypedKeys()
{
    PageFixture f;
    f.click(MacroPage::New);
    f.page.delayBox(1)->click();
    f.click(MacroPage::Start);
    // Space and Return are recorded, not taken as clicks; the delays come
    // from the events' own times.
    const int space = 57, enter = 28;
    QWidget *window = f.page.window();
    QVERIFY(sendNativeKey(window, QEvent::KeyPress, space, 5000));
    QVERIFY(sendNativeKey(window, QEvent::KeyPress, space, 5030, true));   // auto-repeat
    QVERIFY(sendNativeKey(window, QEvent::KeyRelease, space, 5120));
    QVERIFY(sendNativeKey(window, QEvent::KeyPress, enter, 5400));
    QVERIFY(sendNativeKey(window, QEvent::KeyRelease, enter, 5470));
    QTRY_COMPARE(f.page.model()->count(), 7);
    QVERIFY(f.page.isRecording());
    f.click(MacroPage::Stop);
    QCOMPARE(f.saved(QStringLiteral("name_1")),
             Rows({{0x84, 0, 0x2c}, {6, 0, 12}, {4, 0, 0x2c}, {6, 0, 28}, {0x84, 0, 0x28}, {6, 0, 7}, {4, 0, 0x28}}));
    // Keys pass again once the recording has stopped.
    sendNativeKey(window, QEvent::KeyPress, space, 6000);
    QCOMPARE(f.page.model()->count(), 7);
}

void TestMacroPage::gunSetWritesRecoilFiles()
{
    PageFixture f;
    f.recoil = {true, QStringLiteral("spray"), {{100, 5, 0}, {50, 0, -3}}};
    f.click(MacroPage::GunSet);
    f.click(MacroPage::GunSet);
    QCOMPARE(listMacros(), (QStringList{"spray", "spray_2"}));
    QCOMPARE(f.page.currentName(), QStringLiteral("spray_2"));
    const Rows burst{{0x81, 0, 1}, {1, 0, 1}, {2, 5, 0}, {6, 0, 10}, {0x81, 0, 1}, {1, 0, 1}, {2, 0, 253}, {6, 0, 5}};
    QCOMPARE(f.saved(QStringLiteral("spray")), burst);
    QCOMPARE(rowsOf(f.page.model()->rows()), burst);
    QCOMPARE(f.page.delayMode(), 1);
    QCOMPARE(f.page.loopType(), 0);
    QCOMPARE(f.page.defaultDelayEdit()->text(), QStringLiteral("10"));
    QCOMPARE(f.page.loopTimeEdit()->text(), QStringLiteral("1"));
}

void TestMacroPage::gunsetDialogRefusesBadNames()
{
    TestEnvironment env;
    GunsetDialog dialog;
    dialog.setBulletCount(2);
    QVERIFY(!dialog.delayBox(2)->isVisibleTo(&dialog));
    dialog.delayBox(1)->setValue(5000);   // held to 999 by the box
    dialog.yBox(0)->setValue(-40);

    for (const QString &name : {QString(), QStringLiteral("a/b")}) {
        dialog.nameEdit()->setText(name);
        BoxWatcher boxes;
        dialog.OnYesClick();
        QCOMPARE(boxes.texts.size(), 1);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }
    dialog.nameEdit()->setText(QStringLiteral("spray"));
    dialog.OnYesClick();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.fileName(), QStringLiteral("spray"));
    const std::vector<RecoilBullet> bullets = dialog.bullets();
    QCOMPARE(bullets.size(), size_t(2));
    QCOMPARE(bullets[0].y, -40);
    QCOMPARE(bullets[1].delayMs, 999);
}

QTEST_MAIN(TestMacroPage)
#include "test_macropage.moc"
