#include "profilefastpath.h"

#include "iniscan.h"
#include "initext.h"
#include "profilekeys.h"
#include "settingsfile.h"

#include <QDataStream>
#include <QVariant>
#include <QVector>
#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <vector>

namespace ProfileFastPath {

namespace {

bool isNameChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-'
        || c == '.';
}

// One line of a canonical file: a section header or a key=value entry.
struct Line {
    bool header = false;
    const char *begin = nullptr;   // without the line break
    int length = 0;
    int equals = 0;                // offset of '=' in an entry

    QByteArray sectionName() const { return QByteArray::fromRawData(begin + 1, length - 2); }
    QByteArray key() const { return QByteArray::fromRawData(begin, equals); }
    int valueFrom() const { return equals + 1; }
};

// Walks the lines of bytes that QSettings would split at every LF and
// nothing else. Anything that could make the library split, join or skip
// lines differently (CR, quotes, ';' comments, a backslash before the line
// end, blanks, a byte-order mark) or name a key in another way (escaped key
// characters, keys outside a section, the General section) ends the walk
// with `canonical` false.
class LineWalker {
public:
    explicit LineWalker(const QByteArray &bytes)
        : m_data(bytes.constData())
        , m_end(bytes.constData() + bytes.size())
    {
        m_canonical = !bytes.startsWith("\xef\xbb\xbf") && !std::memchr(m_data, '\r', size_t(bytes.size()));
    }

    bool canonical() const { return m_canonical; }

    bool next(Line &line)
    {
        while (m_canonical && m_data < m_end) {
            const char *eol = static_cast<const char *>(std::memchr(m_data, '\n', size_t(m_end - m_data)));
            if (!eol)
                eol = m_end;
            line = Line();
            line.begin = m_data;
            line.length = int(eol - m_data);
            m_data = eol < m_end ? eol + 1 : m_end;
            if (line.length == 0)
                continue;   // the blank line between sections
            if (!classify(line)) {
                m_canonical = false;
                return false;
            }
            return true;
        }
        return false;
    }

private:
    bool classify(Line &line)
    {
        const char *b = line.begin;
        const int n = line.length;
        if (b[0] == '[') {
            if (n < 3 || b[n - 1] != ']' || !std::all_of(b + 1, b + n - 1, isNameChar))
                return false;
            if (n - 2 == 7 && qstrnicmp(b + 1, "general", 7) == 0)
                return false;   // the library's name for keys outside a section
            line.header = true;
            m_inSection = true;
            return true;
        }
        if (!m_inSection)
            return false;
        const char *eq = static_cast<const char *>(std::memchr(b, '=', size_t(n)));
        if (!eq || eq == b)
            return false;
        line.equals = int(eq - b);
        if (!std::all_of(b, eq, [](char c) { return isNameChar(c) || c == '\\'; }))
            return false;
        const char *value = eq + 1;
        for (const char *p = value; p < b + n; ++p) {
            if (*p == '"' || *p == ';')
                return false;
        }
        const char last = b[n - 1];
        return n == line.equals + 1 || (last != ' ' && last != '\t' && last != '\\');
    }

