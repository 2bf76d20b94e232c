#include "catalog.h"

#include <QPainter>
#include <QPainterPathStroker>

using namespace Canvas;

namespace {

QPen round(const QColor &color, double width)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Square check box, 20 x 20.
void paintSquareCheck(QPainter &p, bool checked)
{
    const QRectF r(2, 2, 16, 16);
    if (checked) {
        drawBlurred(p, roundedRect(r, 3.5), withAlpha(Ink::glow, 0.45), 4);
        p.setPen(QPen(Ink::ice, 1));
        p.setBrush(vertical(r, QColor(246, 249, 252), QColor(178, 188, 201)));
        p.drawRoundedRect(r, 3.5, 3.5);
        QPainterPath tick;
        tick.moveTo(6, 10.3);
        tick.lineTo(8.9, 13.2);
        tick.lineTo(14.2, 7.2);
        p.setBrush(Qt::NoBrush);
        p.setPen(round(QColor(16, 18, 22), 2.1));
        p.drawPath(tick);
    } else {
        p.setPen(QPen(QColor(96, 105, 118), 1.2));
        p.setBrush(vertical(r, QColor(9, 10, 12), QColor(26, 29, 34)));
        p.drawRoundedRect(r, 3.5, 3.5);
    }
}

// Round choice button, 20 x 20.
void paintRoundCheck(QPainter &p, bool on)
{
    const QPointF c(10, 10);
    p.setPen(QPen(on ? Ink::ice : QColor(96, 105, 118), 1.2));
    p.setBrush(vertical(QRectF(2, 2, 16, 16), QColor(9, 10, 12), QColor(26, 29, 34)));
    p.drawEllipse(c, 7.6, 7.6);
    if (on) {
        QPainterPath dot;
        dot.addEllipse(c, 4, 4);
        drawBlurred(p, dot, withAlpha(Ink::glow, 0.8), 4);
        p.setPen(Qt::NoPen);
        p.setBrush(Ink::ice);
        p.drawPath(dot);
    }
}

// Sliding switch, 36 x 20.
void paintSwitch(QPainter &p, bool on)
{
    const QRectF track(1.5, 3.5, 33, 13);
    if (on) {
        drawBlurred(p, roundedRect(track, 6.5), withAlpha(Ink::glow, 0.4), 4);
        p.setPen(QPen(Ink::ice, 1));
        p.setBrush(vertical(track, QColor(240, 245, 250), QColor(170, 182, 196)));
    } else {
        p.setPen(QPen(QColor(74, 81, 92), 1));
        p.setBrush(vertical(track, QColor(10, 11, 13), QColor(30, 33, 38)));
    }
    p.drawRoundedRect(track, 6.5, 6.5);
    const QPointF knob = on ? QPointF(26, 10) : QPointF(10, 10);
    drawBlurred(p, [&] {
        QPainterPath s;
        s.addEllipse(knob, 7, 7);
        return s;
    }(), QColor(0, 0, 0, 140), 3, QPointF(0, 1));
    p.setPen(QPen(on ? QColor(30, 34, 40) : QColor(120, 128, 140), 1));
    p.setBrush(on ? vertical(QRectF(19, 3, 14, 14), QColor(52, 58, 67), QColor(20, 22, 26))
                  : vertical(QRectF(3, 3, 14, 14), QColor(126, 134, 146), QColor(78, 85, 96)));
    p.drawEllipse(knob, 6.6, 6.6);
}

// Wheel arrows, 24 x 20. `style` 0: chevron (sets 1 and 2), 1: solid
// triangle (sets 3 and 4); `up` the direction; `lit` the hover look.
void paintArrow(QPainter &p, int style, bool up, bool lit)
{
    const QRectF r(1.5, 1.5, 21, 17);
    p.setPen(QPen(QColor(255, 255, 255, lit ? 60 : 26), 1));
    p.setBrush(lit ? vertical(r, QColor(54, 60, 70), QColor(34, 38, 45)) : vertical(r, QColor(30, 33, 38), QColor(20, 22, 26)));
    p.drawRoundedRect(r, 4, 4);
    p.save();
    if (!up) {
        p.translate(12, 10);
        p.rotate(180);
        p.translate(-12, -10);
    }
    const QColor ink = lit ? Ink::ice : Ink::steel;
    if (style == 0) {
        QPainterPath chevron;
        chevron.moveTo(7, 12.5);
        chevron.lineTo(12, 7.5);
        chevron.lineTo(17, 12.5);
        if (lit) {
            QPainterPathStroker stroker;
            stroker.setWidth(2.4);
            stroker.setCapStyle(Qt::RoundCap);
            drawBlurred(p, stroker.createStroke(chevron), withAlpha(Ink::glow, 0.7), 3);
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(round(ink, 2));
        p.drawPath(chevron);
    } else {
        QPainterPath triangle;
        triangle.moveTo(12, 6);
        triangle.lineTo(17.5, 13.5);
        triangle.lineTo(6.5, 13.5);
        triangle.closeSubpath();
        if (lit)
            drawBlurred(p, triangle, withAlpha(Ink::glow, 0.7), 3);
        p.setPen(round(ink, 1));
        p.setBrush(ink);
        p.drawPath(triangle);
    }
    p.restore();
}

// Drop-down field with a chevron cell at the right.
void paintDropField(QPainter &p, const QSizeF &size, double cell)
{
    const QRectF r(0.5, 0.5, size.width() - 1, size.height() - 1);
    p.setPen(QPen(QColor(70, 77, 88), 1));
    p.setBrush(vertical(r, QColor(12, 13, 16), QColor(24, 27, 32)));
    p.drawRoundedRect(r, 3.5, 3.5);
    const double x = size.width() - cell;
    p.setPen(QPen(QColor(255, 255, 255, 20), 1));
    p.drawLine(QPointF(x, 5), QPointF(x, size.height() - 5));
    const QPointF c(x + cell / 2.0, size.height() / 2.0);
    QPainterPath chevron;
    chevron.moveTo(c + QPointF(-4.2, -2));
    chevron.lineTo(c + QPointF(0, 2.2));
    chevron.lineTo(c + QPointF(4.2, -2));
    p.setBrush(Qt::NoBrush);
    p.setPen(round(Ink::silver, 1.5));
    p.drawPath(chevron);
}

// Small icon tile, 22 x 22, for the profile buttons.
void paintIconTile(QPainter &p, bool lit)
{
    const QRectF r(1, 1, 20, 20);
    p.setPen(QPen(QColor(255, 255, 255, lit ? 70 : 30), 1));
    p.setBrush(lit ? vertical(r, QColor(56, 62, 72), QColor(36, 40, 47)) : vertical(r, QColor(34, 38, 44), QColor(22, 24, 28)));
    p.drawRoundedRect(r, 4, 4);
}

// Tray with an arrow leaving it (`out`) or entering it.
void paintTrayArrow(QPainter &p, bool out, bool lit)
{
    paintIconTile(p, lit);
    const QColor ink = lit ? Ink::ice : Ink::silver;
    p.setBrush(Qt::NoBrush);
    p.setPen(round(ink, 1.5));
    QPainterPath tray;
    tray.moveTo(6, 12.5);
    tray.lineTo(6, 16);
    tray.lineTo(16, 16);
    tray.lineTo(16, 12.5);
    p.drawPath(tray);
    p.drawLine(QPointF(11, 5.5), QPointF(11, 13));
    QPainterPath head;
    if (out) {
        head.moveTo(8, 8.5);
        head.lineTo(11, 5.5);
        head.lineTo(14, 8.5);
    } else {
        head.moveTo(8, 10);
        head.lineTo(11, 13);
        head.lineTo(14, 10);
    }
    p.drawPath(head);
}

void paintLibrary(QPainter &p)
{
    paintIconTile(p, false);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        p.setPen(round(withAlpha(Ink::silver, 1.0 - i * 0.25), 1.4));
        QPainterPath layer;
        const double y = 8 + i * 3;
        layer.moveTo(6, y);
        layer.lineTo(11, y - 2.5);
        layer.lineTo(16, y);
        p.drawPath(layer);
    }
    p.drawLine(QPointF(6, 17), QPointF(16, 17));
}

// 16 x 16 icons of the macro lists.
void paintMoveIcon(QPainter &p)
{
    p.setPen(round(Ink::silver, 1.3));
    p.drawLine(QPointF(8, 2), QPointF(8, 14));
    p.drawLine(QPointF(2, 8), QPointF(14, 8));
    const QPointF tips[4] = {{8, 2}, {14, 8}, {8, 14}, {2, 8}};
    const QPointF wings[4][2] = {{{6, 4}, {10, 4}}, {{12, 6}, {12, 10}}, {{6, 12}, {10, 12}}, {{4, 6}, {4, 10}}};
    for (int i = 0; i < 4; ++i) {
        p.drawLine(tips[i], wings[i][0]);
        p.drawLine(tips[i], wings[i][1]);
    }
}

void paintDelayIcon(QPainter &p)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(round(Ink::silver, 1.3));
    p.drawEllipse(QPointF(8, 9), 5.6, 5.6);
    p.drawLine(QPointF(6.5, 1.8), QPointF(9.5, 1.8));
    p.drawLine(QPointF(8, 1.8), QPointF(8, 3.4));
    p.setPen(round(Ink::glow, 1.4));
    p.drawLine(QPointF(8, 9), QPointF(8, 5.8));
    p.drawLine(QPointF(8, 9), QPointF(10.4, 10.4));
}

