#include "singleinstance.h"

#include "platformlog.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

SingleInstanceGuard::SingleInstanceGuard(const QString &mutexName)
    : m_path(lockFileFor(mutexName))
{
    // O_NOFOLLOW: in a shared temp dir someone else could plant a symlink
    // under our name. O_CLOEXEC: programs started later (OSD, updater) must
    // not inherit the lock and keep it after we end.
    m_fd = ::open(QFile::encodeName(m_path).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (m_fd < 0) {
        // Without a lock file there is no way to tell; run rather than refuse.
        qCWarning(lcPlatform) << "single-instance lock file cannot be opened:" << m_path << strerror(errno);
        m_acquired = true;
        return;
    }
    if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0) {
        m_acquired = true;
    } else if (errno == EWOULDBLOCK) {
        m_acquired = false;
    } else {
        qCWarning(lcPlatform) << "single-instance lock cannot be taken:" << m_path << strerror(errno);
        m_acquired = true;
    }
}

SingleInstanceGuard::~SingleInstanceGuard()
{
    // The lock is held until the process ends; closing releases it.
    if (m_fd >= 0)
        ::close(m_fd);
}

QString SingleInstanceGuard::mutexNameFor(const QString &productName)
{
    return productName + QStringLiteral(" Wireless Gaming Mouse Mutex1");
}

QString SingleInstanceGuard::lockFileFor(const QString &mutexName)
{
    // A named mutex is per desktop session; $XDG_RUNTIME_DIR is per user. In
    // the shared temp dir the user id keeps users from blocking each other.
    QString dir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    QString user;
    if (dir.isEmpty() || !QFileInfo(dir).isDir()) {
        dir = QDir::tempPath();
        user = QStringLiteral("-%1").arg(::getuid());
    }
    // The product name may hold any character; a hash keeps the file name safe
    // and still one per mutex name.
    const QByteArray hash = QCryptographicHash::hash(mutexName.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return dir + QStringLiteral("/mousecfg") + user + QLatin1Char('-') + QString::fromLatin1(hash) + QStringLiteral(".lock");
}
