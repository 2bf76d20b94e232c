#include "appconfig.h"

#include "logging.h"
#include "paths.h"
#include "profilefile.h"
#include "profilenames.h"
#include "settingsfile.h"

#include <QDebug>
#include <QFileInfo>

#include <algorithm>

namespace AppConfig {

namespace {

using SettingsFile::readByte;
using SettingsFile::readInt;

constexpr int kColourThemes = 7;
constexpr int kLargestFontSize = 256;


std::unique_ptr<QSettings> reader()
{
    return SettingsFile::openForReading(Paths::configFile());
}

int intKey(const QString &key, int defaultValue = 0)
{
    return readInt(*reader(), key, defaultValue);
}

QString textKey(const QString &key)
{
    return reader()->value(key).toString();
}

bool writeKey(const QString &key, const QVariant &value)
{
    const auto settings = SettingsFile::openForWriting(Paths::configFile());
    settings->setValue(key, value);
    return SettingsFile::commit(*settings);
}

// The record's keys, built once.
struct RecordKeys {
    QString ProfileID = QStringLiteral("Config/ProfileID");
    QString AngleValue = QStringLiteral("Config/AngleValue");
    QString LiftHigh = QStringLiteral("Config/LiftHigh");
    QString Sync = QStringLiteral("Config/Sync");
    QString Jitter = QStringLiteral("Config/Jitter");
    QString Debounce = QStringLiteral("Config/Debounce");
    QString Count = QStringLiteral("Config/Count");
    std::array<QString, kProfileCount> names;

