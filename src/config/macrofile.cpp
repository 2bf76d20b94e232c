#include "macrofile.h"

#include "iniscan.h"
#include "logging.h"
#include "paths.h"
#include "settingsfile.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {

using SettingsFile::readByte;
using SettingsFile::readInt;

const QString kCountKey = QStringLiteral("Setting/Count");
const QString kWriteSignKey = QStringLiteral("Setting/WriteSign");

QString eventKey(const char *field, int index)
{
    return QStringLiteral("Setting/%1_%2").arg(QLatin1String(field)).arg(index);
}

QString listKey(int entry)
{
    return QStringLiteral("MACRO_LIST/%1").arg(entry);
}

// Path of an existing macro file, or empty (unsafe name or no file).
QString existingMacroFile(const QString &name)
{
    const QString path = Paths::macroFile(name);
    return !path.isEmpty() && QFileInfo::exists(path) ? path : QString();
}

KeyInfo readEvent(const QSettings &s, int index)
{
    KeyInfo event;
    event.map = readByte(s, eventKey("Map", index));
    event.DataH = readByte(s, eventKey("DataH", index));
    event.DataL = readByte(s, eventKey("DataL", index));
    return event;
}

std::array<QString, kMacroListSize> readList()
{
    std::array<QString, kMacroListSize> table;
    const auto config = SettingsFile::openForReading(Paths::configFile());
    for (int i = 0; i < kMacroListSize; ++i)
        table[i] = config->value(listKey(i)).toString();
    return table;
}

bool writeListEntry(int entry, const QString &name)
{
    const auto config = SettingsFile::openForWriting(Paths::configFile());
    config->setValue(listKey(entry), name);
    if (SettingsFile::commit(*config))
        return true;
    qCWarning(lcConfig) << "the macro list could not be written; entry" << entry << "keeps its old name";
    return false;
}

int findListEntry(const std::array<QString, kMacroListSize> &table, const QString &name)
{
    const auto it = std::find(table.begin(), table.end(), name);
    return it == table.end() ? -1 : static_cast<int>(it - table.begin());
}

} // namespace

bool writeMacroFile(const QString &name, const MacroOptions &options, const std::vector<KeyInfo> &events)
{
    const QString path = Paths::macroFile(name);
    if (path.isEmpty())
        return false;
    QDir().mkpath(Paths::macroDir());
    const auto s = SettingsFile::openForWriting(path);

    s->setValue(QStringLiteral("Setting/MacroFilePath"), QDir::toNativeSeparators(path));
    s->setValue(QStringLiteral("Setting/DefaultDelay"), options.DefaultDelay);
    s->setValue(QStringLiteral("Setting/DelayType"), options.DelayType);
    s->setValue(QStringLiteral("Setting/LoopType"), options.LoopType);
    s->setValue(QStringLiteral("Setting/LoopTime"), options.LoopTime);
    const int count = static_cast<int>(events.size());
    s->setValue(kCountKey, count);
    // Event values are text holding a decimal number, as the Windows tool
    // writes them.
    for (int i = 0; i < count; ++i) {
        s->setValue(eventKey("Map", i), QString::number(events[i].map));
        s->setValue(eventKey("DataH", i), QString::number(events[i].DataH));
        s->setValue(eventKey("DataL", i), QString::number(events[i].DataL));
    }
    // Readers ignore events beyond Count, but a shorter rewrite should not
    // leave the old tail behind in the file.
    static const QRegularExpression eventPattern(QStringLiteral("^(Map|DataH|DataL)_(\\d+)$"));
    s->beginGroup(QStringLiteral("Setting"));
    for (const QString &key : s->childKeys()) {
        const QRegularExpressionMatch match = eventPattern.match(key);
        bool ok = false;
        const int index = match.hasMatch() ? match.captured(2).toInt(&ok) : -1;
        if (match.hasMatch() && (!ok || index >= count))
            s->remove(key);
    }
    s->endGroup();
    s->setValue(kWriteSignKey, 1);
    if (!SettingsFile::commit(*s)) {
        qCWarning(lcConfig) << "macro file could not be written:" << path;
        return false;
    }
    return true;
}

