#pragma once

#include "pollercontrol.h"

#include <functional>
#include <memory>
#include <mutex>

class MouseLink;
class QThread;
class StatusPollerThread;

// One owned status poller at a time, startable and stoppable from any thread
// (the upload calls in from its worker). Each start makes a new poller
// thread object, hands it to `connector` (which connects its signals,
// queued, to its owner) and starts it; the object lives in the thread that
// constructed this StatusPoller, whichever thread starts it.
class StatusPoller : public PollerControl {
public:
    using Connector = std::function<void(StatusPollerThread *)>;

    // The pollers poll through `link`, which must outlive this object.
    explicit StatusPoller(MouseLink &link, Connector connector = {});
    ~StatusPoller() override;

    StatusPoller(const StatusPoller &) = delete;
    StatusPoller &operator=(const StatusPoller &) = delete;

    // Stops a running poller first.
    void startPoller() override;
    // Sets the stop flag, waits for the thread to finish and disposes of it.
    void stopPoller() override;

    // True while a started poller has not been stopped (it may have ended
    // by itself for want of a handle).
    bool hasPoller() const;

private:
    void stopLocked();

    MouseLink &m_link;
    Connector m_connector;
    QThread *m_home = nullptr;
    mutable std::mutex m_mutex;
    std::unique_ptr<StatusPollerThread> m_thread;
};
