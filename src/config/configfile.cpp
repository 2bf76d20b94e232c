#include "configfile.h"

#include "appconfig.h"
#include "logging.h"
#include "paths.h"
#include "profilefile.h"
#include "profilekeys.h"
#include "settingsfile.h"

#include <QDebug>
#include <QFileInfo>

namespace {

const QString &stampKey()
{
    static const QString key = QStringLiteral("MouseName/Name");
    return key;
}

} // namespace

bool exportConfigFile(const MouseConfig &config, const QString &path)
{
    if (path.isEmpty())
        return false;
    const auto settings = SettingsFile::openForWriting(path);
    AppConfig::writeGlobalOptions(*settings, config);
    AppConfig::writeSlotNames(*settings, config);
    for (int k = 0; k < kProfileCount; ++k) {
        settings->beginGroup(ProfileKeys::groupName(k));
        writeProfileKeys(*settings, config.profiles[k], false);
        settings->endGroup();
    }
    return SettingsFile::commit(*settings);
}

bool importConfigFile(MouseConfig &config, const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return false;
    const auto settings = SettingsFile::openForReading(path);
    AppConfig::readGlobalOptions(*settings, config);
    for (int k = 0; k < kProfileCount; ++k) {
        const QString name = settings->value(AppConfig::slotNameKey(k)).toString();
        if (Paths::isSafeFileName(name))
            config.names[k] = name;
        else if (!name.isEmpty())
            qCDebug(lcConfig) << "imported slot name" << name << "refused; the slot keeps" << config.names[k];
        settings->beginGroup(ProfileKeys::groupName(k));
        readProfileKeys(*settings, config.profiles[k], false);
        settings->endGroup();
    }
    return true;
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
