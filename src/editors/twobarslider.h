#pragma once

#include <QWidget>

class SkinSlider;

// TwoBarSlider (VeskTwoBarSlider): the resolution of one DPI stage as
// slider positions (DPI codes). Unlinked, an X and a Y slider stand one
// above the other; linked, one slider sets both, and only it is shown.
//
// Values set from outside move the sliders without a signal. A value outside
// the range is shown at the nearest end and kept until the user moves that
// slider.
class TwoBarSlider : public QWidget {
    Q_OBJECT
public:
    explicit TwoBarSlider(QWidget *parent = nullptr);

    void setLinked(bool linked);
    bool isLinked() const { return m_linked; }
    void setValues(int x, int y);
    // All three sliders get the range; nothing is emitted.
    void setRange(int maximum, int minimum);

    int xValue() const { return m_x; }
    int yValue() const { return m_y; }
    SkinSlider *xSlider() const { return m_xSlider; }
    SkinSlider *ySlider() const { return m_ySlider; }
    SkinSlider *linkedSlider() const { return m_linkedSlider; }

    void applyScale();

signals:
    // X code, Y code, after the user moved a slider.
    void sliderChanged(int x, int y);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void place();
    void showValues();

    SkinSlider *m_xSlider;
    SkinSlider *m_ySlider;
    SkinSlider *m_linkedSlider;
    bool m_linked = false;
    int m_x = 0;
    int m_y = 0;
};
