#pragma once

#include "device/batteryreading.h"

#include <QColor>
#include <QWidget>

// The battery level over a span of time, drawn with QPainter in the skin's
// colours: the level as a line in the theme colour, the times of charging
// shaded, grid lines at 0, 50 and 100 %, times below. A sleeping mouse or a
// long gap in the readings breaks the line.
class BatteryPlot : public QWidget {
    Q_OBJECT
public:
    // A gap longer than this between two readings breaks the line.
    static constexpr qint64 kBreakSeconds = 2 * 3600;

    explicit BatteryPlot(QWidget *parent = nullptr);

    // `readings` oldest first, within [from, to].
    void setReadings(const BatteryReadings &readings, qint64 from, qint64 to);
    void setAccent(const QColor &accent);

    // The times shaded as charging: from a charging reading through the
    // charging readings that follow it, to the first reading that is not
    // charging (or to the last charging one, when the next comes after a
    // gap). Pairs of times, in order.
    static QVector<QPair<qint64, qint64>> chargingSpans(const BatteryReadings &readings);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    BatteryReadings m_readings;
    qint64 m_from = 0;
    qint64 m_to = 1;
    QColor m_accent = Qt::red;
};
