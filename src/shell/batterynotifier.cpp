#include "batterynotifier.h"

#include "batteryoutlook.h"
#include "devicestatuspanel.h"

#include "device/statusquery.h"
#include "platform/desktopnotifications.h"

BatteryNotifier::BatteryNotifier(DesktopNotifications *notifications, int threshold, int fullMillivolts,
                                 BatteryOutlook *outlook, QObject *parent)
    : QObject(parent)
    , m_notifications(notifications)
    , m_alert(threshold)
    , m_outlook(outlook)
    , m_fullMillivolts(fullMillivolts)
{
}

void BatteryNotifier::takeReading(quint8 charge, quint8 lowByte, quint8 highByte)
{
    BatteryAlert::Reading reading;
    reading.off = charge == 0 && lowByte == 0 && highByte == 0;
    // On the cable the mouse charges whatever its flag says.
    reading.charging = charge != 0 || DeviceStatusPanel::cablePresent();
    reading.level = batteryLevel(highByte * 256 + lowByte, m_fullMillivolts);

    DesktopNotifications::Notice notice;
    switch (m_alert.take(reading)) {
    case BatteryAlert::Notice::None:
        return;
    case BatteryAlert::Notice::Low:
        notice.summary = tr("Mouse battery low");
        if (m_outlook && m_outlook->estimate().kind == BatteryEstimate::Kind::UntilEmpty)
            notice.body = tr("%1% left, about %2 of use. Connect the charging cable.")
                              .arg(reading.level)
                              .arg(BatteryOutlook::durationText(m_outlook->estimate().hours));
        else
            notice.body = tr("%1% left. Connect the charging cable.").arg(reading.level);
        notice.urgency = DesktopNotifications::Urgency::Critical;
        break;
    case BatteryAlert::Notice::Charged:
        notice.summary = tr("Mouse charged");
        notice.body = tr("The battery is full.");
        break;
    }
    m_notifications->show(DesktopNotifications::Channel::Battery, notice);
}
