#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

class QFileSystemWatcher;

// Notices the settings files changing behind the window's back (an editor,
// a sync tool, a command line that could not reach the window) and tells
// its owner once the changes have settled. The files are replaced whole
// (written aside and renamed), so the folders are watched, not the files.
class SettingsWatcher : public QObject {
    Q_OBJECT
public:
    // `settle`: how long the folders must stay quiet before changed() is
    // emitted.
    explicit SettingsWatcher(int settleMs = 300, QObject *parent = nullptr);

    // Holds changed() back while `busy` answers true (the window's own
    // upload writes the files); it comes once the window is idle again.
    void setBusyCheck(std::function<bool()> busy) { m_busy = std::move(busy); }

signals:
    void changed();

private:
    void rewatch();

    QFileSystemWatcher *m_watcher;
    QTimer m_settle;
    std::function<bool()> m_busy;
};
