#include "device/lightingtable.h"

#include "reportcheck.h"

#include <QtTest>

namespace {

// Every effect with its own colour, speed and brightness, so that a slot
// taking the wrong effect's values shows.
ProfileData distinctEffects()
{
    ProfileData p;
    for (int m = 0; m < kLedModeCount; ++m) {
        p.ledModes[m].RGB = QColor(10 + m, 20 + m, 30 + m);
        p.ledModes[m].bright = 0x40 + m;
        p.ledModes[m].breath = 0x20 + m;
    }
    return p;
}

} // namespace

class TestLightingTable : public QObject {
    Q_OBJECT
private slots:
    void reports();
    void profileByProduct();
    void invalidColour();
    void modeSlots();
};

void TestLightingTable::reports()
{
    MouseConfig c;
    c.profiles[0] = distinctEffects();
    const ReportList r = buildLightingTable(c, DeviceContext{});
    QCOMPARE(int(r.size()), 5);
    COMPARE_REPORT(r[0], "05 00 fa 04 00 00 18 d1 "
                         "80 00 00 00 00 00 00 00 "
                         "80 0b 15 1f 01 00 02 41 "
                         "80 0c 16 20 01 22 04 03");
    COMPARE_REPORT(r[1], "05 00 fa 04 18 00 18 d2 "
                         "80 00 00 00 01 23 01 03 "
                         "80 00 00 00 01 24 08 44 "
                         "80 00 00 00 05 29 01 49");
    COMPARE_REPORT(r[2], "05 00 fa 04 30 00 18 d2 "
                         "80 00 00 00 07 00 00 4b "
                         "80 00 00 00 06 2a 00 4a "
                         "80 00 00 00 08 2c 00 4c");
    COMPARE_REPORT(r[3], "05 00 fa 04 48 00 08 d2 80 00 00 00 09 2d 00 4d");
    COMPARE_REPORT(r[4], "05 00 fa 04 7f 00 01 d3 1a");
}

void TestLightingTable::profileByProduct()
{
    MouseConfig c;
    c.ProfileID = 3;
    c.profiles[0].ledModes[1].RGB = QColor(1, 2, 3);
    c.profiles[3].ledModes[1].RGB = QColor(4, 5, 6);

    DeviceContext other;
    other.productName = QStringLiteral("QORV Nimbus 6");
    COMPARE_REPORT(buildLightingTable(c, other)[0], "05 00 fa 04 00 00 18 d1 "
                                                    "80 00 00 00 00 00 00 00 80 04 05 06 01 00 02 00 "
                                                    "80 00 00 00 01 00 04 03");
    DeviceContext kv52;
    kv52.productName = QStringLiteral("KV52");
    COMPARE_REPORT(buildLightingTable(c, kv52)[0], "05 00 fa 04 00 00 18 d1 "
                                                   "80 00 00 00 00 00 00 00 80 01 02 03 01 00 02 00 "
                                                   "80 00 00 00 01 00 04 03");
}

void TestLightingTable::invalidColour()
{
    // A colour missing from the file reads as invalid and is sent as black.
    ProfileData p = distinctEffects();
    p.ledModes[2].RGB = QColor();
    const LightingBlocks effectSlots = buildLightingBlocks(p);
    QCOMPARE(bytesHex(effectSlots.begin() + 16, effectSlots.begin() + 24), QByteArray("80 00 00 00 01 22 04 03"));
}

void TestLightingTable::modeSlots()
{
    const int expected[kLedModeCount] = {0, 1, 2, 3, 4, 5, 5, 5, 5, 5, 7, 6, 8, 9};
    for (int mode = 0; mode < kLedModeCount; ++mode)
        QCOMPARE(lightingBlockForMode(mode), expected[mode]);
    QCOMPARE(lightingBlockForMode(14), 5);
    QCOMPARE(lightingBlockForMode(-1), 5);
}

QTEST_GUILESS_MAIN(TestLightingTable)
#include "test_lightingtable.moc"
