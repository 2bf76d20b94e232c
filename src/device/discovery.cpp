#include "discovery.h"

#include "devicelog.h"
#include "hidbackend.h"

#include "config/appconfig.h"

#include <QDebug>
#include <QRegularExpression>

#include <algorithm>
#include <set>
#include <tuple>

namespace {

uint32_t g_cableRelease = 0;

constexpr LinkGroup kGroups[] = {LinkGroup::Receiver, LinkGroup::Cable};

// Paths of the Windows form name their collection ("col04"); hidraw node
// paths do not, and carry every collection of their interface.
bool isInterfaceFormPath(const QString &path)
{
    return path.contains(QLatin1String("HID#VID_"), Qt::CaseInsensitive);
}

// hidapi lists a node once per usage pair, and nested collections may repeat a
// pair: keep one entry per path and pair.
std::vector<HidDeviceInfo> withoutRepeats(std::vector<HidDeviceInfo> devices)
{
    std::set<std::tuple<std::string, uint16_t, uint16_t>> seen;
    std::vector<HidDeviceInfo> result;
    result.reserve(devices.size());
    for (HidDeviceInfo &info : devices) {
        if (seen.insert({info.path, info.usagePage, info.usage}).second)
            result.push_back(std::move(info));
    }
    return result;
}

bool usageIs(const HidDeviceInfo &info, const UsagePair &pair)
{
    return info.usage == pair.usage && info.usagePage == pair.usagePage;
}

void setReleaseFromCable(LinkGroup group, MouseCollection collection, uint32_t release)
{
    if (group == LinkGroup::Cable && collection == MouseCollection::CableCommand)
        g_cableRelease = release;
}

void matchEnumerated(MouseListEntry &entry, const HidDeviceInfo &info)
{
    const QString path = QString::fromStdString(info.path);
    if (info.vendorId == 0x04D9) {
        qCDebug(lcDevice, "Device Found\n  type: %x %x\n  path: %s\n  serial_number: %ls\n usge %x uu %x",
                info.vendorId, info.productId, info.path.c_str(), info.serialNumber.c_str(), info.usage, info.usagePage);
    }
    struct Rule {
        LinkGroup group;
        MouseCollection collection;
        const char *log;
    };
    static const Rule rules[] = {
        {LinkGroup::Receiver, MouseCollection::ReceiverMouse, "1 %s\n"},
        {LinkGroup::Receiver, MouseCollection::ReceiverCommand, "2 %s\n"},
        {LinkGroup::Cable, MouseCollection::CableMouse, "3 %s\n"},
        {LinkGroup::Cable, MouseCollection::CableCommand, "4 %s\n"},
    };
    for (const Rule &rule : rules) {
        MouseListEntry::Collection &collection = entry.collection(rule.collection);
        if (!entry.identityMatches(rule.group, info.vendorId, info.productId) || !usageIs(info, collection.usage)
            || !entry.releaseAccepted(rule.group, info.releaseNumber))
            continue;
        // The receiver's command collection shares its usage pair with other
        // collections of the receiver; in the Windows form only col04 is it.
        if (rule.collection == MouseCollection::ReceiverCommand && isInterfaceFormPath(path)
            && !path.contains(QLatin1String("col04"), Qt::CaseInsensitive))
            continue;
        collection.path = info.path;
        collection.found = 1;
        qCDebug(lcDevice, rule.log, info.path.c_str());
        setReleaseFromCable(rule.group, rule.collection, info.releaseNumber);
    }
}

// Which group of the entry an identity belongs to: the receiver first.
bool groupOf(const MouseListEntry &entry, uint32_t vendorId, uint32_t productId, LinkGroup &group)
{
    for (LinkGroup g : kGroups) {
        if (entry.identityMatches(g, vendorId, productId)) {
            group = g;
            return true;
        }
    }
    return false;
}

// Marks one collection present; says whether its flag was clear before.
bool markFound(MouseListEntry &entry, LinkGroup group, MouseCollection collection, const std::string &path,
               uint32_t release)
{
    MouseListEntry::Collection &c = entry.collection(collection);
    const bool wasClear = !c.found;
    c.path = path;
    c.found = 1;
    setReleaseFromCable(group, collection, release);
    return wasClear;
}

bool markGone(MouseListEntry &entry, LinkGroup group, MouseCollection collection)
{
    MouseListEntry::Collection &c = entry.collection(collection);
    if (!c.found)
        return false;
    c.found = 0;
    if (group == LinkGroup::Cable && collection == MouseCollection::CableCommand)
        g_cableRelease = 0;
    return true;
}

void finishRemoval(DeviceChange &change, const MouseListEntry &entry, const QString &currentProduct)
{
    change.allGone = !entry.anyFound();
    // One hidraw node carries both collections of a connection, so its removal
    // clears the connection at once; whatever connection is left must be
    // reopened, or the handles would still point at the one that is gone.
    change.remainingMustReopen = !change.allGone && entry.name == MouseListEntry::storedName(currentProduct);
}

// An interface path of the Windows form: the path names identity and collection.
void applyInterfacePath(const QString &path, bool arrival, const QString &currentProduct,
                        std::vector<DeviceChange> &changes)
{
    const InterfacePath parsed = parseInterfacePath(path);
    if (!parsed.matched)
        return;
    const std::string fullPath = "\\\\?\\" + path.toStdString();
    MouseList &list = mouseList();
    for (int i = 0; i < list.count && i < kMouseListCapacity; ++i) {
        MouseListEntry &entry = list.entries[i];
        LinkGroup group;
        if (!groupOf(entry, parsed.vendorId, parsed.productId, group))
            continue;
        const MouseCollection collection =
            parsed.command ? MouseListEntry::commandCollection(group) : MouseListEntry::mouseCollection(group);
        DeviceChange change;
        change.entry = i;
        change.group = group;
        change.arrival = arrival;
        change.mouseCollection = !parsed.command;
        change.commandCollection = parsed.command;
        if (arrival) {
            const int release = hid_get_release_number(fullPath.c_str());
            if (!entry.releaseAccepted(group, static_cast<uint32_t>(release)))
                continue;
            change.flagsChanged = markFound(entry, group, collection, fullPath, static_cast<uint32_t>(release));
            change.groupComplete = entry.groupPresent(group);
        } else {
            change.flagsChanged = markGone(entry, group, collection);
            if (!change.flagsChanged)
                continue;
            finishRemoval(change, entry, currentProduct);
        }
        changes.push_back(change);
    }
}

void nodeArrived(const std::string &node, std::vector<DeviceChange> &changes)
{
    std::vector<HidDeviceInfo> collections;
    for (HidDeviceInfo &info : withoutRepeats(hidBackend().enumerate(0, 0))) {
        if (info.path == node)
            collections.push_back(std::move(info));
    }
    if (collections.empty())
        return;

    MouseList &list = mouseList();
    for (int i = 0; i < list.count && i < kMouseListCapacity; ++i) {
        MouseListEntry &entry = list.entries[i];
        for (LinkGroup group : kGroups) {
            DeviceChange change;
            change.entry = i;
            change.group = group;
            change.arrival = true;
            for (const HidDeviceInfo &info : collections) {
                if (!entry.identityMatches(group, info.vendorId, info.productId)
                    || !entry.releaseAccepted(group, info.releaseNumber))
                    continue;
                for (const MouseCollection collection :
                     {MouseListEntry::mouseCollection(group), MouseListEntry::commandCollection(group)}) {
                    if (!usageIs(info, entry.collection(collection).usage))
                        continue;
                    const bool isCommand = collection == MouseListEntry::commandCollection(group);
                    (isCommand ? change.commandCollection : change.mouseCollection) = true;
                    if (markFound(entry, group, collection, node, info.releaseNumber))
                        change.flagsChanged = true;
                }
            }
            if (!change.mouseCollection && !change.commandCollection)
                continue;
            change.groupComplete = entry.groupPresent(group);
            changes.push_back(change);
            // An identity belongs to one group only, the receiver first.
            break;
        }
    }
}

// The node is gone and cannot be enumerated any more: the collections that
// were recorded under its path are the ones that left.
void nodeRemoved(const std::string &node, const QString &currentProduct, std::vector<DeviceChange> &changes)
{
    MouseList &list = mouseList();
    for (int i = 0; i < list.count && i < kMouseListCapacity; ++i) {
        MouseListEntry &entry = list.entries[i];
        for (LinkGroup group : kGroups) {
            DeviceChange change;
            change.entry = i;
            change.group = group;
            const MouseCollection mouse = MouseListEntry::mouseCollection(group);
            const MouseCollection command = MouseListEntry::commandCollection(group);
            if (entry.collection(mouse).path == node && markGone(entry, group, mouse))
                change.mouseCollection = true;
            if (entry.collection(command).path == node && markGone(entry, group, command))
                change.commandCollection = true;
            if (!change.mouseCollection && !change.commandCollection)
                continue;
            change.flagsChanged = true;
            changes.push_back(change);
        }
        // Judge what is left only once both groups have been cleared.
        for (DeviceChange &change : changes) {
            if (change.entry == i)
                finishRemoval(change, entry, currentProduct);
        }
    }
}

} // namespace

