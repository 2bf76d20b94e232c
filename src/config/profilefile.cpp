#include "profilefile.h"

#include "reportrate.h"

#include "iniscan.h"
#include "logging.h"
#include "paths.h"
#include "profilefastpath.h"
#include "profilekeys.h"
#include "settingsfile.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

void writeProfileKeys(QSettings &s, const ProfileData &p, bool withLightingSleep)
{
    // One-byte fields go out as 0..255 and the rest as plain ints, which the
    // settings library writes as decimal text.
    for (const ProfileKey &key : ProfileKeys::get().all()) {
        if (!withLightingSleep && key.isLightingSleep())
            continue;
        switch (key.kind()) {
        case ValueKind::Number:
            s.setValue(key.key, numberOf(p, key));
            break;
        case ValueKind::Text:
            s.setValue(key.key, textOf(p, key));
            break;
        case ValueKind::Colour:
            s.setValue(key.key, QVariant::fromValue(colourOf(p, key)));
            break;
        }
    }
}

int readProfileKeys(const QSettings &s, ProfileData &p, bool withLightingSleep)
{
    int essential = 0;
    // Only the keys the group holds are looked up; every other field reads
    // as a missing key does.
    const ProfileKeys &keys = ProfileKeys::get();
    clearProfileFields(p, withLightingSleep);
    for (const QString &present : s.allKeys()) {
        const int index = keys.indexOfKey(present);
        if (index < 0)
            continue;
        const ProfileKey &key = keys.all()[index];
        if (!withLightingSleep && key.isLightingSleep())
            continue;
        if (key.isEssential())
            ++essential;
        switch (key.kind()) {
        case ValueKind::Number:
            setNumber(p, key, SettingsFile::readInt(s, key.key));
            break;
        case ValueKind::Text:
            textOf(p, key) = s.value(key.key).toString();
            break;
        case ValueKind::Colour:
            colourOf(p, key) = SettingsFile::readColor(s, key.key);
            break;
        }
    }
    return essential;
}

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

enum class Keep { OtherContent, Nothing };

// A file already in the settings library's own form is rewritten directly:
// the same bytes the library would write, without its parse of every value
// and sort of every key. A file that would not change is left alone (most
// saves change one profile of five). The library's lock file keeps this and
// its own writers apart. Returns false when the direct way does not apply;
// `written` then tells nothing.
bool writeDirectly(int n, const ProfileData &profile, const QString &path, bool withLightingSleep, Keep keep,
                   bool &written)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return false;
    const QString group = ProfileKeys::groupName(n);
    const QByteArray before = fileBytes(path);
    // Replacing a file the library could not read loses its lines: that
    // goes the guarded way, which keeps a copy.
    if (keep == Keep::Nothing && !IniScan::inspect(before).clean())
        return false;
    auto render = [&](const QByteArray &existing, QByteArray &out) {
        return ProfileFastPath::render(keep == Keep::OtherContent ? existing : QByteArray(), group, profile,
                                       withLightingSleep, out);
    };
    QByteArray after;
    if (!render(before, after))
        return false;
    if (info.exists() && after == before) {
        written = true;
        return true;
    }

    if (!QDir().mkpath(info.absolutePath()))
        return false;   // the settings library reports the failure
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.lock())
        return false;
    // Another writer may have come between the first look and the lock.
    const QByteArray underLock = fileBytes(path);
    if (underLock != before && (keep == Keep::Nothing || !render(underLock, after)))
        return false;
    QSaveFile file(path);
    written = file.open(QIODevice::WriteOnly) && file.write(after) == after.size() && file.commit();
    if (!written)
        qCWarning(lcConfig) << "could not write the profile file" << path;
    return true;
}

bool writeGroup(int n, const ProfileData &profile, const QString &path, bool withLightingSleep)
{
    if (path.isEmpty())
        return false;
    bool written = false;
    if (writeDirectly(n, profile, path, withLightingSleep, Keep::OtherContent, written))
        return written;
    const auto settings = SettingsFile::openForWriting(path);
    settings->beginGroup(ProfileKeys::groupName(n));
    writeProfileKeys(*settings, profile, withLightingSleep);
    settings->endGroup();
    return SettingsFile::commit(*settings);
}

bool readGroup(int n, ProfileData &profile, const QString &path, bool withLightingSleep, bool *whole = nullptr)
{
    // A missing file or refused name reads like a file without keys: the
    // block becomes zero.
    const bool exists = !path.isEmpty() && QFileInfo(path).isFile();
    const QString group = ProfileKeys::groupName(n);
    int essential = 0;
    if (!ProfileFastPath::read(exists ? fileBytes(path) : QByteArray(), group, profile, withLightingSleep,
                               &essential)) {
        const auto settings = SettingsFile::openForReading(path);
        settings->beginGroup(group);
        essential = readProfileKeys(*settings, profile, withLightingSleep);
        settings->endGroup();
    }
    if (whole)
        *whole = exists && essential == ProfileKeys::get().essentialCount();
    return exists;
}

} // namespace

