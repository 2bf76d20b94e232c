// Macro files and the 50-slot macro list.

#include "config/macrofile.h"
#include "config/paths.h"
#include "testenvironment.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace QTest {
template<>
char *toString(const KeyInfo &e)
{
    return qstrdup(QStringLiteral("(%1, %2, %3)").arg(e.map).arg(e.DataH).arg(e.DataL).toLatin1().constData());
}
} // namespace QTest

namespace {

KeyInfo ev(uint8_t type, uint8_t high, uint8_t low)
{
    KeyInfo e;
    e.map = type;
    e.DataH = high;
    e.DataL = low;
    return e;
}

QString macroPath(const QString &name)
{
    return Paths::macroDir() + QLatin1Char('/') + name + QStringLiteral(".MSMACRO");
}

// Writes a macro file by hand, the way another program or an editor would.
void writeRaw(const QString &name, const QByteArray &text)
{
    QDir().mkpath(Paths::macroDir());
    QFile file(macroPath(name));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

void setList(const QMap<int, QString> &slotNames)
{
    QSettings config(Paths::configFile(), QSettings::IniFormat);
    config.remove(QStringLiteral("MACRO_LIST"));
    for (auto it = slotNames.begin(); it != slotNames.end(); ++it)
        config.setValue(QStringLiteral("MACRO_LIST/%1").arg(it.key()), it.value());
}

QString slotValue(int slot)
{
    return QSettings(Paths::configFile(), QSettings::IniFormat).value(QStringLiteral("MACRO_LIST/%1").arg(slot)).toString();
}

void touchMacro(const QString &name)
{
    writeRaw(name, "[Setting]\nCount=0\n");
}

} // namespace

class TestMacroFile : public QObject {
    Q_OBJECT

private slots:
    void writeThenRead();
    void keyAndDelayExample();
    void malformedValues_data();
    void malformedValues();
    void garbageFile();
    void longFileIsCutAt63();
    void foreignFiles_data();
    void foreignFiles();
    void editableEvents();
    void shorterRewriteDropsOldTail();
    void writeFailureIsReported();
    void missingFile();
    void writeSignIsTakenOnce();
    void listSlots();
    void fullList();
    void renameInList();
    void newNames();
    void freeNames();
    void renameMacroFile();
    void unsafeNames_data();
    void unsafeNames();
};

void TestMacroFile::writeThenRead()
{
    TestEnvironment env(TestEnvironment::Empty);
    const MacroOptions options{10, 2, 1, 5};
    const std::vector<KeyInfo> events = {ev(0x84, 0, 4), ev(0x06, 0, 30), ev(0x04, 0, 4), ev(0x02, 0, 251),
                                         ev(0x81, 0, 16), ev(0x01, 0, 16)};
    QVERIFY(writeMacroFile(QStringLiteral("Fire burst"), options, events));

    // Event values are written as decimal text under [Setting].
    const QByteArray text = readWholeFile(macroPath(QStringLiteral("Fire burst")));
    QVERIFY(text.startsWith("[Setting]"));
    for (const char *line : {"\nMap_0=132\n", "\nDataL_3=251\n", "\nCount=6\n", "\nWriteSign=1\n", "\nLoopType=1\n"})
        QVERIFY2(text.contains(line), line);

    MacroOptions readOptions;
    std::vector<KeyInfo> readEvents;
    QVERIFY(readMacroFile(QStringLiteral("Fire burst"), readOptions, readEvents));
    QVERIFY(readOptions == options);
    QVERIFY(readEvents == events);

    std::array<KeyInfo, kEventsPerButton> table;
    table.fill(ev(9, 9, 9));
    int stored = -1;
    QCOMPARE(readMacroEvents(QStringLiteral("Fire burst"), table, &stored), 6);
    QCOMPARE(stored, 6);
    QVERIFY(std::equal(events.begin(), events.end(), table.begin()));
    QCOMPARE(table[6], KeyInfo());   // stale entries are cleared
    QCOMPARE(table[62], KeyInfo());

    // Writing a macro does not list it.
    QVERIFY(listMacros().isEmpty());
}

void TestMacroFile::keyAndDelayExample()
{
    TestEnvironment env(TestEnvironment::Empty);
    writeRaw(QStringLiteral("ex"), "[Setting]\r\nCount=2\r\nMap_0=132\r\nDataH_0=0\r\nDataL_0=4\r\n"
                                   "Map_1=6\r\nDataH_1=1\r\nDataL_1=44\r\n");
    std::array<KeyInfo, kEventsPerButton> events;
    QCOMPARE(readMacroEvents(QStringLiteral("ex"), events), 2);
    QCOMPARE(events[0], ev(0x84, 0, 4));   // press of A (usage 4)
    QCOMPARE(events[1], ev(0x06, 1, 44));
    QCOMPARE(events[1].DataH * 256 + events[1].DataL, 300);   // delay count: 300 units
}

void TestMacroFile::malformedValues_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("byte");

