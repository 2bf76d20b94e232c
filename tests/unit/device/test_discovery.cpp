// Finding the mouse, opening the right connection and following plug events,
// against the virtual mouse and against hand-made device lists.

#include "config/logging.h"
#include "device/deviceaccessadvice.h"
#include "device/devicewatcher.h"
#include "device/discovery.h"
#include "device/mouselink.h"
#include "device/mouselist.h"
#include "device/report.h"
#include "device/transport.h"
#include "sim/virtualmouse.h"
#include "testenvironment.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

// A machine whose HID devices the test lists by hand.
class ListedDevices : public HidBackend {
public:
    std::vector<HidDeviceInfo> devices;
    int initResult = 0;
    int opens = 0;
    int closes = 0;

    int init() override { return initResult; }
    int exit() override { return 0; }
    std::vector<HidDeviceInfo> enumerate(uint16_t, uint16_t) override { return devices; }
    HidHandle open(const std::string &) override
    {
        ++opens;
        return reinterpret_cast<HidHandle>(static_cast<uintptr_t>(0x2000 + opens));
    }
    void close(HidHandle) override { ++closes; }
    int write(HidHandle, const unsigned char *, size_t) override { return -1; }
    int readTimeout(HidHandle, unsigned char *, size_t, int) override { return -1; }

    void add(const char *path, uint16_t pid, uint16_t usagePage, uint16_t usage, uint16_t release = 0x0100)
    {
        HidDeviceInfo info;
        info.path = path;
        info.vendorId = 0x248A;
        info.productId = pid;
        info.usagePage = usagePage;
        info.usage = usage;
        info.releaseNumber = release;
        devices.push_back(info);
    }
};

constexpr uint16_t kReceiverPid = 0xFA02;
constexpr uint16_t kCablePid = 0xFB01;

QStringList g_messages;
void keepMessage(QtMsgType, const QMessageLogContext &, const QString &message)
{
    g_messages.append(message);
}

const MouseListEntry &entry0() { return mouseList().entries[0]; }
bool found(MouseCollection c) { return entry0().collection(c).found != 0; }

QString node(SimLink link) { return QString::fromStdString(VirtualMouse::nodePath(link)); }

int statusQuery(const MouseLink &link)
{
    const ReportBuffer query = ReportBuffer::command(0x48);
    return TransferReport(link.commandHandle(), query.bytes.data(), kReportLength);
}

} // namespace

class TestDiscovery : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void listIsFilledFromDescriptorAndConfiguration();
    void receiverOnly();
    void cableArrivesLaterAndIsUsed();
    void removalKeepsTheOtherConnection_data();
    void removalKeepsTheOtherConnection();
    void eventsThatChangeNothing();
    void repeatedEntriesAreMatchedOnce();
    void usagePairsTellTheCollections();
    void releaseNumberOfTheCable();
    void releaseRangeIsApplied();
    void interfacePathForm_data();
    void interfacePathForm();
    void interfacePathsAtEnumeration();
    void interfacePathPlugEvents();
    void openingDependsOnTheLibraryAndNeverLeaks();
    void refusedOpenIsExplained_data();
    void refusedOpenIsExplained();

private:
    void startWith(bool receiver, bool cable);

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<VirtualMouse> m_mouse;
    std::unique_ptr<DeviceWatcher> m_watcher;
    ListedDevices m_listed;
    MouseLink m_link;
};

void TestDiscovery::init()
{
    // Some cases check the debug lines.
    Logging::enableDebug();
    qRegisterMetaType<DeviceChange>();
    m_env = std::make_unique<TestEnvironment>();
    m_mouse = std::make_unique<VirtualMouse>();
    m_mouse->setReleaseNumber(SimLink::Cable, 0x0321);
    m_watcher = std::make_unique<DeviceWatcher>();
    connect(m_mouse.get(), &VirtualMouse::devicePlugged, m_watcher.get(), &DeviceWatcher::nodeAdded);
    connect(m_mouse.get(), &VirtualMouse::deviceUnplugged, m_watcher.get(), &DeviceWatcher::nodeRemoved);
    setHidBackend(m_mouse.get());
    m_listed = ListedDevices();
}

