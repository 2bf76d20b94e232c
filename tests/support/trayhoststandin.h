#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QObject>
#include <QStringList>

// A StatusNotifier watcher of the test's own, as a panel provides it: owns
// org.kde.StatusNotifierWatcher on the given bus (once serve() is called),
// says whether a host is registered, announces hosts as they come and go,
// and records the items (tray icons) that register with it.
class TrayHostStandIn : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ isHostRegistered)
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ registeredItems)
    Q_PROPERTY(int ProtocolVersion READ protocolVersion)
public:
    explicit TrayHostStandIn(const QDBusConnection &bus);
    ~TrayHostStandIn() override;

    // Takes the watcher's name; false when it could not.
    bool serve();
    // Gives the name up, as a panel that ends.
    void stop();
    // A host registers (the panel's tray comes up) or goes.
    void setHostRegistered(bool registered);

    bool isHostRegistered() const { return m_host; }
    QStringList registeredItems() const { return items; }
    int protocolVersion() const { return 0; }

    QStringList items;

public slots:
    void RegisterStatusNotifierItem(const QString &service);
    void RegisterStatusNotifierHost(const QString &service);

signals:
    void StatusNotifierHostRegistered();
    void StatusNotifierHostUnregistered();
    void StatusNotifierItemRegistered(const QString &service);

private:
    QDBusConnection m_bus;
    bool m_host = false;
    bool m_serving = false;
};
