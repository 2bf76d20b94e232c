#include "mousecfgwidget.h"

#include "config/mouseconfig.h"

#include <QTimer>

MousecfgWidget::MousecfgWidget(QWidget *parent)
    : QWidget(parent, Qt::FramelessWindowHint)
{
    resize(999, 640);
    // Without a mouse, start-up leaves the window hidden; it appears a moment
    // later (with the disconnect warning once that exists).
    QTimer::singleShot(200, this, [this] {
        if (!isVisible())
            show();
    });
}

MousecfgWidget::~MousecfgWidget() = default;
