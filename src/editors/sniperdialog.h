#pragma once

#include "widgets/skinneddialog.h"

class QLabel;
class QSlider;

// "Sniper Setting": the DPI step the mouse uses while the sniper button is
// held, on a slider whose range depends on the sensor.
class SniperDialog : public SkinnedDialog {
    Q_OBJECT
public:
    explicit SniperDialog(int sensorType, QWidget *parent = nullptr);

    void preset(int code);
    int code() const { return m_code; }
    QSlider *slider() const { return m_slider; }
    QString dpiText() const;

private:
    void setCode(int code);

    int m_sensorType;
    int m_code = 0;
    QSlider *m_slider = nullptr;
    QLabel *m_dpi = nullptr;
};