    QTest::newRow("plain") << QByteArray("132") << 132;
    QTest::newRow("quoted text") << QByteArray("\"132\"") << 132;
    QTest::newRow("blanks around") << QByteArray(" 7 ") << 7;
    QTest::newRow("above a byte keeps the low 8 bits") << QByteArray("300") << 44;
    QTest::newRow("negative keeps the low 8 bits") << QByteArray("-5") << 251;
    QTest::newRow("letters") << QByteArray("abc") << 0;
    QTest::newRow("empty") << QByteArray("") << 0;
    QTest::newRow("hex is not decimal") << QByteArray("0x84") << 0;
    QTest::newRow("fraction") << QByteArray("1.5") << 0;
}

void TestMacroFile::malformedValues()
{
    QFETCH(QByteArray, value);
    QFETCH(int, byte);
    TestEnvironment env(TestEnvironment::Empty);
    writeRaw(QStringLiteral("m"), "[Setting]\nCount=1\nMap_0=" + value + "\nDataH_0=" + value + "\nDataL_0=" + value + "\n");

    std::array<KeyInfo, kEventsPerButton> events;
    QCOMPARE(readMacroEvents(QStringLiteral("m"), events), 1);
    QCOMPARE(events[0], ev(uint8_t(byte), uint8_t(byte), uint8_t(byte)));
    MacroOptions options;
    std::vector<KeyInfo> all;
    QVERIFY(readMacroFile(QStringLiteral("m"), options, all));
    QCOMPARE(int(all.size()), 1);
    QCOMPARE(all[0], ev(uint8_t(byte), uint8_t(byte), uint8_t(byte)));
}

void TestMacroFile::garbageFile()
{
    TestEnvironment env(TestEnvironment::Empty);
    struct Case {
        const char *name;
        QByteArray text;
        int count;   // -1: whatever the library makes of it, within bounds
    };
    const Case cases[] = {
        {"negative count", "[Setting]\nCount=-3\nMap_0=132\n", 0},
        {"count is text", "[Setting]\nCount=many\nMap_0=132\n", 0},
        {"huge count", "[Setting]\nCount=2147483647\n", kEventsPerButton},
        {"binary", QByteArray("\x00\xff[Set\x01ting\n=\n\x80\x81", 16), 0},
        {"no group", "Count=5\nMap_0=132\n", 0},
        {"unterminated group", "[Setting\nCount=5\n", -1},
    };
    for (const Case &c : cases) {
        writeRaw(QStringLiteral("g"), c.text);
        std::array<KeyInfo, kEventsPerButton> events;
        const int placed = readMacroEvents(QStringLiteral("g"), events);
        QVERIFY2(placed >= 0 && placed <= kEventsPerButton, c.name);
        if (c.count >= 0)
            QCOMPARE(placed, c.count);
        MacroOptions options;
        std::vector<KeyInfo> all;
        readMacroFile(QStringLiteral("g"), options, all);
        QVERIFY2(int(all.size()) <= kMacroFileEventLimit, c.name);
        QVERIFY2(int(all.size()) >= placed, c.name);
    }
}