namespace {

void readOptionsAndEvents(const QSettings &s, MacroOptions &options, std::vector<KeyInfo> &events)
{
    options.DefaultDelay = readInt(s, QStringLiteral("Setting/DefaultDelay"));
    options.DelayType = readInt(s, QStringLiteral("Setting/DelayType"));
    options.LoopType = readInt(s, QStringLiteral("Setting/LoopType"));
    options.LoopTime = readInt(s, QStringLiteral("Setting/LoopTime"));
    const int count = std::clamp(readInt(s, kCountKey), 0, kMacroFileEventLimit);
    events.reserve(count);
    for (int i = 0; i < count; ++i)
        events.push_back(readEvent(s, i));
}

// A movement step as the editor reads it (a signed byte), held to 1..120
// and stored again.
uint8_t heldStep(uint8_t stored)
{
    const int step = int8_t(stored);
    const int distance = std::min(step < 0 ? -step : step, 120);
    return uint8_t(step < 0 ? 256 - distance : distance);
}

} // namespace

bool readMacroFile(const QString &name, MacroOptions &options, std::vector<KeyInfo> &events)
{
    options = MacroOptions();
    events.clear();
    const QString path = existingMacroFile(name);
    if (path.isEmpty())
        return false;
    readOptionsAndEvents(*SettingsFile::openForReading(path), options, events);
    return true;
}

bool readForeignMacroFile(const QString &path, MacroOptions &options, std::vector<KeyInfo> &events)
{
    options = MacroOptions();
    events.clear();
    if (!isMacroFile(path))
        return false;
    readOptionsAndEvents(*SettingsFile::openForReading(path), options, events);
    return true;
}

int keepEditableEvents(std::vector<KeyInfo> &events)
{
    const size_t before = events.size();
    std::vector<KeyInfo> kept;
    kept.reserve(events.size());
    for (KeyInfo event : events) {
        switch (event.map) {
        case MacroEvent::KeyDown:
        case MacroEvent::KeyUp:
            event.DataH = 0;
            break;
        case MacroEvent::ButtonDown:
        case MacroEvent::ButtonUp:
            if (event.DataL != 1 && event.DataL != 2 && event.DataL != 4 && event.DataL != 8 && event.DataL != 16)
                continue;
            break;
        case MacroEvent::Move:
            if (event.DataL != 0) {
                event.DataL = heldStep(event.DataL);
                event.DataH = 0;
            } else {
                event.DataH = heldStep(event.DataH);
            }
            break;
        case MacroEvent::Delay:
            break;
        default:
            continue;
        }
        kept.push_back(event);
    }
    events = std::move(kept);
    return int(before - events.size());
}

int readMacroEvents(const QString &name, std::array<KeyInfo, kEventsPerButton> &events, int *storedCount)
{
    events.fill(KeyInfo());
    if (storedCount)
        *storedCount = 0;
    const QString path = existingMacroFile(name);
    if (path.isEmpty())
        return 0;
    const auto s = SettingsFile::openForReading(path);
    const int stored = readInt(*s, kCountKey);
    if (storedCount)
        *storedCount = stored;
    // KeyInfo and a macro bank of the mouse hold 63 events; the rest of a
    // longer file is never sent.
    const int count = std::clamp(stored, 0, kEventsPerButton);
    for (int i = 0; i < count; ++i)
        events[i] = readEvent(*s, i);
    return count;
}

bool addMacroName(const QString &name)
{
    if (!Paths::isSafeFileName(name))
        return false;
    const auto table = readList();
    if (findListEntry(table, name) >= 0)
        return true;
    const int entry = findListEntry(table, QString());
    return entry >= 0 && writeListEntry(entry, name);
}

bool removeMacroName(const QString &name)
{
    if (name.isEmpty())
        return true;
    const int entry = findListEntry(readList(), name);
    return entry < 0 || writeListEntry(entry, QString());
}

