#pragma once

#include <QByteArray>
#include <QImage>
#include <QVector>

// The busy animation: a comet arc circling over a faint track, drawn on a
// disc of the process tile's own colour. GIF knows only full transparency,
// so the disc is opaque and matted on exactly the colour that process.png
// has beneath it; its edge is then invisible over the tile.
namespace LoadingAnimation {

constexpr int kDesignSize = 128;
constexpr int kFrameCount = 30;
constexpr int kFrameDelayCentiseconds = 4;

// Frame `index` as a premultiplied image at the given density.
QImage frame(int index, int density);

// The whole animation as a GIF file.
QByteArray gif(int density);

} // namespace LoadingAnimation
