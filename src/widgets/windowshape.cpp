#include "windowshape.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QImage>
#include <QRegion>
#include <QWidget>

#include <xcb/xcb.h>

#include <string>

namespace WindowShape {

namespace {

bool x11CompositingManagerRunning()
{
    // A connection of its own: the answer does not depend on Qt's private
    // native interface, and a query costs a round trip only.
    int screen = 0;
    xcb_connection_t *connection = xcb_connect(nullptr, &screen);
    if (!connection || xcb_connection_has_error(connection)) {
        if (connection)
            xcb_disconnect(connection);
        return false;
    }
    const std::string name = "_NET_WM_CM_S" + std::to_string(screen);
    bool running = false;
    xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, uint16_t(name.size()), name.c_str()), nullptr);
    if (atom && atom->atom != XCB_ATOM_NONE) {
        xcb_get_selection_owner_reply_t *owner =
            xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atom->atom), nullptr);
        running = owner && owner->owner != XCB_WINDOW_NONE;
        free(owner);
    }
    free(atom);
    xcb_disconnect(connection);
    return running;
}

} // namespace

bool desktopComposites()
{
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        return x11CompositingManagerRunning();
    return true;
}

QBitmap paintedShape(QWidget *widget)
{
    if (!widget || widget->size().isEmpty())
        return QBitmap();
    QImage image(widget->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    const QBitmap shape = QBitmap::fromImage(image.createAlphaMask(Qt::ThresholdAlphaDither));
    return QRegion(shape).isEmpty() ? QBitmap() : shape;
}

void fitToPaint(QWidget *widget)
{
    if (!widget || desktopComposites())
        return;
    const QBitmap shape = paintedShape(widget);
    // A widget that paints nothing opaque would vanish: left unshaped.
    if (shape.isNull())
        widget->clearMask();
    else
        widget->setMask(shape);
}

} // namespace WindowShape
