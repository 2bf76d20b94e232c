#include "macrorowdelegate.h"

#include "macrotablemodel.h"

#include "widgets/languagefont.h"
#include "widgets/skin.h"
#include "widgets/uiscale.h"
#include "widgets/uitheme.h"

#include <QPainter>

namespace {
constexpr int kIconSize = 16;
constexpr int kRowHeight = 24;
} // namespace

void MacroRowDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                  const QModelIndex &index) const
{
    painter->save();
    const QRect r = option.rect;
    if (option.state & QStyle::State_Selected) {
        QColor tint = UiTheme::currentColor();
        tint.setAlpha(110);
        painter->fillRect(r, tint);
    }
    const QString text = index.data(Qt::DisplayRole).toString();
    const QString iconFile = index.data(MacroTableModel::IconFileRole).toString();
    const int icon = UiScale::scaled(kIconSize);
    QFont font = LanguageFont::current();
    painter->setFont(font);
    const int textWidth = painter->fontMetrics().horizontalAdvance(text);
    const int gap = text.isEmpty() || iconFile.isEmpty() ? 0 : UiScale::scaled(6);
    const int width = (iconFile.isEmpty() ? 0 : icon) + gap + textWidth;
    int x = r.left() + std::max(0, (r.width() - width) / 2);
    if (!iconFile.isEmpty()) {
        const QPixmap pixmap = Skin::picture(iconFile, QSize(icon, icon));
        painter->drawPixmap(x, r.top() + (r.height() - icon) / 2, pixmap);
        x += icon + gap;
    }
    painter->setPen(Qt::white);
    painter->drawText(QRect(x, r.top(), r.right() - x, r.height()), Qt::AlignVCenter | Qt::AlignLeft,
                      painter->fontMetrics().elidedText(text, Qt::ElideRight, r.right() - x));
    painter->restore();
}

QSize MacroRowDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(UiScale::scaled(kRowHeight));
    return size;
}
