#include "catalog.h"

#include <QPainter>
#include <QPainterPathStroker>

#include <cmath>

using namespace Canvas;

namespace {

// ---- Front view, 300 x 400: the mouse from above, nose up. ----
//
// The button numbers of the highlight pictures follow the button entries of
// the sample model: 1 left, 2 right, 3 wheel, 4 forward, 5 back, 6 DPI.
enum Part { NoPart = 0, LeftButton, RightButton, Wheel, Forward, Back, DpiButton, PartCount };

const double kCentre = 152;

QPainterPath topBody()
{
    QPainterPath body;
    body.moveTo(kCentre, 50);
    body.cubicTo(188, 49, 212, 64, 217, 96);
    body.cubicTo(222, 130, 221, 170, 219, 205);
    body.cubicTo(217, 240, 233, 268, 233, 305);
    body.cubicTo(233, 352, 200, 388, kCentre, 388);
    body.cubicTo(104, 388, 70, 352, 70, 305);
    body.cubicTo(70, 265, 86, 240, 84, 205);
    body.cubicTo(82, 170, 81, 130, 86, 96);
    body.cubicTo(91, 64, 116, 49, kCentre, 50);
    body.closeSubpath();
    return body;
}

QPainterPath buttonZone()
{
    QPainterPath zone;
    zone.moveTo(40, 20);
    zone.lineTo(264, 20);
    zone.lineTo(264, 184);
    zone.cubicTo(230, 200, 190, 216, kCentre, 216);
    zone.cubicTo(114, 216, 74, 200, 40, 184);
    zone.closeSubpath();
    return zone;
}

QPainterPath wheelWell() { return roundedRect(QRectF(139, 94, 26, 68), 11); }
QPainterPath dpiWell() { return roundedRect(QRectF(141, 168, 22, 31), 9); }

QPainterPath mainButton(bool left)
{
    QPainterPath half;
    half.addRect(left ? QRectF(0, 0, kCentre - 0.9, 400) : QRectF(kCentre + 0.9, 0, 300, 400));
    return topBody().intersected(buttonZone()).intersected(half).subtracted(wheelWell()).subtracted(dpiWell());
}

QPainterPath sideButton(bool forward)
{
    QPainterPath shape = roundedRect(QRectF(0, 0, 11, 35), 5);
    QTransform t;
    t.translate(forward ? 76.5 : 76, forward ? 143 : 184);
    t.rotate(forward ? 2.5 : -1.5);
    return t.map(shape);
}

QPainterPath partPath(int part)
{
    switch (part) {
    case LeftButton:
        return mainButton(true);
    case RightButton:
        return mainButton(false);
    case Wheel:
        return wheelWell();
    case Forward:
        return sideButton(true);
    case Back:
        return sideButton(false);
    case DpiButton:
        return roundedRect(QRectF(143.5, 170.5, 17, 26), 7.5);
    default:
        return QPainterPath();
    }
}

void honeycomb(QPainter &p, const QPainterPath &area, const QPointF &centre, double reach)
{
    p.save();
    p.setClipPath(area);
    const double r = 6.2;
    const double w = std::sqrt(3.0) * r + 2.2;
    const double h = 1.5 * r + 1.9;
    for (int row = -8; row <= 8; ++row) {
        for (int col = -7; col <= 7; ++col) {
            const QPointF c(centre.x() + col * w + (row % 2 ? w / 2 : 0), centre.y() + row * h);
            const double d = std::hypot((c.x() - centre.x()) / reach, (c.y() - centre.y()) / (reach * 1.1));
            if (d > 1.0)
                continue;
            const double strength = 1.0 - std::pow(d, 3);
            QPainterPath hex;
            for (int i = 0; i < 6; ++i) {
                const double a = (60.0 * i + 30.0) * M_PI / 180.0;
                const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
                if (i == 0)
                    hex.moveTo(pt);
                else
                    hex.lineTo(pt);
            }
            hex.closeSubpath();
            p.setPen(Qt::NoPen);
            p.setBrush(withAlpha(QColor(3, 4, 5), 0.92 * strength));
            p.drawPath(hex);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(withAlpha(QColor(255, 255, 255), 0.09 * strength), 0.6));
            p.drawPath(hex.translated(0, 0.6));
        }
    }
    p.restore();
}

