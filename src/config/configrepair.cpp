#include "configrepair.h"

#include "logging.h"
#include "paths.h"
#include "settingsfile.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>

namespace ConfigRepair {

namespace {

const QString kProductKey = QStringLiteral("Config/CurrentProductName");
const QString kSensorKey = QStringLiteral("MouseSenSor/1");

bool lacks(const QSettings &settings, const QString &key)
{
    const QVariant value = settings.value(key);
    if (!value.isValid())
        return true;
    if (key == kProductKey)
        return value.toString().trimmed().isEmpty();
    if (key == kSensorKey)
        return SettingsFile::intFromVariant(value) == 0;
    return false;
}

} // namespace

bool isWhole()
{
    const auto settings = SettingsFile::openForReading(Paths::configFile());
    return !lacks(*settings, kProductKey) && !lacks(*settings, kSensorKey);
}

QStringList restoreFromShipped(bool *failed)
{
    if (failed)
        *failed = false;
    if (isWhole())
        return {};
    const QString shippedPath = Paths::dataDir() + QStringLiteral("/Configs/Config.ini");
    // In a portable install the writable file is the shipped one: there is
    // nothing to take the keys from.
    if (!QFileInfo(shippedPath).isFile() || QFileInfo(shippedPath) == QFileInfo(Paths::configFile()))
        return {};
    const auto shipped = SettingsFile::openForReading(shippedPath);
    const auto mine = SettingsFile::openForWriting(Paths::configFile());
    QStringList restored;
    for (const QString &key : shipped->allKeys()) {
        if (lacks(*mine, key) && !lacks(*shipped, key)) {
            mine->setValue(key, shipped->value(key));
            restored << key;
        }
    }
    if (restored.isEmpty())
        return {};
    if (!SettingsFile::commit(*mine)) {
        if (failed)
            *failed = true;
        return {};
    }
    qCDebug(lcConfig) << "Config.ini restored from the shipped defaults:" << restored;
    return restored;
}

} // namespace ConfigRepair
