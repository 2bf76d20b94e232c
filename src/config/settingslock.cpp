#include "settingslock.h"

#include "logging.h"
#include "paths.h"

#include <QDebug>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

SettingsLock::SettingsLock()
    : m_path(Paths::sessionFile(QStringLiteral("lock")))
{
    // O_NOFOLLOW: in a shared temp dir someone could plant a link under our
    // name. O_CLOEXEC: programs started later must not keep the lock.
    m_fd = ::open(QFile::encodeName(m_path).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (m_fd < 0) {
        qCWarning(lcConfig) << "settings lock file cannot be opened:" << m_path << strerror(errno);
        return;
    }
    if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0)
        return;
    m_waited = true;
    int result = 0;
    do
        result = ::flock(m_fd, LOCK_EX);
    while (result != 0 && errno == EINTR);
    if (result != 0)
        qCWarning(lcConfig) << "settings lock cannot be taken:" << m_path << strerror(errno);
}

SettingsLock::~SettingsLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}
