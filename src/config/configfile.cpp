#include "configfile.h"

#include "appconfig.h"
#include "logging.h"
#include "paths.h"
#include "profilefastpath.h"
#include "profilefile.h"
#include "profilekeys.h"
#include "settingranges.h"
#include "settingsfile.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryFile>

#include <array>
#include <vector>
#include <cstdio>

namespace {

// The file carries every key of a profile but LedMoveOFF and LedSleepTime.
constexpr bool kWithLightingSleep = false;

const QString &stampKey()
{
    static const QString key = QStringLiteral("MouseName/Name");
    return key;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

enum class Direct { Done, NotApplicable, Failed };

// The five profile groups, some 40,000 keys, written into `path` (which
// holds the small sections already) straight from the record, byte for byte
// as the settings library would write them but without its parse and sort
// of every key (see ProfileFastPath). The library writes sections in name
// order and "PROFILE_n" sorts after the small sections ("Config",
// "MouseName"), so the groups follow them, one blank line apart.
// NotApplicable when the file holds anything else: the library then writes
// the groups itself.
Direct writeProfilesDirectly(const QString &path, const MouseConfig &config)
{
    QByteArray bytes = fileBytes(path);
    if (bytes.isEmpty() || !bytes.endsWith('\n') || bytes.contains("\n[PROFILE_") || bytes.startsWith("[PROFILE_"))
        return Direct::NotApplicable;
    for (int k = 0; k < kProfileCount; ++k) {
        QByteArray group;
        if (!ProfileFastPath::render(QByteArray(), ProfileKeys::groupName(k), config.profiles[k], kWithLightingSleep,
                                     group))
            return Direct::NotApplicable;
        bytes += '\n';
        bytes += group;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size() || !file.flush())
        return Direct::Failed;
    return Direct::Done;
}

bool writeWholeFile(const MouseConfig &config, const QString &path, const QString &product)
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
        if (!SettingsFile::commit(settings))
            return false;
    }
    switch (writeProfilesDirectly(staging.fileName(), config)) {
    case Direct::Done:
        break;
    case Direct::Failed:
        return false;
    case Direct::NotApplicable: {
        QSettings settings(staging.fileName(), QSettings::IniFormat);
        for (int k = 0; k < kProfileCount; ++k) {
            settings.beginGroup(ProfileKeys::groupName(k));
            writeProfileKeys(settings, config.profiles[k], kWithLightingSleep);
            settings.endGroup();
        }
        if (!SettingsFile::commit(settings))
            return false;
        break;
    }
    }
    if (std::rename(QFile::encodeName(staging.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        return false;
    staging.setAutoRemove(false);   // it is the file now
    return true;
}

bool readWholeFile(MouseConfig &config, const QString &path, QStringList *refusedNames)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return false;
    const auto settings = SettingsFile::openForReading(path);
    MouseConfig read = config;
    AppConfig::readGlobalOptions(*settings, read);
    // The profile groups straight from the bytes when the file is in the
    // settings library's own form; the library reads them otherwise. (The
    // library parses a section only when a key of it is asked for, so the
    // small sections above cost little.)
    const QByteArray bytes = fileBytes(path);
    std::array<int, kProfileCount> essentials{};
    bool direct = true;
    for (int k = 0; k < kProfileCount && direct; ++k)
        direct = ProfileFastPath::read(bytes, ProfileKeys::groupName(k), read.profiles[k], kWithLightingSleep,
                                       &essentials[size_t(k)]);
    QStringList refused;
    for (int k = 0; k < kProfileCount; ++k) {
        const QString name = settings->value(AppConfig::slotNameKey(k)).toString();
        if (Paths::isSafeFileName(name))
            read.names[k] = name;
        else if (!name.isEmpty())
            refused << QStringLiteral("slot %1: %2").arg(k + 1).arg(name);
        int essential = essentials[size_t(k)];
        if (!direct) {
            settings->beginGroup(ProfileKeys::groupName(k));
            essential = readProfileKeys(*settings, read.profiles[k], kWithLightingSleep);
            settings->endGroup();
        }
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

// The first stored value the record cannot take as it is, said as the
// setter says it; empty when there is none. The record keeps bytes, so
// Debounce=99999 would be read (and sent) as 159: the raw text is judged
// before that. Debounce is held to the setter's range; the lift and scroll
// bytes only to what a byte holds, since files of older versions carry
// values (lift 0, for one) that the pages show as one of their choices.
QString outOfRangeValue(const QString &path)
{
    const auto settings = SettingsFile::openForReading(path);
    struct Check {
        QString key;
        int minimum;
        int maximum;
        QString rule;
    };
    std::vector<Check> checks{
        {QStringLiteral("Config/Debounce"), SettingRanges::kDebounceMin, SettingRanges::kDebounceMax,
         QStringLiteral("debounce is %1 to %2").arg(SettingRanges::kDebounceMin).arg(SettingRanges::kDebounceMax)},
        {QStringLiteral("Config/LiftHigh"), 0, 255, QStringLiteral("the lift-off distance is 1 or 2 mm")},
    };
    for (int k = 0; k < kProfileCount; ++k)
        checks.push_back({ProfileKeys::groupName(k) + QStringLiteral("/scrollspeed"), 0, 255,
                          QStringLiteral("scroll is %1 to %2 lines").arg(SettingRanges::kScrollMin).arg(SettingRanges::kScrollMax)});
    for (const Check &check : checks) {
        const QVariant value = settings->value(check.key);
        if (!value.isValid())
            continue;
        bool ok = false;
        const int n = value.toString().trimmed().toInt(&ok);
        if (!ok || n < check.minimum || n > check.maximum)
            return QStringLiteral("%1=%2: %3").arg(check.key, value.toString(), check.rule);
    }
    return QString();
}

} // namespace

bool exportConfigFile(const MouseConfig &config, const QString &path, const QString &product)
{
    return writeWholeFile(config, path, product);
}

bool importConfigFile(MouseConfig &config, const QString &path, QStringList *refusedNames)
{
    return readWholeFile(config, path, refusedNames);
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
    result.outOfRange = outOfRangeValue(path);
    if (!result.outOfRange.isEmpty()) {
        result.outcome = ConfigImport::OutOfRange;
        return result;
    }
    MouseConfig imported = config;
    if (!importConfigFile(imported, path, &result.refusedNames)) {
        result.outcome = ConfigImport::Incomplete;
        return result;
    }
    for (int k = 0; k < kProfileCount; ++k) {
        for (int j = k + 1; j < kProfileCount; ++j) {
            if (imported.names[k] == imported.names[j]) {
                result.outcome = ConfigImport::DuplicateName;
                result.duplicateName = imported.names[k];
                result.refusedNames.clear();
                return result;
            }
        }
    }
    config = imported;
    result.outcome = ConfigImport::Imported;
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