    const char *m_data;
    const char *m_end;
    bool m_canonical = true;
    bool m_inSection = false;
};

// A plain decimal number of up to nine digits, the form numbers are written
// in; anything else goes through the settings library's own conversion.
bool plainNumber(const char *b, int n, int &value)
{
    const bool negative = n > 0 && b[0] == '-';
    const int digits = n - (negative ? 1 : 0);
    if (digits < 1 || digits > 9)
        return false;
    int v = 0;
    for (const char *p = b + (negative ? 1 : 0); p < b + n; ++p) {
        if (*p < '0' || *p > '9')
            return false;
        v = v * 10 + (*p - '0');
    }
    value = negative ? -v : v;
    return true;
}

// The single text element of a value, or false when the library would read
// something else than plain text (a list, or a value starting with '@' other
// than the doubled '@' that stands for itself).
bool plainText(const Line &line, QString &text)
{
    const QStringList elements =
        IniText::valueElements(line.begin, line.valueFrom(), line.length, false);
    if (elements.size() != 1)
        return false;
    const QString &element = elements.first();
    if (element.startsWith(QLatin1String("@@")))
        text = element.mid(1);
    else if (element.startsWith(QLatin1Char('@')))
        return false;
    else
        text = element;
    return true;
}

bool readColour(const Line &line, QColor &colour)
{
    const QStringList elements =
        IniText::valueElements(line.begin, line.valueFrom(), line.length, false);
    if (elements.size() != 1)
        return false;
    const QString &s = elements.first();
    if (!s.startsWith(QLatin1Char('@'))) {
        colour = SettingsFile::colourFromVariant(QVariant(s));
        return true;
    }
    if (!s.startsWith(QLatin1String("@Variant(")) || !s.endsWith(QLatin1Char(')')))
        return false;
    QByteArray stream = s.mid(9).toLatin1();
    if (!IniScan::isSafeVariant(stream)) {
        colour = QColor();   // what the guarded settings reader gives for such a value
        return true;
    }
    QDataStream in(&stream, QIODevice::ReadOnly);
    in.setVersion(QDataStream::Qt_4_0);
    QVariant value;
    in >> value;
    colour = SettingsFile::colourFromVariant(value);
    return true;
}

bool readValue(const Line &line, const ProfileKey &key, ProfileData &profile)
{
    switch (key.kind()) {
    case ValueKind::Number: {
        int value = 0;
        if (!plainNumber(line.begin + line.valueFrom(), line.length - line.valueFrom(), value)) {
            QString text;
            if (!plainText(line, text))
                return false;
            value = SettingsFile::intFromVariant(QVariant(text));
        }
        setNumber(profile, key, value);
        return true;
    }
    case ValueKind::Text:
        return plainText(line, textOf(profile, key));
    case ValueKind::Colour:
        return readColour(line, colourOf(profile, key));
    }
    return false;
}

// A section other than the profile's, carried over as it stands. It is only
// carried when the library would write it back unchanged: keys in strictly
// ascending order and every value plain text in its canonical escaping.
struct Section {
    QByteArray name;
    QByteArray lines;
    QString lastKey;
    bool isGroup = false;
};

bool entryWritesBackUnchanged(const Line &line)
{
    QString text;
    if (!plainText(line, text))
        return false;
    QByteArray canonical;
    IniText::appendTextValue(text, canonical);
    return canonical.size() == line.length - line.valueFrom()
        && std::memcmp(canonical.constData(), line.begin + line.valueFrom(), size_t(canonical.size())) == 0;
}

QString unescapedKey(const Line &line)
{
    QString key = QString::fromLatin1(line.begin, line.equals);
    key.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return key;
}

// The decimal text QVariant gives an int, without a temporary per number.
void appendDecimal(int value, QByteArray &out)
{
    char digits[12];
    char *end = digits + sizeof digits;
    char *p = end;
    // Widened first: the magnitude of INT_MIN does not fit an int.
    qint64 magnitude = value < 0 ? -qint64(value) : qint64(value);
    do {
        *--p = char('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude);
    if (value < 0)
        *--p = '-';
    out.append(p, int(end - p));
}

void appendGroup(const ProfileData &profile, bool withLightingSleep, QByteArray &out)
{
    const ProfileKeys &keys = ProfileKeys::get();
    for (int index : keys.fileOrder()) {
        const ProfileKey &key = keys.all()[index];
        if (!withLightingSleep && key.isLightingSleep())
            continue;
        // Nearly every key holds a number: its whole line goes in with one
        // append (8,000 lines a profile, five profiles a save).
        char line[96];
        const int keyLength = key.escaped.size();
        if (key.kind() == ValueKind::Number && keyLength + 14 <= int(sizeof line)) {
            std::memcpy(line, key.escaped.constData(), size_t(keyLength));
            char *p = line + keyLength;
            *p++ = '=';
            const int value = numberOf(profile, key);
            qint64 magnitude = value < 0 ? -qint64(value) : qint64(value);
            char digits[12];
            char *d = digits + sizeof digits;
            do {
                *--d = char('0' + magnitude % 10);
                magnitude /= 10;
            } while (magnitude);
            if (value < 0)
                *p++ = '-';
            const size_t count = size_t(digits + sizeof digits - d);
            std::memcpy(p, d, count);
            p += count;
            *p++ = '\n';
            out.append(line, int(p - line));
            continue;
        }
        out += key.escaped;
        out += '=';
        switch (key.kind()) {
        case ValueKind::Number:
            appendDecimal(numberOf(profile, key), out);
            break;
        case ValueKind::Text:
            IniText::appendTextValue(textOf(profile, key), out);
            break;
        case ValueKind::Colour:
            IniText::appendColourValue(colourOf(profile, key), out);
            break;
        }
        out += '\n';
    }
}

} // namespace

bool read(const QByteArray &bytes, const QString &group, ProfileData &profile, bool withLightingSleep,
          int *essentialSeen)
{
    int essential = 0;
    const ProfileKeys &keys = ProfileKeys::get();
    const QByteArray groupName = group.toLatin1();
    ProfileData result = profile;
    clearProfileFields(result, withLightingSleep);

    std::vector<bool> seen(keys.all().size());
    LineWalker walker(bytes);
    Line line;
    bool inGroup = false;
    size_t position = 0;   // in the order the settings library writes the keys
    while (walker.next(line)) {
        if (line.header) {
            inGroup = line.sectionName() == groupName;
            position = 0;
            continue;
        }
        if (!inGroup)
            continue;
        const int index = keys.indexInFileOrder(position, line.begin, line.equals);
        if (index < 0)
            continue;   // a key the profile does not have
        const ProfileKey &key = keys.all()[index];
        if (!withLightingSleep && key.isLightingSleep())
            continue;
        if (!readValue(line, key, result))
            return false;
        // A key given twice (a line appended by hand, a section repeated)
        // reads as the library reads it, the last one winning, and counts
        // once.
        if (key.isEssential() && !seen[size_t(index)]) {
            seen[size_t(index)] = true;
            ++essential;
        }
    }
    if (!walker.canonical())
        return false;
    profile = result;
    if (essentialSeen)
        *essentialSeen = essential;
    return true;
}

bool checkWhole(const QByteArray &bytes, const QString &group, bool &whole)
{
    const ProfileKeys &keys = ProfileKeys::get();
    const QByteArray groupName = group.toLatin1();
    std::vector<bool> seen(keys.all().size());
    int essential = 0;
    LineWalker walker(bytes);
    Line line;
    bool inGroup = false;
    while (walker.next(line)) {
        if (line.header) {
            inGroup = line.sectionName() == groupName;
            continue;
        }
        const int index = inGroup ? keys.indexOfEscaped(line.key()) : -1;
        if (index >= 0 && keys.all()[size_t(index)].isEssential() && !seen[size_t(index)]) {
            seen[size_t(index)] = true;
            ++essential;
        }
    }
    if (!walker.canonical())
        return false;
    whole = essential == keys.essentialCount();
    return true;
}

bool render(const QByteArray &existing, const QString &group, const ProfileData &profile, bool withLightingSleep,
            QByteArray &out)
{
    const ProfileKeys &keys = ProfileKeys::get();
    const QByteArray groupName = group.toLatin1();
    if (groupName.isEmpty() || !std::all_of(groupName.begin(), groupName.end(), isNameChar))
        return false;

    QVector<Section> sections;
    LineWalker walker(existing);
    Line line;
    size_t position = 0;   // in the order the settings library writes the keys
    while (walker.next(line)) {
        if (line.header) {
            position = 0;
            const QByteArray name = line.sectionName();
            auto same = [&name](const Section &s) { return s.name == name; };
            if (std::any_of(sections.begin(), sections.end(), same))
                return false;   // the library would merge repeated sections
            sections.append(Section{name, QByteArray(), QString(), name == groupName});
            continue;
        }
        Section &section = sections.last();
        if (section.isGroup) {
            // The group's old keys are all replaced; one the profile does not
            // have would survive in the library's merge.
            const int index = keys.indexInFileOrder(position, line.begin, line.equals);
            if (index < 0 || (!withLightingSleep && keys.all()[index].isLightingSleep()))
                return false;
            continue;
        }
        const QString key = unescapedKey(line);
        if ((!section.lastKey.isNull() && !(section.lastKey < key)) || !entryWritesBackUnchanged(line))
            return false;
        section.lastKey = key;
        section.lines.append(line.begin, line.length);
        section.lines.append('\n');
    }
    if (!walker.canonical())
        return false;
    for (const Section &section : qAsConst(sections)) {
        if (!section.isGroup && section.lines.isEmpty())
            return false;   // the library drops a section without keys
    }
    if (std::none_of(sections.begin(), sections.end(), [](const Section &s) { return s.isGroup; }))
        sections.append(Section{groupName, QByteArray(), QString(), true});
    std::sort(sections.begin(), sections.end(),
              [](const Section &a, const Section &b) { return a.name < b.name; });

    out.clear();
    out.reserve(existing.size() + 300000);
    for (int i = 0; i < sections.size(); ++i) {
        if (i > 0)
            out += '\n';
        out += '[';
        out += sections[i].name;
        out += "]\n";
        if (sections[i].isGroup)
            appendGroup(profile, withLightingSleep, out);
        else
            out += sections[i].lines;
    }
    return true;
}

} // namespace ProfileFastPath
