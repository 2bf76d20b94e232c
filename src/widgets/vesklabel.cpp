#include "vesklabel.h"

#include "languagefont.h"
#include "skin.h"

#include <QFileInfo>
#include <QImageReader>
#include <QMouseEvent>

VeskLabel::VeskLabel(QWidget *parent)
    : VeskLabel(QString(), parent)
{
}

VeskLabel::VeskLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setFont(LanguageFont::current());
    setAttribute(Qt::WA_TranslucentBackground, true);
    setStyleSheet(QStringLiteral("color:white;background:transparent;"));
}

bool VeskLabel::setPicture(const QString &file, Qt::AspectRatioMode mode)
{
    if (!QImageReader(file).canRead())
        return false;
    m_picture = file;
    m_mode = mode;
    setAlignment(Qt::AlignCenter);
    refreshPixmap();
    return true;
}

void VeskLabel::clearPicture()
{
    m_picture.clear();
    clear();
}

void VeskLabel::refreshPixmap()
{
    if (m_picture.isEmpty() || size().isEmpty())
        return;
    const QPixmap pixmap = Skin::picture(m_picture, size(), m_mode);
    if (!pixmap.isNull())
        setPixmap(pixmap);
}

void VeskLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->pos()))
        emit ClickedSignal(this);
    QLabel::mouseReleaseEvent(event);
}

void VeskLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    refreshPixmap();
}
