#pragma once

#include <QPixmap>
#include <QPushButton>
#include <QStringList>

// The picture button of the skin. It carries a list of state pictures
// (normal, hover, pressed) and an optional text drawn in the language font.
//
// The button rests in a state (an index into the picture list, 0 unless the
// owner sets another: the selected tab rests in state 1, its hover picture);
// the pointer over it shows the hover picture and a press the pressed one.
// A missing picture leaves the button without one.
//
// Signals: entered on a left press (before a drop-down menu opens, so
// that the owner can note which button the menu belongs to) and hovered
// on hover enter (true) and leave (false).
// (label: VeskPushButton)
class SkinButton : public QPushButton {
    Q_OBJECT
public:
    enum Picture { NormalPicture = 0, HoverPicture = 1, PressedPicture = 2 };

    explicit SkinButton(QWidget *parent = nullptr);
    explicit SkinButton(const QString &text, QWidget *parent = nullptr);

    // Full paths (Skin::path) of the normal, hover and pressed pictures;
    // fewer than three repeat the normal picture for the missing states.
    void setPictures(const QStringList &files);
    QStringList pictures() const { return m_pictures; }

    void setState(int state);
    int state() const { return m_state; }

    // Index of the picture shown now, or -1 when there is none to show.
    int shownPicture() const;

    // With borders (in design units) the picture is drawn as a nine-slice
    // frame: corners unscaled, edges and middle stretched, so that one tab
    // picture serves buttons of any width. No borders stretch the whole
    // picture. The text stays within contentsRect().
    void setSliceBorder(int designBorder);
    void setSliceMargins(const QMargins &design);

    // The two painting styles of the descriptor's PROFILE/ColorMode:
    // 0 draws the skin pictures as they are and marks the active button by
    // its text in the theme colour; any other value also tints the hover,
    // pressed and selected pictures with the theme colour.
    void setColorMode(int mode);
    int colorMode() const { return m_colorMode; }
    // The style new buttons take (the main window sets it once).
    static void setDefaultColorMode(int mode);
    static int defaultColorMode();

    // Colour of the text when the button is not active (default white).
    void setTextColor(const QColor &color);

    QSize sizeHint() const override;

signals:
    void entered(SkinButton *btn);
    void hovered(SkinButton *btn, bool over);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void settleHover();
    QPixmap pictureFor(int index, const QSize &size) const;
    void paintFallback(QPainter &painter, bool active);

    QStringList m_pictures;
    int m_state = 0;
    QMargins m_slice;
    int m_colorMode = 0;
    bool m_hovered = false;
    QColor m_textColor = Qt::white;
};
