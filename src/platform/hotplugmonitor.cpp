#include "hotplugmonitor.h"

#include "platformlog.h"
#include "udevmonitor.h"

#include "device/devicewatcher.h"

#include <QDebug>
#include <QFile>

#include <algorithm>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

int openProbe(const QString &node)
{
    const int fd = ::open(QFile::encodeName(node).constData(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return errno;
    ::close(fd);
    return 0;
}

bool isPermissionError(int error)
{
    return error == EACCES || error == EPERM;
}

} // namespace

HotplugMonitor::HotplugMonitor(QObject *parent)
    : QObject(parent)
    , m_probe(openProbe)
{
    qRegisterMetaType<HotplugEvent>();
    m_gatherTimer.setSingleShot(true);
    m_gatherTimer.setInterval(kGatherDelayMs);
    connect(&m_gatherTimer, &QTimer::timeout, this, &HotplugMonitor::flush);
    m_retryTimer.setSingleShot(true);
    m_retryTimer.setInterval(kAccessRetryMs);
    connect(&m_retryTimer, &QTimer::timeout, this, &HotplugMonitor::retryAccess);
}

HotplugMonitor::~HotplugMonitor() = default;

bool HotplugMonitor::startUdev()
{
    if (!m_udev) {
        m_udev = new UdevMonitor(this);
        connect(m_udev, &UdevMonitor::deviceEvent, this, &HotplugMonitor::deviceEvent);
    }
    if (!m_udev->start())
        return false;
    // Nodes present now are known by sysfs path, so that their removal is
    // recognised even after the kernel has reused the node name.
    for (const auto &node : m_udev->presentNodes())
        m_coalescer.remember(node.first, node.second);
    return true;
}

bool HotplugMonitor::isFollowingUdev() const
{
    return m_udev && m_udev->isRunning();
}

void HotplugMonitor::connectTo(DeviceWatcher *watcher)
{
    connect(this, &HotplugMonitor::nodesChanged, watcher, &DeviceWatcher::applyNodeChanges);
}

void HotplugMonitor::nodeAdded(const QString &nodePath)
{
    HotplugEvent event;
    event.action = HotplugEvent::Add;
    event.sysPath = event.devNode = event.usbDevice = nodePath;
    deviceEvent(event);
}

void HotplugMonitor::nodeRemoved(const QString &nodePath)
{
    HotplugEvent event;
    event.action = HotplugEvent::Remove;
    event.sysPath = event.devNode = event.usbDevice = nodePath;
    deviceEvent(event);
}

void HotplugMonitor::deviceEvent(const HotplugEvent &event)
{
    m_coalescer.add(event);
    if (event.action == HotplugEvent::Add && event.probeAccess && !m_probeNodes.contains(event.devNode))
        m_probeNodes.append(event.devNode);
    if (!m_gatherTimer.isActive())
        m_gatherTimer.start();
}

bool HotplugMonitor::accessRefused(const QString &node) const
{
    return isPermissionError(m_probe ? m_probe(node) : 0);
}

void HotplugMonitor::flush()
{
    auto stopWaiting = [this](const QString &node) {
        m_waiting.erase(std::remove_if(m_waiting.begin(), m_waiting.end(),
                                       [&](const Waiting &w) { return w.node == node; }),
                        m_waiting.end());
    };
    for (const HotplugBatch &batch : m_coalescer.take()) {
        // A node that went or is reported afresh is no longer waited for.
        for (const QString &node : batch.removedNodes)
            stopWaiting(node);
        QStringList added;
        for (const QString &node : batch.addedNodes) {
            stopWaiting(node);
            if (m_probeNodes.contains(node) && accessRefused(node))
                m_waiting.append({node, 1});
            else
                added.append(node);
        }
        if (!batch.removedNodes.isEmpty() || !added.isEmpty())
            emit nodesChanged(batch.removedNodes, added);
    }
    m_probeNodes.clear();
    if (m_waiting.isEmpty())
        m_retryTimer.stop();   // the last waiting node went or came afresh
    else if (!m_retryTimer.isActive())
        m_retryTimer.start();
}

// The permissions of a new node are set by udev rules and the seat's access
// lists, which may land a moment after the node is announced.
void HotplugMonitor::retryAccess()
{
    QStringList ready;
    for (auto it = m_waiting.begin(); it != m_waiting.end();) {
        if (!accessRefused(it->node)) {
            ready.append(it->node);
            it = m_waiting.erase(it);
        } else if (++it->attempts > kAccessRetries) {
            qCWarning(lcPlatform).noquote() << "device node" << it->node << "cannot be opened: permission denied";
            // Handed on all the same: the main window then shows the mouse as
            // present but unopened, rather than silently nothing.
            ready.append(it->node);
            it = m_waiting.erase(it);
        } else {
            ++it;
        }
    }
    if (!ready.isEmpty())
        emit nodesChanged({}, ready);
    if (!m_waiting.isEmpty())
        m_retryTimer.start();
}
