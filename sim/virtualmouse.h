#pragma once

#include "device/hidbackend.h"
#include "simfaults.h"
#include "simfirmware.h"
#include "simmemory.h"
#include "simnode.h"
#include "simtrace.h"
#include "simtypes.h"

#include <QJsonObject>
#include <QObject>
#include <QString>

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <unordered_map>

class QThread;
class SimControlServer;

// The virtual mouse: a receiver and a cable link, each a hidraw-like node,
// and behind them the mouse's firmware with its own memory. It stands behind
// the HID seam in place of the system hidapi, so the program's transport,
// discovery, poller and upload run against it unchanged.
//
// Thread-safe: the upload worker, the poller and the main thread call it at
// the same time. A read blocks until a report arrives or its timeout ends.
//
// What it does as the hardware does:
// - enumerate() lists, per plugged link, one entry per top-level collection
//   of the node's report descriptor (mouse 1/2, consumer control 12/1,
//   system control 1/0x80, command 1/0), all with the node's one path;
// - every input report reaches every open handle of the node (a ring of 64
//   reports each, the oldest dropped), so a handle that is opened and never
//   read fills up, and readers see mouse motion between replies;
// - the firmware drops frames with a wrong report ID, marker or checksum;
// - over the receiver, a sleeping mouse gets nothing: the receiver answers
//   the status query with an all-zero reading and refuses verified writes.
//   Over the cable the mouse is always awake.
class VirtualMouse : public QObject, public HidBackend {
    Q_OBJECT
public:
    using Memory = SimMemory;

    explicit VirtualMouse(QObject *parent = nullptr);   // no link plugged, mouse awake, battery 80 %
    ~VirtualMouse() override;

    // Identities default to 9354/64002 (receiver) and 9354/64257 (cable).
    void setIdentities(uint16_t receiverVid, uint16_t receiverPid, uint16_t cableVid, uint16_t cablePid);
    void setReleaseNumber(SimLink link, uint16_t release);   // bcdDevice of that link
    // The link's node is listed but refuses to open with EACCES, as a hidraw
    // node of root's does for a user without the udev rule.
    void setOpenRefused(SimLink link, bool refused);

    // HidBackend
    int init() override;
    int exit() override;
    std::vector<HidDeviceInfo> enumerate(uint16_t vendorId, uint16_t productId) override;
    HidHandle open(const std::string &path) override;
    int lastOpenError() const override;
    void close(HidHandle handle) override;
    int write(HidHandle handle, const unsigned char *data, size_t length) override;
    int readTimeout(HidHandle handle, unsigned char *data, size_t length, int milliseconds) override;

    // Links. Plug and unplug emit devicePlugged/deviceUnplugged on the calling
    // thread; handles opened on an unplugged node fail from then on, also
    // after the link comes back.
    void plug(SimLink link);
    void unplug(SimLink link);
    bool isPlugged(SimLink link) const;
    static std::string nodePath(SimLink link);
    // The link goes away right after that many more reports were written to
    // it (the last of them is not answered); 0 unplugs it now.
    void unplugAfterReports(SimLink link, int reports);

    // Mouse state.
    void setAwake(bool awake);
    bool isAwake() const;
    void setBattery(int rawValue, bool charging);
    void setWriteStatus(uint8_t status);
    void setSensorMode(uint8_t mode);
    // The mouse's own button: cycles the profile, the DPI stage (through the
    // stages the applied DPI table enables) or the report rate, and sends a
    // status report (0x49) over the link it is reached by (the cable when
    // plugged). Wakes a sleeping mouse.
    void press(SimButton button);
    // The same press, made when the next status query arrives, before its
    // answer: the user pressing while a program listens to the mouse.
    void pressAtNextQuery(SimButton button);

    // Trouble on demand: the next `count` exchanges suffer the fault.
    // WriteFail fails writes; the others act on replies to written reports:
    // DropReply loses the reply, ZeroReply sends 33 zero bytes, WrongHeader
    // bends position 4 of an echo (position 3 of a status answer),
    // WrongPayload bends position 8 (only replies that carry a payload count),
    // ForeignInput puts a mouse motion report before and after the reply.
    // With `at`, the faults start at that chance (1: the next one).
    void injectFault(SimFault fault, int count = 1, int at = 1);
    void clearFaults();
    void setReplyLatency(int milliseconds);
    // Mouse motion reports at this rate on every plugged node; 0 stops.
    void setMotionRate(int reportsPerSecond);

