#include "desktopnotifications.h"

#include "appidentity.h"
#include "platformlog.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDebug>
#include <QVariantMap>

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");

} // namespace

DesktopNotifications::DesktopNotifications(QObject *parent)
    : DesktopNotifications(QDBusConnection::sessionBus(), parent)
{
}

DesktopNotifications::DesktopNotifications(const QDBusConnection &bus, QObject *parent)
    : QObject(parent)
    , m_bus(bus)
{
}

DesktopNotifications::~DesktopNotifications() = default;

uint DesktopNotifications::notificationId(Channel channel) const
{
    return m_channels[size_t(channel)].id;
}

void DesktopNotifications::show(Channel channel, const Notice &notice)
{
    ChannelState &state = m_channels[size_t(channel)];
    if (state.inFlight) {
        state.waiting = notice;
        return;
    }
    send(channel, notice);
}

void DesktopNotifications::send(Channel channel, const Notice &notice)
{
    if (!m_bus.isConnected()) {
        reportUnavailable(QStringLiteral("no session bus"));
        return;
    }
    ChannelState &state = m_channels[size_t(channel)];
    QVariantMap hints;
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue(uchar(notice.urgency)));
    hints.insert(QStringLiteral("desktop-entry"), AppIdentity::appId());
    if (notice.transient)
        hints.insert(QStringLiteral("transient"), true);

    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
    call << AppIdentity::appName() << state.id << AppIdentity::appId() << notice.summary << notice.body
         << QStringList() << hints << notice.timeoutMs;
    state.inFlight = true;
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, kCallTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, channel](QDBusPendingCallWatcher *w) { onFinished(channel, w); });
}

void DesktopNotifications::onFinished(Channel channel, QDBusPendingCallWatcher *watcher)
{
    watcher->deleteLater();
    ChannelState &state = m_channels[size_t(channel)];
    state.inFlight = false;
    const QDBusPendingReply<uint> reply = *watcher;
    if (reply.isError()) {
        reportUnavailable(reply.error().name());
        // Without an id the next text starts a new notification.
        state.id = 0;
        emit replied(false);
    } else {
        state.id = reply.value();
        emit replied(true);
    }
    if (state.waiting) {
        const Notice next = *state.waiting;
        state.waiting.reset();
        send(channel, next);
    }
}

void DesktopNotifications::reportUnavailable(const QString &why)
{
    // Once per run: a desktop without the service would otherwise log a line
    // for every battery reading and every press of a mouse button.
    if (m_reported)
        return;
    m_reported = true;
    qCDebug(lcPlatform).noquote() << "desktop notifications are not available (" + why + "); notices are dropped";
}
