#pragma once

#include "statusquery.h"
#include "statusreadingsink.h"

class MouseLink;

#include <QThread>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

// The status poller: while a mouse is open it listens on the command channel
// for the status reports the mouse sends when its own buttons change the
// profile, DPI stage or report rate, and about every 25 seconds asks for the
// battery and connection state. It reaches its owner only through the three
// signals (connect them queued: they are emitted on this thread).
//
// Cycle: read for 50 ms, then 400 ms more (450 ms after the query), during
// which it keeps reading, so that a status report is not lost in the
// node's queue behind mouse motion; after a read error it sleeps 450 ms.
// The first cycle and then every 56th one start with the status query. The
// thread ends by itself when no command handle is open.
class StatusPollerThread : public QThread {
    Q_OBJECT
public:
    // Polls through `link`, which must outlive the thread, and records
    // each status answer in it.
    explicit StatusPollerThread(MouseLink &link, QObject *parent = nullptr);
    // Stops and waits: a poller never outlives its object.
    ~StatusPollerThread() override;

    // Asks the loop to end and waits until the thread has finished. The rests
    // between reads are cut short, so this takes at most one read window;
    // once it returns, the poller touches no handle again.
    void stop();
    bool stopRequested() const { return m_stop.load(); }
    // Cycles run to their end so far (each a read and its listening rest).
    int completedCycles() const { return m_cycles.load(); }

    // Makes the sink that sees every status answer before the signal goes
    // out. Called on this thread when it starts, and the sink is destroyed
    // on it when it ends, so that what the sink holds (a database
    // connection) never crosses threads. Set before start().
    using SinkFactory = std::function<std::unique_ptr<StatusReadingSink>()>;
    void setReadingSink(SinkFactory factory) { m_sinkFactory = std::move(factory); }

signals:
    void batteryRead(quint8 charge, quint8 lowByte, quint8 highByte);
    void statusReported(quint8 profileIndex, quint8 stage, quint8 rateCode, quint8 mode);
    void writeStatusRead(quint8 writeStatus);

protected:
    void run() override;

private:
    // Emits what a reply says; returns its kind.
    StatusReply::Kind handleReply(const StatusBytes &bytes);
    void handleAnswer(const StatusAnswer &answer);
    // Sleeps unless a stop arrives first; false when stopping.
    bool rest(int milliseconds);
    // Spends the time reading and passing on what arrives; false when
    // stopping.
    bool listen(HidHandle handle, int milliseconds);

    MouseLink &m_link;
    SinkFactory m_sinkFactory;
    std::unique_ptr<StatusReadingSink> m_sink;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_cycles{0};
    std::mutex m_restMutex;
    std::condition_variable m_restWake;
};
