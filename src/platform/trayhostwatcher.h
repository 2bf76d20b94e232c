#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QTimer>

struct xcb_connection_t;

// Tells whether the desktop has a tray for the program's icon, and when one
// appears or goes. At log-in the tray's host (a panel, a shell extension)
// often starts after the programs of the autostart folder, so the answer at
// start is not the answer for the session.
//
// Two kinds of tray count: a StatusNotifier host registered with
// org.kde.StatusNotifierWatcher on the session bus (Plasma, GNOME's
// AppIndicator extension, most Wayland panels), and on X11 the owner of the
// _NET_SYSTEM_TRAY_S<screen> selection (XEmbed trays).
//
// Qt decides once per process, when its first tray icon is made, whether it
// uses the StatusNotifier path: no QSystemTrayIcon may be made (nor
// QSystemTrayIcon::isSystemTrayAvailable called) before this watcher has seen
// a tray, or an icon made later would never reach a host that came late.
class TrayHostWatcher : public QObject {
    Q_OBJECT
public:
    static constexpr int kX11PollInterval = 2000;   // ms between looks at the X selection

    explicit TrayHostWatcher(const QDBusConnection &bus = QDBusConnection::sessionBus(), QObject *parent = nullptr);
    ~TrayHostWatcher() override;

    bool isAvailable() const { return m_statusNotifierHost || m_xembedTray; }

signals:
    void availabilityChanged(bool available);

private slots:
    // The watcher's own signals, connected by name on the bus.
    void onHostRegistered();
    void onHostUnregistered();

private:
    void askStatusNotifierWatcher();
    void setStatusNotifierHost(bool registered);
    void lookAtX11Selection();
    void update(bool before);

    QDBusConnection m_bus;
    bool m_statusNotifierHost = false;
    bool m_xembedTray = false;
    // An answer about the watcher that arrives after a newer question is stale.
    quint64 m_question = 0;
    xcb_connection_t *m_x11 = nullptr;
    int m_x11Screen = 0;
    QTimer m_x11Poll;
};
