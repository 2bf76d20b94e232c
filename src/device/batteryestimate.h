#pragma once

#include "batteryreading.h"

// How long the battery lasts, from the history:
//
// Discharging: the readings since the mouse last charged (or since a rise
// of kUnseenChargeRise points that no reading saw as charging). Each step from one
// reading to the next counts when both are awake readings no more than
// kMaxStepSeconds apart (the program stores one at least every five minutes
// while it runs): a step across a sleeping mouse, or across a time the
// program did not run, says nothing about the rate of use and is left out,
// its drop and its time alike. The rate is the drop over the time of the
// counted steps, each step weighted by exp(-age / kWeightHours), age being
// the counted hours after it, so that the last hours of use count most. Time
// left = level / rate.
//
// Charging: the same over the readings since the charge began, with the rise;
// time until full = (100 - level) / rate.
//
// No estimate (Kind::None) while the counted time or the change is too
// small to tell a rate: less than kMinDischargeHours of use or no drop of at
// least kMinChange points; for a charge kMinChargeHours and kMinChange.
struct BatteryEstimate {
    enum class Kind { None, UntilEmpty, UntilFull };
    Kind kind = Kind::None;
    double hours = 0;          // time left (or until full)
    double ratePerHour = 0;    // percent per hour, positive
    int level = -1;            // the latest level, -1 without an awake reading
    bool charging = false;     // the latest awake reading was charging
    qint64 since = 0;          // the first reading the estimate used

    static constexpr qint64 kMaxStepSeconds = 15 * 60;
    static constexpr double kWeightHours = 8.0;
    static constexpr double kMinDischargeHours = 2.0;
    static constexpr double kMinChargeHours = 0.25;
    static constexpr int kMinChange = 10;
    // A rise this large without the charging flag was a charge the program
    // did not see (the gauge may flicker by one step under load).
    static constexpr int kUnseenChargeRise = 20;

    bool known() const { return kind != Kind::None; }
};

// `readings` oldest first, as BatteryHistory gives them.
BatteryEstimate estimateBattery(const BatteryReadings &readings);

// How far back the history must be read for an estimate: the discharge since
// the last charge, at most this long.
constexpr qint64 kEstimateLookbackSeconds = 30 * 86400;

class BatteryHistory;
// Reads what the estimate needs from `history` (the readings since the last
// charge, as seen at `now`) and estimates.
BatteryEstimate estimateFromHistory(const BatteryHistory &history, qint64 now);
