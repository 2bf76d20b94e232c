#pragma once

// Decides when the desktop hears about the mouse's battery, from the
// readings the status poller already takes, so that a level hovering at
// the threshold does not repeat the warning with every poll:
//
// - "low" once when the level falls to or below the threshold; again only
//   after the level has climbed kRearmMargin points above the threshold or
//   the mouse has been charging;
// - nothing while the mouse is asleep or off, or while it charges;
// - "charged" once when a charge that was seen below full reaches full
//   (a mouse that is already full on the cable when the program starts is
//   not announced), and not again until it has been off the charger.
//
// A threshold of 0 or less turns both notices off; above 100 it counts as 100.
class BatteryAlert {
public:
    enum class Notice { None, Low, Charged };

    struct Reading {
        bool off = false;        // all-zero answer: asleep or switched off
        bool charging = false;   // charge flag, or on the cable
        int level = 0;           // percent, as the battery bar shows it
    };

    static constexpr int kRearmMargin = 5;
    static constexpr int kFullLevel = 100;

    explicit BatteryAlert(int threshold);

    Notice take(const Reading &reading);

    int threshold() const { return m_threshold; }
    bool enabled() const { return m_threshold > 0; }

private:
    int m_threshold;
    bool m_lowArmed = true;
    bool m_chargingBelowFull = false;
    bool m_chargedShown = false;
};
