#include "config/logging.h"
#include "device/buttonblock.h"

#include "reportcheck.h"

#include <QtTest>

#include <algorithm>
#include <initializer_list>

namespace {

ButtonInfo function(int fun, int res1 = 0, int loop = 0, int keyNumber = 0)
{
    ButtonInfo b;
    b.Fun = fun;
    b.Res1 = uint8_t(res1);
    b.LoopNumber = loop;
    b.KeyNumber = keyNumber;
    return b;
}

ButtonInfo macro(const QString &name, int fun = 200, int mode = 0, int loop = 1)
{
    ButtonInfo b = function(fun, mode, loop);
    b.macroname = name;
    return b;
}

// A combination as the button page stores it: one entry per press and
// release, `map` holding the HID usage.
ButtonInfo combo(std::initializer_list<int> usages)
{
    ButtonInfo b = function(7);
    int i = 0;
    for (int usage : usages)
        b.KeyInfo[i++] = KeyInfo{uint8_t(usage), 0x05, 0x80};
    return b;
}

DeviceContext layout(int count, std::initializer_list<int> keyEntries, int sensor = 0)
{
    DeviceContext ctx;
    ctx.buttonCount = count;
    ctx.sensorType = sensor;
    int i = 0;
    for (int slot : keyEntries)
        ctx.keyEntries[i++] = uint8_t(slot);
    return ctx;
}

QByteArray slotHex(const ButtonInfo &b, const DeviceContext &ctx = DeviceContext{}, int number = 0)
{
    const KeyEntryBytes bytes = buttonEntryBytes(b, ctx, number);
    return bytesHex(bytes.begin(), bytes.end());
}

QByteArray blockSlotHex(const ButtonTable &table, int slot)
{
    const auto start = table.bytes.begin() + 2 + 4 * slot;
    return bytesHex(start, start + 4);
}

} // namespace

Q_DECLARE_METATYPE(ButtonInfo)

class TestButtonBlock : public QObject {
    Q_OBJECT
private slots:
    // Some cases check the debug line a fault leaves.
    void initTestCase() { Logging::enableDebug(); }
    void slotBytes_data();
    void slotBytes();
    void reportsAndWheelSlots();
    void wheelSwap();
    void keyEntriesOutsideTheTable();
    void macroNumbering();
    void activeProfileSent();
};

