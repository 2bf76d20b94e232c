#include "huebar.h"

#include "uiscale.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

HueBar::HueBar(QWidget *parent)
    : QWidget(parent)
{
    setCursor(Qt::PointingHandCursor);
}

void HueBar::setHue(int hue)
{
    hue = qBound(0, hue, 359);
    if (hue == m_hue)
        return;
    m_hue = hue;
    update();
}

void HueBar::pick(int y)
{
    const int span = qMax(1, height() - 1);
    const int hue = qBound(0, y, span) * 359 / span;
    if (hue == m_hue)
        return;
    m_hue = hue;
    update();
    emit hueChanged(m_hue);
}

void HueBar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        pick(event->pos().y());
}

void HueBar::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        pick(event->pos().y());
}

void HueBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient rainbow(0, 0, 0, height());
    for (int i = 0; i <= 6; ++i)
        rainbow.setColorAt(i / 6.0, QColor::fromHsv((i * 60) % 360, 255, 255));
    const int inset = qMax(2, UiScale::scaled(3));
    const QRectF strip = QRectF(rect()).adjusted(inset, 0.5, -inset, -0.5);
    painter.setPen(QPen(QColor(0, 0, 0, 160), 1));
    painter.setBrush(rainbow);
    painter.drawRoundedRect(strip, 2, 2);

    const double y = 0.5 + m_hue * (height() - 1) / 359.0;
    const double h = qMax(4, UiScale::scaled(6));
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(0.5, y - h / 2, width() - 1.0, h), 2, 2);
}
