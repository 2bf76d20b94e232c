// When the battery notices fire: walks of readings, each with the notices
// expected after every reading.

#include "platform/batteryalert.h"

#include <QtTest>

namespace {

// "30" discharging at 30 %, "30c" charging at 30 %, "off" asleep or off.
BatteryAlert::Reading reading(const QString &token)
{
    BatteryAlert::Reading r;
    if (token == QLatin1String("off")) {
        r.off = true;
        return r;
    }
    r.charging = token.endsWith(QLatin1Char('c'));
    r.level = (r.charging ? token.chopped(1) : token).toInt();
    return r;
}

QString letter(BatteryAlert::Notice notice)
{
    switch (notice) {
    case BatteryAlert::Notice::Low:
        return QStringLiteral("L");
    case BatteryAlert::Notice::Charged:
        return QStringLiteral("C");
    case BatteryAlert::Notice::None:
        break;
    }
    return QStringLiteral("-");
}

} // namespace

class TestBatteryAlert : public QObject {
    Q_OBJECT
private slots:
    void walks_data();
    void walks();
};

void TestBatteryAlert::walks_data()
{
    QTest::addColumn<int>("threshold");
    QTest::addColumn<QString>("readings");
    QTest::addColumn<QString>("notices");

    // Falling and hovering at the threshold.
    QTest::newRow("falls to the level below 15") << 15 << "50 30 20 10 10 10" << "- - - L - -";
    QTest::newRow("at the threshold counts") << 20 << "40 30 20 10" << "- - L -";
    QTest::newRow("starts low") << 15 << "10 10" << "L -";
    QTest::newRow("rises 5 above, falls again") << 15 << "10 20 10" << "L - L";
    QTest::newRow("rises less than 5 above") << 20 << "20 20 20 10 20" << "L - - - -";
    QTest::newRow("threshold 20: 25 re-arms, the bar's 30 does") << 20 << "20 30 20" << "L - L";

    // Charging: no warning while it lasts, and it re-arms.
    QTest::newRow("low while charging is quiet") << 15 << "10c 10c 20c" << "- - -";
    QTest::newRow("charging re-arms") << 15 << "10 10c 10" << "L - L";
    QTest::newRow("charger off again before low") << 15 << "30c 30 10" << "- - L";

    // Asleep or off: nothing, and nothing forgotten.
    QTest::newRow("off says nothing") << 15 << "off off" << "- -";
    QTest::newRow("wakes up low") << 15 << "30 off 10" << "- - L";
    QTest::newRow("sleep does not re-arm") << 15 << "10 off 10" << "L - -";

    // Charged: once, when a charge seen below full reaches full.
    QTest::newRow("charged once") << 15 << "80c 90c 100c 100c" << "- - C -";
    QTest::newRow("full on the charger at start") << 15 << "100c 100c" << "- -";
    QTest::newRow("topping up is not a new charge") << 15 << "90c 100c 90c 100c" << "- C - -";
    QTest::newRow("next charge after unplugging") << 15 << "90c 100c 100 90c 100c" << "- C - - C";
    QTest::newRow("unplugged before full") << 15 << "90c 90 100c" << "- - -";
    QTest::newRow("sleeping while charging") << 15 << "90c off 100c" << "- - C";

    // The threshold itself.
    QTest::newRow("0 turns both off") << 0 << "10 90c 100c" << "- - -";
    QTest::newRow("negative turns both off") << -5 << "10 90c 100c" << "- - -";
    QTest::newRow("above 100 counts as 100") << 250 << "100 100 90" << "L - -";
    QTest::newRow("100: low at once, charged still") << 100 << "90c 100c 100" << "- C L";
}

void TestBatteryAlert::walks()
{
    QFETCH(int, threshold);
    QFETCH(QString, readings);
    QFETCH(QString, notices);

    BatteryAlert alert(threshold);
    QStringList got;
    for (const QString &token : readings.split(QLatin1Char(' ')))
        got << letter(alert.take(reading(token)));
    QCOMPARE(got.join(QLatin1Char(' ')), notices);
}

QTEST_APPLESS_MAIN(TestBatteryAlert)
#include "test_batteryalert.moc"
