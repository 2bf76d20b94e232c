#pragma once

#include "hotplugevent.h"

#include <QObject>
#include <QPair>
#include <QVector>

class QSocketNotifier;
struct udev;
struct udev_monitor;

// Follows the hidraw nodes that udev adds and removes. Listens to the udev
// netlink source, not the kernel one: udev announces a node once its rules
// have run (permissions, symlinks), the kernel before.
class UdevMonitor : public QObject {
    Q_OBJECT
public:
    explicit UdevMonitor(QObject *parent = nullptr);
    ~UdevMonitor() override;

    // False, with a debug line, where udev is unavailable (a container without
    // udevd, for one): plug events are then not seen, and the program works
    // with what it found at start-up.
    bool start();
    bool isRunning() const { return m_notifier != nullptr; }

    // The hidraw nodes present now, as (sysfs path, node) pairs.
    QVector<QPair<QString, QString>> presentNodes() const;

signals:
    void deviceEvent(const HotplugEvent &event);

private slots:
    void readEvents();

private:
    udev *m_udev = nullptr;
    udev_monitor *m_monitor = nullptr;
    QSocketNotifier *m_notifier = nullptr;
};