void TestDiscovery::cleanup()
{
    m_link.close();
    setHidBackend(nullptr);
    m_watcher.reset();
    m_mouse.reset();
    m_env.reset();
    mouseList().clear();
}

void TestDiscovery::startWith(bool receiver, bool cable)
{
    if (receiver)
        m_mouse->plug(SimLink::Receiver);
    if (cable)
        m_mouse->plug(SimLink::Cable);
    LoadMouseList();
    QCOMPARE(EnumerateMice(), 0);
    m_link.openByName(currentProductName());
}

void TestDiscovery::listIsFilledFromDescriptorAndConfiguration()
{
    m_env->writeDescriptor({{"vid1", 0x1111}, {"pid1", 0x2222}});
    const QString longName = QString(300, QLatin1Char('n')) + QChar(0x263A);
    {
        QSettings config(m_env->configsDir() + "/Config.ini", QSettings::IniFormat);
        config.setValue("Mouse_List/0", longName);
    }
    LoadMouseList();
    QCOMPARE(mouseList().count, 1);
    const MouseListEntry &e = entry0();
    QCOMPARE(e.group(LinkGroup::Receiver).vendorId, 0x1111u);
    QCOMPARE(e.group(LinkGroup::Receiver).productId, 0x2222u);
    // Missing identities take the defaults.
    QCOMPARE(e.group(LinkGroup::Cable).vendorId, 0x248Au);
    QCOMPARE(e.group(LinkGroup::Cable).productId, 0xFB01u);
    QVERIFY(e.collection(MouseCollection::ReceiverMouse).usage == kMouseUsage);
    QVERIFY(e.collection(MouseCollection::CableCommand).usage == kCommandUsage);
    QCOMPARE(e.name.size(), kMouseListNameLength);
    QCOMPARE(mouseList().indexOf(longName), 0);
    QCOMPARE(mouseList().indexOf("other"), -1);
    QCOMPARE(mouseListName(), longName);
}

void TestDiscovery::receiverOnly()
{
    startWith(true, false);
    QVERIFY(found(MouseCollection::ReceiverMouse));
    QVERIFY(found(MouseCollection::ReceiverCommand));
    QVERIFY(!found(MouseCollection::CableMouse));
    QVERIFY(!found(MouseCollection::CableCommand));
    QCOMPARE(QString::fromStdString(entry0().collection(MouseCollection::ReceiverCommand).path), node(SimLink::Receiver));
    QVERIFY(m_link.receiverMouseHandle() && m_link.receiverCommandHandle());
    QVERIFY(!m_link.cableMouseHandle() && !m_link.cableCommandHandle());
    QCOMPARE(m_link.commandHandle(), m_link.receiverCommandHandle());
    QCOMPARE(statusQuery(m_link), 0);
    QCOMPARE(cableReleaseNumber(), 0u);

    // Another product name opens nothing.
    m_link.close();
    m_link.openByName("Another Mouse");
    QVERIFY(!m_link.commandHandle());
}

void TestDiscovery::cableArrivesLaterAndIsUsed()
{
    startWith(true, false);
    QSignalSpy changed(m_watcher.get(), &DeviceWatcher::deviceChanged);
    QSignalSpy applied(m_watcher.get(), &DeviceWatcher::changesApplied);

    m_mouse->plug(SimLink::Cable);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(applied.count(), 1);
    const auto change = changed.at(0).at(0).value<DeviceChange>();
    QCOMPARE(change.entry, 0);
    QVERIFY(change.group == LinkGroup::Cable);
    QVERIFY(change.arrival && change.mouseCollection && change.commandCollection);
    QVERIFY(change.flagsChanged);
    QVERIFY(change.groupComplete);
    QCOMPARE(cableReleaseNumber(), 0x0321u);

    // The main window opens by name again; the cable becomes the channel.
    const HidHandle receiverCmd = m_link.receiverCommandHandle();
    m_link.openByName(currentProductName());
    QVERIFY(m_link.cableCommandHandle());
    QVERIFY(m_link.receiverCommandHandle() && m_link.receiverCommandHandle() != receiverCmd);
    QCOMPARE(m_link.commandHandle(), m_link.cableCommandHandle());
    m_mouse->resetCounters();
    QCOMPARE(statusQuery(m_link), 0);
    QCOMPARE(m_mouse->writeCount(), 1);
}

