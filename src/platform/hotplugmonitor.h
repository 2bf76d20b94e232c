#pragma once

#include "hotplugcoalescer.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

class DeviceWatcher;
class UdevMonitor;

// The single road by which device nodes coming and going reach the device
// link, whatever reports them: the udev monitor on a real system, the virtual
// mouse's devicePlugged/deviceUnplugged(nodePath) under simulation. Events are
// gathered per USB device for a moment, a freshly added node that refuses to
// open for lack of permission is given a few more tries, and the result is
// handed on as nodesChanged, which connectTo() feeds into a DeviceWatcher.
class HotplugMonitor : public QObject {
    Q_OBJECT
public:
    // 0 when a node can be opened, else the errno of the failed open.
    using AccessProbe = std::function<int(const QString &node)>;

    explicit HotplugMonitor(QObject *parent = nullptr);
    ~HotplugMonitor() override;

    // Follows udev; false (with a debug line) where it is unavailable.
    bool startUdev();
    bool isFollowingUdev() const;

    void connectTo(DeviceWatcher *watcher);

    void setGatherDelay(int milliseconds) { m_gatherTimer.setInterval(milliseconds); }
    void setAccessProbe(AccessProbe probe) { m_probe = std::move(probe); }

    // Nothing gathered or waiting for access: no nodesChanged follows
    // without a new event.
    bool isIdle() const { return !m_gatherTimer.isActive() && !m_retryTimer.isActive(); }

    static constexpr int kGatherDelayMs = 50;
    static constexpr int kAccessRetryMs = 100;
    static constexpr int kAccessRetries = 5;

public slots:
    // For sources that know only node paths (the virtual mouse).
    void nodeAdded(const QString &nodePath);
    void nodeRemoved(const QString &nodePath);
    void deviceEvent(const HotplugEvent &event);

signals:
    // The nodes of one device that went and came: removals, then arrivals.
    void nodesChanged(const QStringList &removed, const QStringList &added);

private:
    void flush();
    void retryAccess();
    bool accessRefused(const QString &node) const;

    struct Waiting {
        QString node;
        int attempts = 0;
    };

    HotplugCoalescer m_coalescer;
    QTimer m_gatherTimer;
    QTimer m_retryTimer;
    QStringList m_probeNodes;           // added nodes whose access is to be checked
    QVector<Waiting> m_waiting;         // nodes refused so far, retried
    AccessProbe m_probe;
    UdevMonitor *m_udev = nullptr;
};
