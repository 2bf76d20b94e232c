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

    // True when this process holds the lock; false when another instance does.
    bool acquired() const { return m_fd >= 0 && m_acquired; }
    QString lockFilePath() const { return m_path; }

    static QString mutexNameFor(const QString &productName);
    static QString lockFileFor(const QString &mutexName);

private:
    QString m_path;
    int m_fd = -1;
    bool m_acquired = false;
};
