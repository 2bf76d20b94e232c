// Rules on a profile's button entries: the mouse keeps a left click, and key
// combinations become press/release events in slot order.

#include "config/buttonrules.h"
#include "config/combokey.h"
#include "config/functioncatalogue.h"

#include <QtTest>

class TestButtonRules : public QObject {
    Q_OBJECT

private:
    static QString events(const ButtonInfo &button, int count)
    {
        QStringList out;
        for (int i = 0; i < count; ++i) {
            const KeyInfo &e = button.KeyInfo[size_t(i)];
            out << QStringLiteral("%1/%2").arg(e.map).arg(e.DataH, 2, 16, QLatin1Char('0'));
        }
        return out.join(QLatin1Char(' '));
    }

private slots:
    void leftClickRule_data()
    {
        QTest::addColumn<QList<int>>("lefts");   // entries holding "Left"
        QTest::addColumn<int>("entry");
        QTest::addColumn<int>("fun");
        QTest::addColumn<int>("buttonCount");
        QTest::addColumn<bool>("loses");

        QTest::newRow("only left to right") << QList<int>{0} << 0 << Fun::Right << 6 << true;
        QTest::newRow("only left to left again") << QList<int>{0} << 0 << Fun::Left << 6 << false;
        QTest::newRow("another left in the first row") << QList<int>{0, 3} << 0 << Fun::Right << 6 << false;
        QTest::newRow("another left on the wheel") << QList<int>{0, 41} << 0 << Fun::ButtonOff << 6 << false;
        QTest::newRow("second-row left does not reach the mouse") << QList<int>{0, 20} << 0 << Fun::Right << 6 << true;
        QTest::newRow("left beyond the product's buttons") << QList<int>{0, 7} << 0 << Fun::Right << 6 << true;
        QTest::newRow("second-row entry itself may change") << QList<int>{20} << 20 << Fun::Right << 6 << false;
        QTest::newRow("entry not holding left") << QList<int>{0} << 1 << Fun::Right << 6 << false;
        QTest::newRow("more than 16 buttons counted as 16") << QList<int>{0, 17} << 0 << Fun::Right << 40 << true;
        QTest::newRow("entry past the list") << QList<int>{0} << 42 << Fun::Right << 6 << false;
        QTest::newRow("negative entry") << QList<int>{0} << -1 << Fun::Right << 6 << false;
    }
    void leftClickRule()
    {
        QFETCH(QList<int>, lefts);
        QFETCH(int, entry);
        QFETCH(int, fun);
        QFETCH(int, buttonCount);
        QFETCH(bool, loses);
        ButtonList buttons{};
        for (int i = 0; i < kButtonEntryCount; ++i)
            buttons[size_t(i)].Fun = Fun::Right;
        for (int e : lefts)
            buttons[size_t(e)].Fun = Fun::Left;
        QCOMPARE(losesLastLeftClick(buttons, entry, fun, buttonCount), loses);
    }

    void combinations_data()
    {
        QTest::addColumn<QList<int>>("codes");   // slot order: Shift, Ctrl, Win, Alt, other
        QTest::addColumn<QString>("expected");
        // Ctrl (usage 224) and C (usage 6): presses in slot order, releases reversed.
        QTest::newRow("ctrl+c") << QList<int>{0, 29, 0, 0, 46} << "224/80 6/80 6/00 224/00 0/00";
        QTest::newRow("all five") << QList<int>{42, 29, 91, 56, 30}
                                  << "225/80 224/80 227/80 226/80 4/80 4/00 226/00 227/00 224/00 225/00 0/00";
        QTest::newRow("key without usage stored as 0") << QList<int>{0, 0, 0, 0, 86} << "0/80 0/00 0/00";
        QTest::newRow("nothing") << QList<int>{0, 0, 0, 0, 0} << "0/00 0/00";
    }
    void combinations()
    {
        QFETCH(QList<int>, codes);
        QFETCH(QString, expected);
        ButtonInfo button;
        button.KeyInfo.fill(KeyInfo{9, 9, 9});   // old events are cleared
        button.KeyNumber = 17;
        std::array<int, kComboEntryCount> keyCodes{};
        for (int i = 0; i < kComboEntryCount; ++i)
            keyCodes[size_t(i)] = codes[i];
        writeCombo(button, keyCodes);
        QCOMPARE(events(button, expected.count(QLatin1Char(' ')) + 1), expected);
        QCOMPARE(button.KeyNumber, 17);
        QCOMPARE(button.KeyInfo[0].DataL, uint8_t(codes.count(0) == 5 ? 0 : 0x05));
    }

    void insertAtTheEndLosesTheLastTwo()
    {
        ButtonInfo button;
        for (int i = 0; i < kEventsPerButton; ++i)
            button.KeyInfo[size_t(i)] = KeyInfo{uint8_t(i + 1), 0, 0};
        insertComboKey(button, 60, 30);
        QCOMPARE(button.KeyInfo[59].map, uint8_t(60));
        QCOMPARE(button.KeyInfo[60], (KeyInfo{4, 0x05, 0x80}));
        QCOMPARE(button.KeyInfo[61], (KeyInfo{4, 0x05, 0x00}));
        QCOMPARE(button.KeyInfo[62].map, uint8_t(61));   // 61 moved up, 62 and 63 lost
        const ButtonInfo before = button;
        insertComboKey(button, 62, 30);   // no room for a pair
        insertComboKey(button, -1, 30);
        QVERIFY(button == before);
    }
};

QTEST_GUILESS_MAIN(TestButtonRules)
#include "test_buttonrules.moc"
