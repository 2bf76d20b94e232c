#include "transport.h"

#include "devicelog.h"
#include "mouselink.h"
#include "report.h"
#include "transferretries.h"
#include "transporttrace.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QThread>

#include <algorithm>
#include <cstring>

namespace {

constexpr int kReadTimeoutMs = 150;
constexpr int kSleepAfterWriteMs = 10;
constexpr int kRetrySleepMs = 50;
// A hidraw handle queues at most 64 input reports; more than that cannot be
// stale, only a mouse in motion sending faster than we drain.
constexpr int kMaxDrainedReports = 128;

using Buffer = uint8_t[kReportBufferSize];

// Only the block writes, the apply group and the upload mark are echoed.
bool isVerified(uint8_t command)
{
    return command <= 10 || command == 0x40 || command == 0x46;
}

void traceReport(TransferEvent event, const uint8_t *report)
{
    if (TransportTrace::enabled())
        TransportTrace::note(event, 0, reportHex(report));
}

// The node delivers the input reports of every collection it carries, so a
// reply from before this exchange (or one meant for the status poller) may
// still be queued. Discard it, so that it cannot be taken for the echo of the
// report about to be written.
void discardQueuedReports(HidHandle handle)
{
    uint8_t scratch[kReportBufferSize];
    for (int i = 0; i < kMaxDrainedReports; ++i) {
        if (hidBackend().readTimeout(handle, scratch, sizeof scratch, 0) <= 0)
            return;
    }
}

// One read of the echo into `readBuffer` from byte 1, within one 150 ms window.
// Mouse input reports (another non-zero report ID) from the same node are
// skipped without ending the window. A report with ID 0 is no input report of
// a node with several collections (their IDs are never 0): it is garbage from
// the command channel and is handed on to be judged as a reply.
// Returns what the HID read returned: bytes read, 0 on timeout, -1 on error.
int readEcho(HidHandle handle, uint8_t *readBuffer, int length)
{
    QElapsedTimer window;
    window.start();
    uint8_t scratch[kReportBufferSize];
    for (;;) {
        const int remaining = kReadTimeoutMs - static_cast<int>(window.elapsed());
        if (remaining <= 0)
            return 0;
        std::memset(scratch, 0, sizeof scratch);
        const int n = hidBackend().readTimeout(handle, scratch, static_cast<size_t>(length), remaining);
        if (n <= 0)
            return n;
        if (scratch[0] != kReportId && scratch[0] != 0)
            continue;
        std::memcpy(readBuffer + 1, scratch, static_cast<size_t>(std::min(n, kReportBufferSize - 1)));
        return n;
    }
}

bool headerAllZero(const uint8_t *echo)
{
    for (int pos = 0; pos < 8; ++pos) {
        if (echo[pos] != 0)
            return false;
    }
    return true;
}

// Compares the echo with what was written. The checksum (1) and chunk tag
// (7) are not compared.
EchoVerdict compareEcho(const uint8_t *written, const uint8_t *echo)
{
    static const int headerPositions[] = {0, 2, 3, 4, 5, 6};
    for (int pos : headerPositions) {
        if (echo[pos] != written[pos])
            return EchoVerdict::HeaderDiffers;
    }
    const uint8_t command = written[3];
    if (command <= 10) {
        // The length byte comes from the caller; never compare past the report.
        const int n = std::min<int>(written[6], kMaxPayload);
        if (std::memcmp(echo + kPayloadOffset, written + kPayloadOffset, static_cast<size_t>(n)) != 0)
            return EchoVerdict::PayloadDiffers;
    }
    return EchoVerdict::Match;
}

// Reads one echo and judges it. A read that times out judges what the
// buffer holds: nothing (all zero) before the first reply, else the last
// reply again.
EchoVerdict readVerdict(HidHandle handle, uint8_t *readBuffer, int length, const uint8_t *written)
{
    if (readEcho(handle, readBuffer, length) < 0) {
        TransportTrace::note(TransferEvent::ReadFailed);
        return EchoVerdict::ReadFailed;
    }
    const uint8_t *echo = readBuffer + 1;
    traceReport(TransferEvent::Echo, echo);
    if (headerAllZero(echo)) {
        TransportTrace::note(TransferEvent::ZeroReply);
        return EchoVerdict::AllZero;
    }
    const EchoVerdict verdict = compareEcho(written, echo);
    if (verdict == EchoVerdict::HeaderDiffers)
        TransportTrace::note(TransferEvent::HeaderMismatch);
    else if (verdict == EchoVerdict::PayloadDiffers)
        TransportTrace::note(TransferEvent::PayloadMismatch);
    return verdict;
}

} // namespace

int TransferReport(HidHandle handle, const uint8_t *buffer, int length)
{
    TransportTrace::note(TransferEvent::Start);
    if (!handle) {
        TransportTrace::note(TransferEvent::NoDevice);
        return kTransferNoDevice;
    }
    // The copy below takes length + 1 bytes into a 64-byte buffer; a call
    // outside that is refused before anything reaches the device.
    if (!buffer || length <= 0 || length >= kReportBufferSize)
        return kTransferWriteFailed;

    Buffer writeBuffer = {};
    Buffer readBuffer = {};
    std::memcpy(writeBuffer, buffer, static_cast<size_t>(length + 1));
    uint8_t *written = writeBuffer + 1;
    written[1] = reportChecksum(written);

    TransferRetries retries;
    bool write = true;
    for (;;) {
        if (write) {
            discardQueuedReports(handle);
            if (hidBackend().write(handle, written, static_cast<size_t>(length)) < 0) {
                qCDebug(lcDevice, "Unable to send a feature report.");
                TransportTrace::note(TransferEvent::WriteFailed);
                return kTransferWriteFailed;
            }
            traceReport(TransferEvent::Write, written);
            QThread::msleep(kSleepAfterWriteMs);
            if (!isVerified(written[3]))
                break;
        }

        const TransferRetries::Decision decision = retries.next(readVerdict(handle, readBuffer, length, written));
        switch (decision.action) {
        case TransferRetries::Action::Done:
            TransportTrace::note(TransferEvent::Sent);
            return kTransferOk;
        case TransferRetries::Action::Reread:
            TransportTrace::note(TransferEvent::Reread, decision.count);
            QThread::msleep(kRetrySleepMs);
            write = false;
            break;
        case TransferRetries::Action::Rewrite:
            TransportTrace::note(TransferEvent::Rewrite, decision.count);
            write = true;
            break;
        case TransferRetries::Action::GiveUp:
            TransportTrace::note(TransferEvent::ReadBackFailed);
            return kTransferReadBackFailed;
        }
    }
    TransportTrace::note(TransferEvent::Sent);
    return kTransferOk;
}

int sendReports(const MouseLink &link, const ReportList &reports)
{
    for (const ReportBuffer &report : reports) {
        const int result = TransferReport(link.commandHandle(), report.bytes.data(), kReportLength);
        if (result != kTransferOk)
            return result;
    }
    return kTransferOk;
}
