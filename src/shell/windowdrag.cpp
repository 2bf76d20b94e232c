#include "windowdrag.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

WindowDrag::WindowDrag(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    window->installEventFilter(this);
}

bool WindowDrag::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *press = static_cast<QMouseEvent *>(event);
        if (press->button() == Qt::LeftButton) {
            m_dragging = true;
            m_pressPoint = press->globalPos();
            m_windowOrigin = m_window->frameGeometry().topLeft();
        }
        break;
    }
    case QEvent::MouseMove: {
        if (!m_dragging)
            break;
        const QPoint offset = static_cast<QMouseEvent *>(event)->globalPos() - m_pressPoint;
        if (qAbs(offset.x()) + qAbs(offset.y()) <= kThreshold)
            break;
        QWindow *handle = m_window->windowHandle();
        if (handle && handle->startSystemMove())
            m_dragging = false;
        else
            m_window->move(m_windowOrigin + offset);
        break;
    }
    case QEvent::MouseButtonRelease:
        m_dragging = false;
        break;
    default:
        break;
    }
    // The window still sees its events.
    return false;
}
