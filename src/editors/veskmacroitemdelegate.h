#pragma once

#include <QStyledItemDelegate>

// Paints the macro table's cells: the row's icon (a skin picture named by
// the model's decoration) beside its text in the language font, the selected
// row tinted with the theme colour.
class VeskMacroItemDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
