#include "batteryhistory.h"

#include "devicelog.h"

#include "config/paths.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <atomic>
#include <mutex>

namespace {

// SQLite's primary result codes for a file that is not (or no longer) a
// sound database.
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteNotADatabase = 26;

bool damagedError(const QSqlError &error)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok) & 0xff;
    return ok && (code == kSqliteCorrupt || code == kSqliteNotADatabase);
}

QString uniqueConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("mousecfg-battery-%1").arg(++counter);
}

// The log hears of a damaged file once per process, however many
// connections find it.
void logMovedAsideOnce(const QString &file, const QString &aside)
{
    static std::mutex mutex;
    static QSet<QString> told;
    std::lock_guard<std::mutex> lock(mutex);
    if (told.contains(file))
        return;
    told.insert(file);
    qCWarning(lcDevice, "the battery history %s was damaged; kept as %s, a new one was started",
              qPrintable(file), qPrintable(aside));
}

const char *const kSchema[] = {
    // `at` is the row id: one reading per second, kept in time order.
    "CREATE TABLE IF NOT EXISTS readings (at INTEGER PRIMARY KEY, level INTEGER NOT NULL,"
    " charging INTEGER NOT NULL, raw INTEGER NOT NULL)",
    "CREATE TABLE IF NOT EXISTS charge_events (at INTEGER PRIMARY KEY, started INTEGER NOT NULL)",
};

BatteryReading readingFrom(const QSqlQuery &query)
{
    BatteryReading reading;
    reading.at = query.value(0).toLongLong();
    reading.level = query.value(1).toInt();
    reading.charging = query.value(2).toInt() != 0;
    reading.raw = query.value(3).toInt();
    return reading;
}

} // namespace

BatteryHistory::BatteryHistory(const QString &file, Check check)
    : m_file(file.isEmpty() ? Paths::batteryHistoryFile() : file)
    , m_connection(uniqueConnectionName())
{
    m_open = open(check);
    if (!m_open)
        qCDebug(lcDevice, "the battery history %s cannot be opened: %s", qPrintable(m_file), qPrintable(m_error));
}

BatteryHistory::~BatteryHistory()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        if (db.isValid())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

bool BatteryHistory::open(Check check)
{
    if (!QDir().mkpath(QFileInfo(m_file).absolutePath())) {
        m_error = QStringLiteral("cannot create the folder of %1").arg(m_file);
        return false;
    }
    for (int attempt = 0; attempt < 2; ++attempt) {
        bool damaged = false;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
            db.setDatabaseName(m_file);
            // Another connection writing (the command line while the window
            // runs) holds the lock for a moment only.
            db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
            if (!db.isValid()) {
                m_error = QStringLiteral("the Qt SQLite driver is not installed");
                return false;
            }
            if (prepare(check))
                return true;
            damaged = m_damaged;
            db.close();
        }
        QSqlDatabase::removeDatabase(m_connection);
        if (!damaged)
            return false;
        moveAside();
    }
    return false;
}

bool BatteryHistory::prepare(Check check)
{
    m_damaged = false;
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (!db.open()) {
        m_error = db.lastError().text();
        m_damaged = damagedError(db.lastError());
        return false;
    }
    // Write-ahead journal: a crash loses at most the last writes, never the
    // file, and readers do not wait for the writer. NORMAL syncs at
    // checkpoints only, which keeps a reading well under a millisecond.
    if (!exec(QStringLiteral("PRAGMA journal_mode=WAL")) || !exec(QStringLiteral("PRAGMA synchronous=NORMAL")))
        return false;
    for (const char *statement : kSchema) {
        if (!exec(QString::fromLatin1(statement)))
            return false;
    }
    if (check == Check::Full) {
        QSqlQuery query(db);
        if (!query.exec(QStringLiteral("PRAGMA quick_check")) || !query.next()) {
            m_error = query.lastError().text();
            m_damaged = damagedError(query.lastError());
            return false;
        }
        if (query.value(0).toString() != QLatin1String("ok")) {
            m_error = query.value(0).toString();
            m_damaged = true;
            return false;
        }
    }
    return true;
}

void BatteryHistory::moveAside()
{
    const QString stamp = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    QString aside = m_file + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = m_file + QStringLiteral(".damaged-%1-%2").arg(stamp).arg(n);
    if (!QFile::rename(m_file, aside)) {
        // A file that cannot be moved cannot be kept either.
        QFile::remove(m_file);
        aside = QStringLiteral("(removed)");
    }
    // The journal belongs to the damaged file; replayed into a new one it
    // would bring the damage back.
    QFile::remove(m_file + QStringLiteral("-wal"));
    QFile::remove(m_file + QStringLiteral("-shm"));
    m_movedAside = aside;
    logMovedAsideOnce(m_file, aside);
}

bool BatteryHistory::exec(QSqlQuery &query)
{
    if (query.exec())
        return true;
    m_error = query.lastError().text();
    m_damaged = damagedError(query.lastError());
    return false;
}

bool BatteryHistory::exec(const QString &statement)
{
    // Run at once rather than prepared: on a file that is no database the
    // prepare is what fails, and its error is the one that tells.
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    if (query.exec(statement))
        return true;
    m_error = query.lastError().text();
    m_damaged = damagedError(query.lastError());
    return false;
}

