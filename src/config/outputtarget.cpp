#include "outputtarget.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

OutputTarget::Verdict OutputTarget::check(const QString &path, bool replace)
{
    if (path.isEmpty())
        return NotAFile;
    // lstat: a symbolic link is judged itself, not what it points to.
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0) {
        const QFileInfo file(path);
        return QFileInfo(file.absolutePath()).isDir() ? NewFile : NoFolder;
    }
    if (!S_ISREG(info.st_mode))
        return NotAFile;
    return replace ? ReplaceFile : Exists;
}

QString OutputTarget::message(Verdict verdict, const QString &path, const QString &replaceHint)
{
    switch (verdict) {
    case NewFile:
    case ReplaceFile: return QString();
    case Exists: return QStringLiteral("%1 exists; %2 replaces it").arg(path, replaceHint);
    case NotAFile: return QStringLiteral("%1 is not a regular file; it is left as it is").arg(path);
    case NoFolder: return QStringLiteral("%1: the folder does not exist").arg(path);
    }
    return QString();
}
