#include "settingsfile.h"

#include "iniscan.h"
#include "logging.h"

#include <QColor>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTemporaryFile>

namespace SettingsFile {

namespace {

// Set on a settings object whose malformed file could not be put right: the
// library's status would then hide a failed write behind its FormatError.
const char *const kRepairFailed = "mousecfgRepairFailed";

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

bool replaceFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

// The settings library keeps one parsed copy of each file per process,
// shared by every settings object opened on it, and values set on an object
// whose write failed stay in that copy: every later reader in this process
// would take them for what the file holds (and "the file already holds the
// record" would skip the very write that is needed). After a failed write
// the copy is put back to what the file holds. Those values are written
// again with the next write that succeeds, as the file held them now.
void forgetUnwritten(QSettings &settings)
{
    // The file is read under another name, which the library caches apart:
    // a link to it, or a copy where its values cannot be loaded safely. A
    // link needs no room, so it works where nothing can be written.
    QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/mousecfg-XXXXXX"));
    const QString view = dir.path() + QStringLiteral("/view.ini");
    const QByteArray bytes = fileBytes(settings.fileName());
    bool readable = dir.isValid();
    if (readable && IniScan::inspect(bytes).hazardous) {
        QFile copy(view);
        readable = copy.open(QIODevice::WriteOnly) && copy.write(IniScan::repaired(bytes)) >= 0 && copy.flush();
    } else if (readable && !bytes.isEmpty()) {
        readable = QFile::link(QFileInfo(settings.fileName()).absoluteFilePath(), view);
    }
    if (!readable) {
        qCWarning(lcConfig) << "values that were not written stay in memory for" << settings.fileName();
        return;
    }
    const QSettings disk(view, QSettings::IniFormat);

    const QString group = settings.group();
    while (!settings.group().isEmpty())
        settings.endGroup();
    for (const QString &key : settings.allKeys()) {
        if (!disk.contains(key))
            settings.remove(key);
        else if (settings.value(key) != disk.value(key))
            settings.setValue(key, disk.value(key));
    }
    for (const QString &key : disk.allKeys()) {
        if (!settings.contains(key))
            settings.setValue(key, disk.value(key));
    }
    if (!group.isEmpty())
        settings.beginGroup(group);
}

} // namespace

std::unique_ptr<QSettings> openForReading(const QString &path)
{
    const QByteArray bytes = fileBytes(path);
    if (bytes.isEmpty() || !IniScan::inspect(bytes).hazardous)
        return std::make_unique<QSettings>(path, QSettings::IniFormat);

    qCDebug(lcConfig) << "settings file" << path << "holds values that cannot be loaded safely; reading it without them";
    auto copy = std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/mousecfg-XXXXXX.ini"));
    if (copy->open() && copy->write(IniScan::repaired(bytes)) >= 0 && copy->flush()) {
        copy->close();
        auto settings = std::make_unique<QSettings>(copy->fileName(), QSettings::IniFormat);
        copy.release()->setParent(settings.get());   // removed with the settings object
        return settings;
    }
    // Without a private copy the file reads as empty rather than unsafely.
    qCDebug(lcConfig) << "no temporary copy possible; settings file" << path << "reads as empty";
    return std::make_unique<QSettings>(QStringLiteral("/dev/null"), QSettings::IniFormat);
}

std::unique_ptr<QSettings> openForWriting(const QString &path)
{
    bool repairFailed = false;
    const QByteArray bytes = fileBytes(path);
    if (!bytes.isEmpty() && !IniScan::inspect(bytes).clean()) {
        const QString backup = path + QStringLiteral(".bak");
        QFile::remove(backup);
        if (QFile::copy(path, backup))
            qCDebug(lcConfig) << "malformed settings file" << path << "kept as" << backup << "before writing";
        else
            qCWarning(lcConfig) << "malformed settings file" << path << "could not be kept as" << backup;
        repairFailed = !replaceFile(path, IniScan::repaired(bytes));
    }
    auto settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
    if (repairFailed)
        settings->setProperty(kRepairFailed, true);
    return settings;
}

bool commit(QSettings &settings)
{
    settings.sync();
    if (settings.property(kRepairFailed).toBool() || settings.status() == QSettings::AccessError) {
        qCWarning(lcConfig) << "could not write the settings file" << settings.fileName();
        forgetUnwritten(settings);
        return false;
    }
    return true;
}

int readInt(const QSettings &settings, const QString &key, int defaultValue)
{
    return intFromVariant(settings.value(key), defaultValue);
}

int intFromVariant(const QVariant &value, int defaultValue)
{
    if (!value.isValid())
        return defaultValue;
    bool ok = false;
    const int number = value.toInt(&ok);
    if (ok)
        return number;
    // QVariant::toInt refuses text with blanks around the number, which
    // hand-edited files may have.
    const int trimmed = value.toString().trimmed().toInt(&ok);
    return ok ? trimmed : 0;
}

QColor readColor(const QSettings &settings, const QString &key)
{
    return colourFromVariant(settings.value(key));
}

QColor colourFromVariant(const QVariant &value)
{
    if (value.userType() == QMetaType::QColor)
        return value.value<QColor>();
    if (value.userType() == QMetaType::QString || value.userType() == QMetaType::QByteArray) {
        const QColor parsed(value.toString().trimmed());
        if (parsed.isValid())
            return parsed;
    }
    return QColor();
}

} // namespace SettingsFile