void TestDiscovery::removalKeepsTheOtherConnection_data()
{
    QTest::addColumn<bool>("removeCable");
    QTest::newRow("cable leaves, receiver stays") << true;
    QTest::newRow("receiver leaves, cable stays") << false;
}

void TestDiscovery::removalKeepsTheOtherConnection()
{
    QFETCH(bool, removeCable);
    const SimLink leaving = removeCable ? SimLink::Cable : SimLink::Receiver;
    const SimLink staying = removeCable ? SimLink::Receiver : SimLink::Cable;
    startWith(true, true);
    QSignalSpy changed(m_watcher.get(), &DeviceWatcher::deviceChanged);

    m_mouse->unplug(leaving);
    QCOMPARE(changed.count(), 1);
    auto change = changed.takeFirst().at(0).value<DeviceChange>();
    QVERIFY(change.group == (removeCable ? LinkGroup::Cable : LinkGroup::Receiver));
    QVERIFY(!change.arrival && change.mouseCollection && change.commandCollection && change.flagsChanged);
    QVERIFY(!change.allGone);
    QVERIFY(change.remainingMustReopen);
    QCOMPARE(entry0().groupPresent(removeCable ? LinkGroup::Receiver : LinkGroup::Cable), true);
    QCOMPARE(entry0().anyFound(removeCable ? LinkGroup::Cable : LinkGroup::Receiver), false);
    QCOMPARE(cableReleaseNumber(), removeCable ? 0u : 0x0321u);

    // Reopened, only the remaining connection is open and it answers.
    m_link.close();
    m_link.openByName(currentProductName());
    QCOMPARE(bool(m_link.cableCommandHandle()), !removeCable);
    QCOMPARE(bool(m_link.receiverCommandHandle()), removeCable);
    QCOMPARE(statusQuery(m_link), 0);

    m_mouse->unplug(staying);
    QCOMPARE(changed.count(), 1);
    change = changed.takeFirst().at(0).value<DeviceChange>();
    QVERIFY(change.allGone);
    QVERIFY(!change.remainingMustReopen);
    m_link.close();
    m_link.openByName(currentProductName());
    QCOMPARE(statusQuery(m_link), 1);
}

void TestDiscovery::eventsThatChangeNothing()
{
    startWith(true, false);
    QSignalSpy changed(m_watcher.get(), &DeviceWatcher::deviceChanged);
    QSignalSpy applied(m_watcher.get(), &DeviceWatcher::changesApplied);

    // A node of something else, a removal of a node that was never seen.
    m_watcher->nodeAdded("/dev/hidraw-unrelated");
    m_watcher->nodeRemoved("/dev/hidraw-unrelated");
    QCOMPARE(changed.count(), 0);
    QCOMPARE(applied.count(), 0);

    // The same node announced again: nothing new, but the group is complete
    // (a replugged device must be reopened).
    m_watcher->nodeAdded(node(SimLink::Receiver));
    QCOMPARE(changed.count(), 1);
    auto change = changed.takeFirst().at(0).value<DeviceChange>();
    QVERIFY(!change.flagsChanged);
    QVERIFY(change.groupComplete);

    // A removal repeated: the second finds the flags clear already.
    m_mouse->unplug(SimLink::Receiver);
    m_watcher->nodeRemoved(node(SimLink::Receiver));
    QCOMPARE(changed.count(), 1);

    // An entry that is not the current product is never reopened.
    m_mouse->plug(SimLink::Receiver);
    m_mouse->plug(SimLink::Cable);
    const auto changes = OnDevicePath(node(SimLink::Cable), false, "Another Mouse");
    QCOMPARE(changes.size(), size_t(1));
    QVERIFY(!changes[0].allGone);
    QVERIFY(!changes[0].remainingMustReopen);
}