uint32_t cableReleaseNumber()
{
    return g_cableRelease;
}

int EnumerateMice()
{
    if (hidBackend().init() != 0)
        return -1;
    g_cableRelease = 0;
    MouseList &list = mouseList();
    for (const HidDeviceInfo &info : withoutRepeats(hidBackend().enumerate(0, 0))) {
        for (int i = 0; i < list.count && i < kMouseListCapacity; ++i)
            matchEnumerated(list.entries[i], info);
    }
    return 0;
}

int hid_get_release_number(const char *path)
{
    if (!path)
        return 0;
    const QString wanted = QString::fromUtf8(path);
    const Qt::CaseSensitivity cs = isInterfaceFormPath(wanted) ? Qt::CaseInsensitive : Qt::CaseSensitive;
    for (const HidDeviceInfo &info : hidBackend().enumerate(0, 0)) {
        if (QString::fromStdString(info.path).compare(wanted, cs) == 0)
            return info.releaseNumber;
    }
    return 0;
}

InterfacePath parseInterfacePath(const QString &path)
{
    struct Pattern {
        QRegularExpression expression;
        bool command;
    };
    static const QRegularExpression::PatternOptions options = QRegularExpression::CaseInsensitiveOption;
    static const Pattern patterns[] = {
        {QRegularExpression(QStringLiteral("HID#VID_(?<vid>\\w{4})&PID_(?<pid>\\w{4})&col01"), options), false},
        {QRegularExpression(QStringLiteral("HID#VID_(?<vid>\\w{4})&PID_(?<pid>\\w{4})&col04"), options), true},
        {QRegularExpression(QStringLiteral("HID#VID_(?<vid>\\w{4})&PID_(?<pid>\\w{4})&MI_00&col01"), options), false},
        {QRegularExpression(QStringLiteral("HID#VID_(?<vid>\\w{4})&PID_(?<pid>\\w{4})&MI_00&col04"), options), true},
    };
    InterfacePath result;
    for (const Pattern &pattern : patterns) {
        const QRegularExpressionMatch match = pattern.expression.match(path);
        if (!match.hasMatch())
            continue;
        bool vidOk = false;
        bool pidOk = false;
        const uint vid = match.captured(QStringLiteral("vid")).toUInt(&vidOk, 16);
        const uint pid = match.captured(QStringLiteral("pid")).toUInt(&pidOk, 16);
        // \w also admits letters that are no hexadecimal digits: such a path
        // names no identity.
        if (!vidOk || !pidOk)
            return result;
        result.matched = true;
        result.vendorId = static_cast<uint16_t>(vid);
        result.productId = static_cast<uint16_t>(pid);
        result.command = pattern.command;
        return result;
    }
    return result;
}

std::vector<DeviceChange> OnDevicePath(const QString &path, bool arrival, const QString &currentProduct)
{
    std::vector<DeviceChange> changes;
    if (path.isEmpty())
        return changes;
    if (isInterfaceFormPath(path)) {
        applyInterfacePath(path, arrival, currentProduct, changes);
    } else if (arrival) {
        nodeArrived(path.toStdString(), changes);
    } else {
        nodeRemoved(path.toStdString(), currentProduct, changes);
    }
    return changes;
}

std::vector<DeviceChange> OnDevicePath(const QString &path, bool arrival)
{
    return OnDevicePath(path, arrival, currentProductName());
}

QString currentProductName() { return AppConfig::currentProductName(); }
