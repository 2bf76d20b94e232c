#include "statuspollerthread.h"

#include "devicelog.h"
#include "mouselink.h"

#include <QDebug>
#include <QElapsedTimer>

#include <algorithm>
#include <chrono>

namespace {

constexpr int kSettleMs = 10;          // between the query and its answer
constexpr int kReadWindowMs = 50;
constexpr int kRestAfterQueryMs = 450;
constexpr int kRestAfterReadMs = 400;
constexpr int kRestAfterErrorMs = 450;
// The query goes out when the counter is 0; after a query it restarts at 2
// and wraps from 57 to 0, so one cycle in 56 asks.
constexpr int kCounterAfterQuery = 2;
constexpr int kCounterWrap = 57;

} // namespace

StatusPollerThread::StatusPollerThread(MouseLink &link, QObject *parent)
    : QThread(parent)
    , m_link(link)
{
}

StatusPollerThread::~StatusPollerThread()
{
    stop();
}

void StatusPollerThread::stop()
{
    {
        std::lock_guard<std::mutex> lock(m_restMutex);
        m_stop.store(true);
    }
    m_restWake.notify_all();
    wait();
}

bool StatusPollerThread::rest(int milliseconds)
{
    std::unique_lock<std::mutex> lock(m_restMutex);
    return !m_restWake.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return m_stop.load(); });
}

void StatusPollerThread::handleAnswer(const StatusAnswer &answer)
{
    // The upload reads this before it sends anything: the poller, which
    // hears the mouse, is the one to say that it is off.
    m_link.takeStatus(answer);
    // Kept first, so that whoever the signal reaches finds the reading in
    // the history already.
    if (m_sink)
        m_sink->take(answer, m_link.cableOpen());
    emit batteryRead(answer.charge, answer.lowByte, answer.hiByte);
    // An all-zero reading comes from the receiver, not from the mouse: its
    // write status and sensor mode say nothing about the mouse then.
    if (!answer.mouseOff()) {
        emit writeStatusRead(answer.writeStatus);
    }
}

StatusReply::Kind StatusPollerThread::handleReply(const StatusBytes &bytes)
{
    const StatusReply reply = parseStatusReply(bytes);
    if (reply.kind == StatusReply::Answer)
        handleAnswer(reply.answer);
    else if (reply.kind == StatusReply::Report)
        emit statusReported(reply.report.profile, reply.report.dpi, reply.report.rate, reply.report.mode);
    return reply.kind;
}

bool StatusPollerThread::listen(HidHandle handle, int milliseconds)
{
    // The node queues at most 64 input reports per handle, and a moving
    // mouse sends up to 1000 a second: a status report that waited out a
    // plain sleep would be pushed out of the queue by motion. So the rest
    // between cycles is spent reading, in slices short enough to notice a
    // stop.
    QElapsedTimer elapsed;
    elapsed.start();
    StatusBytes bytes{};
    for (;;) {
        if (m_stop.load())
            return false;
        const int remaining = milliseconds - int(elapsed.elapsed());
        if (remaining <= 0)
            return true;
        const int n = readStatusReply(handle, bytes, std::min(remaining, kReadWindowMs));
        if (n < 0) {
            // A broken handle answers at once; do not spin on it.
            return rest(milliseconds - int(elapsed.elapsed()));
        }
        if (n > 0)
            handleReply(bytes);
    }
}

void StatusPollerThread::run()
{
    qCDebug(lcDevice, "StatusPollerThread.");
    if (m_sinkFactory)
        m_sink = m_sinkFactory();
    struct SinkRelease {
        std::unique_ptr<StatusReadingSink> &sink;
        ~SinkRelease() { sink.reset(); }
    } release{m_sink};
    int counter = 0;
    StatusBytes bytes{};

    while (!m_stop.load()) {
        const HidHandle handle = m_link.commandHandle();
        if (!handle)
            return;   // no mouse: the owner starts a new poller at the next connection

        if (counter == 0) {
            if (writeStatusQuery(handle) < 0)
                qCDebug(lcDevice, "Unable to send a feature report.");
            if (!rest(kSettleMs))
                break;
            const int n = readStatusReply(handle, bytes, kReadWindowMs);
            if (n < 0) {
                // No answer at all: shown as a mouse that is off.
                emit batteryRead(0, 0, 0);
            } else {
                qCDebug(lcDevice, "Threadread bat - %x %x %x %x %x %x %x %x", bytes[0], bytes[1], bytes[2],
                        bytes[3], bytes[4], bytes[5], bytes[6], bytes[7]);
                // A status report that crossed the query is passed on too,
                // rather than lost.
                handleReply(bytes);
            }
            counter = kCounterAfterQuery;
            if (!listen(handle, kRestAfterQueryMs))
                break;
        } else {
            ++counter;
        }

        const int n = readStatusReply(handle, bytes, kReadWindowMs);
        if (n < 0) {
            qCDebug(lcDevice, "Unable to read a feature report 1.");
            if (!rest(kRestAfterErrorMs))
                break;
        } else {
            handleReply(bytes);
            if (!listen(handle, kRestAfterReadMs))
                break;
        }

        if (counter == kCounterWrap)
            counter = 0;
        ++m_cycles;
    }
    qCDebug(lcDevice, "StatusPollerThread Stop.");
}