void paintWheel(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(4, 5, 6));
    p.drawPath(wheelWell());
    const QRectF wheel(143, 99, 18, 58);
    QLinearGradient rubber(wheel.topLeft(), wheel.topRight());
    rubber.setColorAt(0, QColor(14, 15, 18));
    rubber.setColorAt(0.5, QColor(70, 76, 86));
    rubber.setColorAt(1, QColor(14, 15, 18));
    p.setBrush(rubber);
    p.drawRoundedRect(wheel, 8, 8);
    p.save();
    p.setClipPath(roundedRect(wheel, 8));
    for (double y = wheel.top() + 3; y < wheel.bottom() - 2; y += 3.3) {
        p.setPen(QPen(QColor(0, 0, 0, 150), 1.1));
        p.drawLine(QPointF(wheel.left(), y), QPointF(wheel.right(), y));
        p.setPen(QPen(QColor(255, 255, 255, 16), 0.6));
        p.drawLine(QPointF(wheel.left(), y + 1.1), QPointF(wheel.right(), y + 1.1));
    }
    QLinearGradient fade(wheel.topLeft(), wheel.bottomLeft());
    fade.setColorAt(0, QColor(0, 0, 0, 150));
    fade.setColorAt(0.35, QColor(0, 0, 0, 0));
    fade.setColorAt(0.65, QColor(0, 0, 0, 0));
    fade.setColorAt(1, QColor(0, 0, 0, 170));
    p.fillRect(wheel, fade);
    p.restore();
}

void paintFront(QPainter &p, int highlighted)
{
    const QPainterPath body = topBody();
    const QPainterPath zone = buttonZone();
    const QPainterPath palm = body.subtracted(zone);

    drawBlurred(p, body, QColor(0, 0, 0, 200), 18, QPointF(0, 12));

    // Side buttons sit under the shell's edge.
    for (bool forward : {true, false}) {
        const QPainterPath side = sideButton(forward);
        p.setPen(QPen(QColor(4, 5, 6), 1));
        p.setBrush(horizontal(side.boundingRect(), QColor(70, 78, 90), QColor(24, 27, 32)));
        p.drawPath(side);
    }

    // Shell.
    QRadialGradient shell(QPointF(kCentre, 250), 190);
    shell.setColorAt(0, QColor(42, 46, 54));
    shell.setColorAt(0.7, QColor(25, 28, 33));
    shell.setColorAt(1, QColor(10, 11, 13));
    p.setPen(Qt::NoPen);
    p.setBrush(shell);
    p.drawPath(body);
    // The sides fall away into shadow.
    QLinearGradient flanks(QPointF(70, 0), QPointF(233, 0));
    flanks.setColorAt(0, QColor(0, 0, 0, 150));
    flanks.setColorAt(0.22, QColor(0, 0, 0, 0));
    flanks.setColorAt(0.78, QColor(0, 0, 0, 0));
    flanks.setColorAt(1, QColor(0, 0, 0, 160));
    p.setBrush(flanks);
    p.drawPath(body);

    honeycomb(p, palm, QPointF(kCentre, 318), 60);
    p.save();
    Catalog::drawEmblem(p, QRectF(kCentre - 9, 236, 18, 18), 0.6);
    p.restore();

    // Main buttons: a glossier top with a highlight towards the nose.
    for (bool left : {true, false}) {
        const QPainterPath button = mainButton(left);
        p.setPen(Qt::NoPen);
        p.setBrush(vertical(QRectF(0, 50, 1, 170), QColor(50, 55, 64), QColor(28, 31, 37)));
        p.drawPath(button);
        QRadialGradient gloss(QPointF(left ? 118 : 186, 92), 70);
        gloss.setColorAt(0, QColor(255, 255, 255, 34));
        gloss.setColorAt(1, QColor(255, 255, 255, 0));
        p.setBrush(gloss);
        p.drawPath(button);
        QLinearGradient edge(QPointF(left ? 86 : 219, 0), QPointF(kCentre, 0));
        edge.setColorAt(0, QColor(0, 0, 0, 130));
        edge.setColorAt(0.35, QColor(0, 0, 0, 0));
        p.setBrush(edge);
        p.drawPath(button);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(3, 4, 5), 1.3));
        p.drawPath(button);
    }

    paintWheel(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(4, 5, 6));
    p.drawPath(dpiWell());
    p.setBrush(vertical(QRectF(143.5, 170.5, 17, 26), QColor(66, 73, 84), QColor(26, 29, 34)));
    p.drawPath(partPath(DpiButton));
    drawBlurred(p, roundedRect(QRectF(149, 190, 6, 2.4), 1.2), withAlpha(Ink::glow, 0.9), 3);
    p.setBrush(Ink::ice);
    p.drawRoundedRect(QRectF(149.2, 190.2, 5.6, 2), 1, 1);

    // Light strip round the tail.
    QPainterPath strip;
    strip.arcMoveTo(QRectF(kCentre - 70, 252, 140, 128), 205);
    strip.arcTo(QRectF(kCentre - 70, 252, 140, 128), 205, 130);
    QPainterPathStroker stroker;
    stroker.setWidth(3.2);
    stroker.setCapStyle(Qt::RoundCap);
    drawBlurred(p, stroker.createStroke(strip), withAlpha(Ink::glow, 0.85), 8);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(215, 242, 255), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(strip);

    // Rim light along the upper edge, dark outline all round.
    p.save();
    p.setClipRect(QRectF(0, 0, 300, 240));
    QLinearGradient rim(0, 50, 0, 240);
    rim.setColorAt(0, QColor(255, 255, 255, 80));
    rim.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(QPen(QBrush(rim), 1.2));
    p.drawPath(body.translated(0, 0.8));
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(2, 2, 3), 1.1));
    p.drawPath(body);

    if (highlighted > NoPart && highlighted < PartCount) {
        const QPainterPath part = partPath(highlighted);
        QPainterPathStroker outline;
        outline.setWidth(3);
        drawBlurred(p, outline.createStroke(part), withAlpha(Ink::glow, 0.95), 9);
        p.setPen(Qt::NoPen);
        p.setBrush(vertical(part.boundingRect(), withAlpha(Ink::glow, 0.30), withAlpha(Ink::glow, 0.10)));
        p.drawPath(part);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(232, 248, 255), 1.5));
        p.drawPath(part);
    }
}

