#pragma once

#include "config/sensortable.h"

#include <QWidget>

class SkinCheckBox;
class SkinLabel;
class TwoBarSlider;

// DpiStageRow (VeskSingleDPI): one DPI stage on the DPI page. An enable
// switch, the DPI number (or the X and Y numbers when the axes are apart), a
// "Link XY" box, and the two-bar slider between the lowest and highest DPI
// of the sensor.
//
// The row shows what it is given without emitting anything; only the user's
// clicks and slider moves emit, in the order dpiChanged, linkToggled,
// stageEnabled.
class DpiStageRow : public QWidget {
    Q_OBJECT
public:
    // Design size of a row (units of the 999 x 640 window).
    static constexpr int kDesignWidth = 428;
    static constexpr int kDesignHeight = 56;

    DpiStageRow(quint8 stage, QWidget *parent = nullptr);

    quint8 stage() const { return m_stage; }
    // The slider range and the range labels for a sensor. An unknown sensor
    // leaves the range as it was; its DPI numbers read 0.
    void setSensor(int sensorType, const SensorRange &range);
    void setValues(int x, int y);
    void setLink(quint8 link);
    void setEnable(quint8 enable);

    quint8 link() const { return m_link; }
    quint8 enable() const { return m_enable; }
    int xCode() const { return m_x; }
    int yCode() const { return m_y; }

    TwoBarSlider *slider() const { return m_slider; }
    SkinCheckBox *linkBox() const { return m_linkBox; }
    SkinCheckBox *enableBox() const { return m_enableBox; }
    SkinLabel *dpiLabel() const { return m_dpiLabel; }
    SkinLabel *xLabel() const { return m_xLabel; }
    SkinLabel *yLabel() const { return m_yLabel; }
    SkinLabel *minimumLabel() const { return m_minimumLabel; }
    SkinLabel *maximumLabel() const { return m_maximumLabel; }

    void retranslate();
    void applyScale();

signals:
    void dpiChanged(int x, int y, quint8 stage);
    void linkToggled(quint8 link, quint8 stage);
    void stageEnabled(quint8 enable, quint8 stage);
    void pointerEntered(quint8 stage);
    // The DPI number was clicked.
    void labelClicked(quint8 stage);

public slots:
    void onStateChanged(int state);
    void onSliderChanged(int x, int y);

protected:
    void enterEvent(QEvent *event) override;

private:
    void showNumbers();
    void place();

    quint8 m_stage;
    quint8 m_link = 0;
    quint8 m_enable = 0;
    int m_x = 0;
    int m_y = 0;
    int m_sensor = 0;
    TwoBarSlider *m_slider;
    SkinCheckBox *m_linkBox;
    SkinCheckBox *m_enableBox;
    SkinLabel *m_dpiLabel;
    SkinLabel *m_xLabel;
    SkinLabel *m_yLabel;
    SkinLabel *m_minimumLabel;
    SkinLabel *m_maximumLabel;
};