void TestMacroFile::longFileIsCutAt63()
{
    TestEnvironment env(TestEnvironment::Empty);
    QByteArray text = "[Setting]\nCount=70\n";
    for (int i = 0; i < 70; ++i)
        text += QStringLiteral("Map_%1=6\nDataH_%1=0\nDataL_%1=%1\n").arg(i).toUtf8();
    writeRaw(QStringLiteral("long"), text);

    std::array<KeyInfo, kEventsPerButton> events;
    int stored = 0;
    QCOMPARE(readMacroEvents(QStringLiteral("long"), events, &stored), 63);
    QCOMPARE(stored, 70);
    QCOMPARE(events[62], ev(6, 0, 62));

    // The editor still sees every event, so that a save loses nothing.
    MacroOptions options;
    std::vector<KeyInfo> all;
    QVERIFY(readMacroFile(QStringLiteral("long"), options, all));
    QCOMPARE(int(all.size()), 70);
    QCOMPARE(all[69], ev(6, 0, 69));
}

void TestMacroFile::foreignFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("macro");
    QTest::addColumn<int>("count");
    QTest::newRow("macro file") << QByteArray("[Setting]\nCount=2\nMap_0=132\nDataL_0=4\nMap_1=4\nDataL_1=4\n") << true
                                << 2;
    QTest::newRow("empty macro") << QByteArray("[Setting]\nDelayType=1\nCount=0\n") << true << 0;
    QTest::newRow("count with spaces") << QByteArray("[Setting]\nCount= 1 \nMap_0=6\n") << true << 1;
    QTest::newRow("binary") << QByteArray("\x00\xff[Set\x01ting\n=\n\x80\x81", 16) << false << 0;
    QTest::newRow("binary with a count line") << QByteArray("[Setting]\nCount=1\n\x00\x01\x02", 22) << false << 0;
    QTest::newRow("text without a count") << QByteArray("[Setting]\nMap_0=132\n") << false << 0;
    QTest::newRow("count is text") << QByteArray("[Setting]\nCount=many\n") << false << 0;
    QTest::newRow("negative count") << QByteArray("[Setting]\nCount=-3\n") << false << 0;
    QTest::newRow("count outside its group") << QByteArray("Count=1\nMap_0=132\n") << false << 0;
    QTest::newRow("lines that are not settings") << QByteArray("hello world\n[Setting]\nCount=1\n") << false << 0;
    QTest::newRow("empty file") << QByteArray() << false << 0;
}