void TestDiscovery::repeatedEntriesAreMatchedOnce()
{
    // hidapi may list a nested collection's usage pair more than once.
    for (int i = 0; i < 3; ++i) {
        m_listed.add("/dev/hidraw7", kReceiverPid, 1, 2);
        m_listed.add("/dev/hidraw7", kReceiverPid, 1, 0);
    }
    setHidBackend(&m_listed);
    LoadMouseList();
    g_messages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(keepMessage);
    EnumerateMice();
    qInstallMessageHandler(previous);
    QCOMPARE(g_messages.count("1 /dev/hidraw7\n"), 1);
    QCOMPARE(g_messages.count("2 /dev/hidraw7\n"), 1);
    QVERIFY(entry0().groupPresent(LinkGroup::Receiver));
}

void TestDiscovery::usagePairsTellTheCollections()
{
    // Two interfaces: one carries only the mouse collection, the other only
    // the command collection (and a keyboard).
    m_listed.add("/dev/hidraw1", kCablePid, 1, 2);
    m_listed.add("/dev/hidraw2", kCablePid, 1, 6);
    m_listed.add("/dev/hidraw2", kCablePid, 1, 0);
    m_listed.add("/dev/hidraw3", kCablePid, 0xFF00, 1);
    setHidBackend(&m_listed);
    LoadMouseList();
    EnumerateMice();
    QCOMPARE(entry0().collection(MouseCollection::CableMouse).path, std::string("/dev/hidraw1"));
    QCOMPARE(entry0().collection(MouseCollection::CableCommand).path, std::string("/dev/hidraw2"));

    // Each node leaves on its own: the first takes only the mouse collection.
    auto changes = OnDevicePath("/dev/hidraw1", false, currentProductName());
    QCOMPARE(changes.size(), size_t(1));
    QVERIFY(changes[0].mouseCollection && !changes[0].commandCollection);
    QVERIFY(found(MouseCollection::CableCommand));
    QVERIFY(!changes[0].allGone);
    changes = OnDevicePath("/dev/hidraw2", false, currentProductName());
    QCOMPARE(changes.size(), size_t(1));
    QVERIFY(changes[0].allGone);
}

void TestDiscovery::releaseNumberOfTheCable()
{
    startWith(false, true);
    QCOMPARE(cableReleaseNumber(), 0x0321u);
    QCOMPARE(hid_get_release_number(VirtualMouse::nodePath(SimLink::Cable).c_str()), 0x0321);
    QCOMPARE(hid_get_release_number("/dev/hidraw-absent"), 0);
    QCOMPARE(hid_get_release_number(nullptr), 0);

    // A fresh enumeration without the cable forgets it.
    m_mouse->unplug(SimLink::Cable);
    m_mouse->plug(SimLink::Receiver);
    EnumerateMice();
    QCOMPARE(cableReleaseNumber(), 0u);
}

void TestDiscovery::releaseRangeIsApplied()
{
    m_listed.add("/dev/hidraw4", kCablePid, 1, 2, 0x0200);
    m_listed.add("/dev/hidraw4", kCablePid, 1, 0, 0x0200);
    setHidBackend(&m_listed);
    LoadMouseList();
    mouseList().entries[0].group(LinkGroup::Cable).releaseMin = 0x0100;
    mouseList().entries[0].group(LinkGroup::Cable).releaseMax = 0x0150;
    EnumerateMice();
    QVERIFY(!entry0().anyFound());
    QVERIFY(OnDevicePath("/dev/hidraw4", true, QString()).empty());

    mouseList().entries[0].group(LinkGroup::Cable).releaseMax = 0x0200;
    QCOMPARE(OnDevicePath("/dev/hidraw4", true, QString()).size(), size_t(1));
    QVERIFY(entry0().groupPresent(LinkGroup::Cable));
    QCOMPARE(cableReleaseNumber(), 0x0200u);
}