    RecordKeys()
    {
        for (int k = 0; k < kProfileCount; ++k)
            names[k] = QStringLiteral("Config/Profile%1").arg(k + 1);
    }
};

const RecordKeys &keys()
{
    static const RecordKeys k;
    return k;
}

uint8_t boundedProfileIndex(int stored)
{
    return stored >= 0 && stored < kProfileCount ? uint8_t(stored) : 0;
}

// Whether the file already holds exactly what saveAll would write: the
// same text for every key, so that the library would write the same bytes.
bool holdsRecord(const QSettings &s, const MouseConfig &config)
{
    const RecordKeys &k = keys();
    // A value the library parsed is text; one it cached after writing keeps
    // the type it was set with. Both are written as their decimal text.
    auto holds = [&s](const QString &key, const QString &text) {
        const QVariant stored = s.value(key);
        switch (stored.userType()) {
        case QMetaType::QString:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
            return stored.toString() == text;
        default:
            return false;
        }
    };
    const std::pair<const QString &, int> numbers[] = {
        {k.ProfileID, config.ProfileID}, {k.AngleValue, config.AngleValue}, {k.LiftHigh, config.LiftHigh},
        {k.Sync, config.Sync},           {k.Jitter, config.Jitter},         {k.Debounce, config.Debounce},
        {k.Count, config.Count},
    };
    for (const auto &number : numbers) {
        if (!holds(number.first, QString::number(number.second)))
            return false;
    }
    for (int i = 0; i < kProfileCount; ++i) {
        if (!holds(k.names[i], config.names[i]))
            return false;
    }
    return true;
}

} // namespace

QString slotNameKey(int slot)
{
    return slot >= 0 && slot < kProfileCount ? keys().names[slot] : QString();
}

void readGlobalOptions(const QSettings &s, MouseConfig &config)
{
    const RecordKeys &k = keys();
    config.ProfileID = boundedProfileIndex(readInt(s, k.ProfileID));
    config.AngleValue = readByte(s, k.AngleValue);
    config.LiftHigh = readByte(s, k.LiftHigh);
    config.Sync = readByte(s, k.Sync);
    config.Jitter = readByte(s, k.Jitter);
    config.Debounce = readByte(s, k.Debounce);
    config.Count = readByte(s, k.Count);
}

void writeGlobalOptions(QSettings &s, const MouseConfig &config)
{
    const RecordKeys &k = keys();
    s.setValue(k.ProfileID, int(config.ProfileID));
    s.setValue(k.AngleValue, int(config.AngleValue));
    s.setValue(k.Sync, int(config.Sync));
    s.setValue(k.LiftHigh, int(config.LiftHigh));
    s.setValue(k.Jitter, int(config.Jitter));
    s.setValue(k.Debounce, int(config.Debounce));
    s.setValue(k.Count, int(config.Count));
}

void writeSlotNames(QSettings &s, const MouseConfig &config)
{
    for (int k = 0; k < kProfileCount; ++k)
        s.setValue(keys().names[k], config.names[k]);
}

bool loadAll(MouseConfig &config, bool activeOnly)
{
    {
        const auto settings = reader();
        readGlobalOptions(*settings, config);
        for (int k = 0; k < kProfileCount; ++k)
            config.names[k] = settings->value(keys().names[k]).toString();
    }

    bool allRead = true;
    for (int k = 0; k < kProfileCount; ++k) {
        // A slot name is the base name of its file; one that cannot be a
        // file name would leave the slot unable to keep its settings.
        if (!Paths::isSafeFileName(config.names[k])) {
            const QString replacement = ProfileNames::numbered(k + 1);
            qCDebug(lcConfig) << "slot" << k + 1 << "name" << config.names[k] << "is not a file name; using" << replacement;
            config.names[k] = replacement;
        }
        if (activeOnly && k != config.profileIndex())
            continue;
        // A slot that was never saved (a fresh installation ships no slot
        // files) or whose file lacks keys gets the factory profile.
        if (!loadProfileFile(config.profiles[k], config.names[k])) {
            qCDebug(lcConfig) << "no whole profile file for slot" << k + 1 << config.names[k] << "; using the factory profile";
            allRead = false;
        }
    }

    return allRead;
}

bool saveAll(const MouseConfig &config, const MouseConfig *saved)
{
    // Every apply saves; Config.ini rarely changes, and a rewrite costs two
    // syncs to disk (lock file and data), so an unchanged file is left alone.
    bool ok = true;
    if (!holdsRecord(*reader(), config)) {
        const auto settings = SettingsFile::openForWriting(Paths::configFile());
        writeGlobalOptions(*settings, config);
        writeSlotNames(*settings, config);
        ok = SettingsFile::commit(*settings);
    }
    for (int k = 0; k < kProfileCount; ++k) {
        const bool unchanged = saved && saved->names[k] == config.names[k] && saved->profiles[k] == config.profiles[k]
            && QFileInfo(Paths::profileFile(config.names[k])).isFile();
        if (!unchanged)
            ok = saveProfileFile(config.profiles[k], config.names[k]) && ok;
    }
    return ok;
}

bool saveSlotTable(const MouseConfig &config)
{
    const auto settings = SettingsFile::openForWriting(Paths::configFile());
    settings->setValue(keys().ProfileID, int(config.ProfileID));
    settings->setValue(keys().Count, int(config.Count));
    writeSlotNames(*settings, config);
    return SettingsFile::commit(*settings);
}

bool saveActiveProfileIndex(int index)
{
    if (index < 0 || index >= kProfileCount)
        return false;
    return writeKey(keys().ProfileID, index);
}

QString currentProductName() { return textKey(QStringLiteral("Config/CurrentProductName")); }
bool setCurrentProductName(const QString &name) { return writeKey(QStringLiteral("Config/CurrentProductName"), name); }
int activeProfileIndex() { return boundedProfileIndex(intKey(keys().ProfileID)); }
int count() { return intKey(keys().Count); }
bool setCount(int value) { return writeKey(keys().Count, value); }

QString slotName(int slot)
{
    const QString key = slotNameKey(slot);
    return key.isEmpty() ? QString() : textKey(key);
}

bool setSlotName(int slot, const QString &name)
{
    const QString key = slotNameKey(slot);
    if (key.isEmpty() || !Paths::isSafeFileName(name))
        return false;
    return writeKey(key, name);
}

int angleValue() { return intKey(keys().AngleValue); }
int liftHigh() { return intKey(keys().LiftHigh); }
int sync() { return intKey(keys().Sync); }
int jitter() { return intKey(keys().Jitter); }
int debounce() { return intKey(keys().Debounce); }
int diff() { return intKey(QStringLiteral("Config/Diff")); }
bool setDiff(int value) { return writeKey(QStringLiteral("Config/Diff"), value); }
int battery() { return intKey(QStringLiteral("Config/Battery")); }
bool setBattery(int level) { return writeKey(QStringLiteral("Config/Battery"), level); }
int batteryFull() { return intKey(QStringLiteral("Config/BatteryFull"), kDefaultBatteryFullMillivolts); }
int batteryAlert() { return intKey(QStringLiteral("Config/BatteryAlert"), kDefaultBatteryAlert); }

bool profileControlsShown() { return intKey(QStringLiteral("Config/ProfileControls"), 1) != 0; }

int colourThemeIndex()
{
    const int index = intKey(QStringLiteral("Config/GColorID"));
    return index >= 0 && index < kColourThemes ? index : 0;
}

QString model() { return textKey(QStringLiteral("Config/Model")); }
int sensorType() { return intKey(QStringLiteral("MouseSenSor/1")); }

int ledType()
{
    const auto settings = reader();
    const QString product = settings->value(QStringLiteral("Config/CurrentProductName")).toString();
    // An empty name would address the group itself, not a key in it.
    if (product.isEmpty())
        return 0;
    return readInt(*settings, QStringLiteral("MouseLEDMode/") + product);
}

QString mouseListEntry() { return textKey(QStringLiteral("Mouse_List/0")); }

void loadLanguageTable(LanguageTable &out)
{
    const auto settings = reader();
    out.storedCount = readInt(*settings, QStringLiteral("FONT_LIST/LANGNUM"));
    out.count = std::clamp(out.storedCount, 0, kLanguageEntries);
    for (int i = 0; i < kLanguageEntries; ++i) {
        out.names[i] = settings->value(QStringLiteral("FONT_LIST/LangName_%1").arg(i)).toString();
        out.files[i] = settings->value(QStringLiteral("FONT_LIST/LangFile_%1").arg(i)).toString();
    }
}

QString fontFamily(int language)
{
    return textKey(QStringLiteral("FONT_LIST/FONT_%1").arg(language));
}

uint fontSize(int language)
{
    // An absurd size reads as "none given", which lets the widgets keep
    // their own.
    const int size = intKey(QStringLiteral("FONT_LIST/FONT_SIZE_%1").arg(language));
    return size > 0 && size <= kLargestFontSize ? uint(size) : 0u;
}

} // namespace AppConfig
