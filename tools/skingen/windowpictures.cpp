#include "catalog.h"

#include <QPainter>
#include <QRadialGradient>

#include <cmath>

using namespace Canvas;

namespace {

const QSizeF kWindow(999, 640);

QPainterPath windowShape()
{
    // Straight edges and 45-degree cuts only: the window shape comes from a
    // one-bit mask, on which such edges stay clean at every scale.
    return chamfered(QRectF(QPointF(0, 0), kWindow), 26, 10, 26, 10);
}

// A hairline that fades out at both ends.
void fadedLine(QPainter &p, double x1, double x2, double y, const QColor &color, double width = 1.0)
{
    QLinearGradient g(x1, y, x2, y);
    g.setColorAt(0, withAlpha(color, 0));
    g.setColorAt(0.15, color);
    g.setColorAt(0.85, color);
    g.setColorAt(1, withAlpha(color, 0));
    p.setPen(QPen(QBrush(g), width, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(x1, y), QPointF(x2, y));
}

// L-shaped marks at the corners of a panel.
void cornerMarks(QPainter &p, const QRectF &r, double arm, const QColor &color)
{
    p.setPen(QPen(color, 1.4, Qt::SolidLine, Qt::SquareCap));
    const QPointF corners[4] = {r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft()};
    const double dx[4] = {1, -1, -1, 1};
    const double dy[4] = {1, 1, -1, -1};
    for (int i = 0; i < 4; ++i) {
        const QPointF c = corners[i];
        p.drawLine(c, c + QPointF(dx[i] * arm, 0));
        p.drawLine(c, c + QPointF(0, dy[i] * arm));
    }
}

void hatch(QPainter &p, const QRectF &area, double spacing, const QColor &color)
{
    p.save();
    p.setClipRect(area);
    p.setPen(QPen(color, 0.7));
    for (double x = area.left() - area.height(); x < area.right(); x += spacing)
        p.drawLine(QPointF(x, area.bottom()), QPointF(x + area.height(), area.top()));
    p.restore();
}

void paintBackground(QPainter &p)
{
    const QPainterPath shape = windowShape();
    const QRectF all(QPointF(0, 0), kWindow);

    // The silhouette is filled without antialiasing: the window mask is cut
    // from the alpha channel, and a soft edge would leave half-transparent
    // pixels on the window's own background.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillPath(shape, vertical(all, QColor(27, 30, 36), QColor(13, 14, 17)));
    p.setRenderHint(QPainter::Antialiasing, true);
    p.save();
    p.setClipPath(shape);

    // Soft light from above the middle of the window.
    QRadialGradient light(QPointF(500, -160), 760);
    light.setColorAt(0, QColor(150, 170, 200, 34));
    light.setColorAt(1, QColor(150, 170, 200, 0));
    p.fillRect(all, light);

    // Header and footer bands with a fine diagonal grain.
    hatch(p, QRectF(0, 0, 999, 80), 5, QColor(255, 255, 255, 7));
    hatch(p, QRectF(0, 572, 999, 68), 5, QColor(255, 255, 255, 6));
    fadedLine(p, 36, 963, 80.5, QColor(0, 0, 0, 150), 1.2);
    fadedLine(p, 36, 963, 81.6, QColor(255, 255, 255, 22));
    fadedLine(p, 36, 963, 571.5, QColor(0, 0, 0, 150), 1.2);
    fadedLine(p, 36, 963, 572.6, QColor(255, 255, 255, 20));

    // A lit notch in the middle of the top edge.
    QPainterPath notch = chamfered(QRectF(390, 0, 220, 5), 0, 0, 5, 5);
    p.fillPath(notch, QColor(255, 255, 255, 18));
    fadedLine(p, 400, 600, 5.2, QColor(220, 232, 245, 120), 1.0);
    drawBlurred(p, QPainterPath([] {
                    QPainterPath bar;
                    bar.addRect(QRectF(430, 3, 140, 3));
                    return bar;
                }()),
                QColor(200, 225, 255, 90), 6);

    // Sidebar with the tab column.
    const QRectF side(50, 88, 214, 470);
    const QPainterPath sidePanel = chamfered(side, 14, 0, 0, 0);
    p.fillPath(sidePanel, vertical(side, QColor(255, 255, 255, 9), QColor(255, 255, 255, 3)));
    p.setPen(QPen(QColor(255, 255, 255, 16), 1));
    p.drawPath(sidePanel);
    fadedLine(p, 62, 252, 238.5, QColor(255, 255, 255, 16));
    // The brand's emblem, barely there, fills the quiet lower part.
    p.save();
    p.setOpacity(0.035);
    Catalog::drawEmblem(p, QRectF(97, 318, 120, 120), 1.0);
    p.restore();

    // Content panel, with a spotlight where the mouse picture stands.
    const QRectF content(274, 88, 712, 476);
    const QPainterPath contentPanel = chamfered(content, 0, 14, 0, 0);
    p.fillPath(contentPanel, vertical(content, QColor(0, 0, 0, 70), QColor(0, 0, 0, 40)));
    p.setPen(QPen(QColor(255, 255, 255, 14), 1));
    p.drawPath(contentPanel);
    fadedLine(p, 290, 970, 89.2, QColor(255, 255, 255, 18));
    cornerMarks(p, content.adjusted(6, 6, -6, -6), 9, QColor(200, 212, 228, 60));

    p.save();
    p.setClipPath(contentPanel);
    QRadialGradient spot(QPointF(787, 300), 250);
    spot.setColorAt(0, QColor(150, 175, 210, 26));
    spot.setColorAt(1, QColor(150, 175, 210, 0));
    p.fillRect(content, spot);
    // A turntable under the mouse: a few fine rings in perspective.
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 4; ++i) {
        const double rx = 118 + i * 22;
        const double ry = 22 + i * 4.5;
        p.setPen(QPen(QColor(190, 210, 235, 34 - i * 7), 1.0));
        p.drawEllipse(QPointF(787, 500), rx, ry);
    }
    QRadialGradient floor(QPointF(787, 500), 130);
    floor.setColorAt(0, QColor(190, 215, 245, 30));
    floor.setColorAt(1, QColor(190, 215, 245, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(floor);
    p.drawEllipse(QPointF(787, 500), 130, 26);
    p.restore();

    // Recess of the battery display and a lip under the footer buttons.
    const QRectF battery(62, 576, 168, 57);
    p.fillPath(chamfered(battery, 8, 0, 8, 0), QColor(0, 0, 0, 60));
    p.setPen(QPen(QColor(255, 255, 255, 12), 1));
    p.drawPath(chamfered(battery, 8, 0, 8, 0));
    fadedLine(p, 300, 682, 625.5, QColor(255, 255, 255, 14));
    p.restore();

    // Rim: a bright bevel above, a dark one below.
    p.setBrush(Qt::NoBrush);
    QLinearGradient rim(0, 0, 0, kWindow.height());
    rim.setColorAt(0, QColor(96, 106, 120));
    rim.setColorAt(0.5, QColor(48, 54, 62));
    rim.setColorAt(1, QColor(30, 33, 38));
    p.setPen(QPen(QBrush(rim), 1.6));
    p.drawPath(chamfered(QRectF(0.8, 0.8, 997.4, 638.4), 25.5, 9.6, 25.5, 9.6));
    p.setPen(QPen(QColor(255, 255, 255, 10), 1));
    p.drawPath(chamfered(QRectF(5, 5, 989, 630), 22, 7, 22, 7));

    // Whatever the rim's antialiasing spilt over the cut corners goes: the
    // outside must be fully transparent for the mask.
    QPainterPath outside;
    outside.addRect(all);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.fillPath(outside.subtracted(shape), Qt::black);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

// Text-button and tab pictures: 154 x 29, a cut top-right corner. `kind`:
// 0 normal, 1 hover or selected, 2 pressed.
void paintTab(QPainter &p, int kind)
{
    const QRectF r(0.5, 0.5, 153, 28);
    const QPainterPath shape = chamfered(r, 0, 7, 0, 0);
    const QColor top = kind == 1 ? QColor(48, 54, 63) : kind == 2 ? QColor(19, 21, 25) : QColor(34, 38, 44);
    const QColor bottom = kind == 1 ? QColor(34, 38, 45) : kind == 2 ? QColor(26, 29, 34) : QColor(25, 28, 33);
    p.fillPath(shape, vertical(r, top, bottom));
    if (kind == 1) {
        QLinearGradient sheen(r.topLeft(), r.topRight());
        sheen.setColorAt(0, QColor(220, 235, 255, 34));
        sheen.setColorAt(0.7, QColor(220, 235, 255, 0));
        p.fillPath(shape, sheen);
    }
    if (kind == 2) {
        QLinearGradient inner(r.topLeft(), r.topLeft() + QPointF(0, 8));
        inner.setColorAt(0, QColor(0, 0, 0, 110));
        inner.setColorAt(1, QColor(0, 0, 0, 0));
        p.fillPath(shape, inner);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, kind == 1 ? 44 : kind == 2 ? 22 : 20), 1));
    p.drawPath(shape);
    // Top highlight of the bevel.
    if (kind != 2) {
        p.setPen(QPen(QColor(255, 255, 255, kind == 1 ? 40 : 18), 0.8));
        p.drawLine(QPointF(2, 1.4), QPointF(146, 1.4));
    }
    // The marker bar at the left edge.
    const QRectF bar(0.5, kind == 0 ? 9 : 3, kind == 0 ? 2 : 3, kind == 0 ? 11 : 23);
    const QColor barColor = kind == 0 ? QColor(255, 255, 255, 40) : kind == 1 ? Ink::ice : Ink::silver;
    if (kind != 0)
        drawBlurred(p, roundedRect(bar, 1), withAlpha(Ink::glow, 0.8), 5);
    p.setPen(Qt::NoPen);
    p.setBrush(barColor);
    p.drawRoundedRect(bar, 1, 1);
}

// Title-bar buttons, 26 x 26. `glyph` 0 close, 1 minimise; `kind` as tabs.
void paintTitleButton(QPainter &p, int glyph, int kind)
{
    const QRectF r(2, 2, 22, 22);
    if (kind != 0) {
        QColor fill = glyph == 0 ? (kind == 1 ? QColor(200, 44, 60) : QColor(140, 28, 42))
                                 : (kind == 1 ? QColor(255, 255, 255, 30) : QColor(255, 255, 255, 14));
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        p.drawRoundedRect(r, 5, 5);
    } else {
        p.setPen(QPen(QColor(255, 255, 255, 22), 1));
        p.setBrush(QColor(255, 255, 255, 6));
        p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    }
    const QColor ink = kind == 0 ? Ink::silver : Ink::ice;
    p.setPen(QPen(ink, 1.7, Qt::SolidLine, Qt::RoundCap));
    if (glyph == 0) {
        p.drawLine(QPointF(8.5, 8.5), QPointF(17.5, 17.5));
        p.drawLine(QPointF(17.5, 8.5), QPointF(8.5, 17.5));
    } else {
        p.drawLine(QPointF(8, 13.5), QPointF(18, 13.5));
    }
}

void paintLanguage(QPainter &p)
{
    const QRectF r(0.5, 0.5, 104, 19);
    p.setPen(QPen(QColor(255, 255, 255, 34), 1));
    p.setBrush(vertical(r, QColor(40, 44, 51), QColor(28, 31, 36)));
    p.drawRoundedRect(r, 9.5, 9.5);
    // Globe.
    const QPointF c(11.5, 10);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Ink::silver, 1.1));
    p.drawEllipse(c, 5.6, 5.6);
    p.drawEllipse(c, 2.4, 5.6);
    p.drawLine(c + QPointF(-5.6, 0), c + QPointF(5.6, 0));
    // Drop-down chevron.
    p.setPen(QPen(Ink::silver, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath chevron;
    chevron.moveTo(93, 8.3);
    chevron.lineTo(96.5, 11.6);
    chevron.lineTo(100, 8.3);
    p.drawPath(chevron);
}

// Battery frame 86 x 47 around the bar at (6, 6, 71, 34).
void paintBatteryFrame(QPainter &p, bool on)
{
    const QRectF body(2.5, 3, 78, 41);
    const QColor stroke = on ? Ink::silver : QColor(78, 85, 96);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(8, 9, 11));
    p.drawRoundedRect(body, 5, 5);
    if (on)
        drawBlurred(p, roundedRect(body, 5).subtracted(roundedRect(body.adjusted(2, 2, -2, -2), 4)),
                    withAlpha(Ink::glow, 0.35), 4);
    QLinearGradient g(body.topLeft(), body.bottomLeft());
    g.setColorAt(0, on ? Ink::ice : QColor(96, 104, 116));
    g.setColorAt(1, stroke.darker(on ? 150 : 130));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(g), 2));
    p.drawRoundedRect(body, 5, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(QBrush(g));
    p.drawRoundedRect(QRectF(81.5, 15.5, 4, 16), 1.5, 1.5);
}

