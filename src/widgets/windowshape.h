#pragma once

class QBitmap;
class QWidget;

// Frameless windows with see-through corners (message boxes, the busy
// dialog, the on-screen display) are drawn on a transparent background.
// Without a compositing manager (plain X11, many tiling window managers)
// the X server shows those transparent pixels black; the window's shape
// must then be cut to what it paints, as the main window's is.
namespace WindowShape {

// Whether translucent windows need no shape: under X11, when a compositing
// manager owns the _NET_WM_CM_S<screen> selection; on every other platform
// (Wayland composites, the test platform shows nothing).
bool desktopComposites();

// The pixels the widget's own painting makes at least half opaque (children
// are not painted for it); empty when it paints nothing opaque.
QBitmap paintedShape(QWidget *widget);

// Where the desktop does not composite, the widget's mask becomes its
// painted shape; elsewhere it is left alone. Call after every resize,
// before the widget is shown.
void fitToPaint(QWidget *widget);

} // namespace WindowShape
