// The rules of the DPI stages (which stage may be disabled or made active)
// and the slider range of every sensor.

#include "config/dpistagerules.h"
#include "config/sensortable.h"

#include <QtTest>

namespace {

// Stages enabled as the string says ("1101..."), the rest disabled.
ProfileData withStages(const char *enabled, int active)
{
    ProfileData profile;
    for (int k = 0; enabled[k] && k < kDpiStageCount; ++k)
        profile.dpiLevels[size_t(k)].used = enabled[k] == '1' ? 1 : 0;
    profile.dpi = uint8_t(active);
    return profile;
}

QString usedOf(const ProfileData &profile)
{
    QString text;
    for (const DpiLevel &level : profile.dpiLevels)
        text += level.used ? QLatin1Char('1') : QLatin1Char('0');
    return text;
}

} // namespace

class TestDpiRules : public QObject {
    Q_OBJECT
private slots:
    void disableStage_data();
    void disableStage();
    void activation();
    void sensorRanges_data();
    void sensorRanges();
};

void TestDpiRules::disableStage_data()
{
    QTest::addColumn<QString>("enabled");
    QTest::addColumn<int>("active");
    QTest::addColumn<int>("stage");
    QTest::addColumn<int>("stageCount");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("enabledAfter");
    QTest::addColumn<int>("activeAfter");

    QTest::newRow("inactive stage") << "11110000" << 0 << 2 << 6 << true << "11010000" << 0;
    QTest::newRow("active stage moves up") << "11110000" << 0 << 0 << 6 << true << "01110000" << 1;
    QTest::newRow("active stage moves to the nearer") << "10011000" << 3 << 3 << 6 << true << "10001000" << 4;
    QTest::newRow("tie goes down") << "10101000" << 2 << 2 << 6 << true << "10001000" << 0;
    QTest::newRow("last enabled stage") << "00100000" << 2 << 2 << 6 << false << "00100000" << 2;
    // A hidden stage that the file enables does not keep the mouse running.
    QTest::newRow("last of the product's stages") << "00100010" << 2 << 2 << 6 << false << "00100010" << 2;
    QTest::newRow("stage beyond the product") << "11111111" << 0 << 7 << 6 << false << "11111111" << 0;
    QTest::newRow("negative stage") << "11000000" << 0 << -1 << 6 << false << "11000000" << 0;
    QTest::newRow("count above eight is bounded") << "00000011" << 7 << 7 << 99 << true << "00000010" << 6;
    QTest::newRow("already disabled") << "10000000" << 0 << 3 << 6 << true << "10000000" << 0;
}

void TestDpiRules::disableStage()
{
    QFETCH(QString, enabled);
    QFETCH(int, active);
    QFETCH(int, stage);
    QFETCH(int, stageCount);
    QFETCH(bool, accepted);
    QFETCH(QString, enabledAfter);
    QFETCH(int, activeAfter);

    ProfileData profile = withStages(enabled.toLatin1().constData(), active);
    QCOMPARE(DpiStageRules::canDisable(profile, stage, stageCount), accepted);
    QCOMPARE(DpiStageRules::setEnabled(profile, stage, false, stageCount), accepted);
    QCOMPARE(usedOf(profile), enabledAfter);
    QCOMPARE(int(profile.dpi), activeAfter);
}

void TestDpiRules::activation()
{
    ProfileData profile = withStages("10100001", 0);
    QVERIFY(DpiStageRules::canActivate(profile, 2, 6));
    QVERIFY(!DpiStageRules::canActivate(profile, 1, 6));
    QVERIFY(!DpiStageRules::canActivate(profile, 7, 6));   // enabled, but not one of the product's
    QVERIFY(!DpiStageRules::canActivate(profile, 8, 8));
    QVERIFY(DpiStageRules::setEnabled(profile, 1, true, 6));
    QVERIFY(DpiStageRules::canActivate(profile, 1, 6));
    QCOMPARE(DpiStageRules::nearestEnabled(withStages("00000000", 0), 3, 8), -1);
    QCOMPARE(DpiStageRules::enabledStageCount(profile, 6), 3);
}

