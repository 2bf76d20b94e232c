#include "settingsfile.h"

#include <QColor>
#include <QDebug>
#include <QFile>
#include <QFileInfo>

namespace SettingsFile {

std::unique_ptr<QSettings> openForReading(const QString &path)
{
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}

std::unique_ptr<QSettings> openForWriting(const QString &path)
{
    auto settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
    if (settings->status() == QSettings::FormatError && QFileInfo::exists(path)) {
        const QString backup = path + QStringLiteral(".bak");
        QFile::remove(backup);
        if (QFile::copy(path, backup))
            qDebug() << "malformed settings file" << path << "kept as" << backup << "before writing";
        else
            qDebug() << "malformed settings file" << path << "could not be kept as" << backup;
    }
    return settings;
}

int readInt(const QSettings &settings, const QString &key, int defaultValue)
{
    const QVariant value = settings.value(key);
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
    const QVariant value = settings.value(key);
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
