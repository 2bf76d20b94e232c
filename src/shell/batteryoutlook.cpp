#include "batteryoutlook.h"

#include "device/batteryclock.h"
#include "device/batteryhistory.h"

#include <QCoreApplication>

#include <cmath>

BatteryOutlook::BatteryOutlook(QObject *parent)
    : QObject(parent)
{
}

BatteryOutlook::~BatteryOutlook() = default;

void BatteryOutlook::refresh()
{
    // Opened on first use, on this thread.
    if (!m_history)
        m_history = std::make_unique<BatteryHistory>();
    const qint64 now = BatteryClock::now();
    m_estimate = estimateFromHistory(*m_history, now);
    const std::optional<BatteryReading> latest = m_history->latest();
    m_known = latest.has_value();
    m_off = latest && latest->off();
    emit changed();
}

QString BatteryOutlook::durationText(double hours)
{
    const qint64 minutes = qint64(std::llround(hours * 60));
    if (minutes < 1)
        return QCoreApplication::translate("BatteryOutlook", "under a minute");
    if (minutes < 60)
        return QCoreApplication::translate("BatteryOutlook", "%1 min").arg(minutes);
    return QCoreApplication::translate("BatteryOutlook", "%1 h %2 min").arg(minutes / 60).arg(minutes % 60);
}

QString BatteryOutlook::describe(const BatteryEstimate &estimate)
{
    switch (estimate.kind) {
    case BatteryEstimate::Kind::UntilEmpty:
        return QCoreApplication::translate("BatteryOutlook", "about %1 left").arg(durationText(estimate.hours));
    case BatteryEstimate::Kind::UntilFull:
        return QCoreApplication::translate("BatteryOutlook", "full in about %1").arg(durationText(estimate.hours));
    case BatteryEstimate::Kind::None: break;
    }
    return QCoreApplication::translate("BatteryOutlook", "no estimate yet (too little data)");
}

QString BatteryOutlook::trayLine() const
{
    if (!m_known)
        return QString();
    if (m_off)
        return QCoreApplication::translate("BatteryOutlook", "Battery: mouse asleep");
    return QCoreApplication::translate("BatteryOutlook", "Battery %1% · %2").arg(m_estimate.level).arg(describe(m_estimate));
}
