#pragma once

#include <QWidget>

// The saturation/value field of the colour dialog for one hue: saturation
// grows to the right, value upwards. Pressing or dragging picks the point.
// (label: VeskSvArea)
class SaturationValueArea : public QWidget {
    Q_OBJECT
public:
    explicit SaturationValueArea(QWidget *parent = nullptr);

    int hue() const { return m_hue; }
    int saturation() const { return m_saturation; }
    int value() const { return m_value; }
    QColor color() const;

    // Values are kept within 0..359 and 0..255; these emit nothing.
    void setHue(int hue);
    void setSaturationValue(int saturation, int value);

signals:
    void svChanged(int saturation, int value);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void pick(const QPoint &pos);

    int m_hue = 0;
    int m_saturation = 255;
    int m_value = 255;
};
