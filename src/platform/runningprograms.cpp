#include "runningprograms.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

RunningPrograms::RunningPrograms(const QString &procRoot, QObject *parent)
    : QObject(parent)
    , m_procRoot(procRoot)
{
    m_timer.setInterval(kScanIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &RunningPrograms::scan);
}

QString RunningPrograms::executableName(const QString &procRoot, qint64 pid)
{
    const QString dir = procRoot + QLatin1Char('/') + QString::number(pid);
    // The link of a process that is not the user's cannot be read; the
    // kernel's short name always can.
    const QString target = QFileInfo(dir + QStringLiteral("/exe")).symLinkTarget();
    if (!target.isEmpty()) {
        QString name = QFileInfo(target).fileName();
        // A program replaced on disk while it runs.
        if (name.endsWith(QLatin1String(" (deleted)")))
            name.chop(10);
        if (!name.isEmpty())
            return name.toLower();
    }
    QFile comm(dir + QStringLiteral("/comm"));
    if (!comm.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(comm.read(64)).trimmed().toLower();
}

void RunningPrograms::setWatching(bool on)
{
    if (on == m_timer.isActive())
        return;
    if (on) {
        m_timer.start();
        scan();
    } else {
        m_timer.stop();
    }
}

void RunningPrograms::scan()
{
    // Every process is read again: a launcher that execs the game keeps its
    // process id but changes its name.
    QSet<QString> names;
    const QStringList entries = QDir(m_procRoot).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        bool number = false;
        const qint64 pid = entry.toLongLong(&number);
        if (!number)
            continue;
        const QString name = executableName(m_procRoot, pid);
        if (!name.isEmpty())
            names.insert(name);
    }
    if (names == m_names)
        return;
    m_names = names;
    emit changed(m_names);
}
