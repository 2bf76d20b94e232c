#include "config/sensortable.h"

#include <QtTest>

#include <climits>

class TestSensorTables : public QObject {
    Q_OBJECT
private slots:
    void encodesSteps_data();
    void encodesSteps();
    void sniperValue_data();
    void sniperValue();
    void tableEnds();
    void newSensorIsOneRow();
};

void TestSensorTables::encodesSteps_data()
{
    QTest::addColumn<int>("sensor");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("high");

    QTest::newRow("3325 first step") << 3325 << 0 << 0 << 0 << 0;
    QTest::newRow("3325 step 8") << 3325 << 8 << 0 << 18 << 0;
    QTest::newRow("3325 step 50") << 3325 << 50 << 0 << 115 << 0;
    QTest::newRow("3325 step 51 reuses index 26") << 3325 << 51 << 0 << 59 << 1;
    QTest::newRow("3325 step 75") << 3325 << 75 << 0 << 115 << 1;
    QTest::newRow("3325 step 76") << 3325 << 76 << 0 << 59 << 2;
    QTest::newRow("3325 step 100") << 3325 << 100 << 0 << 115 << 2;
    QTest::newRow("3325 past the table") << 3325 << 130 << 0 << 115 << 2;
    QTest::newRow("33252 as 3325") << 33252 << 51 << 0 << 59 << 1;

    QTest::newRow("3311 code 0 uses the first entry") << 3311 << 0 << 0 << 0 << 0;
    QTest::newRow("3311 step 2") << 3311 << 2 << 0 << 2 << 0;
    QTest::newRow("3311 step 120") << 3311 << 120 << 0 << 143 << 0;
    QTest::newRow("3311 step 121") << 3311 << 121 << 0 << 72 << 1;
    QTest::newRow("3311 step 180") << 3311 << 180 << 0 << 143 << 1;
    QTest::newRow("3311 past the table") << 3311 << 250 << 0 << 143 << 1;
    QTest::newRow("33112 as 3311") << 33112 << 121 << 0 << 72 << 1;

    QTest::newRow("3370 code 0") << 3370 << 0 << 0 << 0xff << 0;
    QTest::newRow("3370 step 1") << 3370 << 1 << 0 << 0 << 0;
    QTest::newRow("3370 step 200") << 3370 << 200 << 0 << 199 << 0;
    QTest::newRow("3370 step 201") << 3370 << 201 << 0 << 100 << 1;

    QTest::newRow("3327 step 10") << 3327 << 10 << 0 << 24 << 0;
    QTest::newRow("3327 step 61") << 3327 << 61 << 0 << 140 << 0;
    QTest::newRow("3327 step 62") << 3327 << 62 << 0 << 72 << 1;
    QTest::newRow("3327 step 92") << 3327 << 92 << 0 << 140 << 1;
    QTest::newRow("3327 step 93") << 3327 << 93 << 0 << 95 << 4;
    QTest::newRow("3327 step 106") << 3327 << 106 << 0 << 124 << 4;
    QTest::newRow("3327 past the table") << 3327 << 200 << 0 << 140 << 4;

    QTest::newRow("3360 code 0") << 3360 << 0 << 0 << 0xff << 0;
    QTest::newRow("3360 step 120") << 3360 << 120 << 0 << 119 << 0;
    QTest::newRow("3360 step 121") << 3360 << 121 << 0 << 60 << 1;

    QTest::newRow("3389 step 320") << 3389 << 320 << 0 << 0x40 << 0x01;
    QTest::newRow("3389 step 321") << 3389 << 321 << 0 << 0xA1 << 0x80;
    QTest::newRow("3389 step 480") << 3389 << 480 << 0 << 0x40 << 0x81;

    QTest::newRow("3212 step 63") << 3212 << 63 << 0 << 0x3F << 0;
    QTest::newRow("3212 step 64") << 3212 << 64 << 0 << 0x20 << 1;
    QTest::newRow("3212 step 94") << 3212 << 94 << 0 << 62 << 1;
    QTest::newRow("3212 step 95") << 3212 << 95 << 0 << 32 << 2;
    QTest::newRow("3212 negative code") << 3212 << -5 << 0 << 0 << 0;

    QTest::newRow("3104 step 106") << 3104 << 106 << 0 << 106 << 0;
    QTest::newRow("3104 step 107") << 3104 << 107 << 0 << 54 << 1;
    QTest::newRow("31042 as 3104") << 31042 << 107 << 0 << 54 << 1;

    QTest::newRow("3333 code 0 uses the first entry") << 3333 << 0 << 0 << 4 << 0;
    QTest::newRow("3333 step 2") << 3333 << 2 << 0 << 4 << 0;
    QTest::newRow("3333 step 3") << 3333 << 3 << 0 << 6 << 0;
    QTest::newRow("3333 step 79") << 3333 << 79 << 0 << 185 << 0;
    QTest::newRow("3333 step 80") << 3333 << 80 << 0 << 93 << 1;
    QTest::newRow("3333 step 120") << 3333 << 120 << 0 << 187 << 1;
    QTest::newRow("3333 past the table") << 3333 << 121 << 0 << 187 << 1;

    QTest::newRow("3335 code 0 uses the first entry") << 3335 << 0 << 0 << 0 << 0;
    QTest::newRow("3335 step 160") << 3335 << 160 << 0 << 188 << 0;
    QTest::newRow("3335 step 161") << 3335 << 161 << 0 << 144 << 1;
    QTest::newRow("3335 step 200") << 3335 << 200 << 0 << 188 << 1;
    QTest::newRow("33352 above index 160") << 33352 << 240 << 0 << 188 << 1;

    QTest::newRow("3395 step 400") << 3395 << 400 << 0 << 0x90 << 1;
    QTest::newRow("3395 step 800") << 3395 << 800 << 0 << 0x20 << 3;
    QTest::newRow("3395 mode 8 limits to 399") << 3395 << 800 << 8 << 0x8F << 1;
    QTest::newRow("3395 mode 8 below the limit") << 3395 << 300 << 8 << 0x2C << 1;

    QTest::newRow("33952 step 519") << 33952 << 519 << 0 << 0x07 << 0x02;
    QTest::newRow("33952 step 520") << 33952 << 520 << 0 << 0x04 << 0x81;
    QTest::newRow("33952 step 521") << 33952 << 521 << 0 << 0x05 << 0x81;

    QTest::newRow("unknown sensor") << 1234 << 50 << 0 << 0 << 0;
    QTest::newRow("no sensor") << 0 << 50 << 0 << 0 << 0;
}

