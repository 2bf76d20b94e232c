// Plug events: gathering per USB device, node identity by sysfs path, access
// retries, and the road from the virtual mouse's plug signals to the device
// link's arrival and removal handling.

#include "device/devicewatcher.h"
#include "device/discovery.h"
#include "device/mouselist.h"
#include "platform/hotplugcoalescer.h"
#include "platform/hotplugmonitor.h"
#include "sim/virtualmouse.h"
#include "testenvironment.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QSignalSpy>
#include <QtTest>

#include <cerrno>
#include <thread>

namespace {

// "+ sys node usb; - sys node usb" (a node of "-" is empty)
std::vector<HotplugEvent> parseEvents(const QString &text)
{
    std::vector<HotplugEvent> events;
    for (const QString &item : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList f = item.trimmed().split(QLatin1Char(' '));
        HotplugEvent e;
        e.action = f[0] == QLatin1String("+") ? HotplugEvent::Add : HotplugEvent::Remove;
        e.sysPath = f[1];
        e.devNode = f[2] == QLatin1String("-") ? QString() : f[2];
        e.usbDevice = f[3];
        events.push_back(e);
    }
    return events;
}

// "usb: -node +node | usb: +node"
QString describe(const std::vector<HotplugBatch> &batches)
{
    QStringList parts;
    for (const HotplugBatch &b : batches) {
        QStringList nodes;
        for (const QString &n : b.removedNodes)
            nodes << QLatin1Char('-') + n;
        for (const QString &n : b.addedNodes)
            nodes << QLatin1Char('+') + n;
        parts << b.usbDevice + QStringLiteral(": ") + nodes.join(QLatin1Char(' '));
    }
    return parts.join(QStringLiteral(" | "));
}

HotplugEvent udevAdd(const QString &node)
{
    HotplugEvent e;
    e.action = HotplugEvent::Add;
    e.sysPath = QStringLiteral("/sys/devices/x/1-1/1-1:1.0/0003:248A:FA02.0001/hidraw/") + node.section('/', -1);
    e.devNode = node;
    e.usbDevice = usbDeviceOfSysPath(e.sysPath);
    e.probeAccess = true;
    return e;
}

} // namespace

class TestHotplug : public QObject {
    Q_OBJECT

private slots:
    void usbDeviceOfNode_data();
    void usbDeviceOfNode();
    void gathering_data();
    void gathering();
    void nodesAreFollowedAcrossWindows();

    void permissionRefusalsAreRetried_data();
    void permissionRefusalsAreRetried();
    void removalEndsTheWait();
    void udevUnavailableIsNotAnError();

    void virtualMouseDrivesTheDeviceLink();
    void plugSignalsFromAnotherThread();
};

void TestHotplug::usbDeviceOfNode_data()
{
    QTest::addColumn<QString>("sysPath");
    QTest::addColumn<QString>("device");
    QTest::newRow("receiver interface")
        << "/sys/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.0/0003:248A:FA02.0005/hidraw/hidraw3"
        << "/sys/devices/pci0000:00/0000:00:14.0/usb1/1-2";
    QTest::newRow("second interface, same device")
        << "/sys/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.1/0003:248A:FA02.0006/hidraw/hidraw4"
        << "/sys/devices/pci0000:00/0000:00:14.0/usb1/1-2";
    QTest::newRow("behind a hub")
        << "/sys/devices/pci0000:00/0000:00:14.0/usb3/3-1/3-1.4/3-1.4:1.2/0003:248A:FB01.000A/hidraw/hidraw9"
        << "/sys/devices/pci0000:00/0000:00:14.0/usb3/3-1/3-1.4";
    QTest::newRow("not on USB") << "/sys/devices/virtual/misc/uhid/0005:248A:FA02.0009/hidraw/hidraw5"
                                << "/sys/devices/virtual/misc/uhid/0005:248A:FA02.0009";
    QTest::newRow("neither") << "/dev/hidraw-sim-cable" << "/dev/hidraw-sim-cable";
}

void TestHotplug::usbDeviceOfNode()
{
    QFETCH(QString, sysPath);
    QFETCH(QString, device);
    QCOMPARE(usbDeviceOfSysPath(sysPath), device);
}

