#include "trayhostwatcher.h"

#include "platformlog.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QDebug>
#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <string>

namespace {

const QString kWatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kWatcherPath = QStringLiteral("/StatusNotifierWatcher");
const QString kWatcherInterface = QStringLiteral("org.kde.StatusNotifierWatcher");

// Whether an X client owns the XEmbed tray selection of `screen`.
bool x11TrayOwned(xcb_connection_t *connection, int screen)
{
    if (!connection || xcb_connection_has_error(connection))
        return false;
    const std::string name = "_NET_SYSTEM_TRAY_S" + std::to_string(screen);
    bool owned = false;
    xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, uint16_t(name.size()), name.c_str()), nullptr);
    if (atom && atom->atom != XCB_ATOM_NONE) {
        xcb_get_selection_owner_reply_t *owner =
            xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atom->atom), nullptr);
        owned = owner && owner->owner != XCB_WINDOW_NONE;
        std::free(owner);
    }
    std::free(atom);
    return owned;
}

} // namespace

TrayHostWatcher::TrayHostWatcher(const QDBusConnection &bus, QObject *parent)
    : QObject(parent)
    , m_bus(bus)
{
    if (m_bus.isConnected()) {
        // The watcher service comes and goes with the panel that provides it.
        auto *service = new QDBusServiceWatcher(kWatcherService, m_bus,
                                                QDBusServiceWatcher::WatchForOwnerChange, this);
        connect(service, &QDBusServiceWatcher::serviceOwnerChanged, this,
                [this](const QString &, const QString &, const QString &newOwner) {
                    if (newOwner.isEmpty())
                        setStatusNotifierHost(false);
                    else
                        askStatusNotifierWatcher();
                });
        m_bus.connect(kWatcherService, kWatcherPath, kWatcherInterface, QStringLiteral("StatusNotifierHostRegistered"),
                      this, SLOT(onHostRegistered()));
        m_bus.connect(kWatcherService, kWatcherPath, kWatcherInterface, QStringLiteral("StatusNotifierHostUnregistered"),
                      this, SLOT(onHostUnregistered()));
        askStatusNotifierWatcher();
    }
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        // A connection of its own keeps the answer independent of Qt's
        // private native interface; a look costs one round trip.
        m_x11 = xcb_connect(nullptr, &m_x11Screen);
        m_xembedTray = x11TrayOwned(m_x11, m_x11Screen);
        connect(&m_x11Poll, &QTimer::timeout, this, &TrayHostWatcher::lookAtX11Selection);
        m_x11Poll.start(kX11PollInterval);
    }
    qCDebug(lcPlatform) << "tray at start:" << (isAvailable() ? "yes" : "not yet");
}

TrayHostWatcher::~TrayHostWatcher()
{
    if (m_x11)
        xcb_disconnect(m_x11);
}

void TrayHostWatcher::askStatusNotifierWatcher()
{
    QDBusMessage ask = QDBusMessage::createMethodCall(kWatcherService, kWatcherPath,
                                                      QStringLiteral("org.freedesktop.DBus.Properties"),
                                                      QStringLiteral("Get"));
    ask << kWatcherInterface << QStringLiteral("IsStatusNotifierHostRegistered");
    const quint64 question = ++m_question;
    auto *call = new QDBusPendingCallWatcher(m_bus.asyncCall(ask), this);
    connect(call, &QDBusPendingCallWatcher::finished, this, [this, question](QDBusPendingCallWatcher *answer) {
        answer->deleteLater();
        if (question != m_question)
            return;
        const QDBusPendingReply<QDBusVariant> reply = *answer;
        // No watcher (or a broken one) is no tray.
        setStatusNotifierHost(!reply.isError() && reply.value().variant().toBool());
    });
}

void TrayHostWatcher::onHostRegistered()
{
    ++m_question;
    setStatusNotifierHost(true);
}

void TrayHostWatcher::onHostUnregistered()
{
    // Another host may still be there.
    askStatusNotifierWatcher();
}

void TrayHostWatcher::setStatusNotifierHost(bool registered)
{
    const bool before = isAvailable();
    m_statusNotifierHost = registered;
    update(before);
}

void TrayHostWatcher::lookAtX11Selection()
{
    const bool before = isAvailable();
    m_xembedTray = x11TrayOwned(m_x11, m_x11Screen);
    update(before);
}

void TrayHostWatcher::update(bool before)
{
    if (isAvailable() == before)
        return;
    qCDebug(lcPlatform) << "tray" << (isAvailable() ? "appeared" : "went away");
    emit availabilityChanged(isAvailable());
}
