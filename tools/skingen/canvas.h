#pragma once

#include <QBrush>
#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QSize>
#include <QString>
#include <QVector>

#include <functional>

class QPainter;

// Drawing helpers shared by the skin pictures. Every picture is drawn in its
// design units on a painter scaled by the density, so that the same code
// yields a sharp picture at any density.
namespace Canvas {

// Pixels per design unit of every picture file. The widget kit divides by
// the same number (Skin::kDensity) to learn a picture's design size.
constexpr int kDensity = 3;

// The skin's neutral palette. The accent colour of the user's theme is
// added by the widgets at run time, so the pictures stay graphite and steel
// and sit well with any of the seven theme colours.
namespace Ink {
const QColor deepest(10, 11, 14);
const QColor base(17, 19, 23);
const QColor raised(27, 30, 35);
const QColor lifted(36, 40, 47);
const QColor line(48, 53, 61);
const QColor edge(72, 79, 90);
const QColor steel(126, 136, 150);
const QColor silver(198, 206, 216);
const QColor ice(232, 238, 245);
const QColor glow(170, 226, 255);
const QColor amber(255, 178, 44);
const QColor alarm(214, 52, 64);
// The flat colour in the middle of process.png, which the busy animation's
// frames are matted on (GIF has no partial transparency).
const QColor spinnerMatte(21, 24, 29);
} // namespace Ink

using PaintFunction = std::function<void(QPainter &)>;

struct Picture {
    QString name;       // path below the skin folder
    QSize design;       // size in design units
    PaintFunction paint;
    int density = kDensity;            // pixels per design unit in the file
    QByteArray format = "png";         // image format written
};

// A transparent image of design x density pixels with `paint` applied on a
// painter that works in design units (antialiased).
QImage render(const QSize &design, const PaintFunction &paint, int density = kDensity);

// Paints `path` filled with `brush`, blurred by `radius` design units and
// shifted by `offset`: soft shadows and glows.
void drawBlurred(QPainter &painter, const QPainterPath &path, const QBrush &brush, double radius,
                 const QPointF &offset = QPointF());

// A rectangle with its corners cut at 45 degrees (top-left, top-right,
// bottom-right, bottom-left).
QPainterPath chamfered(const QRectF &rect, double topLeft, double topRight, double bottomRight,
                       double bottomLeft);

QPainterPath roundedRect(const QRectF &rect, double radius);

QColor withAlpha(const QColor &color, double alpha);

// A few pixels of noise-free gradient shorthand.
QLinearGradient vertical(const QRectF &rect, const QColor &top, const QColor &bottom);
QLinearGradient horizontal(const QRectF &rect, const QColor &left, const QColor &right);

} // namespace Canvas
