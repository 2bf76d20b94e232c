// The time-left estimate against cases worked out by hand: a steady
// discharge, a noisy one, a discharge right after a charge, a mouse that
// slept or was not watched for hours, a charge, and too little data.

#include "device/batteryestimate.h"

#include <QtTest>

namespace {

constexpr qint64 kStart = 1700000000;
constexpr qint64 kMinute = 60;
constexpr qint64 kHour = 3600;

BatteryReading at(qint64 offset, int level, bool charging = false)
{
    BatteryReading r;
    r.at = kStart + offset;
    r.level = level;
    r.charging = charging;
    return r;
}

BatteryReading asleep(qint64 offset)
{
    BatteryReading r;
    r.at = kStart + offset;
    return r;
}

// A reading every `step` seconds for `count` readings from `offset`, the
// level falling by `drop` each time (rising while charging).
void series(BatteryReadings &list, qint64 offset, int count, qint64 step, int first, int drop, bool charging = false)
{
    for (int i = 0; i < count; ++i)
        list << at(offset + i * step, first - i * drop, charging);
}

} // namespace

Q_DECLARE_METATYPE(BatteryReadings)
Q_DECLARE_METATYPE(BatteryEstimate::Kind)

class TestBatteryEstimate : public QObject {
    Q_OBJECT

private slots:
    void cases_data();
    void cases();
    void recentHoursWeighMore();
};

void TestBatteryEstimate::cases_data()
{
    QTest::addColumn<BatteryReadings>("readings");
    QTest::addColumn<BatteryEstimate::Kind>("kind");
    QTest::addColumn<double>("rate");     // percent per hour
    QTest::addColumn<double>("hours");    // time left
    QTest::addColumn<double>("tolerance");
    using Kind = BatteryEstimate::Kind;

    // 1 point every 5 minutes for 4 hours: 12 %/h whatever the weights;
    // 52 % left (100 - 48) lasts 52 / 12 = 4.33 h.
    BatteryReadings steady;
    series(steady, 0, 49, 5 * kMinute, 100, 1);
    QTest::newRow("steady") << steady << Kind::UntilEmpty << 12.0 << 52.0 / 12.0 << 1e-9;

    // The same with readings alternately 2 points high and low: every step
    // changes by -1 +- 4, and the alternating part cancels out between
    // neighbours; whatever is left over cannot move the rate by more than
    // 4 points over the weighted 4 hours (about 1 %/h).
    BatteryReadings noisy;
    for (int i = 0; i < 49; ++i)
        noisy << at(i * 5 * kMinute, 100 - i + (i % 2 ? 2 : -2));
    QTest::newRow("noisy") << noisy << Kind::UntilEmpty << 12.0 << 50.0 / 12.0 << 1.5;

    // Fast use before the charge (20 %/h), then 3 hours at 5 %/h after it
    // (a point every 12 minutes): only the discharge since the charge
    // counts. 90 -> 75, and 75 left at 5 %/h last 15 h.
    BatteryReadings recharged;
    series(recharged, 0, 13, 15 * kMinute, 100, 5);                             // 100 -> 40 in 3 h
    series(recharged, 3 * kHour + 15 * kMinute, 9, 15 * kMinute, 40, -7, true);   // charging to 96
    series(recharged, 6 * kHour, 16, 12 * kMinute, 90, 1);                      // 90 -> 75
    QTest::newRow("recently charged") << recharged << Kind::UntilEmpty << 5.0 << 15.0 << 1e-9;

    // Charged where the program did not see it: 30 -> 90 without the flag
    // (an hour asleep between), then 3 hours at 5 %/h; the old discharge at
    // 20 %/h does not count.
    BatteryReadings unseen;
    series(unseen, 0, 13, 15 * kMinute, 90, 5);                       // 90 -> 30
    unseen << asleep(3 * kHour + 5 * kMinute);
    series(unseen, 4 * kHour, 16, 12 * kMinute, 90, 1);               // 90 -> 75
    QTest::newRow("charged unseen") << unseen << Kind::UntilEmpty << 5.0 << 15.0 << 1e-9;
    // A flicker of one step up under load is no charge: its rise and fall
    // nearly cancel (5 minutes apart, their weights differ by 1 %).
    BatteryReadings flicker;
    series(flicker, 0, 37, 5 * kMinute, 100, 1);                       // 100 -> 64
    flicker[20].level += 10;
    QTest::newRow("one-step flicker") << flicker << Kind::UntilEmpty << 12.0 << 64.0 / 12.0 << 0.05;

    // Just charged: 40 minutes of use is too little to tell.
    BatteryReadings justCharged;
    series(justCharged, 0, 5, 15 * kMinute, 60, -10, true);
    series(justCharged, kHour + 5 * kMinute, 9, 5 * kMinute, 100, 2);
    QTest::newRow("just charged: too little") << justCharged << Kind::None << 0.0 << 0.0 << 0.0;

    // Three hours without a drop of a whole step: no estimate.
    BatteryReadings flat;
    series(flat, 0, 37, 5 * kMinute, 80, 0);
    flat.last().level = 75;   // less than a step of the bar
    QTest::newRow("no whole step") << flat << Kind::None << 0.0 << 0.0 << 0.0;

    QTest::newRow("nothing stored") << BatteryReadings{} << Kind::None << 0.0 << 0.0 << 0.0;
    QTest::newRow("asleep only") << BatteryReadings{asleep(0), asleep(300)} << Kind::None << 0.0 << 0.0 << 0.0;

    // 2 h at 12 %/h, asleep for 8 hours (no level change), 2 h more at
    // 12 %/h: the night is not use, the rate stays 12 %/h.
    BatteryReadings night;
    series(night, 0, 25, 5 * kMinute, 100, 1);          // 100 -> 76
    night << asleep(2 * kHour + 5 * kMinute) << asleep(6 * kHour) << asleep(10 * kHour);
    series(night, 10 * kHour + 5 * kMinute, 25, 5 * kMinute, 76, 1);   // 76 -> 52
    QTest::newRow("sleep left out") << night << Kind::UntilEmpty << 12.0 << 52.0 / 12.0 << 1e-9;

    // The program did not run for 6 hours and the mouse lost 30 points
    // meanwhile: that step is unseen use, left out like a sleep.
    BatteryReadings unwatched;
    series(unwatched, 0, 25, 5 * kMinute, 100, 1);              // 100 -> 76
    series(unwatched, 8 * kHour, 25, 5 * kMinute, 46, 1);        // 46 -> 22
    QTest::newRow("gap left out") << unwatched << Kind::UntilEmpty << 12.0 << 22.0 / 12.0 << 1e-9;

    // Charging 50 -> 70 in an hour, a point every 3 minutes: 20 %/h, 30 to
    // go: 1.5 h.
    BatteryReadings charging;
    series(charging, 0, 21, 3 * kMinute, 50, -1, true);
    QTest::newRow("charging") << charging << Kind::UntilFull << 20.0 << 1.5 << 1e-9;

    // A charge that has just begun: 10 minutes say nothing yet.
    BatteryReadings charge;
    series(charge, 0, 3, 5 * kMinute, 40, -10, true);
    QTest::newRow("charge just begun") << charge << Kind::None << 0.0 << 0.0 << 0.0;
}

