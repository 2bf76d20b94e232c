#include "saturationvaluearea.h"

#include "uiscale.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

SaturationValueArea::SaturationValueArea(QWidget *parent)
    : QWidget(parent)
{
    setCursor(Qt::CrossCursor);
}

QColor SaturationValueArea::color() const { return QColor::fromHsv(m_hue, m_saturation, m_value); }

void SaturationValueArea::setHue(int hue)
{
    m_hue = qBound(0, hue, 359);
    update();
}

void SaturationValueArea::setSaturationValue(int saturation, int value)
{
    m_saturation = qBound(0, saturation, 255);
    m_value = qBound(0, value, 255);
    update();
}

void SaturationValueArea::pick(const QPoint &pos)
{
    const int w = qMax(1, width() - 1);
    const int h = qMax(1, height() - 1);
    const int saturation = qBound(0, pos.x(), w) * 255 / w;
    const int value = 255 - qBound(0, pos.y(), h) * 255 / h;
    if (saturation == m_saturation && value == m_value)
        return;
    m_saturation = saturation;
    m_value = value;
    update();
    emit svChanged(m_saturation, m_value);
}

void SaturationValueArea::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        pick(event->pos());
}

void SaturationValueArea::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        pick(event->pos());
}

void SaturationValueArea::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect r = rect();
    QLinearGradient saturation(r.topLeft(), r.topRight());
    saturation.setColorAt(0, Qt::white);
    saturation.setColorAt(1, QColor::fromHsv(m_hue, 255, 255));
    painter.fillRect(r, saturation);
    QLinearGradient value(r.topLeft(), r.bottomLeft());
    value.setColorAt(0, QColor(0, 0, 0, 0));
    value.setColorAt(1, Qt::black);
    painter.fillRect(r, value);

    painter.setRenderHint(QPainter::Antialiasing, true);
    const QPointF marker(m_saturation * (width() - 1) / 255.0, (255 - m_value) * (height() - 1) / 255.0);
    const double radius = qMax(4, UiScale::scaled(6));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawEllipse(marker, radius, radius);
    painter.setPen(QPen(Qt::white, 1.2));
    painter.drawEllipse(marker, radius, radius);
}
