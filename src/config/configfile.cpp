#include "configfile.h"

#include "appconfig.h"
#include "logging.h"
#include "paths.h"
#include "profilefile.h"
#include "profilekeys.h"
#include "settingsfile.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryFile>

#include <cstdio>

namespace {

const QString &stampKey()
{
    static const QString key = QStringLiteral("MouseName/Name");
    return key;
}

bool writeWholeFile(const MouseConfig &config, const QString &path, const QString &product, bool withLightingSleep)
{
    if (path.isEmpty() || QFileInfo(path).isDir())
        return false;
    // Written beside the target under a temporary name, then renamed over
    // it: an old file's sections never mix into the new one, and a failed
    // write leaves the old file as it was.
    QTemporaryFile staging(path + QStringLiteral(".XXXXXX"));
    if (!staging.open())
        return false;
    staging.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    staging.close();
    {
        QSettings settings(staging.fileName(), QSettings::IniFormat);
        if (!product.isEmpty())
            settings.setValue(stampKey(), product);
        AppConfig::writeGlobalOptions(settings, config);
        AppConfig::writeSlotNames(settings, config);
        for (int k = 0; k < kProfileCount; ++k) {
            settings.beginGroup(ProfileKeys::groupName(k));
            writeProfileKeys(settings, config.profiles[k], withLightingSleep);
            settings.endGroup();
        }
        if (!SettingsFile::commit(settings))
            return false;
    }
    if (std::rename(QFile::encodeName(staging.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        return false;
    staging.setAutoRemove(false);   // it is the file now
    return true;
}

bool readWholeFile(MouseConfig &config, const QString &path, QStringList *refusedNames, bool withLightingSleep)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return false;
    const auto settings = SettingsFile::openForReading(path);
    MouseConfig read = config;
    AppConfig::readGlobalOptions(*settings, read);
    QStringList refused;
    for (int k = 0; k < kProfileCount; ++k) {
        const QString name = settings->value(AppConfig::slotNameKey(k)).toString();
        if (Paths::isSafeFileName(name))
            read.names[k] = name;
        else if (!name.isEmpty())
            refused << QStringLiteral("slot %1: %2").arg(k + 1).arg(name);
        settings->beginGroup(ProfileKeys::groupName(k));
        const int essential = readProfileKeys(*settings, read.profiles[k], withLightingSleep);
        settings->endGroup();
        if (essential != ProfileKeys::get().essentialCount()) {
            qCDebug(lcConfig) << "configuration file" << path << "lacks keys of" << ProfileKeys::groupName(k);
            return false;
        }
    }
    for (const QString &name : qAsConst(refused))
        qCDebug(lcConfig) << "imported slot name refused:" << name;
    if (refusedNames)
        *refusedNames = refused;
    config = read;
    return true;
}

} // namespace

bool exportConfigFile(const MouseConfig &config, const QString &path, const QString &product)
{
    return writeWholeFile(config, path, product, false);
}

bool importConfigFile(MouseConfig &config, const QString &path, QStringList *refusedNames)
{
    return readWholeFile(config, path, refusedNames, false);
}

bool writeRecordSnapshot(const MouseConfig &config, const QString &path, const QString &product)
{
    if (path.isEmpty() || !QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    return writeWholeFile(config, path, product, true);
}

bool readRecordSnapshot(MouseConfig &config, const QString &path, const QString &product)
{
    if (product.isEmpty() || readFileProductName(path) != product)
        return false;
    return readWholeFile(config, path, nullptr, true);
}

ConfigImport importConfiguration(MouseConfig &config, const QString &path, const QString &product)
{
    ConfigImport result;
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        result.outcome = ConfigImport::NoFile;
        return result;
    }
    const QString stamp = readFileProductName(path);
    if (stamp.isEmpty() || product.isEmpty() || stamp != product) {
        result.outcome = ConfigImport::OtherProduct;
        return result;
    }
    result.outcome = importConfigFile(config, path, &result.refusedNames) ? ConfigImport::Imported
                                                                          : ConfigImport::Incomplete;
    return result;
}

bool writeFileProductName(const QString &name, const QString &path)
{
    if (path.isEmpty())
        return false;
    const auto settings = SettingsFile::openForWriting(path);
    settings->setValue(stampKey(), name);
    return SettingsFile::commit(*settings);
}

QString readFileProductName(const QString &path)
{
    if (path.isEmpty())
        return QString();
    return SettingsFile::openForReading(path)->value(stampKey()).toString();
}
