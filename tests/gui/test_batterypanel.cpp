// The battery history in the window: a click on the battery display opens
// the panel; the panel shows the span chosen (24 hours, 7 days, 30 days) out
// of a year of readings, the charging times shaded and the estimate in words;
// the tray's tool tip carries the level and the estimate once the poller's
// reading is stored.

#include "test_mainwindowfixture.h"

#include "device/batteryclock.h"
#include "device/batteryhistory.h"
#include "shell/batteryhistorydialog.h"
#include "shell/batteryoutlook.h"
#include "shell/batteryplot.h"
#include "shell/traycontroller.h"
#include "widgets/batterybar.h"
#include "widgets/uiscale.h"

#include <QAbstractButton>
#include <QLabel>
#include <QToolButton>

namespace {

constexpr qint64 kMinute = 60;

BatteryReading reading(qint64 at, int level, bool charging = false)
{
    BatteryReading r;
    r.at = at;
    r.level = level;
    r.charging = charging;
    return r;
}

// A year of days: a reading every 5 minutes, 2 hours of charging each
// morning from 6:00, then use; up to 4 hours before `now`. Then a charge
// ends 3 hours before `now`, and a steady 12 %/h follows, down to `lastLevel`
// at `now`.
BatteryReadings year(qint64 now, int lastLevel)
{
    BatteryReadings rows;
    const qint64 start = now - 365 * 86400;
    for (qint64 at = start; at < now - 4 * 3600; at += 5 * kMinute) {
        const qint64 ofDay = (at - start) % 86400;
        const bool charging = ofDay >= 6 * 3600 && ofDay < 8 * 3600;
        rows << reading(at, charging ? 50 : 90 - int(ofDay % 36000 / 450), charging);
    }
    rows << reading(now - 36 * 5 * kMinute, lastLevel + 36, true);
    for (int k = 35; k >= 0; --k)
        rows << reading(now - k * 5 * kMinute, lastLevel + k);
    return rows;
}

} // namespace

Q_DECLARE_METATYPE(BatteryReadings)

class TestBatteryPanel : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { BatteryClock::set(0); }

    void chargingSpans_data();
    void chargingSpans();
    void panelShowsTheSpanChosen();
    void clickOnTheBatteryOpensThePanel();
    void trayToolTipCarriesTheEstimate();
};

void TestBatteryPanel::chargingSpans_data()
{
    using Spans = QVector<QPair<qint64, qint64>>;
    QTest::addColumn<BatteryReadings>("readings");
    QTest::addColumn<Spans>("spans");

    QTest::newRow("none") << BatteryReadings{reading(0, 50), reading(300, 50)} << Spans{};
    QTest::newRow("to the first reading off the charger")
        << BatteryReadings{reading(0, 50), reading(300, 60, true), reading(600, 70, true), reading(900, 70)}
        << Spans{{300, 900}};
    QTest::newRow("still charging at the end")
        << BatteryReadings{reading(0, 50), reading(300, 60, true), reading(600, 70, true)} << Spans{{300, 600}};
    // The program did not run for an hour: the shading stops at the last
    // charging reading seen.
    QTest::newRow("gap after the charge")
        << BatteryReadings{reading(0, 60, true), reading(300, 70, true), reading(4000, 90)} << Spans{{0, 300}};
    BatteryReading off;
    off.at = 600;
    QTest::newRow("asleep ends it") << BatteryReadings{reading(300, 70, true), off, reading(900, 70, true)}
                                    << Spans{{300, 600}, {900, 900}};
}

void TestBatteryPanel::chargingSpans()
{
    using Spans = QVector<QPair<qint64, qint64>>;
    QFETCH(BatteryReadings, readings);
    QFETCH(Spans, spans);
    QCOMPARE(BatteryPlot::chargingSpans(readings), spans);
}