// ---- Side view, 300 x 300: the left side, nose to the left. ----

QPainterPath sideBody()
{
    QPainterPath body;
    body.moveTo(36, 214);
    body.lineTo(256, 214);
    body.cubicTo(271, 214, 282, 204, 281, 190);
    body.cubicTo(279, 150, 246, 116, 196, 115);
    body.cubicTo(150, 114, 100, 128, 62, 148);
    body.cubicTo(40, 160, 25, 176, 24, 192);
    body.cubicTo(23, 205, 27, 214, 36, 214);
    body.closeSubpath();
    return body;
}

QPainterPath aboveSeam()
{
    QPainterPath area;
    area.moveTo(0, 0);
    area.lineTo(300, 0);
    area.lineTo(300, 182);
    area.lineTo(279, 180);
    area.cubicTo(200, 160, 90, 168, 20, 196);
    area.lineTo(0, 196);
    area.closeSubpath();
    return area;
}

QPainterPath sideProfileButton(bool forward)
{
    QPainterPath shape = roundedRect(QRectF(0, 0, 46, 11), 5.5);
    QTransform t;
    t.translate(forward ? 64 : 114, forward ? 152 : 143);
    t.rotate(forward ? -13 : -7);
    return t.map(shape);
}

void paintSide(QPainter &p)
{
    const QPainterPath body = sideBody();
    const QPainterPath upper = body.intersected(aboveSeam());
    const QPainterPath skirt = body.subtracted(aboveSeam());

    // Ground shadow.
    QPainterPath ground;
    ground.addEllipse(QPointF(154, 216), 132, 8);
    drawBlurred(p, ground, QColor(0, 0, 0, 210), 10);

    // The wheel peeks over the nose.
    p.setPen(QPen(QColor(3, 4, 5), 1));
    QRadialGradient tyre(QPointF(97, 139), 15);
    tyre.setColorAt(0, QColor(60, 66, 76));
    tyre.setColorAt(1, QColor(16, 17, 20));
    p.setBrush(tyre);
    p.drawEllipse(QPointF(97, 140), 14.5, 14.5);
    p.save();
    p.setClipRect(QRectF(80, 120, 34, 16));
    for (int i = 0; i < 18; ++i) {
        const double a = (i * 10.0 + 185.0) * M_PI / 180.0;
        const QPointF outer(97 + 14.5 * std::cos(a), 140 + 14.5 * std::sin(a));
        const QPointF inner(97 + 11.0 * std::cos(a), 140 + 11.0 * std::sin(a));
        p.setPen(QPen(QColor(0, 0, 0, 170), 1.0));
        p.drawLine(inner, outer);
    }
    p.restore();

    p.setPen(Qt::NoPen);
    p.setBrush(vertical(QRectF(0, 114, 1, 100), QColor(44, 49, 57), QColor(14, 15, 18)));
    p.drawPath(body);

    // Upper shell: glossier, lit from above.
    p.setBrush(vertical(QRectF(0, 114, 1, 70), QColor(58, 64, 74), QColor(30, 33, 39)));
    p.drawPath(upper);
    QRadialGradient gloss(QPointF(170, 118), 120);
    gloss.setColorAt(0, QColor(255, 255, 255, 40));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(gloss);
    p.drawPath(upper);
    // A long specular streak along the back of the shell.
    QPainterPath streak;
    streak.moveTo(88, 136);
    streak.cubicTo(130, 122, 190, 117, 250, 132);
    QPainterPathStroker streakStroke;
    streakStroke.setWidth(5);
    streakStroke.setCapStyle(Qt::RoundCap);
    drawBlurred(p, streakStroke.createStroke(streak), QColor(255, 255, 255, 40), 5);
    // The thumb rest: the skirt curves inwards under the side buttons.
    QRadialGradient thumb(QPointF(150, 192), 70);
    thumb.setColorAt(0, QColor(0, 0, 0, 110));
    thumb.setColorAt(1, QColor(0, 0, 0, 0));
    p.setBrush(thumb);
    p.drawPath(skirt);

    // Grip texture on the skirt.
    p.save();
    p.setClipPath(skirt);
    for (int row = 0; row < 7; ++row) {
        for (int col = 0; col < 22; ++col) {
            const QPointF c(128 + col * 6.4 + (row % 2 ? 3.2 : 0), 174 + row * 5.2);
            const double fade = std::max(0.0, 1.0 - std::abs(c.x() - 196) / 80.0);
            p.setPen(Qt::NoPen);
            p.setBrush(withAlpha(QColor(0, 0, 0), 0.55 * fade));
            p.drawEllipse(c, 1.5, 1.5);
            p.setBrush(withAlpha(QColor(255, 255, 255), 0.07 * fade));
            p.drawEllipse(c + QPointF(0, -0.8), 1.0, 0.6);
        }
    }
    p.restore();

    // Seams: shell to skirt, and the end of the left button.
    p.setBrush(Qt::NoBrush);
    p.save();
    p.setClipPath(body);
    QPainterPath seam;
    seam.moveTo(20, 196);
    seam.cubicTo(90, 168, 200, 160, 279, 180);
    p.setPen(QPen(QColor(3, 4, 5), 1.4));
    p.drawPath(seam);
    p.setPen(QPen(QColor(255, 255, 255, 22), 0.8));
    p.drawPath(seam.translated(0, 1.3));
    p.setPen(QPen(QColor(3, 4, 5), 1.2));
    p.drawLine(QPointF(168, 114), QPointF(160, 134));
    p.restore();

    // Side buttons.
    for (bool forward : {true, false}) {
        const QPainterPath button = sideProfileButton(forward);
        drawBlurred(p, button, QColor(0, 0, 0, 170), 3, QPointF(0, 1.5));
        p.setPen(QPen(QColor(4, 5, 6), 1));
        p.setBrush(vertical(button.boundingRect(), QColor(86, 94, 108), QColor(30, 33, 39)));
        p.drawPath(button);
        p.setPen(QPen(QColor(255, 255, 255, 50), 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawPath(button.translated(0, 0.6).intersected(button));
    }

    // Light strip along the base.
    QPainterPath strip;
    strip.moveTo(46, 207.5);
    strip.lineTo(258, 207.5);
    QPainterPathStroker stroker;
    stroker.setWidth(3);
    stroker.setCapStyle(Qt::RoundCap);
    drawBlurred(p, stroker.createStroke(strip), withAlpha(Ink::glow, 0.8), 7);
    p.setPen(QPen(QColor(215, 242, 255), 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(strip);

    // Skates.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(6, 7, 8));
    p.drawRoundedRect(QRectF(52, 213.5, 48, 3.5), 1.5, 1.5);
    p.drawRoundedRect(QRectF(196, 213.5, 54, 3.5), 1.5, 1.5);

    // Rim light along the top, outline all round.
    p.save();
    p.setClipRect(QRectF(0, 0, 300, 170));
    p.setPen(QPen(QColor(255, 255, 255, 90), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body.translated(0, 0.9));
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(2, 2, 3), 1.1));
    p.drawPath(body);
}

} // namespace

namespace Catalog {

QVector<Picture> mousePictures(const QString &model)
{
    QVector<Picture> list;
    const QString folder = QStringLiteral("mouse/") + model + QLatin1Char('/');
    list.append({folder + QStringLiteral("Mouse.png"), QSize(300, 400), [](QPainter &p) { paintFront(p, NoPart); }});
    for (int n = LeftButton; n < PartCount; ++n)
        list.append({folder + QStringLiteral("mouse_%1.png").arg(n), QSize(300, 400),
                     [n](QPainter &p) { paintFront(p, n); }});
    // The side picture stands beside the model's folder, not in it.
    list.append({QStringLiteral("mouse/") + model + QStringLiteral("_Side.png"), QSize(300, 300), paintSide});
    return list;
}

} // namespace Catalog
