#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Scaled copies of large skin pictures, kept on disk between runs.
//
// The skin is drawn at three times its design size, so the window background
// alone decodes to 23 MB of pixels before it is scaled down: about a third of
// the program's start-up time and its peak memory. The scaled result is
// stored once, uncompressed, and read back on later starts in a few
// milliseconds. A copy belongs to one source file as it was (its size and
// modification time are part of the name), so a changed skin is scaled again.
class ScaledPictureCache {
public:
    // `directory`: where the copies live; created when needed. Empty:
    // Paths::cacheDir().
    explicit ScaledPictureCache(const QString &directory = QString());

    // The picture at `file` scaled smoothly to `size`: from the disk copy when
    // there is a valid one, else decoded, scaled and stored. A null image when
    // the file cannot be read.
    QImage picture(const QString &file, const QSize &size);

    // Where the copy of `file` at `size` is (or would be) kept.
    QString copyPath(const QString &file, const QSize &size) const;

    static QImage readCopy(const QString &path, const QSize &expected);
    static bool writeCopy(const QString &path, const QImage &image);

private:
    QString m_directory;
};