void TestSensorTables::encodesSteps()
{
    QFETCH(int, sensor);
    QFETCH(int, step);
    QFETCH(int, mode);
    QFETCH(int, value);
    QFETCH(int, high);
    const SensorRegister r = encodeSensorStep(sensor, step, uint8_t(mode));
    QCOMPARE(int(r.value), value);
    QCOMPARE(int(r.high), high);
}

void TestSensorTables::sniperValue_data()
{
    QTest::addColumn<int>("sensor");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("value");

    QTest::newRow("3104 plain") << 3104 << 40 << 40;
    QTest::newRow("3212 plain") << 3212 << 16 << 16;
    QTest::newRow("3389 plain") << 3389 << 6 << 6;
    QTest::newRow("3325 table") << 3325 << 3 << 6;
    QTest::newRow("3325 past the table") << 3325 << 60 << 115;
    QTest::newRow("3327 table") << 3327 << 10 << 24;
    QTest::newRow("3335 table") << 3335 << 50 << 59;
    QTest::newRow("3335 step 0") << 3335 << 0 << 0;
    QTest::newRow("3360 one less") << 3360 << 10 << 9;
    QTest::newRow("3360 step 0") << 3360 << 0 << 0xff;
    QTest::newRow("3395 has no sniper register") << 3395 << 10 << 4;
    QTest::newRow("31042 is not 3104 here") << 31042 << 10 << 4;
    QTest::newRow("unknown") << 0 << 10 << 4;
}

