#pragma once

#include "batteryhistory.h"
#include "statusreadingsink.h"

#include <optional>

// Keeps the battery readings the program takes: a reading is stored when the
// level, the charging state or the mouse's sleep changed since the last one
// stored, else at most every kIntervalSeconds; a charge starting or ending is
// stored as such. Once a day (and at its first reading) it thins the history
// (BatteryHistory::thin) and folds SQLite's journal into the file, which it
// leaves undone otherwise, so that an ordinary reading never waits for a disk
// sync.
//
// Lives on the thread that uses it (the status poller's, or the command
// line's): it holds a database connection.
class BatteryRecorder : public StatusReadingSink {
public:
    static constexpr qint64 kIntervalSeconds = 5 * 60;
    static constexpr qint64 kThinEverySeconds = 24 * 3600;

    // `fullMillivolts`: the full-battery voltage the battery bar uses.
    explicit BatteryRecorder(int fullMillivolts, const QString &file = QString());

    // From the status poller: an all-zero answer is a sleeping mouse; on the
    // cable the mouse charges whatever its flag says.
    void take(const StatusAnswer &answer, bool cable) override;

    // The reading of an answer at `at`, as the battery bar would show it.
    static BatteryReading readingOf(const StatusAnswer &answer, bool cable, int fullMillivolts, qint64 at);

    // Stores `reading` if the rule above asks for it; true when stored.
    bool record(const BatteryReading &reading);

    const BatteryHistory &history() const { return m_history; }

private:
    BatteryHistory m_history;
    int m_fullMillivolts;
    std::optional<BatteryReading> m_last;
    // The charging state of the last awake reading: an off reading knows none.
    std::optional<bool> m_lastCharging;
    qint64 m_lastThin = 0;
};