void paintLightning(QPainter &p)
{
    QPainterPath bolt;
    bolt.moveTo(16.5, 1.5);
    bolt.lineTo(3, 23.5);
    bolt.lineTo(11.8, 23.5);
    bolt.lineTo(8.5, 38.5);
    bolt.lineTo(23.5, 14.5);
    bolt.lineTo(14.5, 14.5);
    bolt.lineTo(19, 1.5);
    bolt.closeSubpath();
    drawBlurred(p, bolt, QColor(255, 170, 30, 150), 5);
    QLinearGradient g(0, 0, 0, 40);
    g.setColorAt(0, QColor(255, 236, 150));
    g.setColorAt(1, Ink::amber);
    p.setBrush(g);
    p.setPen(QPen(QColor(150, 90, 0), 0.8, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPath(bolt);
}

// A USB receiver: plug at the left, body, and the radio waves it sends.
void paintDongle(QPainter &p)
{
    p.translate(24, 24);
    p.rotate(-35);
    p.translate(-24, -24);
    // Plug.
    p.setPen(QPen(Ink::steel, 1));
    p.setBrush(vertical(QRectF(5, 18, 15, 12), Ink::ice, Ink::steel));
    p.drawRoundedRect(QRectF(5, 18, 15, 12), 1.2, 1.2);
    p.setPen(Qt::NoPen);
    p.setBrush(Ink::deepest);
    p.drawRect(QRectF(9, 21.5, 3, 2));
    p.drawRect(QRectF(14, 21.5, 3, 2));
    // Body.
    const QRectF body(19, 16.5, 13, 15);
    p.setPen(QPen(Ink::edge, 1));
    p.setBrush(vertical(body, Ink::lifted, Ink::deepest));
    p.drawRoundedRect(body, 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(Ink::glow, 0.9));
    p.drawEllipse(QPointF(28.5, 24), 1.2, 1.2);
    // Waves.
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        const double r = 5 + i * 4.2;
        p.setPen(QPen(withAlpha(Ink::silver, 1.0 - i * 0.25), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(33 - r, 24 - r, 2 * r, 2 * r), -40 * 16, 80 * 16);
    }
}

void paintLogo(QPainter &p)
{
    Catalog::drawEmblem(p, QRectF(2, 5, 40, 40), 1.0);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(27);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 5);
    QPainterPath word;
    word.addText(QPointF(52, 33.5), font, QStringLiteral("QORV"));
    drawBlurred(p, word, QColor(170, 210, 255, 60), 6);
    QLinearGradient g(0, 10, 0, 34);
    g.setColorAt(0, QColor(250, 252, 255));
    g.setColorAt(0.55, Ink::silver);
    g.setColorAt(1, QColor(140, 150, 165));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(word);
    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(8);
    small.setLetterSpacing(QFont::AbsoluteSpacing, 3.1);
    QPainterPath tag;
    tag.addText(QPointF(53.5, 45.5), small, QStringLiteral("GAMING GEAR"));
    p.setBrush(Ink::steel);
    p.drawPath(tag);
    p.setPen(QPen(withAlpha(Ink::steel, 0.6), 0.8));
    p.drawLine(QPointF(150, 42.6), QPointF(196, 42.6));
}

} // namespace

