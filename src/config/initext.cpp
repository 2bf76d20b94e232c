#include "initext.h"

#include <QDataStream>
#include <QVariant>

namespace IniText {

namespace {

const char kUpperHex[] = "0123456789ABCDEF";

bool isKeyLiteral(ushort c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-'
        || c == '.';
}

bool isHexDigit(ushort c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

char simpleEscape(char c)
{
    switch (c) {
    case 'a': return '\a';
    case 'b': return '\b';
    case 'f': return '\f';
    case 'n': return '\n';
    case 'r': return '\r';
    case 't': return '\t';
    case 'v': return '\v';
    case '"':
    case '?':
    case '\'':
    case '\\':
        return c;
    default:
        return 0;
    }
}

} // namespace

void appendEscapedKey(const QString &key, QByteArray &out)
{
    // Written through a pointer into room made once: the profile key table
    // escapes some 8,000 keys at every start, and appending a character at
    // a time costs more than the rest of a short command.
    const int start = out.size();
    out.resize(start + 6 * key.size());   // "%Uhhhh" at most per character
    char *p = out.data() + start;
    for (const QChar qc : key) {
        const ushort c = qc.unicode();
        if (c == '/') {
            *p++ = '\\';
        } else if (isKeyLiteral(c)) {
            *p++ = char(c);
        } else if (c <= 0xff) {
            *p++ = '%';
            *p++ = kUpperHex[c / 16];
            *p++ = kUpperHex[c % 16];
        } else {
            *p++ = '%';
            *p++ = 'U';
            *p++ = kUpperHex[(c >> 12) & 0xf];
            *p++ = kUpperHex[(c >> 8) & 0xf];
            *p++ = kUpperHex[(c >> 4) & 0xf];
            *p++ = kUpperHex[c & 0xf];
        }
    }
    out.resize(int(p - out.constData()));
}

void appendEscapedString(const QString &text, QByteArray &out)
{
    const int start = out.size();
    bool needsQuotes = false;
    bool escapeHexDigit = false;   // after a numeric escape a hex digit would join it
    for (const QChar qc : text) {
        const ushort c = qc.unicode();
        if (c == ';' || c == ',' || c == '=')
            needsQuotes = true;
        if (escapeHexDigit && isHexDigit(c)) {
            out += "\\x";
            out += QByteArray::number(c, 16);
            continue;
        }
        escapeHexDigit = false;
        switch (c) {
        case 0:
            out += "\\0";
            escapeHexDigit = true;
            break;
        case '\a': out += "\\a"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\v': out += "\\v"; break;
        case '"':
        case '\\':
            out += '\\';
            out += char(c);
            break;
        default:
            if (c <= 0x1f || c >= 0x7f) {
                out += "\\x";
                out += QByteArray::number(c, 16);
                escapeHexDigit = true;
            } else {
                out += char(c);
            }
        }
    }
    if (needsQuotes || (start < out.size() && (out.at(start) == ' ' || out.at(out.size() - 1) == ' '))) {
        out.insert(start, '"');
        out += '"';
    }
}

void appendTextValue(const QString &text, QByteArray &out)
{
    if (text.contains(QChar(0)))
        appendEscapedString(QLatin1String("@String(") + text + QLatin1Char(')'), out);
    else if (text.startsWith(QLatin1Char('@')))
        appendEscapedString(QLatin1Char('@') + text, out);
    else
        appendEscapedString(text, out);
}

void appendColourValue(const QColor &colour, QByteArray &out)
{
    QByteArray stream;
    {
        QDataStream s(&stream, QIODevice::WriteOnly);
        s.setVersion(QDataStream::Qt_4_0);   // the version the library writes variants with
        s << QVariant::fromValue(colour);
    }
    appendEscapedString(QLatin1String("@Variant(") + QLatin1String(stream.constData(), stream.size())
                            + QLatin1Char(')'),
                        out);
}

QStringList valueElements(const char *d, int from, int to, bool utf8)
{
    QStringList elements;
    QString current;
    bool quoted = false;
    int i = from;
    auto skipSpaces = [&] {
        while (i < to && (d[i] == ' ' || d[i] == '\t'))
            ++i;
    };

    skipSpaces();
    while (i < to) {
        const char c = d[i];
        if (c == '\\') {
            if (++i >= to)
                break;
            const char escaped = d[i++];
            if (const char plain = simpleEscape(escaped)) {
                current += QLatin1Char(plain);
            } else if (escaped == 'x') {
                if (i >= to)
                    break;
                if (hexValue(d[i]) >= 0) {
                    uint value = 0;
                    for (; i < to && hexValue(d[i]) >= 0; ++i)
                        value = (value << 4) + uint(hexValue(d[i]));
                    current += QChar(ushort(value & 0xffff));
                }
            } else if (escaped >= '0' && escaped <= '7') {
                uint value = uint(escaped - '0');
                for (; i < to && d[i] >= '0' && d[i] <= '7'; ++i)
                    value = (value << 3) + uint(d[i] - '0');
                current += QChar(ushort(value & 0xffff));
            } else if (escaped == '\n' || escaped == '\r') {
                if (i < to && (d[i] == '\n' || d[i] == '\r') && d[i] != escaped)
                    ++i;
            }
            // any other escaped character is dropped
        } else if (c == '"') {
            ++i;
            quoted = !quoted;
            if (!quoted)
                skipSpaces();
        } else if (c == ',' && !quoted) {
            elements << current;
            current.clear();
            ++i;
            skipSpaces();
        } else {
            int j = i + 1;
            while (j < to && d[j] != '\\' && d[j] != '"' && d[j] != ',')
                ++j;
            current += utf8 ? QString::fromUtf8(d + i, j - i) : QString::fromLatin1(d + i, j - i);
            i = j;
        }
    }
    elements << current;
    return elements;
}

} // namespace IniText
