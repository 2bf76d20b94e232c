#include "scaledpicturecache.h"

#include "config/paths.h"
#include "widgets/uilog.h"

#include <QDataStream>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QSaveFile>

namespace {

// File layout: magic, then width, height, bytes per line (32-bit, native
// order: the copy never leaves the machine), then the rows of a
// premultiplied ARGB image.
const char kMagic[8] = {'M', 'C', 'F', 'G', 'P', 'I', 'C', '1'};
const int kHeaderSize = 8 + 3 * 4;
const int kMaxSide = 20000;

} // namespace

ScaledPictureCache::ScaledPictureCache(const QString &directory)
    : m_directory(directory.isEmpty() ? Paths::cacheDir()
                                      : directory)
{
}

QString ScaledPictureCache::copyPath(const QString &file, const QSize &size) const
{
    const QFileInfo source(file);
    return QStringLiteral("%1/%2-%3x%4-%5-%6.argb")
        .arg(m_directory, source.completeBaseName())
        .arg(size.width())
        .arg(size.height())
        .arg(source.size())
        .arg(source.lastModified().toMSecsSinceEpoch());
}

QImage ScaledPictureCache::readCopy(const QString &path, const QSize &expected)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QImage();
    const QByteArray header = file.read(kHeaderSize);
    if (header.size() != kHeaderSize || !header.startsWith(QByteArray(kMagic, 8)))
        return QImage();
    qint32 fields[3];
    memcpy(fields, header.constData() + 8, sizeof fields);
    const int width = fields[0];
    const int height = fields[1];
    const int bytesPerLine = fields[2];
    // A copy is a file like any other: nothing in it is trusted.
    if (width != expected.width() || height != expected.height() || width <= 0 || height <= 0
        || width > kMaxSide || height > kMaxSide || bytesPerLine != width * 4
        || file.size() != kHeaderSize + qint64(bytesPerLine) * height)
        return QImage();
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull() || image.bytesPerLine() != bytesPerLine)
        return QImage();
    const qint64 bytes = qint64(bytesPerLine) * height;
    if (file.read(reinterpret_cast<char *>(image.bits()), bytes) != bytes)
        return QImage();
    return image;
}

bool ScaledPictureCache::writeCopy(const QString &path, const QImage &source)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (image.isNull() || image.bytesPerLine() != image.width() * 4)
        return false;
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const qint32 fields[3] = {image.width(), image.height(), int(image.bytesPerLine())};
    file.write(kMagic, 8);
    file.write(reinterpret_cast<const char *>(fields), sizeof fields);
    file.write(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes());
    return file.commit();
}

QImage ScaledPictureCache::picture(const QString &file, const QSize &size)
{
    if (file.isEmpty() || size.isEmpty() || !QFileInfo::exists(file))
        return QImage();
    const QString copy = copyPath(file, size);
    QImage image = readCopy(copy, size);
    if (!image.isNull())
        return image;

    QImageReader reader(file);
    image = reader.read();
    if (image.isNull())
        return QImage();
    image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    // Copies of older versions of the picture at this size go.
    const QFileInfo source(file);
    const QString stale = QStringLiteral("%1-%2x%3-*.argb").arg(source.completeBaseName()).arg(size.width()).arg(size.height());
    for (const QString &old : QDir(m_directory).entryList({stale}, QDir::Files))
        QFile::remove(m_directory + QLatin1Char('/') + old);
    if (!writeCopy(copy, image))
        qCDebug(lcUi) << "the scaled picture could not be kept in" << m_directory;
    return image;
}
