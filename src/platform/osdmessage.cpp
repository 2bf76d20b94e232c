#include "osdmessage.h"

#include <QDir>
#include <QFileInfo>
#include <QtEndian>

#include <unistd.h>

const char OsdMessage::kWindowTitle[] = "QORV Wireless Mouse OSD";

namespace {

constexpr int kReserved1Offset = 512;
constexpr int kDurationOffset = 516;
constexpr int kReserved2Offset = 520;
constexpr int kColourOffset = 524;
constexpr int kFontSizeOffset = 528;
constexpr int kFamilyOffset = 532;

// A display time or letter size beyond these is a broken sender, not a wish.
constexpr qint32 kMaxDuration = 60000;
constexpr qint32 kMaxFontSize = 400;

QString cut(const QString &text)
{
    if (text.size() <= OsdMessage::kMaxChars)
        return text;
    int length = OsdMessage::kMaxChars;
    if (text.at(length - 1).isHighSurrogate())
        --length;
    return text.left(length);
}

// The 512-byte text field: UTF-16LE, zero-filled after the text, so the
// terminator is always there.
void putText(char *field, const QString &text)
{
    const QString kept = cut(text);
    for (int i = 0; i < kept.size(); ++i)
        qToLittleEndian<quint16>(kept.at(i).unicode(), field + 2 * i);
}

QString getText(const char *field)
{
    QString text;
    for (int i = 0; i < OsdMessage::kTextBytes / 2; ++i) {
        const quint16 unit = qFromLittleEndian<quint16>(field + 2 * i);
        if (unit == 0)
            break;
        text.append(QChar(unit));
    }
    // A sender that filled the field without a terminator gets its first 255.
    return cut(text);
}

void putInt(char *block, int offset, quint32 value)
{
    qToLittleEndian<quint32>(value, block + offset);
}

quint32 getInt(const char *block, int offset)
{
    return qFromLittleEndian<quint32>(block + offset);
}

} // namespace

OsdMessage OsdMessage::forText(const QString &text, const QColor &themeColour)
{
    OsdMessage message;
    message.text = text;
    message.colour = colourRef(themeColour);
    return message;
}

QByteArray OsdMessage::toBlock() const
{
    // Filled in a plain buffer: GCC cannot see the size behind
    // QByteArray::data() and warns about every field write.
    char data[kBlockSize] = {};
    putText(data, text);
    putInt(data, kReserved1Offset, 0);
    putInt(data, kDurationOffset, static_cast<quint32>(duration));
    putInt(data, kReserved2Offset, 0);
    putInt(data, kColourOffset, colour);
    putInt(data, kFontSizeOffset, static_cast<quint32>(fontSize));
    putText(data + kFamilyOffset, fontFamily);
    return QByteArray(data, kBlockSize);
}

bool OsdMessage::fromBlock(const QByteArray &block, OsdMessage *out, QString *why)
{
    if (block.size() != kBlockSize) {
        if (why)
            *why = QStringLiteral("a block of %1 bytes, expected %2").arg(block.size()).arg(kBlockSize);
        return false;
    }
    const char *data = block.constData();
    OsdMessage message;
    message.text = getText(data);
    message.duration = qBound<qint32>(0, static_cast<qint32>(getInt(data, kDurationOffset)), kMaxDuration);
    message.colour = getInt(data, kColourOffset) & 0xffffff;
    const qint32 size = static_cast<qint32>(getInt(data, kFontSizeOffset));
    message.fontSize = size < 1 ? kDefaultFontSize : qMin(size, kMaxFontSize);
    message.fontFamily = getText(data + kFamilyOffset);
    if (message.fontFamily.trimmed().isEmpty())
        message.fontFamily = QStringLiteral("Arial");
    if (out)
        *out = message;
    return true;
}

quint32 OsdMessage::colourRef(const QColor &colour)
{
    const QColor rgb = colour.isValid() ? colour.toRgb() : QColor(Qt::white);
    return static_cast<quint32>(rgb.red()) | static_cast<quint32>(rgb.green()) << 8
        | static_cast<quint32>(rgb.blue()) << 16;
}

QColor OsdMessage::colourFromRef(quint32 ref)
{
    return QColor(ref & 0xff, (ref >> 8) & 0xff, (ref >> 16) & 0xff);
}

QString OsdMessage::serverNameFor(const QString &windowTitle)
{
    QString name;
    for (const QChar c : windowTitle.toLower()) {
        if ((c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('0') && c <= QLatin1Char('9')))
            name.append(c);
        else if (!name.isEmpty() && !name.endsWith(QLatin1Char('-')))
            name.append(QLatin1Char('-'));
    }
    while (name.endsWith(QLatin1Char('-')))
        name.chop(1);
    if (name.isEmpty())
        name = QStringLiteral("osd");

    const QString runtimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtimeDir.isEmpty() && QFileInfo(runtimeDir).isDir())
        return QDir::cleanPath(runtimeDir) + QLatin1Char('/') + name + QStringLiteral(".socket");
    // QLocalServer puts a plain name in the shared temporary directory; the user
    // id keeps two users' displays apart.
    return name + QLatin1Char('-') + QString::number(::getuid());
}

QString OsdMessage::serverName()
{
    return serverNameFor(QString::fromLatin1(kWindowTitle));
}