void paintKeyIcon(QPainter &p, bool down)
{
    const QRectF cap(1.5, 1.5, 13, 13);
    p.setPen(QPen(Ink::edge, 1));
    p.setBrush(vertical(cap, down ? QColor(24, 27, 32) : QColor(52, 58, 67), down ? QColor(40, 45, 52) : QColor(28, 31, 36)));
    p.drawRoundedRect(cap, 2.5, 2.5);
    p.setPen(round(down ? Ink::glow : Ink::silver, 1.4));
    p.drawLine(QPointF(8, 4.5), QPointF(8, 11.5));
    QPainterPath head;
    if (down) {
        head.moveTo(5.2, 8.8);
        head.lineTo(8, 11.5);
        head.lineTo(10.8, 8.8);
    } else {
        head.moveTo(5.2, 7.2);
        head.lineTo(8, 4.5);
        head.lineTo(10.8, 7.2);
    }
    p.setBrush(Qt::NoBrush);
    p.drawPath(head);
}

void paintYes(QPainter &p)
{
    QPainterPath tick;
    tick.moveTo(3, 8.5);
    tick.lineTo(6.5, 12);
    tick.lineTo(13, 4.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(round(Ink::ice, 2));
    p.drawPath(tick);
}

void paintNo(QPainter &p)
{
    p.setPen(round(Ink::ice, 2));
    p.drawLine(QPointF(4, 4), QPointF(12, 12));
    p.drawLine(QPointF(12, 4), QPointF(4, 12));
}

} // namespace

