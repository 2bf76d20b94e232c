#include "plasmainputrc.h"

#include <QFile>
#include <QFileInfo>
#include <QDir>
#include <QList>
#include <QSaveFile>
#include <QStandardPaths>

namespace PlasmaInputRc {

namespace {

QByteArray trimmedLine(const QByteArray &line) { return line.trimmed(); }

bool isGroupHeader(const QByteArray &line) { return line.startsWith('[') && line.endsWith(']'); }

// The key of an entry line ("key=value"), empty for anything else.
QByteArray keyOf(const QByteArray &line)
{
    if (line.isEmpty() || line.startsWith('#') || isGroupHeader(line))
        return QByteArray();
    const int equals = line.indexOf('=');
    return equals <= 0 ? QByteArray() : line.left(equals).trimmed();
}

} // namespace

QString path()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/kcminputrc");
}

std::optional<QString> entry(const QByteArray &text, const QString &group, const QString &key)
{
    const QByteArray header = '[' + group.toUtf8() + ']';
    bool inGroup = false;
    for (const QByteArray &raw : text.split('\n')) {
        const QByteArray line = trimmedLine(raw);
        if (isGroupHeader(line)) {
            inGroup = line == header;
            continue;
        }
        if (inGroup && keyOf(line) == key.toUtf8())
            return QString::fromUtf8(line.mid(line.indexOf('=') + 1).trimmed());
    }
    return std::nullopt;
}

QByteArray withEntry(const QByteArray &text, const QString &group, const QString &key, const QString &value)
{
    const QByteArray header = '[' + group.toUtf8() + ']';
    const QByteArray newLine = key.toUtf8() + '=' + value.toUtf8();
    QList<QByteArray> lines = text.split('\n');
    // A final newline leaves an empty last piece; it comes back at the end.
    const bool endsWithNewline = text.isEmpty() || text.endsWith('\n');
    if (endsWithNewline)
        lines.removeLast();

    int groupStart = -1;
    int groupEnd = -1;   // one past the group's last entry
    for (int i = 0; i < lines.size(); ++i) {
        const QByteArray line = trimmedLine(lines.at(i));
        if (isGroupHeader(line)) {
            if (groupStart >= 0 && groupEnd < 0)
                groupEnd = i;
            if (line == header && groupStart < 0)
                groupStart = i;
            continue;
        }
        if (groupStart >= 0 && groupEnd < 0 && keyOf(line) == key.toUtf8()) {
            lines[i] = newLine;
            return lines.join('\n') + (endsWithNewline ? "\n" : "");
        }
    }
    if (groupStart >= 0) {
        if (groupEnd < 0)
            groupEnd = lines.size();
        // After the group's last non-blank line, before the blank lines
        // that separate it from the next group.
        int at = groupEnd;
        while (at > groupStart + 1 && trimmedLine(lines.at(at - 1)).isEmpty())
            --at;
        lines.insert(at, newLine);
    } else {
        if (!lines.isEmpty() && !trimmedLine(lines.last()).isEmpty())
            lines << QByteArray();
        lines << header << newLine;
    }
    return lines.join('\n') + '\n';
}

std::optional<double> readAcceleration(const QString &file)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return std::nullopt;
    const std::optional<QString> value = entry(in.readAll(), group(), accelerationKey());
    if (!value)
        return std::nullopt;
    bool ok = false;
    const double acceleration = value->toDouble(&ok);
    return ok ? std::optional<double>(acceleration) : std::nullopt;
}

bool writeAcceleration(const QString &file, double acceleration)
{
    QByteArray text;
    QFile in(file);
    if (in.exists()) {
        if (!in.open(QIODevice::ReadOnly))
            return false;
        text = in.readAll();
        in.close();
    }
    QDir().mkpath(QFileInfo(file).absolutePath());
    QSaveFile out(file);
    const QByteArray changed = withEntry(text, group(), accelerationKey(), QString::number(acceleration, 'g', 3));
    return out.open(QIODevice::WriteOnly) && out.write(changed) == changed.size() && out.commit();
}

} // namespace PlasmaInputRc