namespace Catalog {

void drawEmblem(QPainter &p, const QRectF &box, double strength)
{
    // A faceted hexagon holding a swept chevron: the brand's mark.
    p.save();
    p.translate(box.center());
    const double s = qMin(box.width(), box.height()) / 40.0;
    p.scale(s, s);
    QPainterPath hex;
    for (int i = 0; i < 6; ++i) {
        const double a = (60.0 * i - 90.0) * M_PI / 180.0;
        const QPointF pt(19 * std::cos(a), 19 * std::sin(a));
        if (i == 0)
            hex.moveTo(pt);
        else
            hex.lineTo(pt);
    }
    hex.closeSubpath();
    QLinearGradient metal(0, -19, 0, 19);
    metal.setColorAt(0, withAlpha(QColor(70, 78, 90), strength));
    metal.setColorAt(1, withAlpha(QColor(22, 25, 30), strength));
    p.setBrush(metal);
    p.setPen(QPen(withAlpha(Ink::silver, strength), 1.4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPath(hex);
    QPainterPath chevron;
    chevron.moveTo(-10, -7);
    chevron.lineTo(0, 3);
    chevron.lineTo(10, -7);
    chevron.lineTo(10, 0);
    chevron.lineTo(0, 10);
    chevron.lineTo(-10, 0);
    chevron.closeSubpath();
    QLinearGradient ice(0, -7, 0, 10);
    ice.setColorAt(0, withAlpha(QColor(255, 255, 255), strength));
    ice.setColorAt(1, withAlpha(Ink::steel, strength));
    p.setPen(Qt::NoPen);
    p.setBrush(ice);
    p.drawPath(chevron);
    p.setBrush(withAlpha(Ink::ice, strength));
    p.drawEllipse(QPointF(0, -9.5), 2, 2);
    p.restore();
}

QVector<Picture> windowPictures()
{
    QVector<Picture> list;
    list.append({QStringLiteral("cfgMainback.png"), QSize(999, 640), paintBackground});
    // Tab and text-button pictures in the order normal (-1), pressed (-2),
    // hover or selected (-3).
    list.append({QStringLiteral("tabbutton-1.png"), QSize(154, 29), [](QPainter &p) { paintTab(p, 0); }});
    list.append({QStringLiteral("tabbutton-2.png"), QSize(154, 29), [](QPainter &p) { paintTab(p, 2); }});
    list.append({QStringLiteral("tabbutton-3.png"), QSize(154, 29), [](QPainter &p) { paintTab(p, 1); }});
    // Title-bar buttons: normal (-1), hover (-2), pressed (-3).
    for (int kind = 0; kind < 3; ++kind) {
        list.append({QStringLiteral("close-%1.png").arg(kind + 1), QSize(26, 26),
                     [kind](QPainter &p) { paintTitleButton(p, 0, kind); }});
        list.append({QStringLiteral("min-%1.png").arg(kind + 1), QSize(26, 26),
                     [kind](QPainter &p) { paintTitleButton(p, 1, kind); }});
    }
    list.append({QStringLiteral("lang.png"), QSize(105, 20), paintLanguage});
    list.append({QStringLiteral("bat1.png"), QSize(86, 47), [](QPainter &p) { paintBatteryFrame(p, false); }});
    list.append({QStringLiteral("bat2.png"), QSize(86, 47), [](QPainter &p) { paintBatteryFrame(p, true); }});
    list.append({QStringLiteral("lightning.png"), QSize(26, 40), paintLightning});
    list.append({QStringLiteral("dongle.png"), QSize(48, 48), paintDongle});
    list.append({QStringLiteral("mouselogo.png"), QSize(200, 50), paintLogo});
    return list;
}

} // namespace Catalog
