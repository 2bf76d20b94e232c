#include "hotplugcoalescer.h"

#include <QRegularExpression>

#include <algorithm>

QString usbDeviceOfSysPath(const QString &sysPath)
{
    // <bus>-<port>[.<port>...]:<configuration>.<interface>
    static const QRegularExpression usbInterface(QStringLiteral("^\\d+-[\\d.]+:\\d+\\.\\d+$"));
    // <bus>:<vendor>:<product>.<instance>
    static const QRegularExpression hidDevice(QStringLiteral("^[0-9A-Fa-f]{4}:[0-9A-Fa-f]{4}:[0-9A-Fa-f]{4}\\.[0-9A-Fa-f]+$"));
    const QStringList parts = sysPath.split(QLatin1Char('/'));
    for (int i = 0; i < parts.size(); ++i) {
        if (usbInterface.match(parts[i]).hasMatch())
            return parts.mid(0, i).join(QLatin1Char('/'));
    }
    for (int i = 0; i < parts.size(); ++i) {
        if (hidDevice.match(parts[i]).hasMatch())
            return parts.mid(0, i + 1).join(QLatin1Char('/'));
    }
    return sysPath;
}

HotplugCoalescer::Pending &HotplugCoalescer::pendingFor(const HotplugEvent &event)
{
    for (Pending &pending : m_pending) {
        if (pending.sysPath == event.sysPath)
            return pending;
    }
    Pending pending;
    pending.sysPath = event.sysPath;
    pending.usbDevice = event.usbDevice.isEmpty() ? event.sysPath : event.usbDevice;
    m_pending.push_back(pending);
    return m_pending.back();
}

void HotplugCoalescer::add(const HotplugEvent &event)
{
    if (event.sysPath.isEmpty())
        return;
    if (event.devNode.isEmpty() && (event.action == HotplugEvent::Add || !m_known.contains(event.sysPath)))
        return;
    Pending &pending = pendingFor(event);
    if (event.action == HotplugEvent::Add) {
        pending.added = true;
        pending.addedNode = event.devNode;
        return;
    }
    // A removal undoes an addition of the same window. It is reported when the
    // node was there before the window, or when nothing of it was seen at all
    // (nodes found by enumeration at start-up are not known here).
    if (!pending.removed && (m_known.contains(event.sysPath) || !pending.added)) {
        pending.removed = true;
        pending.removedNode = m_known.value(event.sysPath, event.devNode);
    }
    pending.added = false;
}

std::vector<HotplugBatch> HotplugCoalescer::take()
{
    std::vector<HotplugBatch> batches;
    for (const Pending &pending : m_pending) {
        if (!pending.removed && !pending.added)
            continue;
        auto batch = std::find_if(batches.begin(), batches.end(),
                                  [&](const HotplugBatch &b) { return b.usbDevice == pending.usbDevice; });
        if (batch == batches.end()) {
            batches.push_back(HotplugBatch{pending.usbDevice, {}, {}});
            batch = batches.end() - 1;
        }
        if (pending.removed) {
            batch->removedNodes.append(pending.removedNode);
            m_known.remove(pending.sysPath);
        }
        if (pending.added) {
            batch->addedNodes.append(pending.addedNode);
            m_known.insert(pending.sysPath, pending.addedNode);
        }
    }
    m_pending.clear();
    return batches;
}

void HotplugCoalescer::remember(const QString &sysPath, const QString &devNode)
{
    if (!sysPath.isEmpty() && !devNode.isEmpty())
        m_known.insert(sysPath, devNode);
}
