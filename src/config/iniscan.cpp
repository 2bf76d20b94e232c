#include "iniscan.h"

#include "initext.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <QtEndian>

#include <algorithm>

namespace IniScan {

namespace {

// One logical line as the settings library delimits it: blanks before it
// skipped, ended by a line break outside quotes, by a ';' comment or by the
// end of the data; a backslash keeps the next character (and a following
// CR/LF pair) inside the line.
struct Line {
    int start = 0;
    int length = 0;
    int equals = -1;   // first '=' outside quotes, or -1
    // A quote still open at a line break: the line ends there (as it would
    // once the quote is closed) and the break is its position.
    int openQuoteBreak = -1;
};

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool nextLine(const QByteArray &data, int &pos, Line &line, bool closeAtBreak)
{
    const char *d = data.constData();
    const int size = data.size();
    int start = pos;
    while (start < size && isBlank(d[start]))
        ++start;

    int equals = -1;
    int openQuoteBreak = -1;
    bool quoted = false;
    int i = start;
    bool ended = false;
    while (i < size && !ended) {
        const char c = d[i++];
        switch (c) {
        case '=':
            if (!quoted && equals < 0)
                equals = i - 1;
            break;
        case '\n':
        case '\r':
            if (i == start + 1) {
                ++start;   // the break that ends a comment: still between lines
            } else if (!quoted) {
                ended = true;
            } else {
                // The library never writes a raw line break inside quotes;
                // one there is a stray quote. Read as the library reads it,
                // the line goes on; read as the repair will leave it (the
                // quote closed here), it ends.
                if (openQuoteBreak < 0)
                    openQuoteBreak = i - 1;
                if (closeAtBreak)
                    ended = true;
            }
            break;
        case '\\':
            if (i < size) {
                const char escaped = d[i++];
                if (i < size) {
                    const char after = d[i];
                    if ((escaped == '\n' && after == '\r') || (escaped == '\r' && after == '\n'))
                        ++i;
                }
            }
            break;
        case '"':
            quoted = !quoted;
            break;
        case ';':
            if (i == start + 1) {
                while (i < size && d[i] != '\n' && d[i] != '\r')
                    ++i;
                start = i;
            } else if (!quoted) {
                ended = true;
            }
            break;
        default:
            break;
        }
    }
    if (ended)
        --i;   // the terminator belongs to what follows
    pos = i;
    line.start = start;
    line.length = i - start;
    line.equals = equals;
    line.openQuoteBreak = openQuoteBreak;
    return line.length > 0;
}

// Whether the library would deserialise this element ("@Variant(...)" or
// "@DateTime(...)") into a type that is not safe to load. Blanks around it
// are ignored, which may flag a quoted string that merely looks like a
// variant: emptying that is the cautious side.
bool loadsUnsafeVariant(const QString &element)
{
    const QString s = element.trimmed();
    int offset = 0;
    if (s.startsWith(QLatin1String("@Variant(")))
        offset = 9;
    else if (s.startsWith(QLatin1String("@DateTime(")))
        offset = 10;
    if (offset == 0 || !s.endsWith(QLatin1Char(')')))
        return false;
    // The library streams from everything after the opening parenthesis,
    // the closing one included.
    return !isSafeVariant(s.mid(offset).toLatin1());
}

bool valueIsHazardous(const QByteArray &data, int from, int to, bool utf8)
{
    // Only a value with '@' or an escape (which may produce '@') can name a
    // serialised type; plain numbers and names skip the unescaping.
    const char *d = data.constData();
    if (std::none_of(d + from, d + to, [](char c) { return c == '@' || c == '\\'; }))
        return false;
    const QStringList elements = IniText::valueElements(d, from, to, utf8);
    return std::any_of(elements.begin(), elements.end(), loadsUnsafeVariant);
}

struct Edit {
    int at = 0;
    int remove = 0;
    const char *insert = nullptr;   // text put in at `at`, or none
};

// Without `edits`: the verdict on the file as the library reads it. With
// them: the edits that repair it, found by reading each line as it will
// stand once its stray quote is closed, which is how the library will read
// the repaired file.
Report scan(const QByteArray &data, QVector<Edit> *edits)
{
    Report report;
    const bool bom = data.startsWith("\xef\xbb\xbf");   // the library then decodes text as UTF-8
    int pos = bom ? 3 : 0;
    Line line;
    while (nextLine(data, pos, line, edits != nullptr)) {
        const int end = line.start + line.length;
        const char first = data.at(line.start);
        // With edits, a stray quote's line ends at its break: it is closed
        // there, unless the line goes or its value is emptied anyway.
        const bool openQuote = line.openQuoteBreak >= 0;
        if (openQuote) {
            report.malformed = true;
            report.openQuote = true;
        }
        if (first == '[') {
            const int close = data.indexOf(']', line.start);
            if (close < 0 || close >= end) {
                report.malformed = true;
                if (edits)
                    edits->append({end, 0, openQuote ? "\"]" : "]"});
            } else if (edits && openQuote) {
                edits->append({end, 0, "\""});
            }
        } else if (line.equals < 0) {
            if (first != ';') {
                report.malformed = true;
                if (edits)
                    edits->append({line.start, line.length, nullptr});
            } else if (edits && openQuote) {
                edits->append({end, 0, "\""});
            }
        } else if (valueIsHazardous(data, line.equals + 1, end, bom)) {
            report.hazardous = true;
            if (edits)
                edits->append({line.equals + 1, end - line.equals - 1, nullptr});
        } else if (edits && openQuote) {
            edits->append({end, 0, "\""});
        }
    }
    return report;
}

} // namespace

bool isSafeVariantType(quint32 typeId)
{
    // Type ids as they stand in the stream. Everything from 75 up (and 127,
    // a type named by text) is refused, which also covers the ids that
    // older streams renumber.
    switch (typeId) {
    case 0:                                   // invalid
    case 1: case 2: case 3: case 4: case 5:   // bool, int, uint, qlonglong, qulonglong
    case 6: case 7:                           // double, QChar
    case 10: case 12:                         // QString, QByteArray (read in bounded steps)
    case 14: case 15:                         // QDate, QTime
    case 19: case 20: case 21: case 22:       // QRect, QRectF, QSize, QSizeF
    case 23: case 24: case 25: case 26:       // QLine, QLineF, QPoint, QPointF
    case 32: case 33: case 34: case 35:       // long, short, char, ulong
    case 36: case 37: case 38: case 40:       // ushort, uchar, float, signed char
    case 67:                                  // QColor
        return true;
    default:
        return false;
    }
}

bool isSafeVariant(const QByteArray &stream)
{
    if (stream.size() < 4)
        return true;   // the stream ends before the type: nothing is loaded
    const quint32 type = qFromBigEndian<quint32>(stream.constData());
    if (!isSafeVariantType(type))
        return false;
    // A colour starts with its spec (a signed byte, streams of version 4.0
    // carry no null flag): invalid, RGB, HSV, CMYK, HSL or extended RGB.
    constexpr quint32 kColour = 67;
    if (type == kColour && stream.size() > 4) {
        const auto spec = static_cast<signed char>(stream.at(4));
        return spec >= 0 && spec <= 5;
    }
    return true;
}

Report inspect(const QByteArray &data)
{
    return scan(data, nullptr);
}

QByteArray repaired(const QByteArray &data)
{
    QVector<Edit> edits;
    if (scan(data, &edits).clean())
        return data;
    QByteArray out;
    out.reserve(data.size() + edits.size());
    int copied = 0;
    for (const Edit &edit : qAsConst(edits)) {
        out.append(data.constData() + copied, edit.at - copied);
        if (edit.insert)
            out.append(edit.insert);
        copied = edit.at + edit.remove;
    }
    out.append(data.constData() + copied, data.size() - copied);
    return out;
}

} // namespace IniScan
