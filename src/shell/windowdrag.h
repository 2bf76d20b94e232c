#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

// Moves a frameless window when it is dragged by any place that does not
// take the mouse itself. Where the desktop can move the window (a Wayland
// compositor does not let a client place its own window) the drag is
// handed to it; elsewhere the window follows the pointer. A small jitter of
// the pointer during a click does not move the window.
class WindowDrag : public QObject {
    Q_OBJECT
public:
    static constexpr int kThreshold = 4;

    // Watches `window`'s own mouse events; owned by the window.
    explicit WindowDrag(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    bool m_dragging = false;
    QPoint m_pressPoint;
    QPoint m_windowOrigin;
};
