#include "devicewatcher.h"

#include "devicelog.h"

#include <QDebug>

DeviceWatcher::DeviceWatcher(QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<DeviceChange>();
}

void DeviceWatcher::nodeAdded(const QString &nodePath)
{
    applyNodeChanges({}, {nodePath});
}

void DeviceWatcher::nodeRemoved(const QString &nodePath)
{
    applyNodeChanges({nodePath}, {});
}

void DeviceWatcher::applyNodeChanges(const QStringList &removed, const QStringList &added)
{
    // Each change is told as soon as it is made, so that the list the main
    // window looks at is the one the change describes.
    bool any = false;
    auto apply = [&](const QString &path, bool arrival) {
        qCDebug(lcDevice, arrival ? "DBT_DEVICEARRIVAL" : "DBT_DEVICEREMOVECOMPLETE");
        for (const DeviceChange &change : OnDevicePath(path, arrival, currentProductName())) {
            any = true;
            emit deviceChanged(change);
        }
        if (arrival)
            qCDebug(lcDevice).noquote() << path;
    };
    for (const QString &path : removed)
        apply(path, false);
    for (const QString &path : added)
        apply(path, true);
    if (any)
        emit changesApplied();
}