bool BatteryHistory::add(const BatteryReading &reading) { return addAll(BatteryReadings{reading}); }

bool BatteryHistory::addAll(const BatteryReadings &readings)
{
    if (!m_open)
        return false;
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (!db.transaction()) {
        m_error = db.lastError().text();
        return false;
    }
    QSqlQuery query(db);
    query.prepare(QStringLiteral("INSERT OR REPLACE INTO readings (at, level, charging, raw) VALUES (?, ?, ?, ?)"));
    for (const BatteryReading &reading : readings) {
        query.bindValue(0, reading.at);
        query.bindValue(1, reading.level);
        query.bindValue(2, reading.charging ? 1 : 0);
        query.bindValue(3, reading.raw);
        if (!exec(query)) {
            db.rollback();
            return false;
        }
    }
    if (!db.commit()) {
        m_error = db.lastError().text();
        return false;
    }
    return true;
}

bool BatteryHistory::addChargeEvent(const ChargeEvent &event)
{
    if (!m_open)
        return false;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral("INSERT OR REPLACE INTO charge_events (at, started) VALUES (?, ?)"));
    query.addBindValue(event.at);
    query.addBindValue(event.started ? 1 : 0);
    return exec(query);
}

QSqlQuery BatteryHistory::select(const QString &statement, const QVariantList &values) const
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    if (!m_open || !query.prepare(statement))
        return query;
    for (const QVariant &value : values)
        query.addBindValue(value);
    query.exec();
    return query;
}

BatteryReadings BatteryHistory::readings(qint64 from, qint64 to) const
{
    BatteryReadings list;
    QSqlQuery query = select(
        QStringLiteral("SELECT at, level, charging, raw FROM readings WHERE at >= ? AND at < ? ORDER BY at"), {from, to});
    while (query.next())
        list.append(readingFrom(query));
    return list;
}

QVector<ChargeEvent> BatteryHistory::chargeEvents(qint64 from, qint64 to) const
{
    QVector<ChargeEvent> list;
    QSqlQuery query =
        select(QStringLiteral("SELECT at, started FROM charge_events WHERE at >= ? AND at < ? ORDER BY at"), {from, to});
    while (query.next())
        list.append(ChargeEvent{query.value(0).toLongLong(), query.value(1).toInt() != 0});
    return list;
}

std::optional<BatteryReading> BatteryHistory::latest() const
{
    QSqlQuery query = select(QStringLiteral("SELECT at, level, charging, raw FROM readings ORDER BY at DESC LIMIT 1"));
    if (!query.next())
        return std::nullopt;
    return readingFrom(query);
}

std::optional<BatteryReading> BatteryHistory::latestCharging() const
{
    // Newest first by the row id; a year holds some twenty thousand rows.
    QSqlQuery query = select(
        QStringLiteral("SELECT at, level, charging, raw FROM readings WHERE charging = 1 ORDER BY at DESC LIMIT 1"));
    if (!query.next())
        return std::nullopt;
    return readingFrom(query);
}

int BatteryHistory::readingCount() const
{
    QSqlQuery query = select(QStringLiteral("SELECT count(*) FROM readings"));
    return query.next() ? query.value(0).toInt() : 0;
}

void BatteryHistory::setAutoCheckpoint(bool on)
{
    if (m_open)
        exec(on ? QStringLiteral("PRAGMA wal_autocheckpoint=1000") : QStringLiteral("PRAGMA wal_autocheckpoint=0"));
}

bool BatteryHistory::checkpoint()
{
    // Passive: readers and other writers are not waited for; what they
    // hold is folded in next time.
    return m_open && exec(QStringLiteral("PRAGMA wal_checkpoint(PASSIVE)"));
}

bool BatteryHistory::thin(qint64 now, qint64 since)
{
    if (!m_open)
        return false;
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (!db.transaction()) {
        m_error = db.lastError().text();
        return false;
    }
    const qint64 keepFrom = now - kKeepSeconds;
    const qint64 detailFrom = now - kFullDetailSeconds;
    QSqlQuery query(db);
    bool ok = true;
    query.prepare(QStringLiteral("DELETE FROM readings WHERE at < ?"));
    query.addBindValue(keepFrom);
    ok = ok && exec(query);
    query.prepare(QStringLiteral("DELETE FROM charge_events WHERE at < ?"));
    query.addBindValue(keepFrom);
    ok = ok && exec(query);
    // Older than a month: the first reading of each hour stays. Whole hours
    // only, so that an hour is never judged by a part of it.
    const qint64 from = qMax<qint64>(0, since - since % kThinBucketSeconds);
    query.prepare(QStringLiteral("DELETE FROM readings WHERE at >= ? AND at < ? AND at NOT IN"
                                 " (SELECT MIN(at) FROM readings WHERE at >= ? AND at < ? GROUP BY at / ?)"));
    query.addBindValue(from);
    query.addBindValue(detailFrom);
    query.addBindValue(from);
    query.addBindValue(detailFrom);
    query.addBindValue(kThinBucketSeconds);
    ok = ok && exec(query);
    if (!ok) {
        db.rollback();
        return false;
    }
    if (!db.commit()) {
        m_error = db.lastError().text();
        return false;
    }
    return true;
}