void TestBatteryEstimate::cases()
{
    QFETCH(BatteryReadings, readings);
    QFETCH(BatteryEstimate::Kind, kind);
    QFETCH(double, rate);
    QFETCH(double, hours);
    QFETCH(double, tolerance);

    const BatteryEstimate estimate = estimateBattery(readings);
    QCOMPARE(estimate.kind, kind);
    if (kind == BatteryEstimate::Kind::None) {
        QCOMPARE(estimate.hours, 0.0);
        return;
    }
    QVERIFY2(qAbs(estimate.ratePerHour - rate) <= tolerance,
             qPrintable(QStringLiteral("rate %1, expected %2").arg(estimate.ratePerHour).arg(rate)));
    const double hoursTolerance = tolerance == 0 ? 1e-9 : hours * tolerance / rate + 1e-9;
    QVERIFY2(qAbs(estimate.hours - hours) <= hoursTolerance,
             qPrintable(QStringLiteral("hours %1, expected %2").arg(estimate.hours).arg(hours)));
}

void TestBatteryEstimate::recentHoursWeighMore()
{
    // 8 hours at 4 %/h (a point every 15 minutes), then 2 hours at 16 %/h
    // (4 points every 15 minutes, a game), read every 5 minutes. Plain
    // averaging gives 64 points / 10 h = 6.4 %/h. Step i (0..119, from
    // reading i to i + 1) weighs e^(-(119 - i) / 96): the weighted drops sum
    // to 44.76 points over 5.738 weighted hours, 7.80 %/h.
    BatteryReadings readings;
    int level = 100;
    for (int i = 0; i <= 120; ++i) {
        readings << at(i * 5 * kMinute, level);
        if (i % 3 == 2)
            level -= i < 96 ? 1 : 4;
    }
    const BatteryEstimate estimate = estimateBattery(readings);
    QCOMPARE(estimate.kind, BatteryEstimate::Kind::UntilEmpty);
    QVERIFY2(qAbs(estimate.ratePerHour - 7.80) < 0.01, qPrintable(QString::number(estimate.ratePerHour)));
    QCOMPARE(estimate.level, 36);
    QCOMPARE(estimate.since, kStart);
}

QTEST_GUILESS_MAIN(TestBatteryEstimate)
#include "test_batteryestimate.moc"
