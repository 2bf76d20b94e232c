#pragma once

#include "hotplugevent.h"

#include <QHash>
#include <QStringList>

#include <vector>

// The nodes of one USB device that came or went within one gathering window.
struct HotplugBatch {
    QString usbDevice;
    QStringList removedNodes;
    QStringList addedNodes;
};

// Gathers plug events for a short while and hands them on per USB device, so
// that a receiver with several interfaces is enumerated and reopened once, not
// once per interface. Within the window the events of one node are reduced to
// their net effect: a node that came and went again is not reported at all, a
// node that went and came back is reported as removed, then added (under its
// new name). Nodes are followed by sysfs path, so that a removal names the
// node as it was known when it was added, even if the kernel has since given
// that name to another device.
class HotplugCoalescer {
public:
    void add(const HotplugEvent &event);
    bool hasPending() const { return !m_pending.empty(); }
    // The gathered batches, in the order their devices first appeared.
    std::vector<HotplugBatch> take();

    // A node that is present already (found at start-up).
    void remember(const QString &sysPath, const QString &devNode);
    QString knownNode(const QString &sysPath) const { return m_known.value(sysPath); }

private:
    struct Pending {
        QString sysPath;
        QString usbDevice;
        bool removed = false;
        QString removedNode;
        bool added = false;
        QString addedNode;
    };
    Pending &pendingFor(const HotplugEvent &event);

    std::vector<Pending> m_pending;
    QHash<QString, QString> m_known;   // sysfs path -> node, of the nodes present
};
