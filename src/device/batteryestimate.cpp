#include "batteryestimate.h"

#include "batteryhistory.h"

#include <cmath>

namespace {

struct Step {
    double hours;
    int change;   // level after minus level before
};

// The index where the last run of readings in the same charging state as
// the latest awake reading begins. A sleeping mouse (an off reading) does
// not end a discharge; it ends a charge. A discharge also begins after a
// rise of kUnseenChargeRise points or more without the charging flag: the
// mouse was charged where the program did not see it (on another computer,
// or while the program was not running).
int segmentStart(const BatteryReadings &readings, int lastAwake)
{
    const bool charging = readings[lastAwake].charging;
    int start = lastAwake;
    int laterLevel = readings[lastAwake].level;   // of the next awake reading
    for (int i = lastAwake - 1; i >= 0; --i) {
        const BatteryReading &r = readings[i];
        if (r.off()) {
            if (charging)
                break;
            start = i;
            continue;
        }
        if (r.charging != charging)
            break;
        if (!charging && laterLevel - r.level >= BatteryEstimate::kUnseenChargeRise)
            break;
        laterLevel = r.level;
        start = i;
    }
    return start;
}

} // namespace

BatteryEstimate estimateBattery(const BatteryReadings &readings)
{
    BatteryEstimate estimate;
    int lastAwake = readings.size() - 1;
    while (lastAwake >= 0 && readings[lastAwake].off())
        --lastAwake;
    if (lastAwake < 0)
        return estimate;
    estimate.level = readings[lastAwake].level;
    estimate.charging = readings[lastAwake].charging;
    const int start = segmentStart(readings, lastAwake);
    estimate.since = readings[start].at;

    QVector<Step> steps;
    for (int i = start + 1; i <= lastAwake; ++i) {
        const BatteryReading &a = readings[i - 1];
        const BatteryReading &b = readings[i];
        if (a.off() || b.off() || b.at - a.at > BatteryEstimate::kMaxStepSeconds || b.at <= a.at)
            continue;
        steps.append(Step{double(b.at - a.at) / 3600.0, b.level - a.level});
    }

    // Newest step first, so that each step's age is the counted time after it.
    const int sign = estimate.charging ? 1 : -1;
    double age = 0;
    double weightedChange = 0;
    double weightedHours = 0;
    double hours = 0;
    int change = 0;
    for (int i = steps.size() - 1; i >= 0; --i) {
        const Step &step = steps[i];
        const double weight = std::exp(-age / BatteryEstimate::kWeightHours);
        weightedChange += weight * sign * step.change;
        weightedHours += weight * step.hours;
        age += step.hours;
        hours += step.hours;
        change += sign * step.change;
    }

    const double minHours =
        estimate.charging ? BatteryEstimate::kMinChargeHours : BatteryEstimate::kMinDischargeHours;
    if (hours < minHours || change < BatteryEstimate::kMinChange || weightedHours <= 0 || weightedChange <= 0)
        return estimate;
    estimate.ratePerHour = weightedChange / weightedHours;
    if (estimate.charging) {
        estimate.kind = BatteryEstimate::Kind::UntilFull;
        estimate.hours = qMax(0, 100 - estimate.level) / estimate.ratePerHour;
    } else {
        estimate.kind = BatteryEstimate::Kind::UntilEmpty;
        estimate.hours = estimate.level / estimate.ratePerHour;
    }
    return estimate;
}

BatteryEstimate estimateFromHistory(const BatteryHistory &history, qint64 now)
{
    qint64 from = now - kEstimateLookbackSeconds;
    // A discharge starts at the last charge: older readings cannot count.
    // While charging the charge's own readings are wanted, which the
    // segment rule picks out of the same span.
    const std::optional<BatteryReading> latest = history.latest();
    if (latest && !latest->off()) {
        if (!latest->charging) {
            const std::optional<BatteryReading> charged = history.latestCharging();
            if (charged && charged->at > from)
                from = charged->at;
        } else {
            const QVector<ChargeEvent> events = history.chargeEvents(from, now + 1);
            for (const ChargeEvent &event : events) {
                if (event.started)
                    from = event.at;
            }
        }
    }
    return estimateBattery(history.readings(from, now + 1));
}
