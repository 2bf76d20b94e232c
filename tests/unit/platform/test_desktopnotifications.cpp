// Desktop notifications on a private session bus, received by a
// notification service of the test's own: what a notice carries, one
// notification updated in place for the on-screen texts, the fall-back from
// the overlay, and a desktop without the service or without a bus.

#include "notificationrecorder.h"
#include "privatesessionbus.h"

#include "config/logging.h"
#include "platform/desktopnotifications.h"
#include "platform/onscreenfeedback.h"
#include "platform/osdclient.h"

#include <QColor>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

using Channel = DesktopNotifications::Channel;

QStringList g_debugLines;

void recordDebug(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtDebugMsg)
        g_debugLines << message;
}

int linesContaining(const QString &part)
{
    int n = 0;
    for (const QString &line : g_debugLines)
        n += line.contains(part) ? 1 : 0;
    return n;
}

} // namespace

class TestDesktopNotifications : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void noticeCarriesItsParts();
    void onScreenTextsShareOneNotification();
    void overlayThatFailsGivesWay();
    void overlayCanShow_data();
    void overlayCanShow();
    void unavailableService_data();
    void unavailableService();

private:
    QDBusConnection client(const QString &name) { return m_bus->connect(name); }

    std::unique_ptr<PrivateSessionBus> m_bus;
};

void TestDesktopNotifications::initTestCase()
{
    m_bus = std::make_unique<PrivateSessionBus>();
    if (!m_bus->isRunning())
        QSKIP(qPrintable(m_bus->error()));
}

void TestDesktopNotifications::cleanup()
{
    qInstallMessageHandler(nullptr);
    g_debugLines.clear();
}

void TestDesktopNotifications::noticeCarriesItsParts()
{
    NotificationRecorder service(client(QStringLiteral("service-parts")));
    QVERIFY(service.isServing());
    DesktopNotifications notifications(client(QStringLiteral("client-parts")));

    DesktopNotifications::Notice notice;
    notice.summary = QStringLiteral("Mouse battery low");
    notice.body = QStringLiteral("10% left.");
    notice.urgency = DesktopNotifications::Urgency::Critical;
    notifications.show(Channel::Battery, notice);

    QTRY_COMPARE(service.calls.size(), 1);
    const NotificationRecorder::Call call = service.calls.first();
    QCOMPARE(call.appName, QStringLiteral("mousecfg"));
    QCOMPARE(call.icon, QStringLiteral("io.github.mousecfg"));
    QCOMPARE(call.summary, notice.summary);
    QCOMPARE(call.body, notice.body);
    QCOMPARE(call.replacesId, 0u);
    QCOMPARE(call.timeout, -1);
    QCOMPARE(call.hints.value(QStringLiteral("urgency")).toInt(), 2);
    QCOMPARE(call.hints.value(QStringLiteral("desktop-entry")).toString(), QStringLiteral("io.github.mousecfg"));
    QVERIFY(!call.hints.contains(QStringLiteral("transient")));
    QTRY_COMPARE(notifications.notificationId(Channel::Battery), call.answeredId);
}

void TestDesktopNotifications::onScreenTextsShareOneNotification()
{
    NotificationRecorder service(client(QStringLiteral("service-osd")));
    QVERIFY(service.isServing());
    DesktopNotifications notifications(client(QStringLiteral("client-osd")));
    OsdClient overlay;
    OnScreenFeedback feedback(&overlay, &notifications);
    feedback.setUseOverlay(false);   // as in a Wayland session

    // A burst of presses: the texts after the first wait for its id, and
    // only the newest of them is worth showing.
    const QStringList burst = {QStringLiteral("DPI 1:800"), QStringLiteral("DPI 2:1600"), QStringLiteral("DPI 3:3200")};
    for (const QString &text : burst)
        feedback.show(text, Qt::red);
    QTRY_VERIFY(!service.calls.isEmpty() && service.calls.last().summary == burst.last());
    const uint id = service.calls.first().answeredId;
    QCOMPARE(service.calls.first().replacesId, 0u);
    QVERIFY(service.calls.size() <= burst.size());
    for (const NotificationRecorder::Call &call : service.calls.mid(1))
        QCOMPARE(call.replacesId, id);

    // A later press updates the same notification; a battery notice is a
    // notification of its own.
    const int before = service.calls.size();
    feedback.show(QStringLiteral("Profile 2"), Qt::red);
    notifications.show(Channel::Battery, {QStringLiteral("Mouse charged"), QString()});
    // The press may wait for the reply to the burst's last call, so the two
    // can reach the service in either order.
    QTRY_COMPARE(service.calls.size(), before + 2);
    const bool pressFirst = service.calls.at(before).summary == QLatin1String("Profile 2");
    const NotificationRecorder::Call press = service.calls.at(pressFirst ? before : before + 1);
    const NotificationRecorder::Call battery = service.calls.at(pressFirst ? before + 1 : before);
    QCOMPARE(press.summary, QStringLiteral("Profile 2"));
    QCOMPARE(press.replacesId, id);
    QCOMPARE(press.timeout, OnScreenFeedback::kNoticeTimeoutMs);
    QCOMPARE(press.hints.value(QStringLiteral("transient")).toBool(), true);
    QCOMPARE(press.hints.value(QStringLiteral("urgency")).toInt(), 0);
    QCOMPARE(battery.summary, QStringLiteral("Mouse charged"));
    QCOMPARE(battery.replacesId, 0u);
    QVERIFY(battery.answeredId != id);
}

