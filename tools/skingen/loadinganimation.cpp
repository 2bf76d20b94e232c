#include "loadinganimation.h"

#include "canvas.h"
#include "gifwriter.h"

#include <QConicalGradient>
#include <QPainter>
#include <QPainterPathStroker>

#include <cmath>

namespace LoadingAnimation {

namespace {

// The spinner is white of varying strength over the matte, so every pixel
// lies on the line from the matte colour to white: a 255-step ramp holds
// the animation exactly, and index 0 stays free for transparency.
const QColor kInk(236, 241, 247);
constexpr double kDiscRadius = 52;
constexpr double kTrackRadius = 34;

QVector<QRgb> palette()
{
    QVector<QRgb> colors;
    colors.reserve(256);
    const QColor m = Canvas::Ink::spinnerMatte;
    colors.append(m.rgb());
    for (int i = 1; i < 256; ++i) {
        const double t = (i - 1) / 254.0;
        colors.append(qRgb(int(std::lround(m.red() + t * (kInk.red() - m.red()))),
                           int(std::lround(m.green() + t * (kInk.green() - m.green()))),
                           int(std::lround(m.blue() + t * (kInk.blue() - m.blue())))));
    }
    return colors;
}

QVector<uchar> toIndices(const QImage &image)
{
    const QColor m = Canvas::Ink::spinnerMatte;
    const int span = (kInk.red() - m.red()) + (kInk.green() - m.green()) + (kInk.blue() - m.blue());
    QVector<uchar> indices;
    indices.reserve(image.width() * image.height());
    for (int y = 0; y < image.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = line[x];
            if (qAlpha(p) < 128) {
                indices.append(0);
                continue;
            }
            const int lift = (qRed(p) - m.red()) + (qGreen(p) - m.green()) + (qBlue(p) - m.blue());
            const int step = qBound(0, int(std::lround(254.0 * lift / span)), 254);
            indices.append(uchar(1 + step));
        }
    }
    return indices;
}

} // namespace

QImage frame(int index, int density)
{
    const double turn = 360.0 * index / kFrameCount;
    return Canvas::render(QSize(kDesignSize, kDesignSize), [turn](QPainter &p) {
        const QPointF centre(kDesignSize / 2.0, kDesignSize / 2.0);
        // The disc is drawn without antialiasing: its edge must be either
        // fully the matte or fully transparent.
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(Qt::NoPen);
        p.setBrush(Canvas::Ink::spinnerMatte);
        p.drawEllipse(centre, kDiscRadius, kDiscRadius);
        p.setRenderHint(QPainter::Antialiasing, true);

        // Faint track.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Canvas::withAlpha(kInk, 0.09), 6, Qt::SolidLine, Qt::FlatCap));
        p.drawEllipse(centre, kTrackRadius, kTrackRadius);

        // The comet: a 280-degree tail that fades away from its head. One
        // conical gradient over the whole ring keeps the fade free of steps.
        const QRectF ring(centre.x() - kTrackRadius, centre.y() - kTrackRadius, 2 * kTrackRadius,
                          2 * kTrackRadius);
        const double headAngle = 90.0 - turn;
        const double sweep = 280.0;
        QPainterPath arc;
        arc.arcMoveTo(ring, headAngle);
        arc.arcTo(ring, headAngle, sweep);
        QPainterPathStroker stroker;
        stroker.setWidth(6);
        stroker.setCapStyle(Qt::FlatCap);
        QConicalGradient fade(centre, headAngle);
        fade.setColorAt(0.0, Canvas::withAlpha(kInk, 1.0));
        fade.setColorAt(sweep / 360.0 * 0.45, Canvas::withAlpha(kInk, 0.35));
        fade.setColorAt(sweep / 360.0, Canvas::withAlpha(kInk, 0.0));
        fade.setColorAt(1.0, Canvas::withAlpha(kInk, 0.0));
        p.setPen(Qt::NoPen);
        p.setBrush(fade);
        p.drawPath(stroker.createStroke(arc));

        // The head: a round cap with a soft halo.
        const double head = (90.0 - turn) * M_PI / 180.0;
        const QPointF tip(centre.x() + kTrackRadius * std::cos(head), centre.y() - kTrackRadius * std::sin(head));
        QRadialGradient halo(tip, 11);
        halo.setColorAt(0, Canvas::withAlpha(kInk, 0.55));
        halo.setColorAt(1, Canvas::withAlpha(kInk, 0.0));
        p.setPen(Qt::NoPen);
        p.setBrush(halo);
        p.drawEllipse(tip, 11, 11);
        p.setBrush(kInk);
        p.drawEllipse(tip, 3.4, 3.4);

        // A small core that breathes with the turn.
        const double pulse = 0.5 + 0.5 * std::cos(turn * M_PI / 180.0);
        p.setBrush(Canvas::withAlpha(kInk, 0.12 + 0.22 * pulse));
        p.drawEllipse(centre, 4.5 + 1.5 * pulse, 4.5 + 1.5 * pulse);
    }, density);
}

QByteArray gif(int density)
{
    const int side = kDesignSize * density;
    GifWriter writer(QSize(side, side), palette(), 0);
    for (int i = 0; i < kFrameCount; ++i)
        writer.addFrame(toIndices(frame(i, density)), kFrameDelayCentiseconds);
    return writer.finish();
}

} // namespace LoadingAnimation
