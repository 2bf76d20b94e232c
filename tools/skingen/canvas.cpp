#include "canvas.h"

#include <QPainter>

#include <cmath>
#include <vector>

namespace Canvas {

namespace {

// One pass of a running-sum box blur along rows (or columns) of a
// premultiplied image; three passes approximate a Gaussian.
void boxPass(QImage &image, int radius, bool rows)
{
    const int width = image.width();
    const int height = image.height();
    const int lines = rows ? height : width;
    const int length = rows ? width : height;
    std::vector<quint32> line(static_cast<size_t>(length));
    const int window = 2 * radius + 1;
    for (int l = 0; l < lines; ++l) {
        auto pixel = [&](int i) -> QRgb & {
            return rows ? reinterpret_cast<QRgb *>(image.scanLine(l))[i]
                        : reinterpret_cast<QRgb *>(image.scanLine(i))[l];
        };
        for (int i = 0; i < length; ++i)
            line[static_cast<size_t>(i)] = pixel(i);
        int sum[4] = {0, 0, 0, 0};
        auto add = [&](int i, int sign) {
            if (i < 0 || i >= length)
                return;
            const quint32 p = line[static_cast<size_t>(i)];
            sum[0] += sign * int(qAlpha(p));
            sum[1] += sign * int(qRed(p));
            sum[2] += sign * int(qGreen(p));
            sum[3] += sign * int(qBlue(p));
        };
        for (int i = -radius; i <= radius; ++i)
            add(i, 1);
        for (int i = 0; i < length; ++i) {
            pixel(i) = qRgba(sum[1] / window, sum[2] / window, sum[3] / window, sum[0] / window);
            add(i - radius, -1);
            add(i + radius + 1, 1);
        }
    }
}

} // namespace

QImage render(const QSize &design, const PaintFunction &paint, int density)
{
    QImage image(design * density, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.scale(density, density);
    paint(painter);
    painter.end();
    return image;
}

void drawBlurred(QPainter &painter, const QPainterPath &path, const QBrush &brush, double radius,
                 const QPointF &offset)
{
    const QTransform transform = painter.transform();
    const double scale = std::sqrt(std::abs(transform.determinant()));
    const int pixels = qMax(1, int(std::lround(radius * scale / 2.0)));
    const QRect bounds = transform.map(path.translated(offset)).boundingRect().toAlignedRect().adjusted(
        -4 * pixels, -4 * pixels, 4 * pixels, 4 * pixels);
    if (bounds.isEmpty())
        return;
    QImage layer(bounds.size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter p(&layer);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.translate(-bounds.topLeft());
        p.setTransform(transform, true);
        p.translate(offset);
        p.fillPath(path, brush);
    }
    for (int pass = 0; pass < 3; ++pass) {
        boxPass(layer, pixels, true);
        boxPass(layer, pixels, false);
    }
    painter.save();
    painter.resetTransform();
    painter.drawImage(bounds.topLeft(), layer);
    painter.restore();
}

QPainterPath chamfered(const QRectF &r, double tl, double tr, double br, double bl)
{
    QPainterPath path;
    path.moveTo(r.left() + tl, r.top());
    path.lineTo(r.right() - tr, r.top());
    path.lineTo(r.right(), r.top() + tr);
    path.lineTo(r.right(), r.bottom() - br);
    path.lineTo(r.right() - br, r.bottom());
    path.lineTo(r.left() + bl, r.bottom());
    path.lineTo(r.left(), r.bottom() - bl);
    path.lineTo(r.left(), r.top() + tl);
    path.closeSubpath();
    return path;
}

QPainterPath roundedRect(const QRectF &rect, double radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

QColor withAlpha(const QColor &color, double alpha)
{
    QColor c = color;
    c.setAlphaF(qBound(0.0, alpha, 1.0));
    return c;
}

QLinearGradient vertical(const QRectF &rect, const QColor &top, const QColor &bottom)
{
    QLinearGradient g(rect.topLeft(), rect.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

QLinearGradient horizontal(const QRectF &rect, const QColor &left, const QColor &right)
{
    QLinearGradient g(rect.topLeft(), rect.topRight());
    g.setColorAt(0, left);
    g.setColorAt(1, right);
    return g;
}

} // namespace Canvas