void TestButtonBlock::slotBytes_data()
{
    QTest::addColumn<ButtonInfo>("button");
    QTest::addColumn<int>("sensor");
    QTest::addColumn<int>("number");
    QTest::addColumn<QByteArray>("expected");

    const auto row = [](const char *name, const ButtonInfo &b, const char *expected, int sensor = 0, int number = 0) {
        QTest::newRow(name) << b << sensor << number << QByteArray(expected);
    };
    row("left", function(1), "81 00 00 00");
    row("forward", function(4), "85 00 00 00");
    row("back", function(5), "84 00 00 00");
    row("code 13", function(13), "30 00 00 00");
    row("button off", function(16), "00 00 00 00");
    row("dpi switch", function(47), "88 00 00 00");
    row("dpi +", function(48), "8a 00 00 00");
    row("dpi -", function(49), "89 00 00 00");
    row("rate +", function(50), "97 00 00 00");
    row("rate -", function(51), "98 00 00 00");
    row("rate switch", function(63), "97 01 00 00");
    row("scroll up", function(52), "8b 00 00 00");
    row("scroll down", function(53), "8c 00 00 00");
    row("led switch", function(54), "9b 08 00 00");
    row("profile +", function(57), "94 00 00 00");
    row("profile -", function(58), "95 00 00 00");
    row("profile switch", function(59), "8d 00 00 00");
    row("code 60", function(60), "9f 00 00 00");
    row("code 61", function(61), "a0 00 00 00");
    row("cut", function(17), "8f 01 1b 00");
    row("save", function(24), "8f 01 16 00");
    row("switch window", function(25), "8f 04 2b 00");
    row("close window", function(26), "8f 04 3d 00");
    row("show desktop", function(29), "8f 08 07 00");
    row("boss key", function(62), "8f 08 10 00");
    row("lock pc", function(30), "8f 08 0f 00");
    row("browser home", function(31), "8e 01 23 02");
    row("mail", function(38), "8e 01 8a 01");
    row("play/pause", function(39), "8e 01 cd 00");
    row("stop", function(40), "8e 01 b7 00");
    row("volume up", function(43), "8e 01 e9 00");
    row("media player", function(46), "8e 01 83 01");

    row("unassigned", function(0), "00 00 00 00");
    row("unknown 8", function(8), "00 00 00 00");
    row("unknown 56", function(56), "00 00 00 00");
    row("unknown 64", function(64), "00 00 00 00");
    row("unknown 199", function(199), "00 00 00 00");
    row("unknown -1", function(-1), "00 00 00 00");

    row("single key A", function(6, 30), "90 00 04 00");
    row("single key keypad Enter", function(6, 229), "90 00 58 00");
    row("single key without usage", function(6, 240), "90 00 00 00");

    row("fire key on a key", function(12, 4, 3, 10), "99 04 03 01");
    row("fire key count and delay", function(12, 0x81, 300, 59), "99 81 2c 05");
    row("fire key unset", function(12, 0, 7, 70), "99 81 03 00");

    row("sniper 3212", function(55, 16), "9a 01 10 10", 3212);
    row("sniper 3325", function(55, 3), "9a 01 06 06", 3325);
    row("sniper 3360", function(55, 10), "9a 01 09 09", 3360);
    row("sniper unknown sensor", function(55, 10), "9a 01 04 04", 0);

    row("macro loops", macro("m", 200, 0, 300), "91 02 2c 01", 0, 2);
    row("macro repeat while held", macro("m", 200, 1, 300), "91 82 ff ff", 0, 2);
    row("macro repeat until pressed", macro("m", 200, 2, 300), "91 42 ff ff", 0, 2);
    row("macro unknown mode as loops", macro("m", 200, 3, 5), "91 02 05 00", 0, 2);
    row("recoil file", macro("g", 510, 1), "9d 83 ff ff", 0, 3);

    row("combo ctrl c", combo({224, 6, 6, 224}), "8f 01 06 00");
    row("combo every modifier", combo({225, 224, 227, 226, 27, 27, 226, 227, 224, 225}), "8f 0f 1b 00");
    row("combo right-hand modifiers", combo({228, 230, 4, 4, 230, 228}), "8f 05 04 00");
    row("combo modifier alone", combo({225, 225}), "8f 02 00 00");
    row("combo last key wins", combo({4, 5, 5, 4}), "8f 00 04 00");
    row("combo skips empty entries", combo({224, 0, 0, 224, 0, 7}), "8f 01 07 00");
    row("combo reads ten entries", combo({224, 224, 0, 0, 0, 0, 0, 0, 0, 0, 9, 225}), "8f 01 00 00");
}

void TestButtonBlock::slotBytes()
{
    QFETCH(ButtonInfo, button);
    QFETCH(int, sensor);
    QFETCH(int, number);
    QFETCH(QByteArray, expected);
    DeviceContext ctx;
    ctx.sensorType = sensor;
    QCOMPARE(slotHex(button, ctx, number), expected);
}

void TestButtonBlock::reportsAndWheelSlots()
{
    ProfileData p;
    p.buttons[0] = function(1);
    p.buttons[1] = function(2);
    p.buttons[2] = function(3);
    p.buttons[3] = function(4);   // past the product's button count
    p.buttons[kWheelUpEntry] = function(52);
    p.buttons[kWheelDownEntry] = function(53);

    // Buttons 0 and 2 share slot 5: the later one stays.
    const ButtonTable table = buildButtonBlock(p, layout(3, {5, 0, 5, 1}));
    const ReportList r = buttonTableReports(table);
    QCOMPARE(int(r.size()), 7);
    COMPARE_REPORT(r[0], "05 00 fa 03 00 00 02 d1 0a 00");
    COMPARE_REPORT(r[1], "05 00 fa 03 02 00 18 d2 82 00 00 00 00 00 00 00 00 00 00 00 "
                         "00 00 00 00 00 00 00 00 83 00 00 00");
    COMPARE_REPORT(r[2], "05 00 fa 03 1a 00 18 d2");
    COMPARE_REPORT(r[3], "05 00 fa 03 32 00 18 d2");
    COMPARE_REPORT(r[4], "05 00 fa 03 4a 00 18 d2 00 00 00 00 00 00 00 00 00 00 00 00 "
                         "00 00 00 00 8b 00 00 00 8c 00 00 00");
    COMPARE_REPORT(r[5], "05 00 fa 03 62 00 04 d2 ff ff ff ff");
    COMPARE_REPORT(r[6], "05 00 fa 03 7f 00 01 d3 1a");
}

