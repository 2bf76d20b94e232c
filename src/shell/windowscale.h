#pragma once

#include "scaledpicturecache.h"

#include <QBitmap>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <array>

class QScreen;

// The main window's own scaling. Qt's automatic high-DPI scaling stays off;
// the window takes the logical DPI of its screen, maps DPI / 96 to one of 17
// levels (factor 1.0, 1.25 ... 5.0) and multiplies every design length by
// that factor. The window background at each level, and the shape mask cut
// from its alpha channel, are made once on demand and kept.
class WindowScale {
public:
    static constexpr int kDesignWidth = 999;
    static constexpr int kDesignHeight = 640;
    static constexpr int kLevelCount = 17;
    // Widths of levels 0..3 and how far a window may be off them and still
    // count as that level (a window manager may shave off a few pixels).
    static constexpr int kWidthTolerance = 9;

    // The level for a screen of `logicalDpi` dots per inch; a DPI that is
    // not a positive number gives level 0.
    static int levelForDpi(double logicalDpi);
    // The level for `screen`; level 0 without one.
    static int levelForScreen(const QScreen *screen);
    static double factorForLevel(int level);
    // The window size at a level.
    static QSize windowSize(int level);

    // The first of levels 0..3 whose width lies within kWidthTolerance
    // pixels of `width`, or -1.
    static int levelForWidth(int width);

    // The level a resize event leaves the window at. `level` is the level in
    // force, `screenLevel` the level of the screen under the window's centre.
    // A changed screen level wins; otherwise, while the window has the size
    // it last gave itself, the level follows its width (levels 0..3), and
    // the level in force stays when no width matches.
    static int levelAfterResize(int level, int screenLevel, const QSize &current, const QSize &lastSet);

    explicit WindowScale(const QString &backgroundFile = QString());

    // The design background (level 0's picture) and the copies at each level,
    // scaled to the window size of that level.
    const QPixmap &background(int level);
    // The window shape at a level: the alpha mask of that level's background;
    // a null bitmap when the background is missing.
    QBitmap mask(int level);

    bool hasBackground() const { return !m_file.isEmpty() && m_haveFile; }

private:
    static int clampLevel(int level);

    QString m_file;
    bool m_haveFile = false;
    ScaledPictureCache m_cache;
    std::array<QPixmap, kLevelCount> m_backgrounds;
    std::array<QBitmap, kLevelCount> m_masks;
};
