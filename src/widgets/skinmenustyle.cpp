#include "skinmenustyle.h"

#include "uiscale.h"
#include "uitheme.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionMenuItem>

QPointer<SkinMenuStyle> SkinMenuStyle::s_instance;

namespace {

const QColor kBackground(50, 50, 50);
const QColor kSelected(145, 145, 145);
const QColor kPressed(200, 200, 200);
const int kSidePadding = 20;

} // namespace

SkinMenuStyle::SkinMenuStyle() = default;

int SkinMenuStyle::sidePadding() { return UiScale::scaled(kSidePadding); }

SkinMenuStyle *SkinMenuStyle::instance()
{
    if (!s_instance) {
        s_instance = new SkinMenuStyle;
        // Deleted with the application object; a style outliving it would
        // reach into a destroyed application.
        s_instance->setParent(qApp);
    }
    return s_instance;
}

void SkinMenuStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                                const QWidget *widget) const
{
    if (element == CE_MenuEmptyArea) {
        painter->fillRect(option->rect, kBackground);
        return;
    }
    if (element != CE_MenuItem) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    if (!item) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    const QRect r = item->rect;
    painter->fillRect(r, kBackground);
    if (item->menuItemType == QStyleOptionMenuItem::Separator) {
        const int y = r.center().y();
        painter->fillRect(QRect(r.left() + 8, y, r.width() - 16, 1), QColor(80, 80, 80));
        painter->restore();
        return;
    }

    const bool enabled = item->state & State_Enabled;
    const bool selected = enabled && (item->state & State_Selected);
    if (selected) {
        painter->fillRect(r, (item->state & State_Sunken) ? kPressed : kSelected);
        painter->fillRect(QRect(r.left(), r.top(), qMax(2, UiScale::scaled(3)), r.height()),
                          UiTheme::currentColor());
    }

    const int pad = sidePadding();
    if (item->checkType != QStyleOptionMenuItem::NotCheckable && item->checked) {
        // A small tick at the left edge marks the chosen entry of a choice
        // menu (language, profile slot).
        const int s = qMax(6, r.height() / 3);
        const QPointF c(r.left() + pad / 2.0 + 1, r.center().y() + 0.5);
        QPainterPath tick;
        tick.moveTo(c + QPointF(-s / 2.0, 0));
        tick.lineTo(c + QPointF(-s / 8.0, s / 2.5));
        tick.lineTo(c + QPointF(s / 2.0, -s / 2.5));
        painter->setPen(QPen(Qt::white, qMax(1.5, s / 5.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter->drawPath(tick);
    }
    if (item->menuItemType == QStyleOptionMenuItem::SubMenu) {
        const int s = qMax(3, r.height() / 6);
        const QPointF c(r.right() - pad / 2.0, r.center().y() + 0.5);
        QPainterPath arrow;
        arrow.moveTo(c + QPointF(-s / 2.0, -s));
        arrow.lineTo(c + QPointF(s / 2.0, 0));
        arrow.lineTo(c + QPointF(-s / 2.0, s));
        painter->setPen(QPen(enabled ? Qt::white : QColor(120, 120, 120), qMax(1.2, s / 2.5),
                             Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter->drawPath(arrow);
    }

    // Text after a tab is a shortcut; menus of this program show none.
    QString text = item->text;
    const int tab = text.indexOf(QLatin1Char('\t'));
    if (tab >= 0)
        text.truncate(tab);
    painter->setFont(item->font);
    painter->setPen(enabled ? QColor(Qt::white) : QColor(120, 120, 120));
    const QRect textRect = r.adjusted(pad, 0, -pad, 0);
    const QString shown = painter->fontMetrics().elidedText(text, Qt::ElideRight, textRect.width());
    painter->drawText(textRect, Qt::AlignCenter | Qt::TextShowMnemonic, shown);
    painter->restore();
}

void SkinMenuStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                  const QWidget *widget) const
{
    if (element == PE_PanelMenu || element == PE_FrameMenu) {
        painter->fillRect(option->rect, kBackground);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

int SkinMenuStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    switch (metric) {
    case PM_MenuPanelWidth:
    case PM_MenuHMargin:
    case PM_MenuVMargin:
    case PM_MenuDesktopFrameWidth:
        return 0;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

QSize SkinMenuStyle::sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                                      const QWidget *widget) const
{
    if (type != CT_MenuItem)
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    if (!item)
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    if (item->menuItemType == QStyleOptionMenuItem::Separator)
        return QSize(size.width(), qMax(3, UiScale::scaled(5)));
    const QFontMetrics metrics(item->font);
    QString text = item->text;
    const int tab = text.indexOf(QLatin1Char('\t'));
    if (tab >= 0)
        text.truncate(tab);
    const int width = metrics.horizontalAdvance(text) + 2 * UiScale::scaled(kSidePadding);
    return QSize(width, metrics.height() + UiScale::scaled(8));
}

int SkinMenuStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                             QStyleHintReturn *returnData) const
{
    // No drop shadow or rounded frame from the platform style: the menus are
    // plain dark rectangles that sit flush under their buttons.
    if (hint == SH_Menu_Mask)
        return 0;
    // A menu taller than the screen (fifty macro names) is cut to the
    // screen and scrolls, so that every entry can be reached.
    if (hint == SH_Menu_Scrollable)
        return 1;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}
