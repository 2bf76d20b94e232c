#include "virtualmouse.h"

#include "device/report.h"

#include <QJsonArray>
#include <QThread>
#include <QtGlobal>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

using Clock = SimNode::Clock;

// The collections of the mouse's report descriptor, in descriptor order.
struct Collection {
    uint16_t usagePage;
    uint16_t usage;
};
const Collection kCollections[] = {{0x01, 0x02}, {0x0C, 0x01}, {0x01, 0x80}, {0x01, 0x00}};

const SimLink kLinks[] = {SimLink::Receiver, SimLink::Cable};

const char *linkName(SimLink link)
{
    return link == SimLink::Cable ? "cable" : "receiver";
}

} // namespace

VirtualMouse::VirtualMouse(QObject *parent)
    : QObject(parent)
{
    setIdentities(0x248A, 0xFA02, 0x248A, 0xFB01);
    link(SimLink::Receiver).release = 0x0102;
    link(SimLink::Cable).release = 0x0105;
}

VirtualMouse::~VirtualMouse()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (auto &entry : m_handles) {
        entry.second->closed = true;
        entry.second->node->detach(entry.second.get());
    }
    m_handles.clear();
}

void VirtualMouse::setIdentities(uint16_t receiverVid, uint16_t receiverPid, uint16_t cableVid, uint16_t cablePid)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    link(SimLink::Receiver).vendorId = receiverVid;
    link(SimLink::Receiver).productId = receiverPid;
    link(SimLink::Cable).vendorId = cableVid;
    link(SimLink::Cable).productId = cablePid;
}

void VirtualMouse::setReleaseNumber(SimLink which, uint16_t release)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    link(which).release = release;
}

int VirtualMouse::init()
{
    return 0;
}

int VirtualMouse::exit()
{
    return 0;
}

std::vector<HidDeviceInfo> VirtualMouse::enumerate(uint16_t vendorId, uint16_t productId)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    ++m_enumerations;
    std::vector<HidDeviceInfo> result;
    for (SimLink which : kLinks) {
        const Link &l = link(which);
        if (!l.node)
            continue;
        if ((vendorId && vendorId != l.vendorId) || (productId && productId != l.productId))
            continue;
        for (const Collection &c : kCollections) {
            HidDeviceInfo info;
            info.path = l.node->path();
            info.vendorId = l.vendorId;
            info.productId = l.productId;
            info.serialNumber = which == SimLink::Cable ? L"SIM-CABLE" : L"SIM-RECEIVER";
            info.releaseNumber = l.release;
            info.usagePage = c.usagePage;
            info.usage = c.usage;
            info.interfaceNumber = 0;
            result.push_back(info);
        }
    }
    return result;
}

HidHandle VirtualMouse::open(const std::string &path)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_lastOpenError = ENOENT;
    for (Link &l : m_links) {
        if (l.node && l.node->path() == path) {
            if (l.openRefused) {
                m_lastOpenError = EACCES;
                return nullptr;
            }
            m_lastOpenError = 0;
            auto handle = std::make_shared<SimHandle>();
            handle->node = l.node;
            l.node->attach(handle.get());
            HidHandle key = handle.get();
            m_handles.emplace(key, std::move(handle));
            return key;
        }
    }
    return nullptr;
}

int VirtualMouse::lastOpenError() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_lastOpenError;
}

void VirtualMouse::setOpenRefused(SimLink which, bool refused)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    link(which).openRefused = refused;
}

void VirtualMouse::close(HidHandle handle)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    auto it = m_handles.find(handle);
    if (it == m_handles.end())
        return;
    // A reader still blocked on the handle holds its own reference and
    // wakes up to a failed read.
    it->second->closed = true;
    it->second->node->detach(it->second.get());
    m_handles.erase(it);
    m_arrived.notify_all();
}

std::shared_ptr<SimHandle> VirtualMouse::findLocked(HidHandle handle) const
{
    auto it = m_handles.find(handle);
    if (it == m_handles.end()) {
        if (handle)
            qWarning("virtual mouse: call on a handle that is not open");
        return nullptr;
    }
    return it->second;
}