void TestDesktopNotifications::overlayThatFailsGivesWay()
{
    NotificationRecorder service(client(QStringLiteral("service-fail")));
    QVERIFY(service.isServing());
    DesktopNotifications notifications(client(QStringLiteral("client-fail")));
    QTemporaryDir dir;
    OsdClient overlay;
    overlay.setProgram(dir.filePath(QStringLiteral("no-such-osd")));
    overlay.setServerName(dir.filePath(QStringLiteral("no-such-socket")));
    overlay.setRetryInterval(1);
    OnScreenFeedback feedback(&overlay, &notifications);
    feedback.setUseOverlay(true);
    QSignalSpy starts(&overlay, &OsdClient::startingProgram);
    QSignalSpy gaveUp(&overlay, &OsdClient::gaveUp);

    feedback.show(QStringLiteral("Profile 3"), Qt::red);
    QVERIFY(gaveUp.wait(5000));
    // The text the overlay dropped is shown as a notification ...
    QTRY_COMPARE(service.calls.size(), 1);
    QCOMPARE(service.calls.first().summary, QStringLiteral("Profile 3"));
    QVERIFY(!feedback.usesOverlay());

    // ... and so is every later one, without trying the overlay again.
    const int startsBefore = starts.size();
    feedback.show(QStringLiteral("500 HZ"), Qt::red);
    QTRY_COMPARE(service.calls.size(), 2);
    QCOMPARE(service.calls.last().summary, QStringLiteral("500 HZ"));
    QCOMPARE(service.calls.last().replacesId, service.calls.first().answeredId);
    QCOMPARE(starts.size(), startsBefore);
    QVERIFY(!overlay.isBusy());
}

void TestDesktopNotifications::overlayCanShow_data()
{
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QString>("session");
    QTest::addColumn<bool>("canShow");
    QTest::newRow("X11 session") << "xcb" << "x11" << true;
    QTest::newRow("X without a session type") << "xcb" << "" << true;
    QTest::newRow("XWayland in a Wayland session") << "xcb" << "wayland" << false;
    QTest::newRow("session type in capitals") << "xcb" << "Wayland" << false;
    QTest::newRow("native Wayland") << "wayland" << "wayland" << false;
    QTest::newRow("Wayland plugin variant") << "wayland-egl" << "" << false;
}

void TestDesktopNotifications::overlayCanShow()
{
    QFETCH(QString, platform);
    QFETCH(QString, session);
    QFETCH(bool, canShow);
    QCOMPARE(OnScreenFeedback::overlayCanShow(platform, session), canShow);
}

void TestDesktopNotifications::unavailableService_data()
{
    QTest::addColumn<bool>("withBus");
    QTest::newRow("bus without the service") << true;
    QTest::newRow("no bus at all") << false;
}

void TestDesktopNotifications::unavailableService()
{
    QFETCH(bool, withBus);
    const QDBusConnection bus = withBus ? client(QStringLiteral("client-alone"))
                                        : QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"),
                                                                        QStringLiteral("client-nobus"));
    QCOMPARE(bus.isConnected(), withBus);
    DesktopNotifications notifications(bus);
    QSignalSpy replies(&notifications, &DesktopNotifications::replied);
    Logging::enableDebug();
    qInstallMessageHandler(recordDebug);

    for (int i = 0; i < 3; ++i) {
        notifications.show(Channel::Battery, {QStringLiteral("Mouse battery low"), QString()});
        notifications.show(Channel::OnScreen, {QStringLiteral("DPI 1:800"), QString()});
    }
    if (withBus) {
        // Both channels are answered with errors, the waiting texts too.
        QTRY_COMPARE(replies.size(), 4);
        for (const QList<QVariant> &reply : replies)
            QCOMPARE(reply.first().toBool(), false);
    }
    QCOMPARE(linesContaining(QStringLiteral("desktop notifications are not available")), 1);
    QCOMPARE(notifications.notificationId(Channel::Battery), 0u);
}

QTEST_MAIN(TestDesktopNotifications)
#include "test_desktopnotifications.moc"
