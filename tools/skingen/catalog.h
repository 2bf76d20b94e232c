#pragma once

#include "canvas.h"

#include <QVector>

// The skin, picture by picture, grouped by where the pictures are used.
namespace Catalog {

// Main window: background, tabs, title-bar buttons, battery, logo.
QVector<Canvas::Picture> windowPictures();
// Small controls: check boxes, switches, arrows, drop-down fields, icons.
QVector<Canvas::Picture> controlPictures();
// Dialogs: backgrounds, message pictures, busy tile, recoil editor, app icon.
QVector<Canvas::Picture> dialogPictures();
// The mouse of `model`: front view, one highlight per button, side view.
QVector<Canvas::Picture> mousePictures(const QString &model);

// Emblem of the brand, centred in `box` (used by the logo and the icon).
void drawEmblem(QPainter &p, const QRectF &box, double strength);

} // namespace Catalog
