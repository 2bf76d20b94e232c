#pragma once

#include "device/batteryestimate.h"

#include <QObject>

#include <memory>

class BatteryHistory;

// The window's view of the battery history: after each reading of the
// status poller (which has stored it already, on its own thread) it reads
// the estimate again, for the tray's tooltip, the low-battery notice and the
// history panel. Reads only; it has its own connection on the window's thread.
class BatteryOutlook : public QObject {
    Q_OBJECT
public:
    explicit BatteryOutlook(QObject *parent = nullptr);
    ~BatteryOutlook() override;

    const BatteryEstimate &estimate() const { return m_estimate; }
    // The last reading stored says the mouse sleeps.
    bool mouseOff() const { return m_off; }

    // "about 5 h 20 min left", "full in about 40 min", or that there is no
    // estimate yet; translated.
    static QString describe(const BatteryEstimate &estimate);
    static QString durationText(double hours);
    // The tray's battery line: "Battery 80% · about 5 h 20 min left".
    QString trayLine() const;

public slots:
    // Reads the history again and says so.
    void refresh();

signals:
    void changed();

private:
    std::unique_ptr<BatteryHistory> m_history;
    BatteryEstimate m_estimate;
    bool m_off = false;
    bool m_known = false;
};
