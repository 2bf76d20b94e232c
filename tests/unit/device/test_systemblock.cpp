#include "device/systemblock.h"

#include "reportcheck.h"

#include <QtTest>

namespace {

// Five profiles that differ in every byte the block carries, profile 2 active.
MouseConfig sampleConfig()
{
    MouseConfig c;
    const uint8_t rates[kProfileCount] = {1, 2, 4, 8, 1};
    for (int p = 0; p < kProfileCount; ++p) {
        c.profiles[p].scrollspeed = uint8_t(p + 1);
        c.profiles[p].pollrate = rates[p];
        c.profiles[p].dpi = uint8_t(p);
        c.profiles[p].LedMode = 1;
    }
    c.ProfileID = 2;
    c.profiles[0].LedMoveOFF = 0;
    c.profiles[0].LedSleepTime = 1;
    c.profiles[0].LedMode = 2;
    c.profiles[2].dpi = 3;
    c.profiles[2].LedMode = 7;
    c.profiles[2].LedMoveOFF = 255;
    c.profiles[2].LedSleepTime = 5;
    c.Debounce = 20;
    c.LiftHigh = 1;
    c.Sync = 0;
    c.Jitter = 1;
    c.AngleValue = 1;
    return c;
}

DeviceContext context(const QString &product = QStringLiteral("QORV Nimbus 6"), int syncMode = 0)
{
    DeviceContext ctx;
    ctx.productName = product;
    ctx.syncMode = syncMode;
    return ctx;
}

} // namespace

class TestSystemBlock : public QObject {
    Q_OBJECT
private slots:
    void reports();
    void lightingProfileByProduct();
    void sensorOptions_data();
    void sensorOptions();
    void effectSlotByte_data();
    void effectSlotByte();
    void indicesOutOfRange();
};

void TestSystemBlock::reports()
{
    const ReportList reports = buildSystemBlock(sampleConfig(), context());
    QCOMPARE(int(reports.size()), 2);
    // Lighting mode 7 has no slot of its own: slot 5, sent as 6.
    COMPARE_REPORT(reports[0], "05 00 fa 01 00 00 13 d1 "
                               "01 02 03 04 05 01 02 ff 05 14 01 01 02 04 08 01 1f 03 06");
    COMPARE_REPORT(reports[1], "05 00 fa 01 7f 00 01 d3 1a");
}

void TestSystemBlock::lightingProfileByProduct()
{
    // The KV52's lighting page edits profile 0 whatever profile is active, so
    // the sleep settings and effect come from profile 0; the active profile
    // and its DPI stage still come from the active profile.
    const SystemBlock kv52 = buildSystemBlockBytes(sampleConfig(), context(QStringLiteral("KV52")));
    QCOMPARE(bytesHex(kv52.begin(), kv52.end()),
             QByteArray("01 02 03 04 05 01 02 00 01 14 01 01 02 04 08 01 1f 03 03"));
}

void TestSystemBlock::sensorOptions_data()
{
    QTest::addColumn<int>("syncMode");
    QTest::addColumn<int>("lift");
    QTest::addColumn<int>("sync");
    QTest::addColumn<int>("jitter");
    QTest::addColumn<int>("angle");
    QTest::addColumn<int>("expected");

    QTest::newRow("mode 0: lift-off value") << 0 << 2 << 1 << 0 << 0 << 0x02;
    QTest::newRow("mode 1: sync on") << 1 << 2 << 3 << 0 << 0 << 0x01;
    QTest::newRow("mode 1: sync off") << 1 << 2 << 0 << 0 << 0 << 0x00;
    QTest::newRow("mode 2: jitter off wins") << 2 << 1 << 1 << 0 << 0 << 0x21;
    QTest::newRow("mode 2: angle off next") << 2 << 1 << 1 << 1 << 0 << 0x41;
    QTest::newRow("mode 2: sync on") << 2 << 1 << 1 << 1 << 1 << 0x81;
    QTest::newRow("mode 2: nothing set") << 2 << 1 << 0 << 1 << 1 << 0x01;
    QTest::newRow("other mode as 2") << 7 << 0 << 1 << 1 << 1 << 0x80;
}

void TestSystemBlock::sensorOptions()
{
    QFETCH(int, syncMode);
    QFETCH(int, lift);
    QFETCH(int, sync);
    QFETCH(int, jitter);
    QFETCH(int, angle);
    QFETCH(int, expected);
    MouseConfig c;
    c.LiftHigh = uint8_t(lift);
    c.Sync = uint8_t(sync);
    c.Jitter = uint8_t(jitter);
    c.AngleValue = uint8_t(angle);
    QCOMPARE(int(sensorOptionByte(c, syncMode)), expected);
    QCOMPARE(int(buildSystemBlockBytes(c, context(QString(), syncMode))[5]), expected);
}

void TestSystemBlock::effectSlotByte_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("expected");
    const int expected[kLedModeCount] = {1, 2, 3, 4, 5, 6, 6, 6, 6, 6, 8, 7, 9, 10};
    for (int mode = 0; mode < kLedModeCount; ++mode)
        QTest::addRow("mode %d", mode) << mode << expected[mode];
    QTest::newRow("mode 14") << 14 << 6;
    QTest::newRow("mode 255") << 255 << 6;
}

void TestSystemBlock::effectSlotByte()
{
    QFETCH(int, mode);
    QFETCH(int, expected);
    MouseConfig c;
    c.profiles[0].LedMode = uint8_t(mode);
    QCOMPARE(int(buildSystemBlockBytes(c, context())[18]), expected);
}

void TestSystemBlock::indicesOutOfRange()
{
    // A profile index or DPI stage that a file got wrong is not sent as it is.
    MouseConfig c = sampleConfig();
    c.ProfileID = 9;
    c.profiles[0].dpi = 12;
    const SystemBlock b = buildSystemBlockBytes(c, context());
    QCOMPARE(int(b[6]), 0);
    QCOMPARE(int(b[7]), 0);
    QCOMPARE(int(b[8]), 1);
    QCOMPARE(int(b[17]), 0);
    QCOMPARE(int(b[18]), 3);
}

QTEST_GUILESS_MAIN(TestSystemBlock)
#include "test_systemblock.moc"
