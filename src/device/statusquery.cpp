#include "statusquery.h"

#include "commandset.h"
#include "devicelog.h"
#include "fullupload.h"

#include "config/appconfig.h"

#include <QElapsedTimer>
#include <QThread>

#include <cstring>

namespace {
// The mouse needs a moment before its answer can be read.
constexpr int kAnswerSettleMs = 10;

constexpr int kPlausibleFullMin = 3000;
constexpr int kPlausibleFullMax = 5000;
} // namespace

StatusReply parseStatusReply(const StatusBytes &bytes)
{
    StatusReply reply;
    switch (bytes[3]) {
    case Command::StatusQuery:
        reply.kind = StatusReply::Answer;
        reply.answer.lowByte = bytes[4];
        reply.answer.hiByte = bytes[5];
        reply.answer.charge = bytes[6];
        reply.answer.writeStatus = bytes[7];
        reply.answer.sensorMode = bytes[10];
        break;
    case Command::StatusReport:
        reply.kind = StatusReply::Report;
        reply.report.profile = bytes[4];
        reply.report.dpi = bytes[5];
        reply.report.rate = bytes[6];
        reply.report.mode = bytes[7];
        break;
    default:
        break;
    }
    return reply;
}

int writeStatusQuery(HidHandle handle)
{
    const ReportBuffer query = statusQueryReport();
    return hidBackend().write(handle, query.report(), kReportLength);
}

int readStatusReply(HidHandle handle, StatusBytes &bytes, int timeoutMs)
{
    bytes.fill(0);
    QElapsedTimer window;
    window.start();
    uint8_t scratch[kReportBufferSize];
    for (;;) {
        const int remaining = timeoutMs - int(window.elapsed());
        if (remaining <= 0)
            return 0;
        std::memset(scratch, 0, sizeof scratch);
        const int n = hidBackend().readTimeout(handle, scratch, kReportLength, remaining);
        if (n <= 0)
            return n;
        if (scratch[0] != kReportId)
            continue;   // mouse motion from the same node
        std::memcpy(bytes.data(), scratch, bytes.size());
        return n;
    }
}

StatusSnapshot queryStatusOnce(HidHandle handle, int timeoutMs)
{
    StatusSnapshot snapshot;
    snapshot.writeResult = writeStatusQuery(handle);
    if (snapshot.writeResult < 0)
        return snapshot;
    QElapsedTimer window;
    window.start();
    QThread::msleep(kAnswerSettleMs);
    StatusBytes bytes{};
    for (;;) {
        const int remaining = timeoutMs - int(window.elapsed());
        if (remaining <= 0)
            break;
        snapshot.readResult = readStatusReply(handle, bytes, remaining);
        if (snapshot.readResult <= 0)
            break;
        const StatusReply reply = parseStatusReply(bytes);
        if (reply.kind == StatusReply::Report) {
            snapshot.reported = true;
            snapshot.report = reply.report;
        } else if (reply.kind == StatusReply::Answer) {
            snapshot.answered = true;
            snapshot.answer = reply.answer;
            break;
        }
    }
    return snapshot;
}

bool noteWriteStatus(uint8_t writeStatus)
{
    if (writeStatus != 0)
        return true;
    return FullUpload::require(FullUpload::Reason::MouseMemoryLost);
}

int batteryFullMillivolts()
{
    const int full = AppConfig::batteryFull();
    if (full >= kPlausibleFullMin && full <= kPlausibleFullMax)
        return full;
    qCDebug(lcDevice) << "Config/BatteryFull" << full << "is not a battery voltage; using" << AppConfig::kDefaultBatteryFullMillivolts;
    return AppConfig::kDefaultBatteryFullMillivolts;
}

double batteryMillivolts(int rawValue)
{
    return rawValue * 990.0 / 240.0;
}

int batteryLevel(int rawValue, int fullMillivolts)
{
    // v >= t  <=>  raw * 990 >= t * 240, kept in integers so that a reading
    // right on a threshold is not lost to rounding.
    const long long scaled = static_cast<long long>(rawValue) * 990;
    const auto atLeast = [scaled](int millivolts) { return scaled >= static_cast<long long>(millivolts) * 240; };
    if (atLeast(fullMillivolts))
        return 100;
    static const struct {
        int millivolts;
        int level;
    } kSteps[] = {{4100, 90}, {4000, 80}, {3900, 70}, {3800, 60}, {3700, 50}, {3500, 40}, {3400, 30}, {3200, 20}};
    for (const auto &step : kSteps) {
        if (atLeast(step.millivolts))
            return step.level;
    }
    return 10;
}