void TestDpiRules::sensorRanges_data()
{
    QTest::addColumn<int>("sensor");
    QTest::addColumn<QString>("product");
    QTest::addColumn<bool>("shortRange");
    QTest::addColumn<bool>("known");
    QTest::addColumn<int>("minCode");
    QTest::addColumn<int>("maxCode");
    QTest::addColumn<int>("minDpi");
    QTest::addColumn<int>("maxDpi");

    const QString any = QStringLiteral("QORV Nimbus 6");
    QTest::newRow("3311") << 3311 << any << false << true << 1 << 120 << 100 << 12000;
    QTest::newRow("33112") << 33112 << any << false << true << 1 << 180 << 100 << 24000;
    QTest::newRow("3325") << 3325 << any << false << true << 1 << 90 << 100 << 16000;
    QTest::newRow("3325 short") << 3325 << any << true << true << 1 << 50 << 100 << 5000;
    QTest::newRow("33252") << 33252 << any << false << true << 1 << 90 << 100 << 16000;
    QTest::newRow("33252 short") << 33252 << any << true << true << 1 << 75 << 100 << 10000;
    QTest::newRow("3370") << 3370 << any << false << true << 1 << 290 << 50 << 19000;
    QTest::newRow("3360") << 3360 << any << false << true << 1 << 180 << 100 << 24000;
    QTest::newRow("3389") << 3389 << any << false << true << 2 << 480 << 100 << 32000;
    QTest::newRow("3212") << 3212 << any << false << true << 16 << 111 << 600 << 7200;
    QTest::newRow("3104") << 3104 << any << false << true << 14 << 105 << 500 << 4200;
    QTest::newRow("31042") << 31042 << any << false << true << 14 << 158 << 500 << 8400;
    QTest::newRow("3335") << 3335 << any << false << true << 1 << 160 << 100 << 16000;
    // The register table ends at code 200: the slider ends there too.
    QTest::newRow("33352") << 33352 << any << false << true << 1 << 200 << 100 << 24000;
    QTest::newRow("3333") << 3333 << any << false << true << 2 << 120 << 200 << 16000;
    QTest::newRow("33952") << 33952 << any << false << true << 0 << 779 << 50 << 52000;
    QTest::newRow("3395") << 3395 << any << false << true << 0 << 519 << 50 << 26000;
    QTest::newRow("3399") << 3399 << any << false << true << 0 << 599 << 50 << 40000;
    QTest::newRow("3327 other model") << 3327 << any << false << true << 1 << 106 << 200 << 16400;
    QTest::newRow("3327 short flag has no effect") << 3327 << any << true << true << 1 << 106 << 200 << 16400;
    for (const char *model : {"Q308-RGB", "STRIKON", "KV67", "MORVANE3", "TRAVEK", "Q412-RGB", "KALDERA2",
                              "AURIVEN2", "REGNAR"})
        QTest::newRow(qPrintable(QStringLiteral("3327 %1").arg(QLatin1String(model))))
            << 3327 << QString::fromLatin1(model) << false << true << 1 << 92 << 200 << 12400;
    QTest::newRow("3327 name differs in case") << 3327 << "regnar" << false << true << 1 << 106 << 200 << 16400;
    QTest::newRow("unknown sensor") << 1234 << any << false << false << 0 << 0 << 0 << 0;
}

void TestDpiRules::sensorRanges()
{
    QFETCH(int, sensor);
    QFETCH(QString, product);
    QFETCH(bool, shortRange);
    QFETCH(bool, known);
    QFETCH(int, minCode);
    QFETCH(int, maxCode);
    QFETCH(int, minDpi);
    QFETCH(int, maxDpi);

    const SensorRange range = sensorRange(sensor, product, shortRange);
    QCOMPARE(range.known, known);
    QCOMPARE(range.minimum, minCode);
    QCOMPARE(range.maximum, maxCode);
    QCOMPARE(dpiCodeToDpi(range.minimum, sensor), minDpi);
    QCOMPARE(dpiCodeToDpi(range.maximum, sensor), maxDpi);
}

QTEST_GUILESS_MAIN(TestDpiRules)
#include "test_dpirules.moc"
