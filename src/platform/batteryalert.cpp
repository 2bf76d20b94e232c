#include "batteryalert.h"

#include <QtGlobal>

BatteryAlert::BatteryAlert(int threshold)
    : m_threshold(qMin(threshold, kFullLevel))
{
}

BatteryAlert::Notice BatteryAlert::take(const Reading &reading)
{
    // A sleeping mouse reports no level at all; what was armed stays armed.
    if (!enabled() || reading.off)
        return Notice::None;

    if (reading.charging) {
        // Charging re-arms the low warning for the next discharge.
        m_lowArmed = true;
        if (reading.level < kFullLevel) {
            // A charger topping up a full battery dips below full and back:
            // one "charged" per time on the charger.
            if (!m_chargedShown)
                m_chargingBelowFull = true;
            return Notice::None;
        }
        if (m_chargingBelowFull) {
            m_chargingBelowFull = false;
            m_chargedShown = true;
            return Notice::Charged;
        }
        return Notice::None;
    }

    // Off the charger: the next charge starts over.
    m_chargingBelowFull = false;
    m_chargedShown = false;
    if (reading.level >= m_threshold + kRearmMargin)
        m_lowArmed = true;
    if (m_lowArmed && reading.level <= m_threshold) {
        m_lowArmed = false;
        return Notice::Low;
    }
    return Notice::None;
}
