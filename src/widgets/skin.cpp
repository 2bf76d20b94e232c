#include "skin.h"

#include "config/paths.h"
#include "uiscale.h"

#include <QImageReader>
#include <QPainter>
#include <QPixmapCache>
#include <qdrawutil.h>

// The resource initialiser lives in the ui library's generated resource
// source; a static library drops that object unless it is referenced.
static void initSkinResource() { Q_INIT_RESOURCE(skin); }

QString Skin::path(const QString &name)
{
    QString relative = name;
    if (relative.startsWith(QLatin1String("/skin/")))
        relative = relative.mid(6);
    else if (relative.startsWith(QLatin1String("skin/")))
        relative = relative.mid(5);
    return Paths::skinDir() + QLatin1Char('/') + relative;
}

QPixmap Skin::picture(const QString &file, const QSize &size, Qt::AspectRatioMode mode)
{
    if (file.isEmpty() || size.isEmpty())
        return QPixmap();
    static bool limitRaised = false;
    if (!limitRaised) {
        // The window background alone is 10 MB at scale 2.
        QPixmapCache::setCacheLimit(qMax(QPixmapCache::cacheLimit(), 96 * 1024));
        limitRaised = true;
    }
    const QString key = QStringLiteral("vesk:%1:%2x%3:%4")
                            .arg(file)
                            .arg(size.width())
                            .arg(size.height())
                            .arg(int(mode));
    QPixmap scaled;
    if (QPixmapCache::find(key, &scaled))
        return scaled;
    QImageReader reader(file);
    QImage image = reader.read();
    if (image.isNull())
        return QPixmap();
    // QImage's smooth scaling averages areas when shrinking; the painter's
    // bilinear filter would alias fine lines drawn at three times the size.
    scaled = QPixmap::fromImage(image.scaled(size, mode, Qt::SmoothTransformation));
    QPixmapCache::insert(key, scaled);
    return scaled;
}

QPixmap Skin::atScale(const QString &file)
{
    return picture(file, UiScale::scaled(designSize(file)));
}

void Skin::drawSliced(QPainter &painter, const QRect &target, const QPixmap &pixmap, const QMargins &designMargins)
{
    if (pixmap.isNull() || target.isEmpty())
        return;
    auto fit = [](int wanted, int room) { return qMin(wanted, room / 2); };
    const QMargins to(fit(UiScale::scaled(designMargins.left()), target.width()),
                      fit(UiScale::scaled(designMargins.top()), target.height()),
                      fit(UiScale::scaled(designMargins.right()), target.width()),
                      fit(UiScale::scaled(designMargins.bottom()), target.height()));
    const QMargins from(fit(to.left(), pixmap.width()), fit(to.top(), pixmap.height()),
                        fit(to.right(), pixmap.width()), fit(to.bottom(), pixmap.height()));
    qDrawBorderPixmap(&painter, target, to, pixmap, pixmap.rect(), from);
}

QSize Skin::designSize(const QString &file)
{
    const QSize pixels = QImageReader(file).size();
    if (!pixels.isValid())
        return QSize();
    return QSize(pixels.width() / kDensity, pixels.height() / kDensity);
}

void Skin::initResources() { initSkinResource(); }
