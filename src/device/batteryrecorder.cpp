#include "batteryrecorder.h"

#include "batteryclock.h"
#include "devicelog.h"

#include <QDebug>

BatteryRecorder::BatteryRecorder(int fullMillivolts, const QString &file)
    : m_history(file, BatteryHistory::Check::Full)
    , m_fullMillivolts(fullMillivolts)
{
    // Carry on from what an earlier run stored, so that a restart neither
    // repeats the last reading nor announces a charge twice.
    m_last = m_history.latest();
    // The poller's reading must not wait for a disk sync: the journal is
    // folded in with the daily thinning instead.
    m_history.setAutoCheckpoint(false);
    if (m_last && !m_last->off())
        m_lastCharging = m_last->charging;
}

BatteryReading BatteryRecorder::readingOf(const StatusAnswer &answer, bool cable, int fullMillivolts, qint64 at)
{
    BatteryReading reading;
    reading.at = at;
    reading.raw = answer.rawBattery();
    if (answer.mouseOff())
        return reading;
    reading.level = batteryLevel(answer.rawBattery(), fullMillivolts);
    reading.charging = answer.charge != 0 || cable;
    return reading;
}

void BatteryRecorder::take(const StatusAnswer &answer, bool cable)
{
    record(readingOf(answer, cable, m_fullMillivolts, BatteryClock::now()));
}

bool BatteryRecorder::record(const BatteryReading &reading)
{
    if (!m_history.isOpen())
        return false;
    const bool due = !m_last || reading.level != m_last->level || reading.charging != m_last->charging
                     || reading.at - m_last->at >= kIntervalSeconds || reading.at < m_last->at;
    if (!due)
        return false;
    if (!m_history.add(reading)) {
        qCDebug(lcDevice, "a battery reading could not be stored: %s", qPrintable(m_history.lastError()));
        return false;
    }
    if (!reading.off()) {
        if (m_lastCharging && *m_lastCharging != reading.charging)
            m_history.addChargeEvent(ChargeEvent{reading.at, reading.charging});
        else if (!m_lastCharging && reading.charging)
            m_history.addChargeEvent(ChargeEvent{reading.at, true});
        m_lastCharging = reading.charging;
    }
    m_last = reading;
    if (reading.at - m_lastThin >= kThinEverySeconds) {
        // The first pass of a run looks at everything; later ones only at
        // what has crossed the month line since the pass before.
        const qint64 since = m_lastThin == 0 ? 0 : m_lastThin - BatteryHistory::kFullDetailSeconds;
        m_lastThin = reading.at;
        if (!m_history.thin(reading.at, since))
            qCDebug(lcDevice, "the battery history could not be thinned: %s", qPrintable(m_history.lastError()));
        m_history.checkpoint();
    }
    return true;
}
