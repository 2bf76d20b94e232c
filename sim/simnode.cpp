#include "simnode.h"

#include <algorithm>

SimNode::SimNode(std::string path)
    : m_path(std::move(path))
{
}

void SimNode::kill()
{
    m_alive = false;
    m_inFlight.clear();
    m_motionInterval = {};
}

void SimNode::attach(SimHandle *handle)
{
    m_handles.push_back(handle);
}

void SimNode::detach(SimHandle *handle)
{
    m_handles.erase(std::remove(m_handles.begin(), m_handles.end(), handle), m_handles.end());
}

void SimNode::send(std::vector<uint8_t> report, Clock::time_point due)
{
    if (m_alive)
        m_inFlight.emplace(due, std::move(report));
}

void SimNode::setMotionRate(int reportsPerSecond, Clock::time_point now)
{
    if (reportsPerSecond <= 0) {
        m_motionInterval = {};
        return;
    }
    m_motionInterval = std::chrono::duration_cast<Clock::duration>(std::chrono::seconds(1)) / reportsPerSecond;
    m_nextMotion = now + m_motionInterval;
}

std::vector<uint8_t> SimNode::motionReport(int dx, int dy)
{
    return {0x01, 0x00, uint8_t(dx & 0xFF), uint8_t((dx >> 8) & 0xFF), uint8_t(dy & 0xFF), uint8_t((dy >> 8) & 0xFF),
            0x00};
}

void SimNode::catchUp(Clock::time_point now)
{
    if (!m_alive)
        return;
    const bool moving = m_motionInterval != Clock::duration::zero();
    // Motion older than a full ring is overwritten anyway: skip it rather
    // than generating thousands of reports after a long quiet spell.
    if (moving && m_nextMotion + m_motionInterval * kRingSize < now) {
        const Clock::time_point resume = now - m_motionInterval * kRingSize;
        m_motionReports += (resume - m_nextMotion) / m_motionInterval;
        m_nextMotion = resume;
    }
    for (;;) {
        const bool replyDue = !m_inFlight.empty() && m_inFlight.begin()->first <= now;
        const bool motionDue = moving && m_nextMotion <= now;
        if (!replyDue && !motionDue)
            return;
        if (replyDue && (!motionDue || m_inFlight.begin()->first <= m_nextMotion)) {
            deliver(m_inFlight.begin()->second);
            m_inFlight.erase(m_inFlight.begin());
        } else {
            // A small circle of moves, so the reports are not all alike.
            static const int dx[4] = {3, 0, -3, 0};
            static const int dy[4] = {0, 3, 0, -3};
            deliver(motionReport(dx[m_motionStep], dy[m_motionStep]));
            ++m_motionReports;
            m_motionStep = (m_motionStep + 1) % 4;
            m_nextMotion += m_motionInterval;
        }
    }
}

std::optional<SimNode::Clock::time_point> SimNode::nextDue() const
{
    std::optional<Clock::time_point> due;
    if (!m_inFlight.empty())
        due = m_inFlight.begin()->first;
    if (m_motionInterval != Clock::duration::zero() && (!due || m_nextMotion < *due))
        due = m_nextMotion;
    return due;
}

void SimNode::deliver(const std::vector<uint8_t> &report)
{
    for (SimHandle *handle : m_handles) {
        if (handle->ring.size() >= kRingSize)
            handle->ring.pop_front();   // hidraw drops the oldest report when a ring is full
        handle->ring.push_back(report);
    }
}
