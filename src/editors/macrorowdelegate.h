#pragma once

#include <QStyledItemDelegate>

// Paints the macro table's cells: the row's icon (the skin picture the
// model names) beside its text in the language font, the selected
// row tinted with the theme colour.
// (label: VeskMacroItemDelegate)
class MacroRowDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
