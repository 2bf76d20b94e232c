#include "statuspoller.h"

#include "statuspollerthread.h"

#include <QThread>

StatusPoller::StatusPoller(MouseLink &link, Connector connector)
    : m_link(link)
    , m_connector(std::move(connector))
    , m_home(QThread::currentThread())
{
}

StatusPoller::~StatusPoller()
{
    stopPoller();
}

void StatusPoller::startPoller()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    stopLocked();
    auto thread = std::make_unique<StatusPollerThread>(m_link);
    // Created on the caller's thread, which may be an upload worker about to
    // end; the object belongs with its owner.
    if (m_home && thread->thread() != m_home)
        thread->moveToThread(m_home);
    if (m_connector)
        m_connector(thread.get());
    thread->start();
    m_thread = std::move(thread);
}

void StatusPoller::stopPoller()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    stopLocked();
}

void StatusPoller::stopLocked()
{
    if (!m_thread)
        return;
    m_thread->stop();
    m_thread.reset();
}

bool StatusPoller::hasPoller() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_thread != nullptr;
}
