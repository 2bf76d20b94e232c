#include "device/dpitable.h"

#include "reportcheck.h"

#include <QtTest>

class TestDpiTable : public QObject {
    Q_OBJECT
private slots:
    void activeProfileReports();
    void countByte_data();
    void countByte();
    void axisOrder_data();
    void axisOrder();
};

void TestDpiTable::activeProfileReports()
{
    MouseConfig c;
    c.ProfileID = 1;
    ProfileData &p = c.profiles[1];
    p.dpiLevels[0] = DpiLevel{1, 0, 0, 64, 63};
    p.dpiLevels[1] = DpiLevel{1, 0, 0, 95, 10};
    for (int k = 2; k < 6; ++k)
        p.dpiLevels[k] = DpiLevel{0, 1, 1, 1, 1};
    // Stages past the product's count go out disabled whatever they say.
    p.dpiLevels[6] = DpiLevel{1, 1, 5, 5, 5};
    p.dpiLevels[7] = DpiLevel{1, 1, 5, 5, 5};
    // Profile 0 is what the pages do not show; it must not be sent.
    c.profiles[0].dpiLevels.fill(DpiLevel{1, 1, 9, 9, 9});

    DeviceContext ctx;
    ctx.sensorType = 3212;
    ctx.dpiStageCount = 6;
    const ReportList r = buildDpiTable(c, ctx);
    QCOMPARE(int(r.size()), 10);
    COMPARE_REPORT(r[0], "05 00 fa 02 00 00 01 d1 06");
    COMPARE_REPORT(r[1], "05 00 fa 02 01 00 05 d2 01 20 01 3f 00");
    COMPARE_REPORT(r[2], "05 00 fa 02 06 00 05 d2 01 20 02 0a 00");
    COMPARE_REPORT(r[3], "05 00 fa 02 0b 00 05 d2 00 01 00 01 00");
    COMPARE_REPORT(r[4], "05 00 fa 02 10 00 05 d2 00 01 00 01 00");
    COMPARE_REPORT(r[5], "05 00 fa 02 15 00 05 d2 00 01 00 01 00");
    COMPARE_REPORT(r[6], "05 00 fa 02 1a 00 05 d2 00 01 00 01 00");
    COMPARE_REPORT(r[7], "05 00 fa 02 1f 00 05 d2 00 05 00 05 00");
    COMPARE_REPORT(r[8], "05 00 fa 02 24 00 05 d2 00 05 00 05 00");
    COMPARE_REPORT(r[9], "05 00 fa 02 7f 00 01 d3 1a");

    // A profile index no profile has falls back to profile 0.
    c.ProfileID = 5;
    COMPARE_REPORT(buildDpiTable(c, ctx)[1], "05 00 fa 02 01 00 05 d2 01 09 00 09 00");
}

void TestDpiTable::countByte_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("enabledStages");
    QTest::newRow("none") << 0 << 8 << 8;
    QTest::newRow("one") << 1 << 1 << 1;
    QTest::newRow("seven") << 7 << 7 << 7;
    QTest::newRow("eight") << 8 << 8 << 8;
    QTest::newRow("nine") << 9 << 8 << 8;
    QTest::newRow("negative") << -3 << 8 << 8;
}

void TestDpiTable::countByte()
{
    QFETCH(int, count);
    QFETCH(int, expected);
    QFETCH(int, enabledStages);
    ProfileData p;
    p.dpiLevels.fill(DpiLevel{1, 1, 2, 2, 2});
    DeviceContext ctx;
    ctx.dpiStageCount = count;
    const ReportList r = buildDpiTable(p, ctx);
    QCOMPARE(int(r[0].at(8)), expected);
    for (int k = 0; k < kDpiStageCount; ++k)
        QCOMPARE(int(r[1 + k].at(8)), k < enabledStages ? 1 : 0);
}

void TestDpiTable::axisOrder_data()
{
    QTest::addColumn<int>("sensor");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("x then y") << 3212 << 95 << 10 << QByteArray("01 20 02 0a 00");
    QTest::newRow("3104 sends y first") << 3104 << 107 << 10 << QByteArray("01 0a 00 36 01");
    QTest::newRow("31042 sends y first") << 31042 << 107 << 10 << QByteArray("01 0a 00 36 01");
    QTest::newRow("3335 sends x twice") << 3335 << 161 << 5 << QByteArray("01 90 01 90 01");
    QTest::newRow("33352 sends x twice") << 33352 << 161 << 5 << QByteArray("01 90 01 90 01");
}

void TestDpiTable::axisOrder()
{
    QFETCH(int, sensor);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QByteArray, expected);
    DeviceContext ctx;
    ctx.sensorType = sensor;
    const auto bytes = dpiStageBytes(DpiLevel{1, 0, 0, x, y}, 0, 8, ctx);
    QCOMPARE(bytesHex(bytes.begin(), bytes.end()), expected);
}

QTEST_GUILESS_MAIN(TestDpiTable)
#include "test_dpitable.moc"
