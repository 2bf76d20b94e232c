#pragma once

#include "platform/batteryalert.h"

#include <QObject>

class BatteryOutlook;
class DesktopNotifications;

// Tells the desktop when the mouse's battery runs low and when a charge is
// complete. It listens to the poller's battery readings themselves (not to
// the battery bar, which also shows a placeholder at start-up), turns them
// into levels as the bar does, and leaves the when to BatteryAlert.
class BatteryNotifier : public QObject {
    Q_OBJECT
public:
    // `threshold`: Config/BatteryAlert; `fullMillivolts`: the full-battery
    // voltage the battery bar uses; `outlook` (may be null): the time left
    // that the low-battery notice names.
    BatteryNotifier(DesktopNotifications *notifications, int threshold, int fullMillivolts,
                    BatteryOutlook *outlook = nullptr, QObject *parent = nullptr);

public slots:
    // A reading of the status poller: all three zero when the mouse is
    // asleep or off.
    void takeReading(quint8 charge, quint8 lowByte, quint8 highByte);

private:
    DesktopNotifications *m_notifications;
    BatteryAlert m_alert;
    BatteryOutlook *m_outlook;
    int m_fullMillivolts;
};
