#pragma once

#include <QLineEdit>

// The skin's text field: dark, in the language font, framed in the theme
// colour while it has the focus; tool-tips on black.
// (label: VeskLineEdit)
class SkinLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit SkinLineEdit(QWidget *parent = nullptr);

    void applyTheme(const QColor &accent, double scale);
    static QString styleSheetFor(const QColor &accent, double scale);
};