void TestHotplug::gathering_data()
{
    QTest::addColumn<QString>("known");     // "sys=node" present before the window
    QTest::addColumn<QString>("events");
    QTest::addColumn<QString>("batches");

    QTest::newRow("interfaces of one device together")
        << "" << "+ s1 h1 U; + s2 h2 U" << "U: +h1 +h2";
    QTest::newRow("two devices apart, in order")
        << "" << "+ s1 h1 U; + s3 h3 V; + s2 h2 U" << "U: +h1 +h2 | V: +h3";
    QTest::newRow("repeated add") << "" << "+ s1 h1 U; + s1 h1 U" << "U: +h1";
    QTest::newRow("came and went") << "" << "+ s1 h1 U; - s1 h1 U" << "";
    QTest::newRow("came, went, came") << "" << "+ s1 h1 U; - s1 h1 U; + s1 h1 U" << "U: +h1";
    QTest::newRow("replugged under a new name") << "s1=h1" << "- s1 h1 U; + s1 h7 U" << "U: -h1 +h7";
    QTest::newRow("went, came, went") << "s1=h1" << "- s1 h1 U; + s1 h7 U; - s1 h7 U" << "U: -h1";
    QTest::newRow("present, announced again, went") << "s1=h1" << "+ s1 h1 U; - s1 h1 U" << "U: -h1";
    // Nodes found at start-up by enumeration are not known by sysfs path.
    QTest::newRow("removal of a node never seen") << "" << "- s1 h1 U" << "U: -h1";
    // The kernel gives the freed name to the next device at once; the removal
    // still names the node as it was known.
    QTest::newRow("node name reused") << "s1=h3" << "- s1 h3 U; + s2 h3 V" << "U: -h3 | V: +h3";
    QTest::newRow("removal without its node name") << "s1=h3" << "- s1 - U" << "U: -h3";
    QTest::newRow("unknown removal without a name") << "" << "- s1 - U" << "";
    QTest::newRow("addition without a name") << "" << "+ s1 - U" << "";
}

void TestHotplug::gathering()
{
    QFETCH(QString, known);
    QFETCH(QString, events);
    QFETCH(QString, batches);
    HotplugCoalescer coalescer;
    for (const QString &pair : known.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        coalescer.remember(pair.section('=', 0, 0), pair.section('=', 1));
    for (const HotplugEvent &e : parseEvents(events))
        coalescer.add(e);
    QCOMPARE(describe(coalescer.take()), batches);
    QVERIFY(!coalescer.hasPending());
    QVERIFY(coalescer.take().empty());
}

void TestHotplug::nodesAreFollowedAcrossWindows()
{
    HotplugCoalescer coalescer;
    for (const HotplugEvent &e : parseEvents("+ s1 h3 U"))
        coalescer.add(e);
    coalescer.take();
    QCOMPARE(coalescer.knownNode("s1"), QStringLiteral("h3"));
    // A later removal reports a different node name: the known one counts.
    for (const HotplugEvent &e : parseEvents("- s1 h9 U"))
        coalescer.add(e);
    QCOMPARE(describe(coalescer.take()), QStringLiteral("U: -h3"));
    QVERIFY(coalescer.knownNode("s1").isEmpty());
}

void TestHotplug::permissionRefusalsAreRetried_data()
{
    QTest::addColumn<int>("refusals");
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("probes");
    QTest::addColumn<bool>("gaveUp");
    QTest::newRow("open at once") << 0 << EACCES << 1 << false;
    QTest::newRow("refused twice") << 2 << EACCES << 3 << false;
    QTest::newRow("EPERM once") << 1 << EPERM << 2 << false;
    QTest::newRow("refused for good") << 100 << EACCES << 1 + HotplugMonitor::kAccessRetries << true;
    // Another error is no permission problem: no point in waiting.
    QTest::newRow("no such node") << 100 << ENOENT << 1 << false;
}

void TestHotplug::permissionRefusalsAreRetried()
{
    QFETCH(int, refusals);
    QFETCH(int, error);
    QFETCH(int, probes);
    QFETCH(bool, gaveUp);

    HotplugMonitor monitor;
    monitor.setGatherDelay(5);
    int probed = 0;
    monitor.setAccessProbe([&](const QString &) { return probed++ < refusals ? error : 0; });
    QSignalSpy changed(&monitor, &HotplugMonitor::nodesChanged);
    if (gaveUp)
        QTest::ignoreMessage(QtWarningMsg, "device node /dev/hidraw3 cannot be opened: permission denied");
    QElapsedTimer timer;
    timer.start();
    monitor.deviceEvent(udevAdd("/dev/hidraw3"));
    QTRY_COMPARE_WITH_TIMEOUT(changed.count(), 1, 2000);
    QCOMPARE(changed.at(0).at(1).toStringList(), QStringList{"/dev/hidraw3"});
    QCOMPARE(probed, probes);
    // About 100 ms between tries.
    QVERIFY(timer.elapsed() >= (probes - 1) * (HotplugMonitor::kAccessRetryMs - 10));
    // A second change could only come by a retry: none is left.
    QTRY_VERIFY(monitor.isIdle());
    QCOMPARE(changed.count(), 1);
    QCOMPARE(probed, probes);
}

void TestHotplug::removalEndsTheWait()
{
    HotplugMonitor monitor;
    monitor.setGatherDelay(5);
    int probes = 0;
    monitor.setAccessProbe([&](const QString &) {
        ++probes;
        return EACCES;
    });
    QSignalSpy changed(&monitor, &HotplugMonitor::nodesChanged);
    const HotplugEvent added = udevAdd("/dev/hidraw3");
    monitor.deviceEvent(added);
    QTRY_VERIFY(probes > 0);   // gathered, refused, waiting for a retry
    QCOMPARE(changed.count(), 0);
    HotplugEvent removed = added;
    removed.action = HotplugEvent::Remove;
    monitor.deviceEvent(removed);
    QTRY_COMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toStringList(), QStringList{"/dev/hidraw3"});
    QVERIFY(changed.at(0).at(1).toStringList().isEmpty());
    // The retries ended with the removal.
    QVERIFY(monitor.isIdle());
    QCOMPARE(changed.count(), 1);
}

