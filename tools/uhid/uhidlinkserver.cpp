#include "uhidlinkserver.h"

#include "sim/virtualmouse.h"

#include <QJsonObject>

#include <cstdio>

namespace {

void say(const QString &text)
{
    std::fprintf(stderr, "mousecfg-uhid: %s\n", qPrintable(text));
    std::fflush(stderr);
}

} // namespace

UhidLinkServer::UhidLinkServer(VirtualMouse *mouse, QObject *parent)
    : QObject(parent)
    , m_mouse(mouse)
{
    // Queued: an unplug may be announced from inside a write that a link is
    // handling, and the link must not be destroyed under its own feet.
    connect(mouse, &VirtualMouse::devicePlugged, this, &UhidLinkServer::plugged, Qt::QueuedConnection);
    connect(mouse, &VirtualMouse::deviceUnplugged, this, &UhidLinkServer::unplugged, Qt::QueuedConnection);
}

UhidLinkServer::~UhidLinkServer()
{
    while (!m_links.empty())
        unplugged(m_links.begin()->first);
}

void UhidLinkServer::plugged(const QString &node)
{
    if (m_links.count(node))
        return;
    const bool cable = node == QString::fromStdString(VirtualMouse::nodePath(SimLink::Cable));
    const QJsonObject link =
        m_mouse->dump().value("links").toObject().value(cable ? "cable" : "receiver").toObject();
    if (!link.value("plugged").toBool())
        return;   // gone again before this was handled
    UhidLink::Identity identity;
    identity.name = cable ? QStringLiteral("QORV mouse cable (mousecfg-uhid)")
                          : QStringLiteral("QORV mouse receiver (mousecfg-uhid)");
    identity.node = node;
    identity.serial = cable ? QStringLiteral("UHID-CABLE") : QStringLiteral("UHID-RECEIVER");
    identity.vendorId = uint16_t(link.value("vid").toInt());
    identity.productId = uint16_t(link.value("pid").toInt());
    identity.release = uint16_t(link.value("release").toInt());
    auto device = std::make_unique<UhidLink>(m_mouse, identity);
    if (!device->create()) {
        say(device->errorString());
        m_failed = true;
        return;
    }
    say(QStringLiteral("%1 plugged as %2:%3")
            .arg(cable ? "cable" : "receiver")
            .arg(identity.vendorId, 4, 16, QLatin1Char('0'))
            .arg(identity.productId, 4, 16, QLatin1Char('0')));
    m_links[node] = std::move(device);
}

void UhidLinkServer::unplugged(const QString &node)
{
    auto it = m_links.find(node);
    if (it == m_links.end())
        return;
    say(QStringLiteral("%1 unplugged after %2 output and %3 input reports")
            .arg(node.section('-', -1))
            .arg(it->second->outputReports())
            .arg(it->second->inputReports()));
    m_links.erase(it);
}