void TestBatteryPanel::panelShowsTheSpanChosen()
{
    TestEnvironment env;
    const qint64 now = 1780000000;
    BatteryClock::set(now);
    const BatteryReadings rows = year(now, 40);
    {
        BatteryHistory history;
        QVERIFY(history.addAll(rows));
    }
    auto count = [&](qint64 span) {
        return int(std::count_if(rows.begin(), rows.end(), [&](const BatteryReading &r) { return r.at >= now - span; }));
    };

    BatteryOutlook outlook;
    BatteryHistoryDialog dialog(&outlook);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.span(), BatteryHistoryDialog::Day);
    QCOMPARE(dialog.shownReadings(), count(86400));
    QVERIFY(dialog.spanButton(BatteryHistoryDialog::Day)->isChecked());

    // Each span is painted too (its own ticks and labels), at both ends of
    // the scale.
    QVERIFY(!dialog.grab().isNull());
    QTest::mouseClick(dialog.spanButton(BatteryHistoryDialog::Week), Qt::LeftButton);
    QCOMPARE(dialog.span(), BatteryHistoryDialog::Week);
    QCOMPARE(dialog.shownReadings(), count(7 * 86400));
    QVERIFY(!dialog.grab().isNull());
    QTest::mouseClick(dialog.spanButton(BatteryHistoryDialog::Month), Qt::LeftButton);
    QCOMPARE(dialog.shownReadings(), count(30 * 86400));
    QVERIFY(!dialog.grab().isNull());
    QVERIFY(!dialog.spanButton(BatteryHistoryDialog::Day)->isChecked());

    // At scale 2.0 everything doubles.
    UiScale::setFactor(2.0);
    {
        BatteryHistoryDialog large(&outlook);
        large.setSpan(BatteryHistoryDialog::Month);
        UiScale::setFactor(1.0);
        QCOMPARE(large.size(), dialog.size() * 2);
        QVERIFY(qAbs(large.plot()->width() - 2 * dialog.plot()->width()) <= 2);
        QCOMPARE(large.shownReadings(), dialog.shownReadings());
        QVERIFY(!large.grab().isNull());
    }

    // The last 3 hours: 12 %/h, 40 % left: 3 h 20 min.
    QCOMPARE(dialog.estimateLabel()->text(), QStringLiteral("40% · about 3 h 20 min left (12.0% per hour)"));

    // A new reading reaches the open panel through the outlook.
    {
        BatteryHistory history;
        QVERIFY(history.add(reading(now + 5 * kMinute, 39)));
    }
    BatteryClock::set(now + 5 * kMinute);
    outlook.refresh();
    // The span moved on with the clock: the oldest reading left it.
    QCOMPARE(dialog.shownReadings(), count(30 * 86400 - 5 * kMinute) + 1);
    QVERIFY(dialog.estimateLabel()->text().startsWith(QStringLiteral("39% · about")));
}

void TestBatteryPanel::clickOnTheBatteryOpensThePanel()
{
    WindowFixture f;
    MainWindow &w = f.openWithReceiver();
    QTRY_VERIFY_WITH_TIMEOUT(firstAnswerTaken(w), kFirstAnswerTimeoutMs);

    BatteryBar *bar = w.findChild<BatteryBar *>(QStringLiteral("battery"));
    QVERIFY(bar && bar->isVisible());
    QPointer<BatteryHistoryDialog> seen;
    QString estimate;
    // The panel is modal: it is looked at and closed from within its loop.
    QTimer watch;
    watch.setInterval(20);
    connect(&watch, &QTimer::timeout, [&] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *dialog = qobject_cast<BatteryHistoryDialog *>(widget); dialog && dialog->isVisible()) {
                seen = dialog;
                estimate = dialog->estimateLabel()->text();
                dialog->acceptButton()->click();
            }
        }
    });
    watch.start();
    QTest::mouseClick(bar, Qt::LeftButton);
    QTRY_VERIFY(!estimate.isEmpty());
    QVERIFY(seen.isNull());   // closed and gone with the click's modal loop
    // One reading of the mouse: 80 %, and no estimate from it.
    QCOMPARE(estimate, QStringLiteral("80% · no estimate yet (too little data)"));
}

void TestBatteryPanel::trayToolTipCarriesTheEstimate()
{
    WindowFixture f;
    const qint64 now = 1780000000;
    BatteryClock::set(now);
    {
        // The three hours before: 12 %/h down to 81 %; the mouse's reading
        // of 80 % five minutes later continues the line.
        BatteryHistory history;
        BatteryReadings rows;
        for (int k = 36; k >= 1; --k)
            rows << reading(now - k * 5 * kMinute, 80 + k);
        QVERIFY(history.addAll(rows));
    }
    MainWindow &w = f.openWithReceiver();
    QTRY_VERIFY_WITH_TIMEOUT(firstAnswerTaken(w), kFirstAnswerTimeoutMs);
    QVERIFY(WindowInside::tray(w));
    // 80 % at 12 %/h: 6 h 40 min.
    QTRY_COMPARE(WindowInside::tray(w)->toolTip().section(QLatin1Char('\n'), 1),
                 QStringLiteral("Battery 80% · about 6 h 40 min left"));
}

QTEST_MAIN(TestBatteryPanel)
#include "test_batterypanel.moc"
