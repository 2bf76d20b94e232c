#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

#include <array>
#include <optional>

class QDBusPendingCallWatcher;

// Notifications through the desktop's notification service
// (org.freedesktop.Notifications on the session bus). Each channel is one
// notification updated in place: the id the service returned is handed back
// as replaces_id, so a burst of texts replaces what is on screen instead of
// stacking up.
//
// Calls are asynchronous; the user-interface thread never waits for the
// service. While a call is on its way only the newest text of its channel
// waits behind it (it needs the id the call returns). Without a session bus
// or a service nothing breaks: one debug line, and the texts are dropped.
class DesktopNotifications : public QObject {
    Q_OBJECT
public:
    enum class Channel { Battery, OnScreen };
    static constexpr int kChannelCount = 2;
    enum class Urgency { Low = 0, Normal = 1, Critical = 2 };

    struct Notice {
        QString summary;
        QString body;
        Urgency urgency = Urgency::Normal;
        int timeoutMs = -1;       // -1: the service decides
        bool transient = false;   // not kept in the service's history
    };

    static constexpr int kCallTimeoutMs = 5000;

    // On the session bus.
    explicit DesktopNotifications(QObject *parent = nullptr);
    DesktopNotifications(const QDBusConnection &bus, QObject *parent = nullptr);
    ~DesktopNotifications() override;

    void show(Channel channel, const Notice &notice);

    // The id the service gave the channel's notification; 0 before.
    uint notificationId(Channel channel) const;

signals:
    // The service answered a call (accepted) or the call failed.
    void replied(bool accepted);

private:
    struct ChannelState {
        uint id = 0;
        bool inFlight = false;
        std::optional<Notice> waiting;
    };

    void send(Channel channel, const Notice &notice);
    void onFinished(Channel channel, QDBusPendingCallWatcher *watcher);
    void reportUnavailable(const QString &why);

    QDBusConnection m_bus;
    std::array<ChannelState, kChannelCount> m_channels;
    bool m_reported = false;
};
