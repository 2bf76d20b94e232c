#include "dimmingoverlay.h"

#include <QEvent>
#include <QPainter>

DimmingOverlay::DimmingOverlay(QWidget *parent, int alpha)
    : QWidget(parent)
    , m_alpha(qBound(0, alpha, 255))
{
    setAttribute(Qt::WA_TranslucentBackground, true);
    if (parent) {
        parent->installEventFilter(this);
        setGeometry(parent->rect());
    }
    raise();
}

void DimmingOverlay::setAlpha(int alpha)
{
    m_alpha = qBound(0, alpha, 255);
    update();
}

bool DimmingOverlay::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    // Children added after the overlay would otherwise be stacked over it.
    if (watched == parentWidget() && event->type() == QEvent::ChildAdded)
        raise();
    return QWidget::eventFilter(watched, event);
}

void DimmingOverlay::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(8, 9, 11, m_alpha));
}
