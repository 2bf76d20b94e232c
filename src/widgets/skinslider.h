#pragma once

#include <QSlider>

// A slider drawn in the theme colour: a groove with a gradient towards the
// theme colour up to the handle, grey beyond it, and a round handle. All
// sizes follow the scale factor.
// (label: VeskSlider)
class SkinSlider : public QSlider {
    Q_OBJECT
public:
    explicit SkinSlider(QWidget *parent = nullptr);
    explicit SkinSlider(Qt::Orientation orientation, QWidget *parent = nullptr);

    void applyTheme(const QColor &accent, double scale);

    // The slider style sheet with the theme colour and the scale filled in.
    static QString styleSheetFor(const QColor &accent, double scale);
};
