#pragma once

#include "mouseconfig.h"

#include <QString>
#include <QStringList>

// The whole-configuration file (.conf) that carries the global options, the
// five slot names and the five profiles for export and import, and the
// product stamp MouseName/Name that exported files carry.

// Writes a fresh file (whatever stood at `path` is replaced, atomically):
// the stamp MouseName/Name when `product` is not empty, Config/ProfileID,
// AngleValue, LiftHigh, Sync, Jitter, Debounce, Count and Profile1..Profile5,
// then the groups PROFILE_0..PROFILE_4 (without LedMoveOFF and
// LedSleepTime). False when the file could not be written; what stood at
// `path` then stays.
bool exportConfigFile(const MouseConfig &config, const QString &path, const QString &product = QString());

// Reads what the export writes into `config`. LedMoveOFF and LedSleepTime of
// every profile stay as they were; a slot keeps its current name when the
// file has none for it or the name could not be a file name (the refused
// names go to `refusedNames` as "slot N: name"); a ProfileID outside 0..4
// reads as 0. False, with `config` untouched, when the file does not exist
// or any of its five profile groups lacks an essential key (a file cut
// short, or half of one).
bool importConfigFile(MouseConfig &config, const QString &path, QStringList *refusedNames = nullptr);

// The one import of a whole configuration, for the command line and the
// window alike: the file must exist, carry the stamp of `product` (an empty
// stamp or product never matches), hold five whole profile groups, give
// the five slots five different names (two slots with one name would share
// one profile file: one profile would silently replace the other), and
// hold a debounce the setter accepts and lift and scroll values that fit
// their byte. Anything else changes nothing in `config`.
struct ConfigImport {
    enum Outcome { Imported, NoFile, OtherProduct, Incomplete, DuplicateName, OutOfRange };
    Outcome outcome = NoFile;
    QStringList refusedNames;   // slot names kept out of the record
    QString duplicateName;      // with DuplicateName: the name two slots would share
    QString outOfRange;         // with OutOfRange: the value and the range, as the setter says it
};
ConfigImport importConfiguration(MouseConfig &config, const QString &path, const QString &product);

// The product stamp.
bool writeFileProductName(const QString &name, const QString &path);
QString readFileProductName(const QString &path);
