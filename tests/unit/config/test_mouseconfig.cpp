#include "config/mouseconfig.h"
#include "config/sensortable.h"
#include "testenvironment.h"

#include <QtTest>

class TestMouseConfig : public QObject {
    Q_OBJECT

private slots:
    void dpiCodes_data();
    void dpiCodes();
    void unknownSensorGivesZero();

    void defaultsWithoutDescriptor();
    void defaultsFromDescriptor();
    void liftHighFollowsDescriptorSync_data();
    void liftHighFollowsDescriptorSync();
    void defaultConfigLeavesOtherProfiles();

    void indicesFromFilesAreBounded_data();
    void indicesFromFilesAreBounded();
};

void TestMouseConfig::dpiCodes_data()
{
    QTest::addColumn<int>("sensor");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("dpi");

    // Each sensor family: both sides of every threshold and the exceptions.
    QTest::newRow("3104 low") << 3104 << 10 << 400;
    QTest::newRow("3104 560 shown as 500") << 3104 << 14 << 500;
    QTest::newRow("3104 106") << 3104 << 106 << 4240;
    QTest::newRow("3104 107") << 3104 << 107 << 4320;
    QTest::newRow("31042 560 shown as 500") << 31042 << 14 << 500;
    QTest::newRow("3212 21 rounds to 800") << 3212 << 21 << 800;
    QTest::newRow("3212 32 rounds to 1200") << 3212 << 32 << 1200;
    QTest::newRow("3212 43 rounds to 1600") << 3212 << 43 << 1600;
    QTest::newRow("3212 63 rounds to 2400") << 3212 << 63 << 2400;
    QTest::newRow("3212 10") << 3212 << 10 << 380;
    QTest::newRow("3212 64") << 3212 << 64 << 2430;
    QTest::newRow("3212 94") << 3212 << 94 << 4710;
    QTest::newRow("3212 95") << 3212 << 95 << 4860;
    QTest::newRow("3212 7290 shown as 7200") << 3212 << 111 << 7200;
    QTest::newRow("3311 120") << 3311 << 120 << 12000;
    QTest::newRow("3311 121") << 3311 << 121 << 12200;
    QTest::newRow("3360 8") << 3360 << 8 << 800;
    QTest::newRow("33112 130") << 33112 << 130 << 14000;
    QTest::newRow("3325 8") << 3325 << 8 << 800;
    QTest::newRow("3325 12") << 3325 << 12 << 1200;
    QTest::newRow("3325 16") << 3325 << 16 << 1600;
    QTest::newRow("3325 24") << 3325 << 24 << 2400;
    QTest::newRow("3325 50") << 3325 << 50 << 5000;
    QTest::newRow("3325 51") << 3325 << 51 << 5200;
    QTest::newRow("3325 75") << 3325 << 75 << 10000;
    QTest::newRow("3325 76") << 3325 << 76 << 10400;
    QTest::newRow("33252 90") << 33252 << 90 << 16000;
    QTest::newRow("3327 61") << 3327 << 61 << 6200;
    QTest::newRow("3327 62") << 3327 << 62 << 6400;
    QTest::newRow("3327 92") << 3327 << 92 << 12400;
    QTest::newRow("3327 93") << 3327 << 93 << 12600;
    QTest::newRow("3327 105") << 3327 << 105 << 16200;
    QTest::newRow("3327 106 is 16400") << 3327 << 106 << 16400;
    QTest::newRow("3327 107") << 3327 << 107 << 16800;
    QTest::newRow("3333 80") << 3333 << 80 << 8000;
    QTest::newRow("3333 81") << 3333 << 81 << 8200;
    QTest::newRow("3335 160") << 3335 << 160 << 16000;
    QTest::newRow("33352 161") << 33352 << 161 << 16200;
    QTest::newRow("3370 200") << 3370 << 200 << 10000;
    QTest::newRow("3370 201") << 3370 << 201 << 10100;
    QTest::newRow("3389 320") << 3389 << 320 << 16000;
    QTest::newRow("3389 321") << 3389 << 321 << 16100;
    QTest::newRow("3395 0") << 3395 << 0 << 50;
    QTest::newRow("3395 519") << 3395 << 519 << 26000;
    QTest::newRow("33952 520") << 33952 << 520 << 26100;
    QTest::newRow("3399 399") << 3399 << 399 << 20000;
    QTest::newRow("3399 400") << 3399 << 400 << 20100;
}