void TestDiscovery::interfacePathForm_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("matched");
    QTest::addColumn<int>("pid");
    QTest::addColumn<bool>("command");

    QTest::newRow("col01") << "HID#VID_248A&PID_FA02&Col01#7&1a2b&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}"
                           << true << 0xFA02 << false;
    QTest::newRow("col04") << "HID#VID_248A&PID_FB01&Col04#7&1a2b" << true << 0xFB01 << true;
    QTest::newRow("lower case, MI_00, col04") << "hid#vid_248a&pid_fa02&mi_00&col04#8&3c4d" << true << 0xFA02 << true;
    QTest::newRow("MI_00, col01") << "HID#VID_248A&PID_FA02&MI_00&COL01#8" << true << 0xFA02 << false;
    QTest::newRow("other collection") << "HID#VID_248A&PID_FA02&MI_00&col02#8" << false << 0 << false;
    QTest::newRow("other interface") << "HID#VID_248A&PID_FA02&MI_01&col04#8" << false << 0 << false;
    QTest::newRow("not hexadecimal") << "HID#VID_24ZZ&PID_FA02&col04#8" << false << 0 << false;
    QTest::newRow("hidraw node") << "/dev/hidraw0" << false << 0 << false;
}

void TestDiscovery::interfacePathForm()
{
    QFETCH(QString, path);
    QFETCH(bool, matched);
    QFETCH(int, pid);
    QFETCH(bool, command);
    const InterfacePath parsed = parseInterfacePath(path);
    QCOMPARE(parsed.matched, matched);
    if (matched) {
        QCOMPARE(int(parsed.vendorId), 0x248A);
        QCOMPARE(int(parsed.productId), pid);
        QCOMPARE(parsed.command, command);
    }
}

void TestDiscovery::interfacePathsAtEnumeration()
{
    // In the Windows form, the receiver's command collection is the col04 one;
    // the cable's is taken whatever its path says.
    m_listed.add("\\\\?\\hid#vid_248a&pid_fa02&mi_00&col01#1", kReceiverPid, 1, 2);
    m_listed.add("\\\\?\\hid#vid_248a&pid_fa02&mi_00&col03#1", kReceiverPid, 1, 0);
    m_listed.add("\\\\?\\hid#vid_248a&pid_fb01&mi_00&col01#2", kCablePid, 1, 2);
    m_listed.add("\\\\?\\hid#vid_248a&pid_fb01&mi_00&col03#2", kCablePid, 1, 0);
    setHidBackend(&m_listed);
    LoadMouseList();
    EnumerateMice();
    QVERIFY(found(MouseCollection::ReceiverMouse));
    QVERIFY(!found(MouseCollection::ReceiverCommand));
    QVERIFY(found(MouseCollection::CableCommand));

    m_listed.add("\\\\?\\hid#vid_248a&pid_fa02&mi_00&col04#1", kReceiverPid, 1, 0);
    EnumerateMice();
    QVERIFY(found(MouseCollection::ReceiverCommand));
}

void TestDiscovery::interfacePathPlugEvents()
{
    m_listed.add("\\\\?\\hid#vid_248a&pid_fa02&mi_00&col04#1", kReceiverPid, 1, 0, 0x0110);
    setHidBackend(&m_listed);
    LoadMouseList();

    auto changes = OnDevicePath("hid#vid_248a&pid_fa02&mi_00&col04#1", true, QString());
    QCOMPARE(changes.size(), size_t(1));
    QVERIFY(changes[0].group == LinkGroup::Receiver && changes[0].commandCollection);
    QVERIFY(!changes[0].groupComplete);
    QCOMPARE(entry0().collection(MouseCollection::ReceiverCommand).path,
             std::string("\\\\?\\hid#vid_248a&pid_fa02&mi_00&col04#1"));

    changes = OnDevicePath("HID#VID_248A&PID_FA02&MI_00&col01#1", true, QString());
    QCOMPARE(changes.size(), size_t(1));
    QVERIFY(changes[0].groupComplete);

    // Unknown identity, unknown collection: ignored.
    QVERIFY(OnDevicePath("HID#VID_1234&PID_5678&col01#1", true, QString()).empty());
    QVERIFY(OnDevicePath("HID#VID_248A&PID_FA02&col02#1", true, QString()).empty());

    changes = OnDevicePath("HID#VID_248A&PID_FA02&MI_00&col01#1", false, QString());
    QCOMPARE(changes.size(), size_t(1));
    QVERIFY(!changes[0].allGone);
    changes = OnDevicePath("HID#VID_248A&PID_FA02&MI_00&col04#1", false, QString());
    QVERIFY(changes[0].allGone);
}

