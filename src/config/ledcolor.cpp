#include "ledcolor.h"

QColor ledColorSent(const QColor &stored)
{
    if (!stored.isValid())
        return QColor(0, 0, 0);
    const QColor rgb = stored.toRgb();
    return QColor(rgb.red(), rgb.green(), rgb.blue());
}
