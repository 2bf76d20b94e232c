#pragma once

#include <QColor>

// The colour the mouse is given for a stored lighting colour: its red, green
// and blue, fully opaque; black for a colour that a file left invalid. The
// lighting table sends it and the lighting page shows it, so that the page
// never shows a colour the mouse does not get.
QColor ledColorSent(const QColor &stored);