void TestDiscovery::openingDependsOnTheLibraryAndNeverLeaks()
{
    m_listed.add("/dev/hidraw7", kReceiverPid, 1, 2);
    m_listed.add("/dev/hidraw7", kReceiverPid, 1, 0);
    m_listed.initResult = -1;
    setHidBackend(&m_listed);
    LoadMouseList();
    QCOMPARE(EnumerateMice(), -1);
    QVERIFY(!entry0().anyFound());

    // Even with paths known, nothing is opened while the library cannot start.
    m_listed.initResult = 0;
    EnumerateMice();
    m_listed.initResult = -1;
    m_link.openByName(mouseListName());
    QCOMPARE(m_listed.opens, 0);
    m_listed.initResult = 0;
    m_link.openByName(mouseListName());
    QCOMPARE(m_listed.opens, 2);

    // Opening over open handles (as on a cable's arrival) replaces them; the
    // replaced ones are closed with the rest, not leaked.
    m_link.openByName(mouseListName());
    QCOMPARE(m_listed.opens, 4);
    QCOMPARE(m_listed.closes, 0);
    m_link.close();
    QCOMPARE(m_listed.closes, 4);
    QVERIFY(!m_link.receiverMouseHandle() && !m_link.receiverCommandHandle());
    m_link.close();
    QCOMPARE(m_listed.closes, 4);
}

void TestDiscovery::refusedOpenIsExplained_data()
{
    QTest::addColumn<bool>("cable");            // the cable is plugged as well as the receiver
    QTest::addColumn<bool>("refuseReceiver");
    QTest::addColumn<bool>("refuseCable");
    QTest::addColumn<QString>("denied");        // "receiver", "cable" or empty
    QTest::addColumn<bool>("advised");
    QTest::newRow("receiver refused") << false << true << false << "receiver" << true;
    QTest::newRow("nothing refused") << false << false << false << "" << false;
    QTest::newRow("both refused") << true << true << true << "cable" << true;
    // The cable is the channel: the mouse works, nothing to advise.
    QTest::newRow("receiver refused, cable opens") << true << true << false << "receiver" << false;
}

void TestDiscovery::refusedOpenIsExplained()
{
    QFETCH(bool, cable);
    QFETCH(bool, refuseReceiver);
    QFETCH(bool, refuseCable);
    QFETCH(QString, denied);
    QFETCH(bool, advised);

    m_mouse->setOpenRefused(SimLink::Receiver, refuseReceiver);
    m_mouse->setOpenRefused(SimLink::Cable, refuseCable);
    startWith(true, cable);
    const QString deniedPath = denied.isEmpty() ? QString()
                                                : node(denied == QLatin1String("cable") ? SimLink::Cable : SimLink::Receiver);
    QCOMPARE(m_link.deniedPath(), deniedPath);
    QCOMPARE(m_link.commandHandle() == nullptr, refuseReceiver && (!cable || refuseCable));
    const QString advice = currentDeviceAccessAdvice(m_link);
    QCOMPARE(!advice.isEmpty(), advised);
    if (advised) {
        QVERIFY(advice.contains(deniedPath));
        QVERIFY(advice.contains(QLatin1String("70-mousecfg.rules")));
    }

    // Access granted (the rule installed): the next open clears the refusal.
    m_mouse->setOpenRefused(SimLink::Receiver, false);
    m_mouse->setOpenRefused(SimLink::Cable, false);
    m_link.close();
    m_link.openByName(currentProductName());
    QVERIFY(m_link.commandHandle());
    QVERIFY(m_link.deniedPath().isEmpty());
    QVERIFY(currentDeviceAccessAdvice(m_link).isEmpty());
}

QTEST_GUILESS_MAIN(TestDiscovery)
#include "test_discovery.moc"
