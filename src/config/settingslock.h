#pragma once

#include <QString>

// An exclusive lock on the settings folder for one read–change–save–upload,
// so that two command-line runs (or a run and a starting window) take turns
// instead of losing each other's change. An flock on a file of the session
// (Paths::sessionFile), which the kernel releases when the process ends.
class SettingsLock {
public:
    // Waits until the lock is free. When the lock file cannot be opened the
    // lock counts as held (with a warning): nothing would be gained by
    // refusing to work.
    SettingsLock();
    ~SettingsLock();
    SettingsLock(const SettingsLock &) = delete;
    SettingsLock &operator=(const SettingsLock &) = delete;

    // Whether another process held the lock when it was asked for.
    bool waited() const { return m_waited; }
    QString path() const { return m_path; }

private:
    QString m_path;
    int m_fd = -1;
    bool m_waited = false;
};
