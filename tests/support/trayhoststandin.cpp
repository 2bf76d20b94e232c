#include "trayhoststandin.h"

#include <QDBusMessage>

namespace {

const QString kService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kPath = QStringLiteral("/StatusNotifierWatcher");

} // namespace

TrayHostStandIn::TrayHostStandIn(const QDBusConnection &bus)
    : m_bus(bus)
{
}

TrayHostStandIn::~TrayHostStandIn() { stop(); }

bool TrayHostStandIn::serve()
{
    m_serving = m_bus.isConnected()
                && m_bus.registerObject(kPath, this,
                                        QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals
                                            | QDBusConnection::ExportAllProperties)
                && m_bus.registerService(kService);
    return m_serving;
}

void TrayHostStandIn::stop()
{
    if (!m_serving)
        return;
    m_bus.unregisterService(kService);
    m_bus.unregisterObject(kPath);
    m_serving = false;
}

void TrayHostStandIn::setHostRegistered(bool registered)
{
    m_host = registered;
    if (registered)
        emit StatusNotifierHostRegistered();
    else
        emit StatusNotifierHostUnregistered();
}

void TrayHostStandIn::RegisterStatusNotifierItem(const QString &service)
{
    // An item names its bus connection, or its object path on the caller's.
    const QString item = service.startsWith(QLatin1Char('/')) ? message().service() + service : service;
    items << item;
    emit StatusNotifierItemRegistered(item);
}

void TrayHostStandIn::RegisterStatusNotifierHost(const QString &) { setHostRegistered(true); }
