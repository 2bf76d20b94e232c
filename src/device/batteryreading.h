#pragma once

#include <QVector>
#include <QtGlobal>

// One battery reading as the history keeps it.
struct BatteryReading {
    qint64 at = 0;           // seconds since the epoch, UTC
    int level = kOff;        // percent as the battery bar shows it, or kOff
    bool charging = false;   // charge flag, or on the cable
    int raw = 0;             // the 16-bit value the mouse sent

    // An all-zero answer: the mouse sleeps or is switched off, no level.
    static constexpr int kOff = -1;
    bool off() const { return level == kOff; }
    bool operator==(const BatteryReading &o) const
    {
        return at == o.at && level == o.level && charging == o.charging && raw == o.raw;
    }
};

// A charge starting (`started`) or ending.
struct ChargeEvent {
    qint64 at = 0;
    bool started = false;
};

using BatteryReadings = QVector<BatteryReading>;
