#include "macrorecorder.h"

#include "config/keytables.h"
#include "widgets/uilog.h"
#include "config/macrofile.h"

#include <QDebug>

#include <algorithm>

KeyInfo macroDelayRow(int64_t count)
{
    const auto units = static_cast<int>(std::clamp<int64_t>(count, 0, MacroRecorder::kMaxDelayCount));
    KeyInfo row;
    row.map = MacroEvent::Delay;
    row.DataH = uint8_t(units >> 8);
    row.DataL = uint8_t(units & 0xff);
    return row;
}

void MacroRecorder::start(int delayMode, int defaultDelayMs, int unitMs)
{
    m_mode = (delayMode == RecordedDelays || delayMode == DefaultDelay) ? delayMode : NoDelays;
    m_defaultDelayMs = std::max(0, defaultDelayMs);
    m_unitMs = unitMs > 0 ? unitMs : 10;
    m_seenEvent = false;
    m_lastMs = 0;
    m_held.clear();
    m_refused.clear();
}

int MacroRecorder::rowLimit() const
{
    return m_mode == NoDelays ? kRowsWithoutDelays : kRowsWithDelays;
}

KeyInfo MacroRecorder::delayRow(int64_t ms) const
{
    if (m_mode == DefaultDelay)
        return macroDelayRow(m_defaultDelayMs / m_unitMs);
    // A clock that went backwards counts as no time at all.
    const int64_t elapsed = std::max<int64_t>(0, ms - m_lastMs);
    return macroDelayRow(std::max<int64_t>(1, elapsed / m_unitMs));
}

MacroRecorder::Result MacroRecorder::feed(int keyCode, int flags, int64_t ms, std::vector<KeyInfo> &rows)
{
    const bool release = (flags & kReleaseFlag) != 0;
    const auto heldAt = std::find(m_held.begin(), m_held.end(), keyCode);
    qCDebug(lcUi, "OnHookKey ret %d %d %d", keyCode, flags,
           heldAt == m_held.end() ? -1 : int(heldAt - m_held.begin()));
    if (!release && heldAt != m_held.end())
        return Repeat;
    int usage = 0;
    if (!keyCodeToUsage(keyCode, usage))
        return NoUsage;

    // A key whose press did not fit has its release dropped too.
    const auto refusedAt = std::find(m_refused.begin(), m_refused.end(), keyCode);
    if (refusedAt != m_refused.end()) {
        if (release)
            m_refused.erase(refusedAt);
        return Full;
    }

    const int rowsNow = static_cast<int>(rows.size());
    const int cost = m_seenEvent ? rowsPerEvent() : 1;
    // Every event must leave room for the releases of the keys held after
    // it.
    const int heldAfter = static_cast<int>(m_held.size()) + (release ? (heldAt != m_held.end() ? -1 : 0) : 1);
    if (rowsNow + cost + heldAfter * rowsPerEvent() > rowLimit()) {
        if (!release)
            m_refused.push_back(keyCode);
        return Full;
    }

    if (m_seenEvent && m_mode != NoDelays)
        rows.push_back(delayRow(ms));
    KeyInfo row;
    row.map = release ? MacroEvent::KeyUp : MacroEvent::KeyDown;
    row.DataL = uint8_t(usage);
    rows.push_back(row);
    if (release) {
        if (heldAt != m_held.end())
            m_held.erase(heldAt);
    } else {
        m_held.push_back(keyCode);
    }
    m_seenEvent = true;
    m_lastMs = ms;
    return Added;
}
