// The program's real device path against mousecfg-uhid: hidapi over hidraw,
// the udev monitor and a running udevd, with the virtual mouse served as
// kernel HID devices. Runs only inside the test guest (tests/vm/run), where
// /dev/uhid exists; each function is one scenario, chosen on the command line.

#include "test_mainwindowfixture.h"

#include "device/deviceaccessadvice.h"
#include "device/mouselink.h"
#include "device/discovery.h"
#include "device/mouselist.h"
#include "device/report.h"
#include "device/systemhidbackend.h"
#include "device/transport.h"
#include "platform/hotplugmonitor.h"
#include "shell/connectioncontroller.h"
#include "widgets/skinbutton.h"

#include <QDir>
#include <QMenu>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <QProcess>

#include <csignal>
#include <map>
#include <set>

namespace {

constexpr int kNodeTimeoutMs = 20000;   // an emulated machine under load is slow

QStringList g_debugLines;
void keepDebugLines(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtDebugMsg)
        g_debugLines.append(message.trimmed());
    else
        fprintf(stderr, "%s\n", qPrintable(message));
}

// The hidraw nodes whose HID device is id (for example "0003:0000248A:0000FA02")
// and that udev has finished with.
QStringList readyNodes(const QString &hidId)
{
    QStringList nodes;
    const QDir dir(QStringLiteral("/sys/class/hidraw"));
    for (const QString &name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile uevent(dir.filePath(name + QStringLiteral("/device/uevent")));
        if (!uevent.open(QIODevice::ReadOnly) || !uevent.readAll().contains("HID_ID=" + hidId.toLatin1()))
            continue;
        QFile dev(dir.filePath(name + QStringLiteral("/dev")));
        dev.open(QIODevice::ReadOnly);
        const QByteArray number = dev.readAll().trimmed();
        if (QFile::exists(QStringLiteral("/run/udev/data/c") + QString::fromLatin1(number)))
            nodes << QStringLiteral("/dev/") + name;
    }
    return nodes;
}

const QString kReceiverId = QStringLiteral("0003:0000248A:0000FA02");
const QString kCableId = QStringLiteral("0003:0000248A:0000FB01");

// mousecfg-uhid as a child process, with its control socket.
class UhidMouse {
public:
    ~UhidMouse()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        ::kill(pid_t(m_process.processId()), SIGCONT);
        m_process.terminate();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
        m_process.waitForFinished(2000);
    }

    bool start(const QString &links)
    {
        m_socket = m_dir.filePath(QStringLiteral("control"));
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(TestEnvironment::buildBinDir() + QStringLiteral("/mousecfg-uhid"),
                        {QStringLiteral("--links"), links, QStringLiteral("--control"), m_socket});
        return m_process.waitForStarted(10000);
    }

    // The process listens on its control socket (it does so before it
    // plugs any link). Not yet: the missing socket refuses at once.
    bool listening() const
    {
        QLocalSocket socket;
        socket.connectToServer(m_socket);
        return socket.waitForConnected(100);
    }

    // Once listening().
    QByteArray control(const QByteArray &line)
    {
        QLocalSocket socket;
        socket.connectToServer(m_socket);
        if (!socket.waitForConnected(5000))
            return QByteArray();
        socket.write(line + '\n');
        QByteArray answer;
        while (!answer.endsWith('\n') && socket.waitForReadyRead(5000))
            answer += socket.readAll();
        return answer.trimmed();
    }

    QJsonObject dump() { return QJsonDocument::fromJson(control("dump")).object(); }

    // The process stops answering, as a hung device does: the kernel keeps
    // taking reports, nothing comes back.
    void freeze() { ::kill(pid_t(m_process.processId()), SIGSTOP); }
    void thaw() { ::kill(pid_t(m_process.processId()), SIGCONT); }

private:
    QTemporaryDir m_dir;
    QString m_socket;
    QProcess m_process;
};

// The window's event loop turning: the longest gap between timer ticks.
class Heartbeat {
public:
    Heartbeat()
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            m_longest = std::max(m_longest, m_clock.restart());
        });
        m_clock.start();
        m_timer.start();
    }
    qint64 longestGapMs() const { return m_longest; }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_longest = 0;
};

// The system hidapi, with a record of the time the user-interface thread
// spends inside it.
class WatchedHid : public HidBackend {
public:
    int init() override { return m_hid.init(); }
    int exit() override { return m_hid.exit(); }
    std::vector<HidDeviceInfo> enumerate(uint16_t vendorId, uint16_t productId) override
    {
        return timed([&] { return m_hid.enumerate(vendorId, productId); });
    }
    HidHandle open(const std::string &path) override { return timed([&] { return m_hid.open(path); }); }
    int lastOpenError() const override { return m_hid.lastOpenError(); }
    void close(HidHandle handle) override { m_hid.close(handle); }
    int write(HidHandle handle, const unsigned char *data, size_t length) override
    {
        return timed([&] { return m_hid.write(handle, data, length); });
    }
    int readTimeout(HidHandle handle, unsigned char *data, size_t length, int milliseconds) override
    {
        return timed([&] { return m_hid.readTimeout(handle, data, length, milliseconds); });
    }