int VirtualMouse::write(HidHandle handle, const unsigned char *data, size_t length)
{
    std::string gone;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        std::shared_ptr<SimHandle> h = findLocked(handle);
        if (!h || !h->node->isAlive() || !data || length == 0 || length > size_t(kReportBufferSize))
            return -1;
        // The mouse's descriptor has one output report, ID 5; the kernel
        // refuses any other.
        if (data[0] != kReportId)
            return -1;
        SimFirmware::Report report{};
        std::memcpy(report.data(), data, std::min(length, report.size()));
        if (m_faults.take(SimFault::WriteFail)) {
            noteWriteLocked(report, false);
            return -1;
        }

        SimLink which = SimLink::Receiver;
        for (SimLink l : kLinks) {
            if (link(l).node == h->node)
                which = l;
        }
        if (m_pressAtQuery && report[3] == 0x48) {
            sendUnsolicitedLocked(m_firmware.press(*m_pressAtQuery));
            m_pressAtQuery.reset();
        }
        const SimFirmware::Answer answer = m_firmware.receive(report, which == SimLink::Receiver);
        noteWriteLocked(report, !answer.refused);
        if (answer.refused)
            return -1;
        ++m_writes;
        m_trace.written(report.data());

        Link &l = link(which);
        if (l.unplugAfter > 0 && --l.unplugAfter == 0)
            gone = unplugLocked(which);
        else if (answer.sent)
            sendReplyLocked(*h->node, answer);
    }
    if (!gone.empty())
        emit deviceUnplugged(QString::fromStdString(gone));
    return int(length);
}

void VirtualMouse::noteWriteLocked(const SimFirmware::Report &report, bool accepted)
{
    if (m_writeLog.size() == kKeptWrites)
        m_writeLog.pop_front();
    m_writeLog.push_back({report, accepted, QThread::currentThread()});
}

void VirtualMouse::sendReplyLocked(SimNode &node, const SimFirmware::Answer &answer)
{
    if (m_faults.take(SimFault::DropReply))
        return;
    SimFirmware::Report bytes = answer.bytes;
    if (m_faults.take(SimFault::ZeroReply)) {
        bytes.fill(0);
    } else {
        // An echo's header runs to position 6 and position 4 is in every
        // comparison; a status answer is known by its command byte alone.
        // Position 8 is the first payload byte.
        if (m_faults.take(SimFault::WrongHeader))
            bytes[answer.isEcho ? 4 : 3] ^= 0xFF;
        if (answer.hasPayload && m_faults.take(SimFault::WrongPayload))
            bytes[kPayloadOffset] ^= 0xFF;
    }
    const Clock::time_point due = Clock::now() + std::chrono::milliseconds(m_latencyMs);
    const bool foreign = m_faults.take(SimFault::ForeignInput);
    if (foreign)
        node.send(SimNode::motionReport(1, -1), due);
    node.send(std::vector<uint8_t>(bytes.begin(), bytes.end()), due);
    if (foreign)
        node.send(SimNode::motionReport(-1, 1), due);
    m_trace.sent(bytes.data());
    m_arrived.notify_all();
}

int VirtualMouse::readTimeout(HidHandle handle, unsigned char *data, size_t length, int milliseconds)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    std::shared_ptr<SimHandle> h = findLocked(handle);
    if (!h || !data)
        return -1;
    const bool blocking = milliseconds < 0;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(std::max(milliseconds, 0));
    for (;;) {
        if (h->closed || !h->node->isAlive())
            return -1;
        const Clock::time_point now = Clock::now();
        h->node->catchUp(now);
        if (!h->ring.empty()) {
            const std::vector<uint8_t> report = std::move(h->ring.front());
            h->ring.pop_front();
            const size_t n = std::min(length, report.size());
            std::memcpy(data, report.data(), n);
            ++m_reads;
            return int(n);
        }
        if (!blocking && now >= deadline)
            return 0;
        const std::optional<Clock::time_point> due = h->node->nextDue();
        ++m_waitingReads;
        if (blocking && !due)
            m_arrived.wait(lock);
        else
            m_arrived.wait_until(lock, blocking ? *due : (due ? std::min(*due, deadline) : deadline));
        --m_waitingReads;
    }
}

void VirtualMouse::plug(SimLink which)
{
    std::string path;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        Link &l = link(which);
        if (l.node)
            return;
        l.node = std::make_shared<SimNode>(nodePath(which));
        l.node->setMotionRate(m_motionRate, Clock::now());
        l.unplugAfter = -1;
        path = l.node->path();
    }
    emit devicePlugged(QString::fromStdString(path));
}

void VirtualMouse::unplug(SimLink which)
{
    std::string gone;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        gone = unplugLocked(which);
    }
    if (!gone.empty())
        emit deviceUnplugged(QString::fromStdString(gone));
}

std::string VirtualMouse::unplugLocked(SimLink which)
{
    Link &l = link(which);
    if (!l.node)
        return {};
    const std::string path = l.node->path();
    l.node->kill();
    l.node.reset();
    l.unplugAfter = -1;
    m_arrived.notify_all();
    return path;
}