void TestMouseConfig::dpiCodes()
{
    QFETCH(int, sensor);
    QFETCH(int, code);
    QFETCH(int, dpi);
    QCOMPARE(dpiCodeToDpi(code, sensor), dpi);
}

void TestMouseConfig::unknownSensorGivesZero()
{
    for (int sensor : {0, 1, 3396, -3325})
        for (int code : {0, 1, 50, 106, 519, 100000})
            QCOMPARE(dpiCodeToDpi(code, sensor), 0);
}

void TestMouseConfig::defaultsWithoutDescriptor()
{
    TestEnvironment env(TestEnvironment::Empty);
    ProfileData p;
    p.ProfileName = QStringLiteral("left over");
    makeDefaultProfile(p);

    QVERIFY(p.ProfileName.isEmpty());
    QCOMPARE(int(p.pollrate), 1);
    QCOMPARE(int(p.dpi), 1);
    QCOMPARE(int(p.LedMode), 9);
    QCOMPARE(int(p.LedMoveOFF), 0);
    QCOMPARE(int(p.LedSleepTime), 1);
    QCOMPARE(int(p.mousespeed), 10);
    const int stages[kDpiStageCount] = {8, 12, 16, 24, 50, 75, 0, 0};
    for (int i = 0; i < kDpiStageCount; ++i)
        QCOMPARE(p.dpiLevels[i], (DpiLevel{1, 1, stages[i], stages[i], stages[i]}));
    const int functions[] = {1, 2, 3, 4, 5, 4, 5};
    for (int j = 0; j < kButtonEntryCount; ++j) {
        const int expected = j < 7 ? functions[j] : j == kWheelUpEntry ? 52 : j == kWheelDownEntry ? 53 : 0;
        QCOMPARE(p.buttons[j].Fun, expected);
    }
    for (int m = 0; m < kLedModeCount; ++m) {
        const LedModeInfo &led = p.ledModes[m];
        QCOMPARE(led.RGB, m == 10 ? QColor(0, 255, 0) : QColor(255, 0, 0));
        QCOMPARE(led.h, 360);
        QCOMPARE(led.bright, 3);
        const int breath = m == 4 ? 2 : m == 9 ? 4 : m == 10 ? 5 : m == 12 ? 1 : 3;
        QCOMPARE(led.breath, breath);
    }
}

void TestMouseConfig::defaultsFromDescriptor()
{
    TestEnvironment env(TestEnvironment::Empty);
    env.writeDescriptor({{QStringLiteral("dpi"), 3},
                         {QStringLiteral("pollrate"), 258},   // low 8 bits kept
                         {QStringLiteral("LedMode"), 4},
                         {QStringLiteral("DPI_INFO_2_xy"), 31},
                         {QStringLiteral("BUTTON_INFO_15_Fun"), 47},
                         {QStringLiteral("BUTTON_INFO_15_Res4"), 300},
                         {QStringLiteral("BUTTON_INFO_16_Fun"), 9},   // beyond the descriptor's 16
                         {QStringLiteral("LedMode/LED_MODE_5_RGB"), QColor(1, 2, 3, 4)},
                         {QStringLiteral("LedMode/LED_MODE_6_RGB"), QStringLiteral("#102030")},
                         {QStringLiteral("LedMode/LED_MODE_5_breath"), 5}});
    ProfileData p;
    makeDefaultProfile(p);
    QCOMPARE(int(p.dpi), 3);
    QCOMPARE(int(p.pollrate), 2);
    QCOMPARE(int(p.LedMode), 4);
    QCOMPARE(p.dpiLevels[2], (DpiLevel{1, 1, 31, 31, 31}));
    QCOMPARE(p.dpiLevels[0], (DpiLevel{1, 1, 0, 0, 0}));
    QCOMPARE(p.buttons[15].Fun, 47);
    QCOMPARE(int(p.buttons[15].Res4), 300 & 0xff);
    QCOMPARE(p.buttons[0].Fun, 0);
    QCOMPARE(p.buttons[16].Fun, 0);
    QCOMPARE(p.buttons[kWheelUpEntry].Fun, 52);
    QCOMPARE(p.ledModes[5].RGB, QColor(1, 2, 3, 4));
    QCOMPARE(p.ledModes[6].RGB, QColor(0x10, 0x20, 0x30));
    QVERIFY(!p.ledModes[7].RGB.isValid());
    QCOMPARE(p.ledModes[5].breath, 5);
    QCOMPARE(p.ledModes[5].h, 360);
    QCOMPARE(int(p.LedSleepTime), 1);
}

