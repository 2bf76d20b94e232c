#pragma once

#include <QByteArray>
#include <QSize>
#include <QVector>
#include <QColor>

// A small GIF89a encoder (Qt reads GIF but cannot write it): one global
// palette of up to 256 colours, one colour index reserved for transparency,
// full-size frames, endless loop.
class GifWriter {
public:
    GifWriter(const QSize &size, const QVector<QRgb> &palette, int transparentIndex);

    // `indices` holds width x height palette indices, row by row; the delay
    // is in hundredths of a second. Returns false for a frame of the wrong
    // size.
    bool addFrame(const QVector<uchar> &indices, int delayCentiseconds);

    // The finished file; the writer takes no more frames afterwards.
    QByteArray finish();

    int frameCount() const { return m_frames; }

private:
    void writeShort(int value);
    void writeImageData(const QVector<uchar> &indices);

    QSize m_size;
    int m_transparent;
    int m_frames = 0;
    bool m_finished = false;
    QByteArray m_out;
};
