#include "notificationrecorder.h"

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");

} // namespace

NotificationRecorder::NotificationRecorder(const QDBusConnection &bus)
    : m_bus(bus)
{
    m_serving = m_bus.isConnected() && m_bus.registerObject(kPath, this, QDBusConnection::ExportAllSlots)
                && m_bus.registerService(kService);
}

NotificationRecorder::~NotificationRecorder()
{
    if (m_bus.isConnected()) {
        m_bus.unregisterService(kService);
        m_bus.unregisterObject(kPath);
    }
}

uint NotificationRecorder::Notify(const QString &appName, uint replacesId, const QString &icon,
                                  const QString &summary, const QString &body, const QStringList &actions,
                                  const QVariantMap &hints, int timeout)
{
    Q_UNUSED(actions);
    Call call;
    call.appName = appName;
    call.replacesId = replacesId;
    call.icon = icon;
    call.summary = summary;
    call.body = body;
    call.hints = hints;
    call.timeout = timeout;
    call.answeredId = replacesId != 0 ? replacesId : ++m_nextId;
    calls.append(call);
    return call.answeredId;
}

QStringList NotificationRecorder::GetCapabilities() { return {QStringLiteral("body")}; }

void NotificationRecorder::CloseNotification(uint id) { Q_UNUSED(id); }
