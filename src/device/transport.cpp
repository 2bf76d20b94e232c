#include "transport.h"

#include "devicelog.h"
#include "report.h"
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
// Retry bounds of one call.
constexpr int kMaxReadFailures = 29;     // rereads after a failing read
constexpr int kMaxRewrites = 2;          // rewrites after failures and mismatches
constexpr int kMaxZeroReplies = 5;       // extra writes after all-zero replies
constexpr int kMaxHeaderRereads = 19;    // rereads after a mismatched header
// A hidraw handle queues at most 64 input reports; more than that cannot be
// stale, only a mouse in motion sending faster than we drain.
constexpr int kMaxDrainedReports = 128;

using Buffer = uint8_t[kReportBufferSize];

// Only the block writes, the apply group and the upload mark are echoed.
bool isVerified(uint8_t command)
{
    return command <= 10 || command == 0x40 || command == 0x46;
}

void traceReport(const char *label, int length, const uint8_t *report)
{
    if (TransportTrace::enabled())
        TransportTrace::line("%s length=%d data=%s", label, length, reportHex(report).c_str());
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

// Compares the echo with what was written. 0 equal, 1 header differs, 2
// payload differs. The checksum (1) and chunk tag (7) are not compared.
int compareEcho(const uint8_t *written, const uint8_t *echo)
{
    static const int headerPositions[] = {0, 2, 3, 4, 5, 6};
    for (int pos : headerPositions) {
        if (echo[pos] != written[pos])
            return 1;
    }
    const uint8_t command = written[3];
    if (command <= 10) {
        // The length byte comes from the caller; never compare past the report.
        const int n = std::min<int>(written[6], kMaxPayload);
        if (std::memcmp(echo + kPayloadOffset, written + kPayloadOffset, static_cast<size_t>(n)) != 0)
            return 2;
    }
    return 0;
}

bool headerAllZero(const uint8_t *echo)
{
    for (int pos = 0; pos < 8; ++pos) {
        if (echo[pos] != 0)
            return false;
    }
    return true;
}

} // namespace

int TransferReport(const uint8_t *buffer, int length)
{
    TransportTrace::line("开始发送--------------------------------------");
    HidHandle handle = CurrentCommandHandle();
    if (!handle) {
        TransportTrace::line("没找到设备，失败返回--------------------------------------");
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
    const uint8_t *echo = readBuffer + 1;
    written[1] = reportChecksum(written);

    int readFailures = 0;
    int headerMismatches = 0;
    int zeroReplies = 0;
    int rewrites = 0;
    int verdict = 0;
    bool compared = false;

    enum Step { Write, Read } step = Write;
    for (;;) {
        if (step == Write) {
            discardQueuedReports(handle);
            const int result = hidBackend().write(handle, written, static_cast<size_t>(length));
            traceReport("hid_write", result, written);
            if (result < 0) {
                qCDebug(lcDevice, "Unable to send a feature report.\n");
                TransportTrace::line("hid_write发送失败--------------------------------------");
                return kTransferWriteFailed;
            }
            QThread::msleep(kSleepAfterWriteMs);
            if (!isVerified(written[3]))
                break;
        }

        TransportTrace::line("hid_read开始");
        const int result = readEcho(handle, readBuffer, length);
        if (result < 0) {
            TransportTrace::line("hid_read开始读失败 %d", readFailures);
            if (++readFailures <= kMaxReadFailures) {
                QThread::msleep(kRetrySleepMs);
                TransportTrace::line("重新读");
                step = Read;
                continue;
            }
            TransportTrace::line("写失败 %d", rewrites);
            if (++rewrites <= kMaxRewrites) {
                TransportTrace::line("重新写");
                step = Write;
                continue;
            }
            TransportTrace::line("多次读失败，返回--------------------------------------");
            return kTransferReadBackFailed;
        }

        traceReport("hid_read", result, echo);
        if (headerAllZero(echo)) {
            if (++zeroReplies <= kMaxZeroReplies) {
                TransportTrace::line("对比位全为0，跳转到重新写");
                step = Write;
                continue;
            }
            TransportTrace::line("对比位全为0多次，返回--------------------------------------");
            // A mouse that never answered with anything to compare has not
            // confirmed the report: that is a failed read-back, not a success.
            if (!compared)
                return kTransferReadBackFailed;
        } else {
            verdict = compareEcho(written, echo);
            compared = true;
        }

        if (verdict == 2) {
            if (++rewrites <= kMaxRewrites) {
                TransportTrace::line("数据位对比失败，重新写 %d", rewrites);
                zeroReplies = 0;
                step = Write;
                continue;
            }
            TransportTrace::line("数据位多次对比失败，返回--------------------------------------");
            return kTransferReadBackFailed;
        }
        if (verdict == 1) {
            if (++headerMismatches <= kMaxHeaderRereads) {
                QThread::msleep(kRetrySleepMs);
                TransportTrace::line("指令位对比失败，重新读 %d", rewrites);
                zeroReplies = 0;
                step = Read;
                continue;
            }
            if (++rewrites <= kMaxRewrites) {
                TransportTrace::line("指令位对比失败，重新写 %d", rewrites);
                zeroReplies = 0;
                step = Write;
                continue;
            }
            TransportTrace::line("指令位多次对比失败，返回--------------------------------------");
            return kTransferReadBackFailed;
        }
        break;
    }
    TransportTrace::line("发送成功--------------------------------------");
    return kTransferOk;
}
