#include "windowscale.h"

#include "widgets/skin.h"
#include "widgets/uiscale.h"

#include <QFileInfo>
#include <QScreen>

#include <cmath>

int WindowScale::levelForDpi(double logicalDpi)
{
    if (!(logicalDpi > 0) || std::isinf(logicalDpi))
        return 0;
    return UiScale::levelForDpiRatio(logicalDpi / 96.0);
}

int WindowScale::levelForScreen(const QScreen *screen)
{
    return levelForDpi(screen ? screen->logicalDotsPerInch() : 96.0);
}

double WindowScale::factorForLevel(int level) { return UiScale::factorForLevel(clampLevel(level)); }

QSize WindowScale::windowSize(int level)
{
    const double factor = factorForLevel(level);
    return QSize(UiScale::scaled(kDesignWidth, factor), UiScale::scaled(kDesignHeight, factor));
}

int WindowScale::levelForWidth(int width)
{
    for (int level = 0; level <= 3; ++level) {
        if (std::abs(windowSize(level).width() - width) <= kWidthTolerance)
            return level;
    }
    return -1;
}

int WindowScale::levelAfterResize(int level, int screenLevel, const QSize &current, const QSize &lastSet)
{
    level = clampLevel(level);
    screenLevel = clampLevel(screenLevel);
    if (screenLevel != level)
        return screenLevel;
    if (current == lastSet) {
        const int byWidth = levelForWidth(current.width());
        if (byWidth >= 0)
            return byWidth;
    }
    return level;
}

int WindowScale::clampLevel(int level) { return level < 0 ? 0 : (level >= kLevelCount ? kLevelCount - 1 : level); }

WindowScale::WindowScale(const QString &backgroundFile)
    : m_file(backgroundFile.isEmpty() ? Skin::path(QStringLiteral("cfgMainback.png")) : backgroundFile)
    , m_haveFile(QFileInfo::exists(m_file))
{
}

const QPixmap &WindowScale::background(int level)
{
    level = clampLevel(level);
    QPixmap &picture = m_backgrounds[size_t(level)];
    if (picture.isNull() && m_haveFile) {
        // The skin file is drawn at three times the design size; every level
        // is scaled down from it directly, so no level inherits the blur of
        // another.
        picture = QPixmap::fromImage(m_cache.picture(m_file, windowSize(level)));
    }
    return picture;
}

QBitmap WindowScale::mask(int level)
{
    level = clampLevel(level);
    QBitmap &bitmap = m_masks[size_t(level)];
    if (bitmap.isNull()) {
        const QPixmap &picture = background(level);
        if (!picture.isNull() && picture.hasAlphaChannel())
            bitmap = picture.mask();
    }
    return bitmap;
}
