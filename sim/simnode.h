#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class SimNode;

// One open handle on a node: its own ring of input reports, as each open
// file of a hidraw node has.
struct SimHandle {
    std::shared_ptr<SimNode> node;
    std::deque<std::vector<uint8_t>> ring;
    bool closed = false;
};

// A hidraw-like node: one per plugged link. It carries every collection of
// its interface, so every input report (command replies, status reports,
// mouse motion) reaches every open handle on it. Reports are delivered when
// they are due, which models the mouse's reply latency and a moving mouse
// without a thread of its own: whoever looks at the node first brings it up
// to date. Not thread-safe; the virtual mouse holds its lock around it.
class SimNode {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr size_t kRingSize = 64;   // hidraw's ring per open file

    explicit SimNode(std::string path);

    const std::string &path() const { return m_path; }
    bool isAlive() const { return m_alive; }
    // The node goes away: reports in flight are lost, handles stay until
    // closed but every call on them fails.
    void kill();

    void attach(SimHandle *handle);
    void detach(SimHandle *handle);

    // An input report leaves the device now and arrives at `due`.
    void send(std::vector<uint8_t> report, Clock::time_point due);
    // Mouse motion reports (another report ID) at this rate; 0 stops them.
    void setMotionRate(int reportsPerSecond, Clock::time_point now);
    // Delivers everything due by `now`, in time order, into the open rings.
    void catchUp(Clock::time_point now);
    // When the next report becomes due, if any is on its way.
    std::optional<Clock::time_point> nextDue() const;
    // Motion reports made so far, including those skipped by catchUp
    // because a full ring would have overwritten them.
    int64_t motionReports() const { return m_motionReports; }

    // A mouse input report (report ID 1: buttons, x, y, wheel).
    static std::vector<uint8_t> motionReport(int dx, int dy);

private:
    void deliver(const std::vector<uint8_t> &report);

    std::string m_path;
    bool m_alive = true;
    std::vector<SimHandle *> m_handles;
    std::multimap<Clock::time_point, std::vector<uint8_t>> m_inFlight;   // equal times keep their order
    Clock::duration m_motionInterval{};
    Clock::time_point m_nextMotion;
    int m_motionStep = 0;
    int64_t m_motionReports = 0;
};
