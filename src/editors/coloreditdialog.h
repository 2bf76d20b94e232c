#pragma once

#include "widgets/skinneddialog.h"

#include <QColor>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QToolButton;
class HueBar;
class SaturationValueArea;

// The modal "Color Edit" dialog of the lighting page (VeskColorArea): a hue
// bar and a saturation/value field, spin boxes for H, S, V and R, G, B and a
// hexadecimal text, all kept in step, and seven preset swatches. "APPLY"
// accepts, "Cancel" rejects; the caller reads color() after acceptance.
// The colour is always opaque.
class ColorEditDialog : public SkinnedDialog {
    Q_OBJECT
public:
    static constexpr int kDesignWidth = 486;
    static constexpr int kDesignHeight = 340;
    static constexpr int kSwatchCount = 7;

    explicit ColorEditDialog(const QColor &initial, QWidget *parent = nullptr);

    QColor color() const { return m_color; }
    // Shows `color` in every editor, as a swatch click does.
    void setColor(const QColor &color);

    // The preset colours: red, green, blue, cyan, yellow, magenta, white.
    static QColor swatchColor(int index);

    QSpinBox *hueBox() const { return m_hsv[0]; }
    QSpinBox *saturationBox() const { return m_hsv[1]; }
    QSpinBox *valueBox() const { return m_hsv[2]; }
    QSpinBox *redBox() const { return m_rgb[0]; }
    QSpinBox *greenBox() const { return m_rgb[1]; }
    QSpinBox *blueBox() const { return m_rgb[2]; }
    QLineEdit *hexEdit() const { return m_hex; }
    QPushButton *swatch(int index) const { return m_swatches[size_t(index)]; }
    HueBar *hueBar() const { return m_hueBar; }
    SaturationValueArea *svArea() const { return m_svArea; }
    QToolButton *applyButton() const { return acceptButton(); }
    QToolButton *cancelButton() const { return rejectButton(); }

signals:
    // The colour shown changed (the page previews it until the dialog closes).
    void colorChanged(QColor color);
    void colorApplied();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Where a change came from: that editor keeps what the user typed, the
    // others follow. Hue, saturation and value are kept as typed, so that a
    // grey does not lose its hue.
    enum Source { FromHsv, FromRgb, FromHex, FromPicker, FromOutside };

    void showHsv(int hue, int saturation, int value, Source source);
    void showRgb(const QColor &color, Source source);
    void refreshEditors(Source source);
    void onHexEdited(const QString &text);
    QSpinBox *makeSpinBox(int maximum);
    QLabel *makeLabel(const QString &text);
    void layoutContents();

    QColor m_color;
    int m_hue = 0;
    int m_saturation = 0;
    int m_value = 0;

    SaturationValueArea *m_svArea = nullptr;
    HueBar *m_hueBar = nullptr;
    std::array<QLabel *, 3> m_hsvLabels{};
    std::array<QLabel *, 3> m_rgbLabels{};
    std::array<QSpinBox *, 3> m_hsv{};
    std::array<QSpinBox *, 3> m_rgb{};
    QLineEdit *m_hex = nullptr;
    std::array<QPushButton *, kSwatchCount> m_swatches{};
};