bool VirtualMouse::isPlugged(SimLink which) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return link(which).node != nullptr;
}

std::string VirtualMouse::nodePath(SimLink which)
{
    return std::string("/dev/hidraw-sim-") + linkName(which);
}

void VirtualMouse::unplugAfterReports(SimLink which, int reports)
{
    if (reports <= 0) {
        unplug(which);
        return;
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    if (link(which).node)
        link(which).unplugAfter = reports;
}

void VirtualMouse::setAwake(bool awake)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_firmware.setAwake(awake);
}

bool VirtualMouse::isAwake() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_firmware.isAwake();
}

void VirtualMouse::setBattery(int rawValue, bool charging)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_firmware.setBattery(rawValue, charging);
}

void VirtualMouse::setWriteStatus(uint8_t status)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_firmware.setWriteStatus(status);
}

void VirtualMouse::setSensorMode(uint8_t mode)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_firmware.setSensorMode(mode);
}

void VirtualMouse::press(SimButton button)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    sendUnsolicitedLocked(m_firmware.press(button));
}

void VirtualMouse::pressAtNextQuery(SimButton button)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_pressAtQuery = button;
}

void VirtualMouse::sendUnsolicitedLocked(const SimFirmware::Report &report)
{
    // The mouse talks over its cable when that is plugged, else by radio.
    SimNode *node = nullptr;
    if (link(SimLink::Cable).node)
        node = link(SimLink::Cable).node.get();
    else if (link(SimLink::Receiver).node)
        node = link(SimLink::Receiver).node.get();
    if (!node)
        return;
    node->send(std::vector<uint8_t>(report.begin(), report.end()), Clock::now());
    m_trace.sent(report.data());
    m_arrived.notify_all();
}

void VirtualMouse::injectFault(SimFault fault, int count, int at)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_faults.add(fault, count, at - 1);
}

QJsonObject VirtualMouse::firmwareState() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_firmware.state();
}

bool VirtualMouse::restoreFirmwareState(const QJsonObject &state)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_firmware.restore(state);
}

void VirtualMouse::clearFaults()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_faults.clear();
}

void VirtualMouse::setReplyLatency(int milliseconds)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_latencyMs = std::clamp(milliseconds, 0, 60000);
}

void VirtualMouse::setMotionRate(int reportsPerSecond)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_motionRate = std::clamp(reportsPerSecond, 0, 8000);
    const Clock::time_point now = Clock::now();
    for (Link &l : m_links) {
        if (!l.node)
            continue;
        l.node->catchUp(now);   // the motion so far has happened
        l.node->setMotionRate(m_motionRate, now);
    }
    m_arrived.notify_all();
}

bool VirtualMouse::setTraceFile(const QString &path)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (path.isEmpty()) {
        m_trace.close();
        return true;
    }
    return m_trace.open(path);
}

VirtualMouse::Memory VirtualMouse::memory() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_firmware.memory();
}

int VirtualMouse::writeCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_writes;
}

std::vector<VirtualMouse::Write> VirtualMouse::writes() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return std::vector<Write>(m_writeLog.begin(), m_writeLog.end());
}

int VirtualMouse::readCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_reads;
}

int VirtualMouse::waitingReads() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_waitingReads;
}

qint64 VirtualMouse::motionReports(SimLink which) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const Link &l = link(which);
    if (!l.node)
        return 0;
    // The motion due by now has happened, as for a read.
    l.node->catchUp(Clock::now());
    return l.node->motionReports();
}

void VirtualMouse::resetCounters()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_writes = 0;
    m_reads = 0;
    m_writeLog.clear();
}

QJsonObject VirtualMouse::dump() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    QJsonObject o = m_firmware.toJson();
    QJsonObject links;
    for (SimLink which : kLinks) {
        const Link &l = link(which);
        links.insert(QLatin1String(linkName(which)),
                     QJsonObject{{"plugged", l.node != nullptr},
                                 {"path", QString::fromStdString(nodePath(which))},
                                 {"vid", l.vendorId},
                                 {"pid", l.productId},
                                 {"release", l.release},
                                 {"refused", l.openRefused}});
    }
    o.insert("links", links);
    o.insert("faults", m_faults.toJson());
    o.insert("latency", m_latencyMs);
    o.insert("motionRate", m_motionRate);
    o.insert("writes", m_writes);
    o.insert("reads", m_reads);
    o.insert("enumerations", m_enumerations);
    o.insert("openHandles", int(m_handles.size()));
    return o;
}