bool writeProfileGroup(int n, const ProfileData &profile, const QString &path)
{
    return writeGroup(n, profile, path, true);
}

bool readProfileGroup(int n, ProfileData &profile, const QString &path)
{
    return readGroup(n, profile, path, true);
}

bool writeConfigProfileGroup(int n, const ProfileData &profile, const QString &path)
{
    return writeGroup(n, profile, path, false);
}

bool readConfigProfileGroup(int n, ProfileData &profile, const QString &path)
{
    return readGroup(n, profile, path, false);
}

bool saveProfileFile(const ProfileData &profile, const QString &name)
{
    const QString path = Paths::profileFile(name);
    // A file that did not read as a whole profile was loaded as the factory
    // profile; what it still holds is kept before it is written over. (The
    // key names tell, in the library's own form; reading every value would
    // cost more than the write.)
    bool whole = true;
    if (QFileInfo(path).isFile() && !ProfileFastPath::checkWhole(fileBytes(path), ProfileKeys::groupName(0), whole))
        whole = holdsWholeProfile(0, path);
    if (!whole) {
        const QString backup = path + QStringLiteral(".bak");
        QFile::remove(backup);
        if (!QFile::copy(path, backup)) {
            qCWarning(lcConfig) << "profile file" << path << "did not hold a whole profile and could not be kept as"
                                << backup << "; it is not written over";
            return false;
        }
        qCWarning(lcConfig) << "profile file" << path << "did not hold a whole profile; kept as" << backup
                            << "before writing";
    }
    return writeProfileGroup(0, profile, path);
}

bool loadProfileFile(ProfileData &profile, const QString &name)
{
    bool whole = false;
    const QString path = Paths::profileFile(name);
    if (readGroup(0, profile, path, true, &whole) && whole)
        return true;
    if (QFileInfo(path).isFile())
        qCWarning(lcConfig) << "profile file" << path
                            << "lacks button or DPI keys; it loads as the factory profile and is kept as"
                            << path + QStringLiteral(".bak") << "when it is next written";
    makeDefaultProfile(profile);
    return false;
}

bool holdsWholeProfile(int n, const QString &path)
{
    ProfileData scratch;
    bool whole = false;
    readGroup(n, scratch, path, true, &whole);
    return whole;
}

QString defaultProfileName()
{
    return QStringLiteral("DefaultProfile");
}

bool writeDefaultProfileFile()
{
    ProfileData profile;
    makeDefaultProfile(profile);
    const QString path = Paths::profileFile(defaultProfileName());
    // The template follows the current descriptor alone: whatever an older
    // product left in the file goes.
    bool written = false;
    if (writeDirectly(0, profile, path, true, Keep::Nothing, written))
        return written;
    const auto settings = SettingsFile::openForWriting(path);
    settings->remove(QString());
    settings->beginGroup(ProfileKeys::groupName(0));
    writeProfileKeys(*settings, profile, true);
    settings->endGroup();
    return SettingsFile::commit(*settings);
}

namespace {

// One value the mouse reported into the slot's file; `field` is the same
// value in the profile record, for a file that must be written whole.
bool saveReportedValue(const QString &name, const QString &key, int value, uint8_t ProfileData::*field,
                       const ProfileData &current)
{
    const QString path = Paths::profileFile(name);
    if (path.isEmpty())
        return false;
    if (!holdsWholeProfile(0, path)) {
        // The value alone would make a file that loads as an empty profile.
        ProfileData whole = current;
        whole.*field = uint8_t(value);
        return saveProfileFile(whole, name);
    }
    const auto settings = SettingsFile::openForWriting(path);
    settings->setValue(ProfileKeys::groupName(0) + QLatin1Char('/') + key, value);
    return SettingsFile::commit(*settings);
}

} // namespace

bool saveProfileDpiStage(const QString &name, int stage, const ProfileData &current)
{
    if (stage < 0 || stage >= kDpiStageCount) {
        qCDebug(lcConfig) << "refused to store the DPI stage" << stage;
        return false;
    }
    return saveReportedValue(name, QStringLiteral("dpi"), stage, &ProfileData::dpi, current);
}

bool saveProfileReportRate(const QString &name, int rateCode, const ProfileData &current)
{
    if (!isReportRateCode(rateCode)) {
        qCDebug(lcConfig) << "refused to store the report-rate code" << rateCode;
        return false;
    }
    return saveReportedValue(name, QStringLiteral("pollrate"), rateCode, &ProfileData::pollrate, current);
}