void TestHotplug::udevUnavailableIsNotAnError()
{
    HotplugMonitor monitor;
    if (QFileInfo::exists("/run/udev/control")) {
        QVERIFY(monitor.startUdev());
        QVERIFY(monitor.isFollowingUdev());
    } else {
        QTest::ignoreMessage(QtWarningMsg, "udev is not running: device plug events are not followed");
        QVERIFY(!monitor.startUdev());
        QVERIFY(!monitor.isFollowingUdev());
    }
}

void TestHotplug::virtualMouseDrivesTheDeviceLink()
{
    TestEnvironment env;
    VirtualMouse mouse;
    setHidBackend(&mouse);
    LoadMouseList();
    EnumerateMice();
    DeviceWatcher watcher;
    HotplugMonitor monitor;
    monitor.connectTo(&watcher);
    connect(&mouse, &VirtualMouse::devicePlugged, &monitor, &HotplugMonitor::nodeAdded);
    connect(&mouse, &VirtualMouse::deviceUnplugged, &monitor, &HotplugMonitor::nodeRemoved);
    QSignalSpy changed(&watcher, &DeviceWatcher::deviceChanged);

    mouse.plug(SimLink::Receiver);
    mouse.plug(SimLink::Cable);
    QCOMPARE(changed.count(), 0);   // gathered first
    QTRY_COMPARE(changed.count(), 2);
    QVERIFY(mouseList().entries[0].groupPresent(LinkGroup::Receiver));
    QVERIFY(mouseList().entries[0].groupPresent(LinkGroup::Cable));

    // A link that comes and goes within the gathering window is never seen.
    mouse.unplug(SimLink::Cable);
    mouse.plug(SimLink::Cable);
    mouse.unplug(SimLink::Cable);
    QTRY_COMPARE(changed.count(), 3);
    // No late change: nothing is left gathered.
    QVERIFY(monitor.isIdle());
    QCOMPARE(changed.count(), 3);
    const auto change = changed.at(2).at(0).value<DeviceChange>();
    QVERIFY(!change.arrival && change.group == LinkGroup::Cable && change.remainingMustReopen);

    mouse.unplug(SimLink::Receiver);
    QTRY_COMPARE(changed.count(), 4);
    QVERIFY(changed.at(3).at(0).value<DeviceChange>().allGone);
    setHidBackend(nullptr);
    mouseList().clear();
}

void TestHotplug::plugSignalsFromAnotherThread()
{
    // The virtual mouse announces a link that disappears mid-upload on the
    // upload worker's thread; the event must still be handled on this one.
    TestEnvironment env;
    VirtualMouse mouse;
    setHidBackend(&mouse);
    LoadMouseList();
    DeviceWatcher watcher;
    HotplugMonitor monitor;
    monitor.connectTo(&watcher);
    connect(&mouse, &VirtualMouse::devicePlugged, &monitor, &HotplugMonitor::nodeAdded);
    connect(&mouse, &VirtualMouse::deviceUnplugged, &monitor, &HotplugMonitor::nodeRemoved);
    QSignalSpy changed(&watcher, &DeviceWatcher::deviceChanged);
    QThread *handledOn = nullptr;
    connect(&watcher, &DeviceWatcher::deviceChanged, this, [&] { handledOn = QThread::currentThread(); });

    std::thread worker([&] { mouse.plug(SimLink::Cable); });
    worker.join();
    QTRY_COMPARE(changed.count(), 1);
    QCOMPARE(handledOn, QThread::currentThread());
    QVERIFY(changed.at(0).at(0).value<DeviceChange>().groupComplete);
    setHidBackend(nullptr);
    mouseList().clear();
}

QTEST_GUILESS_MAIN(TestHotplug)
#include "test_hotplug.moc"
