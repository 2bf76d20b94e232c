#include "skincheckbox.h"

#include "languagefont.h"
#include "skin.h"
#include "uiscale.h"

#include <QPainter>

SkinCheckBox::SkinCheckBox(const QString &text, QWidget *parent)
    : QCheckBox(text, parent)
    , m_unchecked(Skin::path(QStringLiteral("checkbox1-1.png")))
    , m_checked(Skin::path(QStringLiteral("checkbox1-2.png")))
{
    setFont(LanguageFont::current());
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

void SkinCheckBox::setPictures(const QString &uncheckedFile, const QString &checkedFile)
{
    m_unchecked = uncheckedFile;
    m_checked = checkedFile;
    update();
}

void SkinCheckBox::setIndicatorSize(int width, int height)
{
    width = qMax(1, width);
    m_indicator = QSize(width, height < 1 ? width : height);
    updateGeometry();
    update();
}

QSize SkinCheckBox::sizeHint() const
{
    const QSize box = UiScale::scaled(m_indicator);
    const QFontMetrics metrics(font());
    const int textWidth = text().isEmpty() ? 0 : UiScale::scaled(8) + metrics.horizontalAdvance(text());
    return QSize(box.width() + textWidth, qMax(box.height(), metrics.height()));
}

void SkinCheckBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!isEnabled())
        painter.setOpacity(0.45);
    QSize size = UiScale::scaled(m_indicator);
    if (size.height() > height())
        size.scale(size.width(), height(), Qt::KeepAspectRatio);
    const QRect box(0, (height() - size.height()) / 2, size.width(), size.height());
    const QPixmap pixmap = Skin::picture(isChecked() ? m_checked : m_unchecked, box.size());
    if (!pixmap.isNull()) {
        painter.drawPixmap(box.topLeft(), pixmap);
    } else {
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(QColor(150, 156, 166), 1));
        painter.setBrush(isChecked() ? QColor(220, 224, 230) : QColor(24, 26, 30));
        painter.drawRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    }
    if (text().isEmpty())
        return;
    painter.setFont(font());
    painter.setPen(QColor(228, 231, 236));
    const QRect textRect = rect().adjusted(box.width() + UiScale::scaled(8), 0, 0, 0);
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter,
                     painter.fontMetrics().elidedText(text(), Qt::ElideRight, textRect.width()));
}

bool SkinCheckBox::hitButton(const QPoint &pos) const { return rect().contains(pos); }
