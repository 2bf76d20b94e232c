#include "mouselist.h"

#include "devicelog.h"

#include "config/paths.h"
#include "config/productdescriptor.h"
#include "config/settingsfile.h"

#include <QDebug>

namespace {

QString g_mouseListName;

} // namespace

MouseCollection MouseListEntry::mouseCollection(LinkGroup g)
{
    return g == LinkGroup::Receiver ? MouseCollection::ReceiverMouse : MouseCollection::CableMouse;
}

MouseCollection MouseListEntry::commandCollection(LinkGroup g)
{
    return g == LinkGroup::Receiver ? MouseCollection::ReceiverCommand : MouseCollection::CableCommand;
}

bool MouseListEntry::identityMatches(LinkGroup g, uint32_t vendorId, uint32_t productId) const
{
    return group(g).vendorId == vendorId && group(g).productId == productId;
}

bool MouseListEntry::releaseAccepted(LinkGroup g, uint32_t release) const
{
    const Group &range = group(g);
    return range.releaseMax == 0 || (release >= range.releaseMin && release <= range.releaseMax);
}

bool MouseListEntry::groupPresent(LinkGroup g) const
{
    return collection(mouseCollection(g)).found && collection(commandCollection(g)).found;
}

bool MouseListEntry::anyFound(LinkGroup g) const
{
    return collection(mouseCollection(g)).found || collection(commandCollection(g)).found;
}

bool MouseListEntry::anyFound() const
{
    return anyFound(LinkGroup::Receiver) || anyFound(LinkGroup::Cable);
}

QByteArray MouseListEntry::storedName(const QString &name)
{
    return name.left(kMouseListNameLength).toLatin1();
}

void MouseList::clear()
{
    count = 0;
    entries.fill(MouseListEntry());
}

int MouseList::indexOf(const QString &name) const
{
    const QByteArray wanted = MouseListEntry::storedName(name);
    for (int i = 0; i < count && i < kMouseListCapacity; ++i) {
        if (entries[i].name == wanted)
            return i;
    }
    return -1;
}

MouseList &mouseList()
{
    static MouseList list;
    return list;
}

QString mouseListName()
{
    return g_mouseListName;
}

void LoadMouseList()
{
    MouseList &list = mouseList();
    list.clear();

    MouseListEntry &entry = list.entries[0];
    list.count = 1;
    const ProductDescriptor::UsbIds ids = ProductDescriptor::usbIds();
    // The identities are 16-bit on the bus; anything else in the file could
    // never match and is kept as written.
    entry.group(LinkGroup::Receiver).vendorId = static_cast<uint32_t>(ids.vid1);
    entry.group(LinkGroup::Receiver).productId = static_cast<uint32_t>(ids.pid1);
    entry.group(LinkGroup::Cable).vendorId = static_cast<uint32_t>(ids.vid2);
    entry.group(LinkGroup::Cable).productId = static_cast<uint32_t>(ids.pid2);
    entry.collection(MouseCollection::ReceiverMouse).usage = kMouseUsage;
    entry.collection(MouseCollection::ReceiverCommand).usage = kCommandUsage;
    entry.collection(MouseCollection::CableMouse).usage = kMouseUsage;
    entry.collection(MouseCollection::CableCommand).usage = kCommandUsage;

    const auto config = SettingsFile::openForReading(Paths::configFile());
    const QString name = config->value(QStringLiteral("Mouse_List/0")).toString();
    entry.name = MouseListEntry::storedName(name);
    g_mouseListName = name;
    qCDebug(lcDevice).noquote() << name;
}
