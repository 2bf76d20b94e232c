#include "skinbutton.h"

#include "languagefont.h"
#include "skin.h"
#include "uiscale.h"
#include "uitheme.h"

#include <QCursor>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmapCache>

namespace {

int g_defaultColorMode = 0;

// The theme colour over the opaque parts of a picture, keeping its shading.
QPixmap tinted(const QPixmap &source, const QColor &color)
{
    QImage image = source.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    QColor wash = color;
    wash.setAlphaF(0.35);
    painter.fillRect(image.rect(), wash);
    painter.end();
    return QPixmap::fromImage(image);
}

} // namespace

SkinButton::SkinButton(QWidget *parent)
    : SkinButton(QString(), parent)
{
}

SkinButton::SkinButton(const QString &text, QWidget *parent)
    : QPushButton(text, parent)
    , m_colorMode(g_defaultColorMode)
{
    setFont(LanguageFont::current());
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover, true);
    setCursor(Qt::PointingHandCursor);
}

void SkinButton::setPictures(const QStringList &files)
{
    m_pictures = files;
    updateGeometry();
    update();
}

void SkinButton::setState(int state)
{
    if (m_state == state)
        return;
    m_state = state;
    update();
}

int SkinButton::shownPicture() const
{
    if (m_pictures.isEmpty())
        return -1;
    int index = m_state;
    if (isDown())
        index = PressedPicture;
    else if (m_hovered && isEnabled())
        index = HoverPicture;
    if (index < 0 || index >= m_pictures.size())
        index = NormalPicture;
    return index;
}

void SkinButton::setSliceBorder(int designBorder)
{
    const int b = qMax(0, designBorder);
    setSliceMargins(QMargins(b, b, b, b));
}

void SkinButton::setSliceMargins(const QMargins &design)
{
    m_slice = QMargins(qMax(0, design.left()), qMax(0, design.top()), qMax(0, design.right()),
                       qMax(0, design.bottom()));
    update();
}

void SkinButton::setColorMode(int mode)
{
    m_colorMode = mode;
    update();
}

void SkinButton::setDefaultColorMode(int mode) { g_defaultColorMode = mode; }

int SkinButton::defaultColorMode() { return g_defaultColorMode; }

void SkinButton::setTextColor(const QColor &color)
{
    m_textColor = color;
    update();
}

QSize SkinButton::sizeHint() const
{
    if (!m_pictures.isEmpty()) {
        const QSize design = Skin::designSize(m_pictures.first());
        if (design.isValid())
            return UiScale::scaled(design);
    }
    const QFontMetrics metrics(font());
    return QSize(metrics.horizontalAdvance(text()) + UiScale::scaled(24), UiScale::scaled(30));
}

QPixmap SkinButton::pictureFor(int index, const QSize &size) const
{
    const QString &file = m_pictures.at(index);
    QPixmap pixmap;
    if (!m_slice.isNull()) {
        // Bring the picture to the screen's density first, so that the
        // corners are drawn one to one and only edges and middle stretch.
        pixmap = Skin::atScale(file);
    } else {
        pixmap = Skin::picture(file, size);
    }
    const bool tint = m_colorMode != 0 && index != NormalPicture;
    if (pixmap.isNull() || !tint)
        return pixmap;
    const QColor theme = UiTheme::currentColor();
    const QString key = QStringLiteral("vesk-tint:%1:%2x%3:%4")
                            .arg(file)
                            .arg(pixmap.width())
                            .arg(pixmap.height())
                            .arg(theme.rgb());
    QPixmap cached;
    if (QPixmapCache::find(key, &cached))
        return cached;
    cached = tinted(pixmap, theme);
    QPixmapCache::insert(key, cached);
    return cached;
}

void SkinButton::paintFallback(QPainter &painter, bool active)
{
    // Without skin pictures the button still reads as a button.
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(active ? UiTheme::currentColor() : QColor(70, 75, 84), 1));
    painter.setBrush(isDown() ? QColor(16, 18, 21) : QColor(30, 33, 38));
    painter.drawRoundedRect(r, 3, 3);
}

void SkinButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    if (!isEnabled())
        painter.setOpacity(0.45);

    const int index = shownPicture();
    const bool active = index > NormalPicture || (index < 0 && (isDown() || m_hovered || m_state != 0));
    if (index < 0) {
        if (!text().isEmpty())
            paintFallback(painter, active);
    } else {
        const QPixmap pixmap = pictureFor(index, size());
        if (!pixmap.isNull()) {
            if (!m_slice.isNull()) {
                Skin::drawSliced(painter, rect(), pixmap, m_slice);
            } else {
                painter.drawPixmap(rect(), pixmap);
            }
        }
    }

    if (text().isEmpty())
        return;
    painter.setFont(font());
    QColor color = m_textColor;
    if (active && m_colorMode == 0)
        color = UiTheme::currentColor();
    painter.setPen(color);
    const QRect textRect = contentsRect().adjusted(UiScale::scaled(4), 0, -UiScale::scaled(4), 0);
    const QString shown = painter.fontMetrics().elidedText(text(), Qt::ElideRight, textRect.width());
    painter.drawText(textRect, Qt::AlignCenter, shown);
}

void SkinButton::mousePressEvent(QMouseEvent *event)
{
    // Emitted before the base class opens a drop-down menu (which runs its
    // own event loop until the menu closes).
    if (event->button() == Qt::LeftButton)
        emit entered(this);
    // The open menu takes the pointer: no leave event reaches the button
    // when an entry is chosen away from it, so the hover look is settled
    // when the menu closes.
    if (QMenu *dropDown = menu())
        connect(dropDown, &QMenu::aboutToHide, this, &SkinButton::settleHover, Qt::UniqueConnection);
    QPushButton::mousePressEvent(event);
}

void SkinButton::settleHover()
{
    const bool over = isVisible() && rect().contains(mapFromGlobal(QCursor::pos()));
    if (over == m_hovered)
        return;
    m_hovered = over;
    update();
    emit hovered(this, over);
}

void SkinButton::enterEvent(QEvent *event)
{
    m_hovered = true;
    update();
    emit hovered(this, true);
    QPushButton::enterEvent(event);
}

void SkinButton::leaveEvent(QEvent *event)
{
    m_hovered = false;
    update();
    emit hovered(this, false);
    QPushButton::leaveEvent(event);
}

void SkinButton::changeEvent(QEvent *event)
{
    // A hidden or disabled button must not come back showing a stale hover.
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        m_hovered = false;
    QPushButton::changeEvent(event);
}