namespace Catalog {

QVector<Picture> controlPictures()
{
    QVector<Picture> list;
    list.append({QStringLiteral("checkbox1-1.png"), QSize(20, 20), [](QPainter &p) { paintSquareCheck(p, false); }});
    list.append({QStringLiteral("checkbox1-2.png"), QSize(20, 20), [](QPainter &p) { paintSquareCheck(p, true); }});
    list.append({QStringLiteral("checkbox2-1.png"), QSize(20, 20), [](QPainter &p) { paintRoundCheck(p, false); }});
    list.append({QStringLiteral("checkbox2-2.png"), QSize(20, 20), [](QPainter &p) { paintRoundCheck(p, true); }});
    list.append({QStringLiteral("DPI-ON.png"), QSize(36, 20), [](QPainter &p) { paintSwitch(p, true); }});
    list.append({QStringLiteral("DPI-OFF.png"), QSize(36, 20), [](QPainter &p) { paintSwitch(p, false); }});

    // Wheel arrows. Sets 1/2 (chevrons): 2 normal, 1 hover and pressed;
    // sets 3/4 (triangles): 4 normal, 3 hover and pressed.
    for (int up = 0; up < 2; ++up) {
        const QString dir = up ? QStringLiteral("up") : QStringLiteral("down");
        list.append({QStringLiteral("btn_%1%2.png").arg(dir).arg(1), QSize(24, 20), [up](QPainter &p) { paintArrow(p, 0, up, true); }});
        list.append({QStringLiteral("btn_%1%2.png").arg(dir).arg(2), QSize(24, 20), [up](QPainter &p) { paintArrow(p, 0, up, false); }});
        list.append({QStringLiteral("btn_%1%2.png").arg(dir).arg(3), QSize(24, 20), [up](QPainter &p) { paintArrow(p, 1, up, true); }});
        list.append({QStringLiteral("btn_%1%2.png").arg(dir).arg(4), QSize(24, 20), [up](QPainter &p) { paintArrow(p, 1, up, false); }});
    }

    list.append({QStringLiteral("profilesel.png"), QSize(160, 28), [](QPainter &p) { paintDropField(p, QSizeF(160, 28), 28); }});
    list.append({QStringLiteral("bulletsel.png"), QSize(70, 28), [](QPainter &p) { paintDropField(p, QSizeF(70, 28), 26); }});

    // The window puts the profile_import pictures on its export button and
    // profile_export1 on its import button, so each is drawn with the arrow
    // of the button that shows it.
    list.append({QStringLiteral("profile_import1.png"), QSize(22, 22), [](QPainter &p) { paintTrayArrow(p, true, false); }});
    list.append({QStringLiteral("profile_import2.png"), QSize(22, 22), [](QPainter &p) { paintTrayArrow(p, true, true); }});
    list.append({QStringLiteral("profile_export1.png"), QSize(22, 22), [](QPainter &p) { paintTrayArrow(p, false, false); }});
    list.append({QStringLiteral("profile_apply1.png"), QSize(22, 22), paintLibrary});

    list.append({QStringLiteral("mouse_move.png"), QSize(16, 16), paintMoveIcon});
    list.append({QStringLiteral("icondelay.png"), QSize(16, 16), paintDelayIcon});
    list.append({QStringLiteral("key_down.png"), QSize(16, 16), [](QPainter &p) { paintKeyIcon(p, true); }});
    list.append({QStringLiteral("key_up.png"), QSize(16, 16), [](QPainter &p) { paintKeyIcon(p, false); }});
    list.append({QStringLiteral("yes.png"), QSize(16, 16), paintYes});
    list.append({QStringLiteral("no.png"), QSize(16, 16), paintNo});
    return list;
}

} // namespace Catalog