void TestButtonBlock::wheelSwap()
{
    ProfileData p;
    p.buttons[kWheelUpEntry] = function(52);
    p.buttons[kWheelDownEntry] = function(53);
    DeviceContext ctx = layout(0, {});

    ctx.scrollRev = 1;
    ButtonTable table = buildButtonBlock(p, ctx);
    QCOMPARE(blockSlotHex(table, 22), QByteArray("8c 00 00 00"));
    QCOMPARE(blockSlotHex(table, 23), QByteArray("8b 00 00 00"));

    // Only the value 1 swaps.
    ctx.scrollRev = 2;
    table = buildButtonBlock(p, ctx);
    QCOMPARE(blockSlotHex(table, 22), QByteArray("8b 00 00 00"));
    QCOMPARE(blockSlotHex(table, 23), QByteArray("8c 00 00 00"));
}

void TestButtonBlock::keyEntriesOutsideTheTable()
{
    ProfileData p;
    p.buttons[0] = function(1);
    p.buttons[1] = macro("far");
    for (int b = 2; b < kDescriptorButtonCount; ++b)
        p.buttons[b] = function(2);
    QTest::ignoreMessage(QtDebugMsg, "Button 0 has key entry 24, outside the button table");
    QTest::ignoreMessage(QtDebugMsg, "Button 1 has key entry 200, outside the button table");
    // A button count beyond the 16 the key-slot matrix holds is cut there.
    const ButtonTable table = buildButtonBlock(p, layout(40, {24, 200}));
    QVERIFY(table.macros.isEmpty());
    QCOMPARE(table.macroNumbers[1], -1);
    QCOMPARE(bytesHex(table.bytes.begin(), table.bytes.begin() + 6), QByteArray("0a 00 82 00 00 00"));
    QVERIFY(std::all_of(table.bytes.begin() + 6, table.bytes.end(), [](uint8_t b) { return b == 0; }));
}

void TestButtonBlock::macroNumbering()
{
    ProfileData p;
    p.buttons[0] = macro("a");
    p.buttons[1] = function(1);
    p.buttons[2] = macro("b", 200, 1);
    p.buttons[3] = macro("a", 200, 0, 2);
    p.buttons[4] = macro("c", 510, 2);
    p.buttons[kWheelUpEntry] = macro("b");
    p.buttons[kWheelDownEntry] = macro("d");
    // Buttons 5 and 6 share a slot: both are numbered in turn, the later
    // button's bytes stay.
    p.buttons[5] = macro("e");
    p.buttons[6] = macro("f");

    const ButtonTable table = buildButtonBlock(p, layout(7, {4, 3, 2, 1, 0, 5, 5}));
    QCOMPARE(table.macros.names(), (QStringList{"a", "b", "c", "e", "f", "d"}));
    QCOMPARE(blockSlotHex(table, 4), QByteArray("91 00 01 00"));
    QCOMPARE(blockSlotHex(table, 2), QByteArray("91 81 ff ff"));
    QCOMPARE(blockSlotHex(table, 1), QByteArray("91 00 02 00"));
    QCOMPARE(blockSlotHex(table, 0), QByteArray("9d 42 ff ff"));
    QCOMPARE(blockSlotHex(table, 5), QByteArray("91 04 01 00"));
    QCOMPARE(blockSlotHex(table, 22), QByteArray("91 01 01 00"));
    QCOMPARE(blockSlotHex(table, 23), QByteArray("91 05 01 00"));
    QCOMPARE(table.macroNumbers[0], 0);
    QCOMPARE(table.macroNumbers[1], -1);
    QCOMPARE(table.macroNumbers[3], 0);
    QCOMPARE(table.macroNumbers[kWheelUpEntry], 1);
}

void TestButtonBlock::activeProfileSent()
{
    MouseConfig c;
    c.ProfileID = 2;
    c.profiles[0].buttons[0] = macro("profile 0");
    c.profiles[2].buttons[0] = macro("profile 2");
    c.profiles[2].buttons[1] = function(5);
    const ButtonTable table = buildButtonTable(c, layout(2, {0, 1}));
    QCOMPARE(table.macros.names(), QStringList{"profile 2"});
    QCOMPARE(blockSlotHex(table, 1), QByteArray("84 00 00 00"));
}

QTEST_GUILESS_MAIN(TestButtonBlock)
#include "test_buttonblock.moc"