    void reset() { m_totalMs = 0; }
    qint64 uiThreadMs() const { return m_totalMs; }

private:
    template <typename Call>
    auto timed(Call call) -> decltype(call())
    {
        if (QThread::currentThread() != qApp->thread())
            return call();
        QElapsedTimer clock;
        clock.start();
        auto result = call();
        m_totalMs += clock.elapsed();
        return result;
    }

    SystemHidBackend m_hid;
    qint64 m_totalMs = 0;   // written and read on the user-interface thread only
};

} // namespace

class TestVmGuest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void enumeration();
    void windowFollowsPlugEvents();
    void windowStaysResponsiveWhenMouseStopsAnswering();
    void windowExplainsMouseItMayNotOpen();

private:
    std::unique_ptr<TestEnvironment> m_env;
};

void TestVmGuest::init()
{
    setHidBackend(nullptr);   // the system hidapi: the point of these tests
    m_env = std::make_unique<TestEnvironment>();
}

void TestVmGuest::cleanup()
{
    setHidBackend(nullptr);
    mouseList().clear();
    m_env.reset();
}

void TestVmGuest::enumeration()
{
    UhidMouse uhid;
    QVERIFY(uhid.start(QStringLiteral("receiver,cable")));
    QTRY_VERIFY_WITH_TIMEOUT(uhid.listening(), kNodeTimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(readyNodes(kReceiverId).size() == 1 && readyNodes(kCableId).size() == 1, kNodeTimeoutMs);
    const QString receiver = readyNodes(kReceiverId).first();
    const QString cable = readyNodes(kCableId).first();

    // hidapi lists every application collection of each node by usage pair.
    SystemHidBackend hid;
    std::map<std::string, std::set<std::pair<int, int>>> pairs;
    for (const HidDeviceInfo &info : hid.enumerate(0x248A, 0)) {
        pairs[info.path].insert({info.usagePage, info.usage});
        qInfo("hidapi: %s %04x:%04x usage %x/%x release %x interface %d", info.path.c_str(), info.vendorId,
              info.productId, info.usagePage, info.usage, info.releaseNumber, info.interfaceNumber);
        // A UHID device has no USB parent to give these.
        QCOMPARE(int(info.releaseNumber), 0);
        QCOMPARE(info.interfaceNumber, -1);
    }
    // hidapi also lists the pointer collection nested in the mouse's (1/1).
    const std::set<std::pair<int, int>> collections = {{0x01, 0x02}, {0x0C, 0x01}, {0x01, 0x80}, {0x01, 0x00}, {0x01, 0x01}};
    QCOMPARE(pairs.size(), size_t(2));
    QVERIFY(pairs[receiver.toStdString()] == collections);
    QVERIFY(pairs[cable.toStdString()] == collections);

    // The mouse list takes each collection once, from the right node.
    QLoggingCategory::setFilterRules(QStringLiteral("mousecfg.*.debug=true"));
    qInstallMessageHandler(keepDebugLines);
    g_debugLines.clear();
    LoadMouseList();
    QCOMPARE(EnumerateMice(), 0);
    MouseLink link;
    link.openByName(currentProductName());
    qInstallMessageHandler(nullptr);
    const QStringList found = {"1 " + receiver, "2 " + receiver, "3 " + cable, "4 " + cable};
    for (const QString &line : found)
        QCOMPARE(g_debugLines.count(line), 1);
    const MouseListEntry &entry = mouseList().entries[0];
    QCOMPARE(QString::fromStdString(entry.collection(MouseCollection::ReceiverMouse).path), receiver);
    QCOMPARE(QString::fromStdString(entry.collection(MouseCollection::ReceiverCommand).path), receiver);
    QCOMPARE(QString::fromStdString(entry.collection(MouseCollection::CableMouse).path), cable);
    QCOMPARE(QString::fromStdString(entry.collection(MouseCollection::CableCommand).path), cable);
    QCOMPARE(cableReleaseNumber(), 0u);

    // Four handles, the cable's command collection the channel, and a status
    // query that goes through the kernel and back.
    const std::set<HidHandle> handles = {link.receiverMouseHandle(), link.receiverCommandHandle(), link.cableMouseHandle(),
                                           link.cableCommandHandle()};
    QCOMPARE(handles.size(), size_t(4));
    QVERIFY(!handles.count(nullptr));
    QCOMPARE(link.commandHandle(), link.cableCommandHandle());
    const ReportBuffer query = ReportBuffer::command(0x48);
    QCOMPARE(TransferReport(link.commandHandle(), query.bytes.data(), kReportLength), 0);
    QCOMPARE(uhid.dump().value("writes").toInt(), 1);
}

void TestVmGuest::windowFollowsPlugEvents()
{
    UhidMouse uhid;
    QVERIFY(uhid.start(QStringLiteral("receiver")));
    QTRY_VERIFY_WITH_TIMEOUT(uhid.listening(), kNodeTimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(readyNodes(kReceiverId).size() == 1, kNodeTimeoutMs);

    MainWindow window(nullptr);   // no plug source: the real udev monitor
    QVERIFY(WindowInside::connection(window)->hotplugMonitor()->isFollowingUdev());
    QTRY_VERIFY_WITH_TIMEOUT(window.isVisible() && window.settings().mouse().commandHandle() != nullptr, 10000);
    // The poller's queries reach the mouse through the kernel.
    QTRY_VERIFY_WITH_TIMEOUT(uhid.dump().value("writes").toInt() > 0, 10000);

    for (int round = 1; round <= 2; ++round) {
        // The warning runs its own modal loop: the replug is made from
        // inside it, and the box must then close by itself.
        BoxWatcher boxes(false);
        bool closedOnLeave = false;
        int writes = -1;
        QElapsedTimer clock;
        qint64 warnedAt = -1;
        boxes.onBox = [&](SkinMessageBox *) {
            warnedAt = clock.elapsed();
            closedOnLeave = window.settings().mouse().commandHandle() == nullptr && !window.mouseReady();
            writes = uhid.dump().value("writes").toInt();
            uhid.control("plug receiver");
        };
        clock.start();
        QCOMPARE(uhid.control("unplug receiver"), QByteArray("ok"));
        QTRY_VERIFY_WITH_TIMEOUT(warnedAt >= 0 && !visibleMessageBox() && window.mouseReady(), 30000);
        const qint64 backAt = clock.elapsed();
        QCOMPARE(boxes.texts, QStringList{QStringLiteral("Dongle Disconnect!")});
        QVERIFY(closedOnLeave);
        QVERIFY(window.settings().mouse().commandHandle() != nullptr);
        // The poller talks to the new device.
        QTRY_VERIFY_WITH_TIMEOUT(uhid.dump().value("writes").toInt() > writes, 10000);
        qInfo("round %d: warning after %lld ms, mouse back after %lld ms", round, warnedAt, backAt);
    }
}

void TestVmGuest::windowStaysResponsiveWhenMouseStopsAnswering()
{
    UhidMouse uhid;
    QVERIFY(uhid.start(QStringLiteral("receiver")));
    QTRY_VERIFY_WITH_TIMEOUT(uhid.listening(), kNodeTimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(readyNodes(kReceiverId).size() == 1, kNodeTimeoutMs);
    WatchedHid hid;
    setHidBackend(&hid);
    MainWindow window(nullptr);
    QTRY_VERIFY_WITH_TIMEOUT(window.mouseReady() && WindowInside::connection(window)->hasStatusThread(), 10000);

    uhid.freeze();
    BoxWatcher boxes;
    {
        hid.reset();
        Heartbeat heartbeat;
        QElapsedTimer clock;
        clock.start();
        const int result = window.upload(true);
        const qint64 took = clock.elapsed();
        qInfo("upload against a silent mouse: result %d after %lld ms; the window's thread spent %lld ms in HID "
              "calls, its longest pause was %lld ms",
              result, took, hid.uiThreadMs(), heartbeat.longestGapMs());
        QCOMPARE(result, int(kTransferReadBackFailed));
        QCOMPARE(boxes.texts, QStringList{QStringLiteral("Send data failed, please try again.")});
        // The first report gives up after its bounded retries: six unanswered
        // reads of 150 ms, with the waits between them.
        // (With room for an emulated machine under load.)
        QVERIFY2(took < 15000, qPrintable(QString::number(took)));
        QVERIFY2(hid.uiThreadMs() < 100, qPrintable(QString::number(hid.uiThreadMs())));
    }
    {
        // A profile chosen from the profile menu is told to the mouse too.
        hid.reset();
        Heartbeat heartbeat;
        QMenu *menu = WindowInside::controls(window).profileMenu->menu();
        QVERIFY(menu && menu->actions().size() == 5);
        menu->actions().at(1)->trigger();   // returns once its busy dialogs have closed
        qInfo("profile switch against a silent mouse: the window's thread spent %lld ms in HID calls, its longest "
              "pause was %lld ms",
              hid.uiThreadMs(), heartbeat.longestGapMs());
        QVERIFY2(hid.uiThreadMs() < 100, qPrintable(QString::number(hid.uiThreadMs())));
    }
    uhid.thaw();
}

void TestVmGuest::windowExplainsMouseItMayNotOpen()
{
    // Run as a user whom the node does not belong to; mousecfg-uhid was
    // started by root beforehand.
    QTRY_VERIFY_WITH_TIMEOUT(readyNodes(kReceiverId).size() == 1, kNodeTimeoutMs);
    const QString node = readyNodes(kReceiverId).first();
    BoxWatcher boxes;
    MainWindow window(nullptr);
    QTRY_VERIFY_WITH_TIMEOUT(!boxes.texts.isEmpty(), 10000);
    QCOMPARE(boxes.texts, QStringList{deviceAccessAdvice(node)});
    QCOMPARE(window.presentModelCount(), 1);
    QVERIFY(window.settings().mouse().commandHandle() == nullptr);
    qInfo("%s", qPrintable(boxes.texts.first()));
}

QTEST_MAIN(TestVmGuest)
#include "test_vm_guest.moc"
