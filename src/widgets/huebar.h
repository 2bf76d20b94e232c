#pragma once

#include <QWidget>

// The hue strip of the colour dialog: a vertical rainbow 0..359 with a
// marker; pressing or dragging picks the hue under the pointer.
// (label: VeskHueBar)
class HueBar : public QWidget {
    Q_OBJECT
public:
    explicit HueBar(QWidget *parent = nullptr);

    int hue() const { return m_hue; }
    // Kept within 0..359; emits nothing (the caller set it).
    void setHue(int hue);

signals:
    void hueChanged(int hue);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void pick(int y);

    int m_hue = 0;
};