void TestMacroFile::foreignFiles()
{
    QFETCH(QByteArray, bytes);
    TestEnvironment env(TestEnvironment::Empty);
    QTemporaryDir outside;
    const QString path = outside.filePath(QStringLiteral("file.MSMACRO"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    MacroOptions options;
    std::vector<KeyInfo> events;
    QTEST(readForeignMacroFile(path, options, events), "macro");
    QTEST(int(events.size()), "count");
    QVERIFY(!readForeignMacroFile(outside.filePath(QStringLiteral("missing")), options, events));
}

void TestMacroFile::editableEvents()
{
    // Rows as a file may hold them, and what the editor keeps of each.
    struct Case {
        KeyInfo stored;
        bool kept;
        KeyInfo shown;
    };
    const Case cases[] = {
        {ev(0x84, 7, 4), true, ev(0x84, 0, 4)},          // key press: high byte cleared
        {ev(0x04, 0, 4), true, ev(0x04, 0, 4)},
        {ev(0x81, 0, 1), true, ev(0x81, 0, 1)},          // left button
        {ev(0x01, 0, 16), true, ev(0x01, 0, 16)},        // backward button
        {ev(0x81, 0, 3), false, {}},                      // two buttons at once
        {ev(0x01, 0, 32), false, {}},                     // no such button
        {ev(0x02, 5, 251), true, ev(0x02, 0, 251)},       // diagonal: the horizontal step stays
        {ev(0x02, 5, 0), true, ev(0x02, 5, 0)},           // down 5
        {ev(0x02, 0, 125), true, ev(0x02, 0, 120)},       // right 125 held to 120
        {ev(0x02, 0x80, 0), true, ev(0x02, 136, 0)},      // up 128 held to up 120
        {ev(0x06, 1, 44), true, ev(0x06, 1, 44)},         // delay
        {ev(0x85, 0, 4), false, {}},                      // unknown kinds
        {ev(0x00, 0, 0), false, {}},
        {ev(0x07, 0, 1), false, {}},
    };
    std::vector<KeyInfo> events;
    std::vector<KeyInfo> expected;
    for (const Case &c : cases) {
        events.push_back(c.stored);
        if (c.kept)
            expected.push_back(c.shown);
    }
    QCOMPARE(keepEditableEvents(events), int(std::size(cases) - expected.size()));
    QCOMPARE(events.size(), expected.size());
    for (size_t i = 0; i < events.size(); ++i)
        QCOMPARE(events[i], expected[i]);
}

void TestMacroFile::shorterRewriteDropsOldTail()
{
    TestEnvironment env(TestEnvironment::Empty);
    const QString name = QStringLiteral("m");
    QVERIFY(writeMacroFile(name, MacroOptions(), {ev(1, 2, 3), ev(4, 5, 6), ev(7, 8, 9)}));
    QVERIFY(writeMacroFile(name, MacroOptions(), {ev(10, 11, 12)}));
    QSettings file(macroPath(name), QSettings::IniFormat);
    QCOMPARE(file.value(QStringLiteral("Setting/Count")).toInt(), 1);
    QCOMPARE(file.value(QStringLiteral("Setting/Map_0")).toInt(), 10);
    QVERIFY(!file.contains(QStringLiteral("Setting/Map_1")));
    QVERIFY(!file.contains(QStringLiteral("Setting/DataL_2")));
}

void TestMacroFile::writeFailureIsReported()
{
    TestEnvironment env(TestEnvironment::Empty);
    // A folder where the file should be: nothing can be written there.
    QVERIFY(QDir().mkpath(macroPath(QStringLiteral("blocked"))));
    QVERIFY(!writeMacroFile(QStringLiteral("blocked"), MacroOptions(), {ev(1, 0, 1)}));

    // The same for the macro list: a folder in place of Config.ini.
    QVERIFY(QDir().mkpath(Paths::configFile()));
    QVERIFY(!addMacroName(QStringLiteral("unlisted")));
    QVERIFY(!renameMacroName(QStringLiteral("a"), QStringLiteral("../b")));
    QVERIFY(listMacros().isEmpty());
}

void TestMacroFile::missingFile()
{
    TestEnvironment env(TestEnvironment::Empty);
    MacroOptions options{1, 1, 1, 1};
    std::vector<KeyInfo> events = {ev(1, 1, 1)};
    QVERIFY(!readMacroFile(QStringLiteral("nowhere"), options, events));
    QVERIFY(options == MacroOptions());
    QVERIFY(events.empty());
    std::array<KeyInfo, kEventsPerButton> table;
    table.fill(ev(1, 1, 1));
    int stored = -1;
    QCOMPARE(readMacroEvents(QStringLiteral("nowhere"), table, &stored), 0);
    QCOMPARE(stored, 0);
    QCOMPARE(table[0], KeyInfo());
    QVERIFY(!takeWriteSign(QStringLiteral("nowhere")));
    QVERIFY(!QFileInfo::exists(macroPath(QStringLiteral("nowhere"))));
}

void TestMacroFile::writeSignIsTakenOnce()
{
    TestEnvironment env(TestEnvironment::Empty);
    const QString name = QStringLiteral("saved once");
    QVERIFY(writeMacroFile(name, MacroOptions(), {ev(0x84, 0, 4), ev(0x04, 0, 4)}));
    QVERIFY(takeWriteSign(name));
    QVERIFY(!takeWriteSign(name));
    // Taking the mark leaves the events alone.
    std::array<KeyInfo, kEventsPerButton> events;
    QCOMPARE(readMacroEvents(name, events), 2);
    // The next save sets it again.
    QVERIFY(writeMacroFile(name, MacroOptions(), {}));
    QVERIFY(takeWriteSign(name));
    // A file without the key has no mark.
    touchMacro(QStringLiteral("foreign"));
    QVERIFY(!takeWriteSign(QStringLiteral("foreign")));
}

void TestMacroFile::listSlots()
{
    TestEnvironment env(TestEnvironment::Empty);
    for (const char *name : {"m0", "m1", "m2", "m3", "m4"})
        QVERIFY(addMacroName(QString::fromLatin1(name)));
    QCOMPARE(countMacros(), 5);

    removeMacroName(QStringLiteral("m3"));
    QCOMPARE(listMacros(), QStringList({"m0", "m1", "m2", "m4"}));
    QCOMPARE(slotValue(3), QString());
    QCOMPARE(slotValue(4), QStringLiteral("m4"));   // the others keep their place

    QVERIFY(addMacroName(QStringLiteral("new")));
    QCOMPARE(slotValue(3), QStringLiteral("new"));
    QCOMPARE(listMacros(), QStringList({"m0", "m1", "m2", "new", "m4"}));

    // A name is not listed twice; removing an unknown name changes nothing.
    QVERIFY(addMacroName(QStringLiteral("m1")));
    removeMacroName(QStringLiteral("unknown"));
    removeMacroName(QString());
    QCOMPARE(countMacros(), 5);

    // Only MACRO_LIST/0..49 count.
    setList({{3, "a"}, {49, "b"}, {50, "c"}, {-1, "d"}});
    QCOMPARE(countMacros(), 2);
    QCOMPARE(listMacros(), QStringList({"a", "b"}));
}

void TestMacroFile::fullList()
{
    TestEnvironment env(TestEnvironment::Empty);
    QMap<int, QString> table;
    for (int i = 0; i < kMacroListSize; ++i)
        table.insert(i, QStringLiteral("m%1").arg(i));
    setList(table);
    QVERIFY(macroListFull());
    QVERIFY(!addMacroName(QStringLiteral("one too many")));
    QCOMPARE(countMacros(), 50);
    QVERIFY(!listMacros().contains(QStringLiteral("one too many")));

    // 49 with a hole in the middle: the hole is filled.
    table.remove(20);
    setList(table);
    QVERIFY(!macroListFull());
    QVERIFY(addMacroName(QStringLiteral("fills the hole")));
    QCOMPARE(slotValue(20), QStringLiteral("fills the hole"));
    QVERIFY(macroListFull());
}

void TestMacroFile::renameInList()
{
    TestEnvironment env(TestEnvironment::Empty);
    setList({{2, "a"}, {5, "a"}, {7, "b"}});
    renameMacroName(QStringLiteral("a"), QStringLiteral("c"));
    QCOMPARE(slotValue(2), QStringLiteral("c"));
    QCOMPARE(slotValue(5), QStringLiteral("a"));
    // An empty old name must not fill a free slot; an unsafe new name is refused.
    renameMacroName(QString(), QStringLiteral("x"));
    renameMacroName(QStringLiteral("b"), QStringLiteral("../b"));
    QCOMPARE(listMacros(), QStringList({"c", "a", "b"}));
}

void TestMacroFile::newNames()
{
    TestEnvironment env(TestEnvironment::Empty);
    QCOMPARE(newMacroName(), QStringLiteral("name_1"));
    touchMacro(QStringLiteral("name_1"));
    touchMacro(QStringLiteral("name_2"));
    touchMacro(QStringLiteral("name_4"));
    QCOMPARE(newMacroName(), QStringLiteral("name_3"));
    // Only the file decides: a listed name without a file is free.
    setList({{0, "name_3"}});
    QCOMPARE(newMacroName(), QStringLiteral("name_3"));
    QCOMPARE(newMacroName(QStringLiteral("a/b")), QString());
}

void TestMacroFile::freeNames()
{
    TestEnvironment env(TestEnvironment::Empty);
    QCOMPARE(freeMacroName(QStringLiteral("gun")), QStringLiteral("gun"));
    touchMacro(QStringLiteral("gun"));
    QCOMPARE(freeMacroName(QStringLiteral("gun")), QStringLiteral("gun_1"));
    touchMacro(QStringLiteral("gun_1"));
    QCOMPARE(freeMacroName(QStringLiteral("gun")), QStringLiteral("gun_2"));
    QCOMPARE(freeMacroName(QStringLiteral("gun"), 2), QStringLiteral("gun_2"));
    QCOMPARE(freeMacroName(QStringLiteral("..")), QString());
    // A suffix that would make the name too long is refused, not truncated.
    QCOMPARE(freeMacroName(QString(198, QLatin1Char('x')) + QStringLiteral("yy")), QString(198, QLatin1Char('x')) + QStringLiteral("yy"));
    touchMacro(QString(200, QLatin1Char('z')));
    QCOMPARE(freeMacroName(QString(200, QLatin1Char('z'))), QString());
}

void TestMacroFile::renameMacroFile()
{
    TestEnvironment env(TestEnvironment::Empty);
    QVERIFY(writeMacroFile(QStringLiteral("old"), MacroOptions{0, 0, 1, 3}, {ev(0x84, 0, 4)}));
    QVERIFY(addMacroName(QStringLiteral("first")));
    QVERIFY(addMacroName(QStringLiteral("old")));
    touchMacro(QStringLiteral("taken"));

    QString finalName;
    QVERIFY(renameMacro(QStringLiteral("old"), QStringLiteral("taken"), &finalName));
    QCOMPARE(finalName, QStringLiteral("taken_1"));
    QVERIFY(!QFileInfo::exists(macroPath(QStringLiteral("old"))));
    QCOMPARE(slotValue(1), QStringLiteral("taken_1"));
    MacroOptions options;
    std::vector<KeyInfo> events;
    QVERIFY(readMacroFile(QStringLiteral("taken_1"), options, events));
    QCOMPARE(options.LoopTime, 3);
    QCOMPARE(int(events.size()), 1);
    // The file it collided with is untouched.
    QCOMPARE(readWholeFile(macroPath(QStringLiteral("taken"))), QByteArray("[Setting]\nCount=0\n"));

    // Renaming to its own name is no rename.
    QVERIFY(renameMacro(QStringLiteral("taken_1"), QStringLiteral("taken_1"), &finalName));
    QCOMPARE(finalName, QStringLiteral("taken_1"));

    deleteMacro(QStringLiteral("taken_1"));
    QVERIFY(!QFileInfo::exists(macroPath(QStringLiteral("taken_1"))));
    QCOMPARE(listMacros(), QStringList({"first"}));
}

void TestMacroFile::unsafeNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("parent") << "..";
    QTest::newRow("climbs out") << "../../escape";
    QTest::newRow("absolute") << "/tmp/escape";
    QTest::newRow("backslash") << "..\\escape";
    QTest::newRow("control") << QStringLiteral("a\nb");
    QTest::newRow("empty") << "";
}

void TestMacroFile::unsafeNames()
{
    QFETCH(QString, name);
    TestEnvironment env(TestEnvironment::Empty);
    QVERIFY(writeMacroFile(QStringLiteral("good"), MacroOptions(), {ev(1, 0, 1)}));
    QVERIFY(addMacroName(QStringLiteral("good")));

    QVERIFY(!writeMacroFile(name, MacroOptions(), {ev(1, 0, 1)}));
    MacroOptions options;
    std::vector<KeyInfo> events;
    QVERIFY(!readMacroFile(name, options, events));
    QVERIFY(!takeWriteSign(name));
    QVERIFY(!addMacroName(name));
    QVERIFY(!renameMacro(QStringLiteral("good"), name));
    QVERIFY(!renameMacro(name, QStringLiteral("other")));
    deleteMacro(name);

    QCOMPARE(listMacros(), QStringList({"good"}));
    QVERIFY(QFileInfo::exists(macroPath(QStringLiteral("good"))));
    // Nothing was written anywhere below the test's root except the good file
    // (and the list in Config.ini).
    QStringList written;
    QDirIterator it(env.root(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        written << QDir(env.root()).relativeFilePath(it.next());
    written.sort();
    QCOMPARE(written, QStringList({"home/Configs/Config.ini", "home/Configs/MacroDB/good.MSMACRO"}));
}

QTEST_GUILESS_MAIN(TestMacroFile)
#include "test_macrofile.moc"