void TestMouseConfig::liftHighFollowsDescriptorSync_data()
{
    QTest::addColumn<QVariant>("sync");
    QTest::addColumn<int>("liftHigh");
    QTest::newRow("2") << QVariant(2) << 1;
    QTest::newRow("1") << QVariant(1) << 0;
    QTest::newRow("0") << QVariant(0) << 0;
    QTest::newRow("missing") << QVariant() << 0;
}

void TestMouseConfig::liftHighFollowsDescriptorSync()
{
    QFETCH(QVariant, sync);
    QFETCH(int, liftHigh);
    TestEnvironment env(TestEnvironment::Empty);
    env.writeDescriptor(sync.isValid() ? QVariantMap{{QStringLiteral("Sync"), sync}} : QVariantMap());
    MouseConfig c;
    makeDefaultConfig(c);
    QCOMPARE(int(c.LiftHigh), liftHigh);
    QCOMPARE(int(c.AngleValue), 1);
    QCOMPARE(int(c.Jitter), 1);
    QCOMPARE(int(c.Debounce), 20);
}

void TestMouseConfig::defaultConfigLeavesOtherProfiles()
{
    TestEnvironment env(TestEnvironment::Empty);
    MouseConfig c;
    c.ProfileID = 3;
    c.Count = 7;
    for (ProfileData &p : c.profiles)
        p.mousespeed = 17;
    makeDefaultConfig(c);
    QCOMPARE(int(c.ProfileID), 0);
    QCOMPARE(int(c.Count), 7);
    QCOMPARE(int(c.profiles[0].mousespeed), 10);
    for (int k = 1; k < kProfileCount; ++k)
        QCOMPARE(int(c.profiles[k].mousespeed), 17);
    for (int k = 0; k < kProfileCount; ++k)
        QCOMPARE(c.names[k], QStringLiteral("Profile %1").arg(k + 1));
}

void TestMouseConfig::indicesFromFilesAreBounded_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("profileIndex");
    QTest::addColumn<int>("stageIndex");
    QTest::addColumn<int>("ledIndex");
    QTest::newRow("in range") << 4 << 4 << 4 << 4;
    QTest::newRow("last stage and effect") << 7 << 0 << 7 << 7;
    QTest::newRow("first beyond stages") << 8 << 0 << 0 << 8;
    QTest::newRow("last effect") << 13 << 0 << 0 << 13;
    QTest::newRow("first beyond effects") << 14 << 0 << 0 << 0;
    QTest::newRow("byte maximum") << 255 << 0 << 0 << 0;
}

void TestMouseConfig::indicesFromFilesAreBounded()
{
    QFETCH(int, stored);
    QFETCH(int, profileIndex);
    QFETCH(int, stageIndex);
    QFETCH(int, ledIndex);
    MouseConfig c;
    c.ProfileID = uint8_t(stored);
    ProfileData &p = c.profiles[0];
    p.dpi = uint8_t(stored);
    p.LedMode = uint8_t(stored);
    QCOMPARE(c.profileIndex(), profileIndex);
    QCOMPARE(&currentProfile(c), &c.profiles[profileIndex]);
    QCOMPARE(p.dpiStageIndex(), stageIndex);
    QCOMPARE(p.ledModeIndex(), ledIndex);
    QCOMPARE(int(p.dpi), stored);   // the stored value itself is kept
}

QTEST_GUILESS_MAIN(TestMouseConfig)
#include "test_mouseconfig.moc"
