#pragma once

#include "discovery.h"

#include <QObject>
#include <QStringList>

// Turns the arrival and removal of device nodes, from whatever source (the
// udev monitor, the virtual mouse), into changes of the mouse list, and tells
// the main window what happened so that it can open, reopen or close the
// device. Lives on the main thread; sources on other threads reach it through
// queued connections.
class DeviceWatcher : public QObject {
    Q_OBJECT
public:
    explicit DeviceWatcher(QObject *parent = nullptr);

public slots:
    void nodeAdded(const QString &nodePath);
    void nodeRemoved(const QString &nodePath);
    // The nodes of one device, gathered: removals first, then arrivals.
    void applyNodeChanges(const QStringList &removed, const QStringList &added);

signals:
    // One per mouse-list entry and connection that an event touched.
    void deviceChanged(const DeviceChange &change);
    // After the changes of one batch of events, when there was any: the point
    // at which the main window refreshes its status display and restarts the
    // status poller.
    void changesApplied();
};
