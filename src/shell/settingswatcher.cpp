#include "settingswatcher.h"

#include "config/paths.h"

#include <QFileInfo>
#include <QFileSystemWatcher>

SettingsWatcher::SettingsWatcher(int settleMs, QObject *parent)
    : QObject(parent)
    , m_watcher(new QFileSystemWatcher(this))
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(settleMs);
    connect(&m_settle, &QTimer::timeout, this, [this] {
        if (m_busy && m_busy()) {
            m_settle.start();
            return;
        }
        emit changed();
    });
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] {
        rewatch();
        m_settle.start();
    });
    rewatch();
}

void SettingsWatcher::rewatch()
{
    // The profile folder may appear after the start.
    for (const QString &dir : {Paths::configsDir(), Paths::profileDir()}) {
        if (!m_watcher->directories().contains(dir) && QFileInfo::exists(dir))
            m_watcher->addPath(dir);
    }
}
