#include "uhidlink.h"

#include "sim/virtualmouse.h"

#include <QSocketNotifier>

#include <linux/uhid.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

// How long the pump waits for the node before it looks at its stop flag.
constexpr int kPumpWaitMs = 100;

constexpr uint16_t kBusUsb = 0x03;

// The mouse's interface as the kernel sees it: four application collections,
// the ones the mouse list tells apart by usage pair.
const uint8_t kDescriptor[] = {
    // Mouse (1/2), report ID 1: five buttons, 16-bit X and Y, wheel; the
    // virtual mouse's motion reports are laid out this way.
    0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x85, 0x01, 0x09, 0x01, 0xA1, 0x00,
    0x05, 0x09, 0x19, 0x01, 0x29, 0x05, 0x15, 0x00, 0x25, 0x01, 0x95, 0x05, 0x75, 0x01, 0x81, 0x02,
    0x95, 0x01, 0x75, 0x03, 0x81, 0x03,
    0x05, 0x01, 0x09, 0x30, 0x09, 0x31, 0x16, 0x01, 0x80, 0x26, 0xFF, 0x7F, 0x75, 0x10, 0x95, 0x02, 0x81, 0x06,
    0x09, 0x38, 0x15, 0x81, 0x25, 0x7F, 0x75, 0x08, 0x95, 0x01, 0x81, 0x06,
    0xC0, 0xC0,
    // Consumer control (12/1), report ID 2: one 16-bit usage.
    0x05, 0x0C, 0x09, 0x01, 0xA1, 0x01, 0x85, 0x02, 0x15, 0x00, 0x26, 0xFF, 0x03, 0x19, 0x00, 0x2A, 0xFF, 0x03,
    0x75, 0x10, 0x95, 0x01, 0x81, 0x00, 0xC0,
    // System control (1/0x80), report ID 3: power down, sleep, wake up.
    0x05, 0x01, 0x09, 0x80, 0xA1, 0x01, 0x85, 0x03, 0x19, 0x81, 0x29, 0x83, 0x15, 0x00, 0x25, 0x01,
    0x75, 0x01, 0x95, 0x03, 0x81, 0x02, 0x95, 0x05, 0x81, 0x01, 0xC0,
    // Command (1/0), report ID 5: 32 bytes in, 32 bytes out.
    0x05, 0x01, 0x09, 0x00, 0xA1, 0x01, 0x85, 0x05, 0x06, 0x00, 0xFF, 0x15, 0x00, 0x26, 0xFF, 0x00,
    0x75, 0x08, 0x95, 0x20, 0x09, 0x01, 0x81, 0x02, 0x09, 0x02, 0x91, 0x02, 0xC0,
};

void copyText(uint8_t *target, size_t size, const QString &text)
{
    const QByteArray bytes = text.toUtf8().left(int(size) - 1);
    std::memcpy(target, bytes.constData(), size_t(bytes.size()));
}

} // namespace

UhidLink::UhidLink(VirtualMouse *mouse, Identity identity, QObject *parent)
    : QObject(parent)
    , m_mouse(mouse)
    , m_identity(std::move(identity))
{
}

UhidLink::~UhidLink()
{
    destroy();
}

QByteArray UhidLink::reportDescriptor()
{
    return QByteArray(reinterpret_cast<const char *>(kDescriptor), int(sizeof kDescriptor));
}

bool UhidLink::create()
{
    m_handle = m_mouse->open(m_identity.node.toStdString());
    if (!m_handle) {
        m_error = QStringLiteral("the virtual mouse has no node %1").arg(m_identity.node);
        return false;
    }
    m_fd = ::open("/dev/uhid", O_RDWR | O_CLOEXEC);
    if (m_fd < 0) {
        m_error = QStringLiteral("/dev/uhid: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        destroy();
        return false;
    }

    uhid_event event{};
    event.type = UHID_CREATE2;
    uhid_create2_req &req = event.u.create2;
    copyText(req.name, sizeof req.name, m_identity.name);
    copyText(req.phys, sizeof req.phys, QStringLiteral("mousecfg-uhid/") + m_identity.node.section('-', -1));
    copyText(req.uniq, sizeof req.uniq, m_identity.serial);
    req.rd_size = uint16_t(sizeof kDescriptor);
    req.bus = kBusUsb;
    req.vendor = m_identity.vendorId;
    req.product = m_identity.productId;
    req.version = m_identity.release;
    std::memcpy(req.rd_data, kDescriptor, sizeof kDescriptor);
    if (!send(event)) {
        m_error = QStringLiteral("/dev/uhid refused the device: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        destroy();
        return false;
    }

    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &UhidLink::onUhidReadable);
    m_pump = std::thread([this] { pump(); });
    return true;
}

void UhidLink::destroy()
{
    m_stop = true;
    if (m_pump.joinable())
        m_pump.join();
    delete m_notifier;
    m_notifier = nullptr;
    if (m_fd >= 0) {
        uhid_event event{};
        event.type = UHID_DESTROY;
        send(event);
        ::close(m_fd);
        m_fd = -1;
    }
    if (m_handle) {
        m_mouse->close(m_handle);
        m_handle = nullptr;
    }
}

bool UhidLink::send(const uhid_event &event)
{
    std::lock_guard<std::mutex> lock(m_writeMutex);
    return ::write(m_fd, &event, sizeof event) == ssize_t(sizeof event);
}

void UhidLink::onUhidReadable()
{
    uhid_event event{};
    const ssize_t got = ::read(m_fd, &event, sizeof event);
    if (got <= 0)
        return;
    switch (event.type) {
    case UHID_OUTPUT:
        // The kernel has already told the writer that the report went out:
        // a report the mouse does not take simply gets no answer.
        if (event.u.output.rtype == UHID_OUTPUT_REPORT) {
            ++m_outputs;
            m_mouse->write(m_handle, event.u.output.data, std::min<size_t>(event.u.output.size, UHID_DATA_MAX));
        }
        break;
    case UHID_GET_REPORT: {
        // The mouse has no feature reports; an answer at once spares the
        // caller the kernel's wait for one that never comes.
        uhid_event reply{};
        reply.type = UHID_GET_REPORT_REPLY;
        reply.u.get_report_reply.id = event.u.get_report.id;
        reply.u.get_report_reply.err = EIO;
        send(reply);
        break;
    }
    case UHID_SET_REPORT: {
        uhid_event reply{};
        reply.type = UHID_SET_REPORT_REPLY;
        reply.u.set_report_reply.id = event.u.set_report.id;
        reply.u.set_report_reply.err = EIO;
        send(reply);
        break;
    }
    default:
        break;   // start, stop, open, close: nothing to do
    }
}

// Carries what the node sends (replies, status reports, motion) to the kernel
// until the node goes away or the link is destroyed.
void UhidLink::pump()
{
    uint8_t report[UHID_DATA_MAX];
    while (!m_stop) {
        const int n = m_mouse->readTimeout(m_handle, report, sizeof report, kPumpWaitMs);
        if (n < 0)
            return;
        if (n == 0)
            continue;
        uhid_event event{};
        event.type = UHID_INPUT2;
        event.u.input2.size = uint16_t(n);
        std::memcpy(event.u.input2.data, report, size_t(n));
        if (send(event))
            ++m_inputs;
    }
}
