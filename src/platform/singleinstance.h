#pragma once

#include <QString>

// One running copy of the tool per product name. On Linux the named mutex is
// an flock on a lock file in $XDG_RUNTIME_DIR (else the temp dir) named after
// the mutex name; the kernel drops the lock when the process ends, so a
// crashed instance never blocks the next start.
class SingleInstanceGuard {
public:
    explicit SingleInstanceGuard(const QString &mutexName);
    ~SingleInstanceGuard();
    SingleInstanceGuard(const SingleInstanceGuard &) = delete;
    SingleInstanceGuard &operator=(const SingleInstanceGuard &) = delete;

    // False only when another process holds the lock. When the lock cannot be
    // taken for another reason (no lock file, no lock support) the tool runs
    // rather than refusing to start.
    bool acquired() const { return m_acquired; }
    QString lockFilePath() const { return m_path; }

    static QString mutexNameFor(const QString &productName);
    static QString lockFileFor(const QString &mutexName);

private:
    QString m_path;
    int m_fd = -1;
    bool m_acquired = false;
};
