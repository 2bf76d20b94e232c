#include "catalog.h"
#include "loadinganimation.h"

#include <QPainter>
#include <QPainterPathStroker>

#include <cmath>

using namespace Canvas;

namespace {

// Dialog background: a dark panel with cut corners, a title band and a
// bevelled rim. Dialogs of several sizes stretch it, so its features are
// small or run the whole width.
void paintPanel(QPainter &p, const QSizeF &size, double band)
{
    const QRectF r(0, 0, size.width(), size.height());
    const QPainterPath shape = chamfered(r.adjusted(0.5, 0.5, -0.5, -0.5), 12, 0, 12, 0);
    p.fillPath(shape, vertical(r, QColor(30, 33, 39), QColor(17, 19, 23)));
    p.save();
    p.setClipPath(shape);
    p.fillRect(QRectF(0, 0, size.width(), band), vertical(QRectF(0, 0, 1, band), QColor(44, 49, 57), QColor(33, 37, 43)));
    p.setPen(QPen(QColor(0, 0, 0, 150), 1));
    p.drawLine(QPointF(0, band + 0.5), QPointF(size.width(), band + 0.5));
    p.setPen(QPen(QColor(255, 255, 255, 16), 1));
    p.drawLine(QPointF(0, band + 1.5), QPointF(size.width(), band + 1.5));
    QRadialGradient light(QPointF(size.width() * 0.5, -size.height() * 0.3), size.width() * 0.8);
    light.setColorAt(0, QColor(150, 170, 200, 26));
    light.setColorAt(1, QColor(150, 170, 200, 0));
    p.fillRect(r, light);
    p.restore();
    QLinearGradient rim(0, 0, 0, size.height());
    rim.setColorAt(0, QColor(104, 114, 128));
    rim.setColorAt(1, QColor(40, 44, 51));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(rim), 1.2));
    p.drawPath(shape);
}

void paintWarning(QPainter &p)
{
    QPainterPath triangle;
    triangle.moveTo(32, 6);
    triangle.lineTo(59, 54);
    triangle.lineTo(5, 54);
    triangle.closeSubpath();
    QPainterPathStroker rounder;
    rounder.setWidth(7);
    rounder.setJoinStyle(Qt::RoundJoin);
    const QPainterPath body = triangle.united(rounder.createStroke(triangle));
    drawBlurred(p, body, QColor(255, 160, 20, 110), 7);
    QLinearGradient g(0, 4, 0, 58);
    g.setColorAt(0, QColor(255, 222, 120));
    g.setColorAt(1, QColor(240, 138, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(body);
    p.setBrush(QColor(24, 20, 14));
    p.drawRoundedRect(QRectF(29, 21, 6, 21), 3, 3);
    p.drawEllipse(QPointF(32, 48), 3.4, 3.4);
}

void paintQuestion(QPainter &p)
{
    QPainterPath disc;
    disc.addEllipse(QPointF(32, 32), 26, 26);
    drawBlurred(p, disc, withAlpha(Ink::glow, 0.35), 7);
    QLinearGradient g(0, 6, 0, 58);
    g.setColorAt(0, QColor(236, 242, 248));
    g.setColorAt(1, QColor(140, 152, 168));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(disc);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(36);
    QPainterPath mark;
    mark.addText(0, 0, font, QStringLiteral("?"));
    const QRectF b = mark.boundingRect();
    p.setBrush(QColor(20, 23, 28));
    p.drawPath(mark.translated(32 - b.center().x(), 32 - b.center().y()));
}

// The receiver, with a broken link: drawn for the "Dongle Disconnect!" box.
void paintDongleWarning(QPainter &p)
{
    p.save();
    p.translate(30, 30);
    p.rotate(-35);
    p.translate(-30, -30);
    p.setPen(QPen(Ink::steel, 1));
    p.setBrush(vertical(QRectF(6, 23, 19, 14), Ink::ice, Ink::steel));
    p.drawRoundedRect(QRectF(6, 23, 19, 14), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Ink::deepest);
    p.drawRect(QRectF(11, 27, 3.5, 2.5));
    p.drawRect(QRectF(17, 27, 3.5, 2.5));
    const QRectF body(24, 21, 17, 18);
    p.setPen(QPen(Ink::edge, 1));
    p.setBrush(vertical(body, Ink::lifted, Ink::deepest));
    p.drawRoundedRect(body, 3.5, 3.5);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 2; ++i) {
        const double r = 6 + i * 5;
        p.setPen(QPen(withAlpha(Ink::steel, 0.6 - i * 0.25), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(42 - r, 30 - r, 2 * r, 2 * r), -40 * 16, 80 * 16);
    }
    p.restore();
    // Badge: a red disc with a cross.
    QPainterPath badge;
    badge.addEllipse(QPointF(46, 46), 11, 11);
    drawBlurred(p, badge, QColor(230, 40, 60, 150), 6);
    p.setPen(QPen(QColor(20, 8, 10), 1.5));
    p.setBrush(vertical(QRectF(35, 35, 22, 22), QColor(240, 80, 92), QColor(176, 30, 46)));
    p.drawPath(badge);
    p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(42, 42), QPointF(50, 50));
    p.drawLine(QPointF(50, 42), QPointF(42, 50));
}

// The busy tile: flat matte in the middle (the animation is matted on it).
void paintProcessTile(QPainter &p)
{
    const QRectF tile(6, 6, 116, 116);
    QPainterPath shape;
    shape.addRoundedRect(tile, 18, 18);
    drawBlurred(p, shape, QColor(0, 0, 0, 170), 8, QPointF(0, 2));
    p.setPen(Qt::NoPen);
    p.setBrush(Ink::spinnerMatte);
    p.drawPath(shape);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 34), 1));
    p.drawRoundedRect(tile.adjusted(0.5, 0.5, -0.5, -0.5), 17.5, 17.5);
}

