#pragma once

#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>

// The programs that run now, by executable name, read from /proc (works in
// every session: X11, any Wayland compositor, a console). The executable's
// name is the base name of /proc/<pid>/exe where that link can be read (the
// user's own processes), else the kernel's short name in /proc/<pid>/comm.
// Names are lower case.
//
// Watching rescans every two seconds, and only while someone needs it.
class RunningPrograms : public QObject {
    Q_OBJECT
public:
    static constexpr int kScanIntervalMs = 2000;

    // `procRoot`: where the process table is mounted ("/proc"; tests point
    // it at a folder of their own).
    explicit RunningPrograms(const QString &procRoot = QStringLiteral("/proc"), QObject *parent = nullptr);

    // The name of process `pid` as above; empty when it has gone.
    static QString executableName(const QString &procRoot, qint64 pid);

    // Starts or stops the scans; a start scans at once.
    void setWatching(bool on);
    bool watching() const { return m_timer.isActive(); }
    // Scans now; emits changed() when the set of names differs.
    void scan();
    QSet<QString> names() const { return m_names; }

signals:
    void changed(const QSet<QString> &names);

private:
    QString m_procRoot;
    QTimer m_timer;
    QSet<QString> m_names;
};
