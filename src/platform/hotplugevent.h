#pragma once

#include <QMetaType>
#include <QString>

// One add or remove of a device node, as a plug source reports it.
struct HotplugEvent {
    enum Action { Add, Remove };

    Action action = Add;
    // Identifies the node for its whole life: the kernel reuses node names
    // (/dev/hidraw3 may belong to another device a moment later), not sysfs
    // paths. Sources without sysfs paths use the node path.
    QString sysPath;
    QString devNode;       // /dev/hidrawN, or the virtual mouse's node path
    // The USB device the node belongs to: one device gives one event per
    // interface, and those are handled together.
    QString usbDevice;
    // The node was just created by udev; its permissions may still be being
    // applied, so an open that is refused is worth retrying.
    bool probeAccess = false;
};
Q_DECLARE_METATYPE(HotplugEvent)

// The USB device directory of a hidraw node's sysfs path: the part before the
// interface component ("1-2:1.0"), e.g.
//   /sys/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.0/0003:248A:FA02.0005/hidraw/hidraw3
//   -> /sys/devices/pci0000:00/0000:00:14.0/usb1/1-2
// Nodes not on USB (Bluetooth, uhid) are grouped by their HID device directory;
// a path with neither is its own group.
QString usbDeviceOfSysPath(const QString &sysPath);
