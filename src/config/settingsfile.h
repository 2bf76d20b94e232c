#pragma once

#include <QSettings>
#include <QString>

#include <memory>

// Every settings file is an INI file opened per access through QSettings, so
// that files are interchangeable with those the Windows tool writes.
namespace SettingsFile {

// Opens a file for reading. Reading never creates or rewrites the file. A
// file holding serialised values that cannot be loaded safely (see
// iniscan.h) is read from a private copy in which those values are empty.
std::unique_ptr<QSettings> openForReading(const QString &path);

// Opens a file for writing. QSettings drops the lines it could not parse when
// it rewrites a malformed file, so such a file is first copied to <file>.bak
// and then put in the form the library reads without error (the same keys,
// minus values that cannot be loaded safely). The write itself is atomic
// (temporary file, then rename).
std::unique_ptr<QSettings> openForWriting(const QString &path);

// Writes what was set on `settings` and tells whether it reached the disk:
// false when the settings library reports an access error or the malformed
// file could not be put right before writing. After a failure, readers in
// this process read what the file holds, not the values that were set.
bool commit(QSettings &settings);

// Integer value with a default; text that is not a decimal number reads as 0,
// as the settings library does.
int readInt(const QSettings &settings, const QString &key, int defaultValue = 0);
// The same for a value already read (an invalid one gives the default).
int intFromVariant(const QVariant &value, int defaultValue = 0);

// One-byte field: the low 8 bits of the stored integer.
inline uint8_t readByte(const QSettings &settings, const QString &key, int defaultValue = 0)
{
    return static_cast<uint8_t>(readInt(settings, key, defaultValue) & 0xff);
}

// Colour: the settings library's serialised colour, or text that QColor parses
// ("#ff0000"). Anything else reads as an invalid colour.
QColor readColor(const QSettings &settings, const QString &key);
QColor colourFromVariant(const QVariant &value);

} // namespace SettingsFile
