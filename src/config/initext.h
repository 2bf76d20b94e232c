#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>
#include <QStringList>

// The text forms of QSettings' INI format with its default (no) text codec:
// how a key and a value are escaped when written and how a value is split
// and unescaped when read. The fast profile reader and writer and the file
// scanner must agree with the settings library to the byte, so these follow
// its rules exactly; the tests hold them against the library itself.
namespace IniText {

// Key: letters, digits, '_', '-', '.' as they are; '/' as '\'; any other
// character up to U+00FF as %XX, above it as %UXXXX (upper-case hex).
void appendEscapedKey(const QString &key, QByteArray &out);

// Text value: control characters, '"', '\' and everything from U+007F up as
// escapes (\0, \n, \x4e2d ...; a hex digit right after a numeric escape is
// escaped too), the whole value quoted when it holds ';', ',' or '=' or
// starts or ends with a blank.
void appendEscapedString(const QString &text, QByteArray &out);

// A QString setting as the library writes it: "@" doubled at the start, a
// text holding U+0000 wrapped as @String(...), then escaped.
void appendTextValue(const QString &text, QByteArray &out);

// A QColor setting: its serialised variant, "@Variant(...)", escaped.
void appendColourValue(const QColor &colour, QByteArray &out);

// A value as the library reads it: split at commas outside quotes into the
// elements of a string list (one element when there is no such comma),
// escapes resolved, literal bytes read as Latin-1 (UTF-8 after a byte-order
// mark). Blanks at the end of an element are not removed.
QStringList valueElements(const char *data, int from, int to, bool utf8);

} // namespace IniText
