// The on-screen texts the window sends when the mouse's own buttons change
// the profile, DPI stage or report rate.

#include "shell/osdtexts.h"

#include <QtTest>

class TestOsdTexts : public QObject {
    Q_OBJECT
private slots:
    void reportRateTexts_data();
    void reportRateTexts();
    void profileAndDpiTexts();
};

void TestOsdTexts::reportRateTexts_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("8") << 8 << QStringLiteral("125 HZ");
    QTest::newRow("4") << 4 << QStringLiteral("250 HZ");
    QTest::newRow("2") << 2 << QStringLiteral("500 HZ");
    QTest::newRow("1") << 1 << QStringLiteral("1000 HZ");
    QTest::newRow("16") << 16 << QString();
    QTest::newRow("0") << 0 << QString();
    QTest::newRow("3") << 3 << QString();
}

void TestOsdTexts::reportRateTexts()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    QCOMPARE(OsdTexts::reportRate(code), text);
}

void TestOsdTexts::profileAndDpiTexts()
{
    QCOMPARE(OsdTexts::profile(0), QStringLiteral("Profile 1"));
    QCOMPARE(OsdTexts::profile(4), QStringLiteral("Profile 5"));
    QCOMPARE(OsdTexts::dpiStage(1, 1600), QStringLiteral("DPI 2:1600"));
    QCOMPARE(OsdTexts::dpiStage(7, 26000), QStringLiteral("DPI 8:26000"));
}

QTEST_GUILESS_MAIN(TestOsdTexts)
#include "test_osdtexts.moc"
