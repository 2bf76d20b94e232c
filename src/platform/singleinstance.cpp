#include "singleinstance.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

SingleInstanceGuard::SingleInstanceGuard(const QString &mutexName)
    : m_path(lockFileFor(mutexName))
{
    m_fd = ::open(QFile::encodeName(m_path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_fd < 0) {
        // Without a lock file there is no way to tell; run rather than refuse.
        qDebug() << "single-instance lock file cannot be opened:" << m_path << strerror(errno);
        m_acquired = true;
        return;
    }
    m_acquired = ::flock(m_fd, LOCK_EX | LOCK_NB) == 0;
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
    QString dir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (dir.isEmpty() || !QDir(dir).exists())
        dir = QDir::tempPath();
    // The product name may hold any character; a hash keeps the file name safe
    // and still one per mutex name.
    const QByteArray hash = QCryptographicHash::hash(mutexName.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return dir + QStringLiteral("/mousecfg-") + QString::fromLatin1(hash) + QStringLiteral(".lock");
}