// The rail under the bullets of the recoil editor: five stations 66 apart.
void paintGunRail(QPainter &p)
{
    const QRectF rail(4, 34, 332, 12);
    p.setPen(QPen(QColor(255, 255, 255, 24), 1));
    p.setBrush(vertical(rail, QColor(8, 9, 11), QColor(30, 33, 38)));
    p.drawRoundedRect(rail, 6, 6);
    for (int i = 0; i < 5; ++i) {
        const double x = 38 + 66 * i;
        p.setPen(QPen(withAlpha(Ink::steel, 0.7), 1));
        p.drawLine(QPointF(x, 48), QPointF(x, 54));
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(Ink::glow, 0.55));
        p.drawEllipse(QPointF(x, 40), 2, 2);
    }
    p.setPen(QPen(QColor(255, 255, 255, 20), 1));
    p.drawLine(QPointF(10, 12.5), QPointF(330, 12.5));
}

void paintBullet(QPainter &p)
{
    QPainterPath tip;
    tip.moveTo(5, 19);
    tip.cubicTo(5, 9, 9, 3, 11, 1.5);
    tip.cubicTo(13, 3, 17, 9, 17, 19);
    tip.closeSubpath();
    QLinearGradient copper(5, 0, 17, 0);
    copper.setColorAt(0, QColor(150, 72, 36));
    copper.setColorAt(0.4, QColor(236, 150, 100));
    copper.setColorAt(1, QColor(120, 56, 28));
    p.setPen(Qt::NoPen);
    p.setBrush(copper);
    p.drawPath(tip);
    QLinearGradient brass(4, 0, 18, 0);
    brass.setColorAt(0, QColor(140, 106, 40));
    brass.setColorAt(0.35, QColor(250, 220, 130));
    brass.setColorAt(1, QColor(120, 88, 30));
    p.setBrush(brass);
    p.drawRoundedRect(QRectF(4, 18.5, 14, 26), 1.2, 1.2);
    p.drawRoundedRect(QRectF(3.2, 43, 15.6, 3.5), 1, 1);
    p.setPen(QPen(QColor(90, 64, 20), 0.8));
    p.drawLine(QPointF(4.5, 41.5), QPointF(17.5, 41.5));
}

void paintIcon(QPainter &p)
{
    const QRectF tile(3, 3, 58, 58);
    QPainterPath shape;
    shape.addRoundedRect(tile, 13, 13);
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(tile, QColor(46, 51, 60), QColor(12, 13, 16)));
    p.drawPath(shape);
    p.save();
    p.setClipPath(shape);
    QRadialGradient glow(QPointF(32, 40), 30);
    glow.setColorAt(0, withAlpha(Ink::glow, 0.35));
    glow.setColorAt(1, withAlpha(Ink::glow, 0.0));
    p.fillRect(tile, glow);
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 40), 1));
    p.drawRoundedRect(tile.adjusted(0.5, 0.5, -0.5, -0.5), 12.5, 12.5);
    // A mouse seen from above.
    QPainterPath body;
    body.moveTo(32, 11);
    body.cubicTo(44, 11, 47, 22, 47, 32);
    body.cubicTo(47, 44, 42, 54, 32, 54);
    body.cubicTo(22, 54, 17, 44, 17, 32);
    body.cubicTo(17, 22, 20, 11, 32, 11);
    drawBlurred(p, body, QColor(0, 0, 0, 180), 3, QPointF(0, 1.5));
    p.setBrush(vertical(QRectF(17, 11, 30, 43), QColor(240, 245, 250), QColor(140, 152, 168)));
    p.setPen(Qt::NoPen);
    p.drawPath(body);
    p.setPen(QPen(QColor(70, 78, 90), 0.9));
    p.drawLine(QPointF(32, 11.5), QPointF(32, 28));
    QPainterPath split;
    split.moveTo(18.2, 27);
    split.quadTo(32, 32, 45.8, 27);
    p.setBrush(Qt::NoBrush);
    p.drawPath(split);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(24, 27, 32));
    p.drawRoundedRect(QRectF(30, 16, 4, 8), 2, 2);
    p.setBrush(Ink::glow);
    p.drawRoundedRect(QRectF(31, 17, 2, 6), 1, 1);
}

} // namespace

namespace Catalog {

QVector<Picture> dialogPictures()
{
    QVector<Picture> list;
    list.append({QStringLiteral("dlg.png"), QSize(478, 309), [](QPainter &p) { paintPanel(p, QSizeF(478, 309), 44); }});
    list.append({QStringLiteral("dlg_gun.png"), QSize(619, 400), [](QPainter &p) { paintPanel(p, QSizeF(619, 400), 44); }});
    list.append({QStringLiteral("warn.png"), QSize(64, 64), paintWarning});
    list.append({QStringLiteral("ask.png"), QSize(64, 64), paintQuestion});
    list.append({QStringLiteral("dongle2.png"), QSize(64, 64), paintDongleWarning});
    list.append({QStringLiteral("process.png"), QSize(LoadingAnimation::kDesignSize, LoadingAnimation::kDesignSize),
                 paintProcessTile});
    list.append({QStringLiteral("gunset_slider.png"), QSize(340, 56), paintGunRail});
    list.append({QStringLiteral("gunset_bullet.png"), QSize(22, 48), paintBullet});
    // The window icon: 256 pixels, the largest an icon file holds.
    list.append({QStringLiteral("icon.ico"), QSize(64, 64), paintIcon, 4, "ico"});
    list.append({QStringLiteral("icon.png"), QSize(64, 64), paintIcon, 4, "png"});
    return list;
}

} // namespace Catalog
