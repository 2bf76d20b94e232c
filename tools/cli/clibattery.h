#pragma once

#include "clicommands.h"

#include "device/batteryestimate.h"

#include <QJsonObject>

class CliSession;

// `battery`: the level, charging state and time left, with the reading kept
// in the battery history; `battery --history [--since SPAN]` the stored
// readings, without the mouse.
namespace CliBattery {

int run(const CliCommands::Parsed &parsed, CliSession &session);

// "24h", "7d", "30d", any N h or N d up to a year, in seconds; 0 when the
// text is none of these.
qint64 parseSpan(const QString &text);

// "12 h 5 min", "40 min", "under a minute".
QString duration(double hours);
QJsonObject estimateJson(const BatteryEstimate &estimate);
QString estimateLine(const BatteryEstimate &estimate);

} // namespace CliBattery
