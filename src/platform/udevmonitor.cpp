#include "udevmonitor.h"

#include "platformlog.h"

#include <QDebug>
#include <QFileInfo>
#include <QSocketNotifier>

#include <libudev.h>

#include <cstring>

namespace {

QString text(const char *value)
{
    return value ? QString::fromLocal8Bit(value) : QString();
}

} // namespace

UdevMonitor::UdevMonitor(QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<HotplugEvent>();
}

UdevMonitor::~UdevMonitor()
{
    delete m_notifier;
    if (m_monitor)
        udev_monitor_unref(m_monitor);
    if (m_udev)
        udev_unref(m_udev);
}

bool UdevMonitor::start()
{
    if (m_notifier)
        return true;
    // Without a running udevd the netlink source stays silent forever.
    if (!QFileInfo::exists(QStringLiteral("/run/udev/control"))) {
        qCWarning(lcPlatform, "udev is not running: device plug events are not followed");
        return false;
    }
    m_udev = udev_new();
    if (!m_udev) {
        qCWarning(lcPlatform, "udev is unavailable: device plug events are not followed");
        return false;
    }
    m_monitor = udev_monitor_new_from_netlink(m_udev, "udev");
    if (!m_monitor || udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "hidraw", nullptr) < 0
        || udev_monitor_enable_receiving(m_monitor) < 0) {
        qCWarning(lcPlatform, "udev monitor could not be set up: device plug events are not followed");
        if (m_monitor)
            udev_monitor_unref(m_monitor);
        m_monitor = nullptr;
        return false;
    }
    const int fd = udev_monitor_get_fd(m_monitor);
    if (fd < 0) {
        qCWarning(lcPlatform, "udev monitor has no socket: device plug events are not followed");
        return false;
    }
    m_notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &UdevMonitor::readEvents);
    return true;
}

QVector<QPair<QString, QString>> UdevMonitor::presentNodes() const
{
    QVector<QPair<QString, QString>> nodes;
    if (!m_udev)
        return nodes;
    udev_enumerate *enumerate = udev_enumerate_new(m_udev);
    if (!enumerate)
        return nodes;
    udev_enumerate_add_match_subsystem(enumerate, "hidraw");
    udev_enumerate_scan_devices(enumerate);
    udev_list_entry *entry;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate))
    {
        const char *sysPath = udev_list_entry_get_name(entry);
        udev_device *device = udev_device_new_from_syspath(m_udev, sysPath);
        if (!device)
            continue;
        const QString node = text(udev_device_get_devnode(device));
        if (!node.isEmpty())
            nodes.append({text(sysPath), node});
        udev_device_unref(device);
    }
    udev_enumerate_unref(enumerate);
    return nodes;
}

void UdevMonitor::readEvents()
{
    // The socket is non-blocking: take everything that is queued.
    while (udev_device *device = udev_monitor_receive_device(m_monitor)) {
        const char *action = udev_device_get_action(device);
        HotplugEvent event;
        bool wanted = true;
        if (action && std::strcmp(action, "add") == 0) {
            event.action = HotplugEvent::Add;
            // A node whose rules have not run yet may still change owner and
            // mode; it is announced again once udev has initialised it.
            wanted = udev_device_get_is_initialized(device) > 0;
            event.probeAccess = true;
        } else if (action && std::strcmp(action, "remove") == 0) {
            // Removals are never skipped: a missed one would leave a handle to
            // a device that is gone.
            event.action = HotplugEvent::Remove;
        } else {
            wanted = false;
        }
        if (wanted) {
            event.sysPath = text(udev_device_get_syspath(device));
            event.devNode = text(udev_device_get_devnode(device));
            event.usbDevice = usbDeviceOfSysPath(event.sysPath);
            // A removal without its node name is still known by sysfs path.
            if (!event.sysPath.isEmpty() && (!event.devNode.isEmpty() || event.action == HotplugEvent::Remove))
                emit deviceEvent(event);
        }
        udev_device_unref(device);
    }
}
