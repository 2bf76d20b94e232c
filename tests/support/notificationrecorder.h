#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

// A notification service of the test's own: owns
// org.freedesktop.Notifications on the given bus and records every Notify
// call, answering as a real service does (a new id, or the id it was asked
// to replace).
class NotificationRecorder : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Call {
        QString appName;
        uint replacesId = 0;
        QString icon;
        QString summary;
        QString body;
        QVariantMap hints;
        int timeout = 0;
        uint answeredId = 0;
    };

    explicit NotificationRecorder(const QDBusConnection &bus);
    ~NotificationRecorder() override;

    // False when the name or the object could not be registered.
    bool isServing() const { return m_serving; }

    QList<Call> calls;

public slots:
    uint Notify(const QString &appName, uint replacesId, const QString &icon, const QString &summary,
                const QString &body, const QStringList &actions, const QVariantMap &hints, int timeout);
    QStringList GetCapabilities();
    void CloseNotification(uint id);

private:
    QDBusConnection m_bus;
    bool m_serving = false;
    uint m_nextId = 0;
};
