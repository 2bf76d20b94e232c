#pragma once

#include <QMargins>
#include <QPixmap>
#include <QSize>
#include <QString>

class QPainter;

// Access to the skin pictures in <data>/skin.
//
// The skin generator draws every picture at kDensity pixels per design unit
// (a 26 x 40 design picture is a 78 x 120 file), so that it stays sharp up to
// the largest scale factor. A picture is therefore never shown at its file
// size: it is scaled, smoothly, to its design size times the scale factor,
// and the scaled copies are cached.
class Skin {
public:
    static constexpr int kDensity = 3;

    // <data>/skin/<name>; `name` may carry the "/skin/" prefix that the
    // program's picture names have.
    static QString path(const QString &name);

    // The picture at `file` (a full path or a ":/" resource), scaled smoothly
    // to `size`; a null pixmap when the file is missing or unreadable or the
    // size is empty.
    static QPixmap picture(const QString &file, const QSize &size,
                           Qt::AspectRatioMode mode = Qt::IgnoreAspectRatio);

    // The picture at `file` brought to its design size times the scale.
    static QPixmap atScale(const QString &file);

    // Draws `pixmap` (at screen density) into `target` as a nine-slice frame:
    // the `designMargins` (times the scale) keep their size, edges and middle
    // stretch. Margins are held to half of the target and of the picture.
    static void drawSliced(QPainter &painter, const QRect &target, const QPixmap &pixmap,
                           const QMargins &designMargins);

    // The design size of a skin file (its pixel size divided by kDensity).
    static QSize designSize(const QString &file);

    // Makes the pictures compiled into the ui library (":/skin/loading.gif"
    // and the dialog button icons) available. Safe to call more than once.
    static void initResources();
};
