// The main window's desktop notifications, on a private session bus with a
// notification service of the test's own: the battery notice comes from the
// poller's readings (not from the start-up placeholder of the battery bar),
// and the on-screen texts fall back to a notification.

#include "test_mainwindowfixture.h"

#include "notificationrecorder.h"
#include "privatesessionbus.h"

#include "device/batteryclock.h"
#include "device/batteryhistory.h"
#include "platform/onscreenfeedback.h"

#include <memory>

class TestDesktopNotices : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void lowBatteryFromThePoller();
    void lowBatteryNamesTheTimeLeft();
    void noNoticeForAGoodBattery();

private:
    std::unique_ptr<PrivateSessionBus> m_bus;
    std::unique_ptr<NotificationRecorder> m_service;
};

void TestDesktopNotices::initTestCase()
{
    m_bus = std::make_unique<PrivateSessionBus>();
    if (!m_bus->isRunning())
        QSKIP(qPrintable(m_bus->error()));
    // Before anything opens the session bus, which Qt opens only once.
    m_bus->becomeSessionBus();
    m_service = std::make_unique<NotificationRecorder>(m_bus->connect(QStringLiteral("service")));
    QVERIFY(m_service->isServing());
}

void TestDesktopNotices::init() { m_service->calls.clear(); }

void TestDesktopNotices::cleanupTestCase() { m_service.reset(); }

void TestDesktopNotices::lowBatteryFromThePoller()
{
    WindowFixture f;
    f.mouse->setBattery(700, false);   // 2887 mV: the bar's lowest step, 10 %
    MainWindow &w = f.openWithReceiver();

    QTRY_COMPARE_WITH_TIMEOUT(m_service->calls.size(), 1, 10000);
    const NotificationRecorder::Call call = m_service->calls.first();
    QCOMPARE(call.summary, QStringLiteral("Mouse battery low"));
    QVERIFY2(call.body.startsWith(QStringLiteral("10%")), qPrintable(call.body));
    QCOMPARE(call.hints.value(QStringLiteral("urgency")).toInt(), 2);
    QCOMPARE(w.lastBatteryLevel(), 10);
}

void TestDesktopNotices::lowBatteryNamesTheTimeLeft()
{
    WindowFixture f;
    // Three hours at 12 %/h down to 11 % just before the mouse's reading
    // of 10 %: 10 % lasts 50 minutes.
    const qint64 now = 1780000000;
    BatteryClock::set(now);
    {
        BatteryHistory history;
        BatteryReadings rows;
        for (int k = 36; k >= 1; --k) {
            BatteryReading r;
            r.at = now - k * 300;
            r.level = 10 + k;
            rows << r;
        }
        QVERIFY(history.addAll(rows));
    }
    f.mouse->setBattery(700, false);
    f.mouse->plug(SimLink::Receiver);
    f.open();

    QTRY_COMPARE_WITH_TIMEOUT(m_service->calls.size(), 1, 10000);
    BatteryClock::set(0);
    QCOMPARE(m_service->calls.first().body,
             QStringLiteral("10% left, about 50 min of use. Connect the charging cable."));
}

void TestDesktopNotices::noNoticeForAGoodBattery()
{
    WindowFixture f;
    f.mouse->setBattery(980, false);   // 4042 mV: 80 %
    MainWindow &w = f.openWithReceiver();
    // The bar starts at the placeholder level 10 until the mouse answers.
    QTRY_COMPARE_WITH_TIMEOUT(w.lastBatteryLevel(), 80, 10000);

    // One connection keeps its calls in order: the on-screen text is the
    // first call the service sees when no battery notice went before it.
    WindowInside::onScreenFeedback(w)->setUseOverlay(false);
    w.showOsd(QStringLiteral("Profile 1"));
    QTRY_COMPARE(m_service->calls.size(), 1);
    QCOMPARE(m_service->calls.first().summary, QStringLiteral("Profile 1"));
    QCOMPARE(m_service->calls.first().timeout, OnScreenFeedback::kNoticeTimeoutMs);
}

QTEST_MAIN(TestDesktopNotices)
#include "test_desktopnotices.moc"
