#pragma once

#include "batteryreading.h"

#include <QString>
#include <QVariantList>

#include <optional>

class QSqlQuery;

// The battery history: every reading the program takes and every start and
// end of a charge, in an SQLite database (Paths::batteryHistoryFile()).
//
// One object is one connection and belongs to the thread that made it (a
// Qt SQL connection must not cross threads); the window, its status poller
// and the command line each open their own. SQLite's write-ahead journal
// keeps the file whole if the program dies mid-write, and lets a reader and a
// writer of another connection or process go on side by side; a writer that
// finds the file locked waits up to a few seconds.
//
// A file that SQLite finds damaged (not a database, a failed check) is moved
// aside as "<file>.damaged-<time>" and a new one started; the log says so
// once per process.
class BatteryHistory {
public:
    // Readings are kept a year; those older than a month are thinned to the
    // first of each hour.
    static constexpr qint64 kKeepSeconds = 365 * 86400;
    static constexpr qint64 kFullDetailSeconds = 30 * 86400;
    static constexpr qint64 kThinBucketSeconds = 3600;

    enum class Check { Quick, Full };

    // Opens (and creates) the database in `file`; empty takes the default
    // place. Check::Full also runs SQLite's quick_check over the whole file,
    // which the long-lived writer does once; readers rely on the errors of
    // their statements.
    explicit BatteryHistory(const QString &file = QString(), Check check = Check::Quick);
    ~BatteryHistory();

    BatteryHistory(const BatteryHistory &) = delete;
    BatteryHistory &operator=(const BatteryHistory &) = delete;

    bool isOpen() const { return m_open; }
    QString file() const { return m_file; }
    // The last failure, for the log or the command line.
    QString lastError() const { return m_error; }
    // Set when the file was found damaged and replaced by this object.
    QString movedAside() const { return m_movedAside; }

    // A reading at the same second as a stored one replaces it.
    bool add(const BatteryReading &reading);
    bool addChargeEvent(const ChargeEvent &event);
    // Many readings in one transaction (an import, a year of test data).
    bool addAll(const BatteryReadings &readings);

    // Readings with from <= at < to, oldest first.
    BatteryReadings readings(qint64 from, qint64 to) const;
    QVector<ChargeEvent> chargeEvents(qint64 from, qint64 to) const;
    std::optional<BatteryReading> latest() const;
    // The newest reading taken while charging, if any.
    std::optional<BatteryReading> latestCharging() const;
    int readingCount() const;

    // Forgets what is older than a year and thins what is older than a month,
    // as seen from `now`. One transaction. With `since`, only what is newer
    // than that (rounded down to the hour) is thinned: what an earlier pass
    // left needs no second look, and a pass stays short however long the
    // history.
    bool thin(qint64 now, qint64 since = 0);

    // SQLite folds its journal into the file (a checkpoint, with a sync of
    // the disk) every thousand pages, in whichever write happens to cross
    // that line. A writer that must stay quick turns that off and calls
    // checkpoint() at a time of its choosing; the last connection to close
    // folds in the rest.
    void setAutoCheckpoint(bool on);
    bool checkpoint();

private:
    bool open(Check check);
    bool prepare(Check check);
    // A prepared, executed statement with `values` bound in order; one that
    // failed (or a closed history) reads as no rows.
    QSqlQuery select(const QString &statement, const QVariantList &values = {}) const;
    bool exec(QSqlQuery &query);
    bool exec(const QString &statement);
    void moveAside();

    QString m_file;
    QString m_connection;
    bool m_open = false;
    QString m_error;
    QString m_movedAside;
    bool m_damaged = false;
};