void TestSensorTables::sniperValue()
{
    QFETCH(int, sensor);
    QFETCH(int, step);
    QFETCH(int, value);
    QCOMPARE(int(sniperStepValue(sensor, step)), value);
}

void TestSensorTables::tableEnds()
{
    // Both ends of every table, and one step past each.
    QCOMPARE(int(sensorRegisterValue(kRegisters3311, 1)), 0);
    QCOMPARE(int(sensorRegisterValue(kRegisters3311, 120)), 143);
    QCOMPARE(int(sensorRegisterValue(kRegisters3311, 121)), 143);
    QCOMPARE(int(sensorRegisterValue(kRegisters3325, -1)), 0);
    QCOMPARE(int(sensorRegisterValue(kRegisters3325, 50)), 115);
    QCOMPARE(int(sensorRegisterValue(kRegisters3327, 61)), 140);
    QCOMPARE(int(sensorRegisterValue(kRegisters3327, 62)), 140);
    QCOMPARE(int(sensorRegisterValue(kRegisters3333, 1)), 4);
    QCOMPARE(int(sensorRegisterValue(kRegisters3333, 80)), 187);
    QCOMPARE(int(sensorRegisterValue(kRegisters3335, 159)), 188);
    QCOMPARE(int(sensorRegisterValue(kRegisters3335, 158)), 187);
    QCOMPARE(int(sensorRegisterValue(kRegisters3335, 161)), 188);
    QCOMPARE(int(sensorRegisterValue(kRegisters3335, INT_MAX)), 188);
    QCOMPARE(int(sensorRegisterValue(kRegisters3335, INT_MIN)), 0);
}

void TestSensorTables::newSensorIsOneRow()
{
    // A sensor the program has never heard of, described by one row: two
    // DPI stretches with one rounding, a table stretch then a word stretch,
    // a short range, a limited mode, a plain sniper register.
    const SensorRow row = {
        4242, 3, 40, 20, 0,
        {{20, 0, 150}, {kOpenEnd, 10, 300}}, {{1500, 1600}},
        {{20, 0, RegisterStretch::Table, 5, &kRegisters3325}, {kOpenEnd, 16, RegisterStretch::Word, 0x40, nullptr}},
        30, {kOpenEnd, 2, RegisterStretch::Byte, 0, nullptr}, {5, 9, 6, 9, 7}};
    const SensorRows rows = {&row, 1};
    QCOMPARE(findSensor(4242, rows), &row);
    QVERIFY(!findSensor(4242));   // not in the built-in table
    QVERIFY(!findSensor(3325, rows));

    QCOMPARE(dpiForCode(row, 3), 450);
    QCOMPARE(dpiForCode(row, 10), 1600);   // rounded as the row says
    QCOMPARE(dpiForCode(row, 20), 3000);
    QCOMPARE(dpiForCode(row, 21), 3300);
    QCOMPARE(codeRange(row, QString(), false), (SensorRange{true, 3, 40}));
    QCOMPARE(codeRange(row, QString(), true), (SensorRange{true, 3, 20}));
    QCOMPARE(codeForDpi(1600, row, codeRange(row, QString(), false)), 10);
    QCOMPARE(codeForDpi(3300, row, codeRange(row, QString(), true)), -1);

    QCOMPARE(encodeStep(row, 8, 0), (SensorRegister{18, 5}));
    QCOMPARE(encodeStep(row, 21, 0), (SensorRegister{5, 0x40}));
    QCOMPARE(encodeStep(row, 300, 0), (SensorRegister{28, 0x41}));
    QCOMPARE(encodeStep(row, 300, kSensorModeLimited), (SensorRegister{14, 0x40}));

    QCOMPARE(int(sniperRegister(row, 7)), 5);
    QCOMPARE(row.sniper.preset(8), 8);
    QCOMPARE(row.sniper.preset(5), 7);
}

QTEST_GUILESS_MAIN(TestSensorTables)
#include "test_sensortables.moc"