bool renameMacroName(const QString &oldName, const QString &newName)
{
    // An empty old name would match a free entry; an unsafe new one could
    // never name a file.
    if (oldName.isEmpty() || !Paths::isSafeFileName(newName))
        return false;
    const int entry = findListEntry(readList(), oldName);
    return entry < 0 || writeListEntry(entry, newName);
}

QStringList listMacros()
{
    QStringList names;
    for (const QString &name : readList()) {
        if (!name.isEmpty())
            names.append(name);
    }
    return names;
}

int countMacros()
{
    return listMacros().size();
}

bool macroListFull()
{
    return countMacros() >= kMacroListSize;
}

bool takeWriteSign(const QString &name)
{
    const QString path = existingMacroFile(name);
    if (path.isEmpty())
        return false;
    if (readInt(*SettingsFile::openForReading(path), kWriteSignKey) == 0)
        return false;
    const auto s = SettingsFile::openForWriting(path);
    s->setValue(kWriteSignKey, 0);
    // The mark was set either way: the macro is sent even if it could not be
    // cleared, at worst once more than needed.
    if (!SettingsFile::commit(*s))
        qCDebug(lcConfig) << "change mark could not be cleared:" << path;
    return true;
}

namespace {

// base + "_n" with the first n from `first` upward whose file does not exist;
// empty when the name is unsafe. The bound only stops a folder of absurd size
// from looping for ever.
QString firstFreeNumberedName(const QString &base, int first)
{
    first = std::clamp(first, 0, 1000000);
    for (int n = first; n < first + 100000; ++n) {
        const QString candidate = base + QStringLiteral("_%1").arg(n);
        const QString path = Paths::macroFile(candidate);
        if (path.isEmpty())
            return QString();
        if (!QFileInfo::exists(path))
            return candidate;
    }
    return QString();
}

} // namespace

QString freeMacroName(const QString &wanted, int firstNumber)
{
    const QString path = Paths::macroFile(wanted);
    if (path.isEmpty())
        return QString();
    if (!QFileInfo::exists(path))
        return wanted;
    return firstFreeNumberedName(wanted, firstNumber);
}

QString newMacroName(const QString &base)
{
    return firstFreeNumberedName(base, 1);
}

bool renameMacro(const QString &oldName, const QString &wanted, QString *newName)
{
    const QString oldPath = Paths::macroFile(oldName);
    if (oldPath.isEmpty() || !Paths::isSafeFileName(wanted))
        return false;
    if (wanted == oldName) {
        if (newName)
            *newName = oldName;
        return true;
    }
    const QString name = freeMacroName(wanted);
    if (name.isEmpty())
        return false;
    // A listed macro whose file has gone still gets its list entry renamed.
    if (QFileInfo::exists(oldPath) && !QFile::rename(oldPath, Paths::macroFile(name))) {
        qCWarning(lcConfig) << "macro file could not be renamed:" << oldPath;
        return false;
    }
    if (newName)
        *newName = name;
    // The file has its new name; a list that kept the old one would point at
    // nothing, so the caller hears of it.
    return renameMacroName(oldName, name);
}

bool deleteMacro(const QString &name)
{
    // The list first: a name left listed without its file would be offered
    // and play nothing, a file left without its name is only unseen.
    if (!removeMacroName(name))
        return false;
    const QString path = Paths::macroFile(name);
    if (path.isEmpty())
        return false;
    return (!QFileInfo::exists(path) || QFile::remove(path)) && findListEntry(readList(), name) < 0;
}

bool isMacroFile(const QString &path)
{
    QFile file(path);
    // A macro file is text of a few hundred kilobytes at most.
    constexpr qint64 kLargestMacroFile = 4 * 1024 * 1024;
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestMacroFile)
        return false;
    const QByteArray bytes = file.readAll();
    if (bytes.isEmpty() || bytes.contains('\0') || !IniScan::inspect(bytes).clean())
        return false;
    const auto s = SettingsFile::openForReading(path);
    bool ok = false;
    const int count = s->value(kCountKey).toString().trimmed().toInt(&ok);
    return ok && count >= 0 && s->status() == QSettings::NoError;
}
