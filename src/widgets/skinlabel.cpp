#include "skinlabel.h"

#include "languagefont.h"
#include "skin.h"

#include <QFileInfo>
#include <QImageReader>
#include <QMouseEvent>

SkinLabel::SkinLabel(QWidget *parent)
    : SkinLabel(QString(), parent)
{
}

SkinLabel::SkinLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setFont(LanguageFont::current());
    setAttribute(Qt::WA_TranslucentBackground, true);
    setStyleSheet(QStringLiteral("color:white;background:transparent;"));
}

bool SkinLabel::setPicture(const QString &file, Qt::AspectRatioMode mode)
{
    if (!QImageReader(file).canRead())
        return false;
    m_picture = file;
    m_mode = mode;
    setAlignment(Qt::AlignCenter);
    refreshPixmap();
    return true;
}

void SkinLabel::clearPicture()
{
    m_picture.clear();
    clear();
}

void SkinLabel::refreshPixmap()
{
    if (m_picture.isEmpty() || size().isEmpty())
        return;
    const QPixmap pixmap = Skin::picture(m_picture, size(), m_mode);
    if (!pixmap.isNull())
        setPixmap(pixmap);
}

void SkinLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->pos()))
        emit clicked(this);
    QLabel::mouseReleaseEvent(event);
}

void SkinLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    refreshPixmap();
}
