#include "skinslider.h"

#include "uiscale.h"
#include "uitheme.h"

SkinSlider::SkinSlider(QWidget *parent)
    : SkinSlider(Qt::Horizontal, parent)
{
}

SkinSlider::SkinSlider(Qt::Orientation orientation, QWidget *parent)
    : QSlider(orientation, parent)
{
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    applyTheme(UiTheme::currentColor(), UiScale::factor());
}

void SkinSlider::applyTheme(const QColor &accent, double scale)
{
    setStyleSheet(styleSheetFor(accent, scale));
}

QString SkinSlider::styleSheetFor(const QColor &accent, double scale)
{
    // Design sizes: a 6-unit groove and a 16-unit round handle, which
    // overhangs the groove by 5 units above and below.
    const int groove = qMax(2, UiScale::scaled(6, scale));
    const int grooveRadius = groove / 2;
    const int overhang = (qMax(6, UiScale::scaled(16, scale)) - groove) / 2;
    // The handle is exactly as high as it is wide: the groove and its
    // overhang. A radius above half the height would make the style sheet
    // drop the rounding and draw a square (an odd difference at 1.5).
    const int handle = groove + 2 * overhang;
    const QColor start = accent.darker(260);
    return QStringLiteral(
               "QSlider{background: qrgb(0,0,0,0%);}QSlider::groove:horizontal{height:%1px;"
               "background:qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 rgb(%2,%3,%4), stop:1 rgb(%5,%6,%7));;"
               "border-radius:%8px;}QSlider::add-page:horizontal{height:%9px;background:rgb(150,150,150);"
               "border-radius:%10px;}QSlider::handle:horizontal{width:%11px;background:rgba(%12,%13,%14,255);"
               "margin:-%15px 0px -%16px 0px;border-radius:%17px;}")
        .arg(groove)
        .arg(start.red())
        .arg(start.green())
        .arg(start.blue())
        .arg(accent.red())
        .arg(accent.green())
        .arg(accent.blue())
        .arg(grooveRadius)
        .arg(groove)
        .arg(grooveRadius)
        .arg(handle)
        .arg(accent.red())
        .arg(accent.green())
        .arg(accent.blue())
        .arg(overhang)
        .arg(overhang)
        .arg(handle / 2);
}