    // Appends every exchange to this file (see SimTrace); an empty path stops.
    bool setTraceFile(const QString &path);

    Memory memory() const;   // what the firmware holds now
    // What a real mouse keeps between two runs of a program: its committed
    // memory, live profile, stages and rates, and the write status, as JSON.
    QJsonObject firmwareState() const;
    bool restoreFirmwareState(const QJsonObject &state);
    int writeCount() const;  // reports accepted
    // A report a program wrote to a link, whether the mouse took it (a
    // failed write fault or a refusal did not), and the thread that wrote
    // it: the order on the wire, and which thread the calls came from.
    struct Write {
        SimFirmware::Report report{};
        bool accepted = false;
        QThread *thread = nullptr;
    };
    // The writes since the counters were last reset, oldest first; only the
    // last kKeptWrites are kept, so that a long simulated session stays small.
    static constexpr size_t kKeptWrites = 4096;
    std::vector<Write> writes() const;
    int readCount() const;   // reads that returned a report
    // Reads blocked now, waiting for a report (or for their timeout).
    int waitingReads() const;
    // Motion reports the link's node has made since it was plugged, also
    // those that went past in a full ring before anyone read them.
    qint64 motionReports(SimLink link) const;
    void resetCounters();
    QJsonObject dump() const;   // memory, status, links, faults and counters

signals:
    void devicePlugged(const QString &nodePath);
    void deviceUnplugged(const QString &nodePath);

private:
    struct Link {
        uint16_t vendorId = 0;
        uint16_t productId = 0;
        uint16_t release = 0;
        std::shared_ptr<SimNode> node;   // null while unplugged
        int unplugAfter = -1;            // reports left before it goes; -1 never
        bool openRefused = false;
    };

    Link &link(SimLink which) { return m_links[which == SimLink::Cable ? 1 : 0]; }
    const Link &link(SimLink which) const { return m_links[which == SimLink::Cable ? 1 : 0]; }
    // Under the lock: the path of the node to announce as gone, or empty.
    std::string unplugLocked(SimLink which);
    void noteWriteLocked(const SimFirmware::Report &report, bool accepted);
    void sendReplyLocked(SimNode &node, const SimFirmware::Answer &answer);
    void sendUnsolicitedLocked(const SimFirmware::Report &report);
    std::shared_ptr<SimHandle> findLocked(HidHandle handle) const;

    mutable std::mutex m_mutex;
    std::condition_variable m_arrived;   // a report arrived, or a node or handle went away
    Link m_links[2];
    std::unordered_map<HidHandle, std::shared_ptr<SimHandle>> m_handles;
    SimFirmware m_firmware;
    std::optional<SimButton> m_pressAtQuery;
    SimFaults m_faults;
    SimTrace m_trace;
    int m_lastOpenError = 0;
    int m_latencyMs = 0;
    int m_motionRate = 0;
    int m_writes = 0;
    std::deque<Write> m_writeLog;
    int m_reads = 0;
    int m_waitingReads = 0;
    int m_enumerations = 0;
};

// With MOUSECFG_SIMULATE=1: creates the process-wide virtual mouse (receiver
// plugged, or the links named in MOUSECFG_SIM_LINKS such as "receiver,cable";
// mouse awake, battery about 80 %), installs it as the HID backend, traces to
// MOUSECFG_SIM_TRACE and listens on MOUSECFG_SIM_CONTROL (in the calling
// thread, which must run an event loop). Faults from MOUSECFG_SIM_FAULTS
// ("writefail 2 at 8; drop 3; sleep": orders as SimFaults::parseOrder reads
// them, "sleep" for a mouse asleep from the start). With
// MOUSECFG_SIM_STATE=<file> the firmware's state is read from the file at
// start and written back when the process ends, so that successive runs of
// a program meet the mouse the earlier ones left. Returns nullptr when
// MOUSECFG_SIMULATE is not 1; a second call returns the same mouse.
VirtualMouse *installVirtualMouseFromEnvironment();
