#include "macrolibrary.h"

#include "logging.h"
#include "macrofile.h"
#include "paths.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

const QString kSuffix = QStringLiteral(".MSMACRO");
// "_2", "_3" ...: a taken name is numbered from 2, the first copy being the
// name itself.
constexpr int kFirstCopyNumber = 2;

bool safeName(const QString &name, QString *why)
{
    return Paths::isSafeFileName(name, why);
}

} // namespace

MacroLibrary::Result MacroLibrary::createMacro(QString *name)
{
    if (macroListFull())
        return ListFull;
    const QString fresh = newMacroName();
    if (fresh.isEmpty())
        return Failed;
    MacroOptions options;
    options.DefaultDelay = kDefaultDelayMs;
    options.LoopTime = kDefaultLoopTime;
    if (!writeMacroFile(fresh, options, {}) || !addMacroName(fresh))
        return Failed;
    if (name)
        *name = fresh;
    return Done;
}

MacroLibrary::Result MacroLibrary::createRecoil(const QString &wanted, const std::vector<KeyInfo> &events,
                                                QString *name, QString *why)
{
    if (!safeName(wanted, why))
        return UnsafeName;
    if (macroListFull())
        return ListFull;
    const QString free = freeMacroName(wanted, kFirstCopyNumber);
    if (free.isEmpty())
        return Failed;
    MacroOptions options;
    options.DefaultDelay = kDefaultDelayMs;
    options.DelayType = 1;
    options.LoopTime = kDefaultLoopTime;
    if (!writeMacroFile(free, options, events) || !addMacroName(free))
        return Failed;
    if (name)
        *name = free;
    return Done;
}

MacroLibrary::Result MacroLibrary::rename(const QString &oldName, const QString &wanted, QString *newName,
                                          QString *why)
{
    if (!safeName(oldName, why) || !safeName(wanted, why))
        return UnsafeName;
    QString target = wanted;
    if (wanted != oldName) {
        target = freeMacroName(wanted, kFirstCopyNumber);
        if (target.isEmpty())
            return Failed;
    }
    if (!renameMacro(oldName, target, newName))
        return Failed;
    return Done;
}

QString MacroLibrary::importName(const QString &path)
{
    QString name = QFileInfo(path).fileName();
    if (name.endsWith(kSuffix, Qt::CaseInsensitive))
        name.chop(kSuffix.size());
    return name;
}

MacroLibrary::ImportReport MacroLibrary::importFiles(const QStringList &paths)
{
    ImportReport report;
    QDir().mkpath(Paths::macroDir());
    for (const QString &path : paths) {
        const QString name = importName(path);
        if (!safeName(name, nullptr)) {
            report.refused.append(QFileInfo(path).fileName());
            continue;
        }
        const QString target = Paths::macroFile(name);
        if (QFileInfo::exists(target)) {
            report.existing.append(name);
            continue;
        }
        if (macroListFull()) {
            report.listFull = true;
            break;
        }
        // The library takes what the editor can show and the mouse can
        // play: a file that is no macro file is refused, rows the editor
        // cannot show are left out, and no more than a macro bank holds.
        MacroOptions options;
        std::vector<KeyInfo> events;
        if (!readForeignMacroFile(path, options, events)) {
            report.notMacro.append(QFileInfo(path).fileName());
            continue;
        }
        const std::vector<KeyInfo> read = events;
        keepEditableEvents(events);
        bool changed = events != read;
        if (events.size() > size_t(kEventsPerButton)) {
            events.resize(size_t(kEventsPerButton));
            report.shortened.append(name);
            changed = true;
        }
        // A file the editor takes as it is arrives byte for byte; only one
        // that had to change is written anew.
        if (changed ? !writeMacroFile(name, options, events) : !QFile::copy(path, target)) {
            QFile::remove(target);
            report.failed.append(QFileInfo(path).fileName());
            continue;
        }
        if (!addMacroName(name)) {
            QFile::remove(target);
            report.failed.append(QFileInfo(path).fileName());
            continue;
        }
        report.imported.append(name);
    }
    return report;
}

QString MacroLibrary::withMacroSuffix(const QString &path)
{
    return path.endsWith(kSuffix, Qt::CaseInsensitive) ? path : path + kSuffix;
}

bool MacroLibrary::exportTo(const QString &name, const QString &target)
{
    QFile source(Paths::macroFile(name));
    if (source.fileName().isEmpty() || !source.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = source.readAll();
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
        return false;
    if (!out.commit()) {
        qCDebug(lcConfig) << "macro export failed:" << target << out.errorString();
        return false;
    }
    return true;
}

QStringList MacroLibrary::exportAll(const QStringList &names, const QString &dir)
{
    QStringList failed;
    for (const QString &name : names) {
        if (!exportTo(name, QDir(dir).filePath(name + kSuffix)))
            failed.append(name);
    }
    return failed;
}

QStringList MacroLibrary::existingExports(const QStringList &names, const QString &dir)
{
    QStringList existing;
    for (const QString &name : names) {
        if (QFileInfo::exists(QDir(dir).filePath(name + kSuffix)))
            existing.append(name + kSuffix);
    }
    return existing;
}
