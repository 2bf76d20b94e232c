#pragma once

#include "mouseconfig.h"

#include <QString>

// The whole-configuration file (.conf) that carries the global options, the
// five slot names and the five profiles for export and import, and the
// product stamp MouseName/Name that exported files carry.

// Writes Config/ProfileID, AngleValue, LiftHigh, Sync, Jitter, Debounce,
// Count and Profile1..Profile5, then the groups PROFILE_0..PROFILE_4 (without
// LedMoveOFF and LedSleepTime). False when the file could not be written.
bool exportConfigFile(const MouseConfig &config, const QString &path);

// Reads what the export writes into `config`. LedMoveOFF and LedSleepTime of
// every profile stay as they were; a slot keeps its current name when the
// file has none for it or the name could not be a file name; a ProfileID
// outside 0..4 reads as 0. False, with `config` untouched, when the file
// does not exist.
bool importConfigFile(MouseConfig &config, const QString &path);

// The product stamp.
bool writeFileProductName(const QString &name, const QString &path);
QString readFileProductName(const QString &path);
