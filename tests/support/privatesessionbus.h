#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A session bus of the test's own: a dbus-daemon with a minimal
// configuration (no service activation, so nothing of the machine answers on
// it), started on construction and stopped on destruction.
class PrivateSessionBus {
public:
    PrivateSessionBus();
    ~PrivateSessionBus();

    bool isRunning() const { return !m_address.isEmpty(); }
    QString address() const { return m_address; }
    // Why it did not start (for QSKIP).
    QString error() const { return m_error; }

    // A new connection to the bus under `name`.
    QDBusConnection connect(const QString &name) const;

    // Points DBUS_SESSION_BUS_ADDRESS at this bus, so that
    // QDBusConnection::sessionBus() (first used after this) reaches it.
    void becomeSessionBus() const;

private:
    QTemporaryDir m_dir;
    QProcess m_daemon;
    QString m_address;
    QString m_error;
};
