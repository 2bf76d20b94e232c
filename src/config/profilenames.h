#pragma once

#include <QString>
#include <QStringList>

// Rules for the names of library profiles. A name stands for the file
// <name>.prof, which the slots and the library share, so a new name must be
// free everywhere a name can already be in use, or two owners would write
// one file.
namespace ProfileNames {

// "Profile <n>": slot n-1's name from the factory, and the pattern ADD
// counts up with.
QString numbered(int n);

// "Profile 1" .. "Profile 5": the five slots' own names, which can be
// neither deleted nor renamed (exact, case-sensitive).
bool isReserved(const QString &name);

// True when `name` equals one of `used`. File names on the other system the
// files travel to ignore case, so "work" and "Work" count as one.
bool isTaken(const QString &name, const QStringList &used);

// The name for ADD: the first "Profile <n>" (n = 1, 2, ...) not in `used`.
// `used` is every name already in use: library entries, slot names, the
// base names of the profile files and "DefaultProfile".
QString forNewProfile(const QStringList &used);

// The name for COPY of `source`: "<source> copy", else "<source> copy 2",
// "<source> copy 3", ... the first not in `used`. Empty when the name
// would not be a safe file name (too long).
QString forCopy(const QString &source, const QStringList &used);

// Where the slot goes when library entry `deleted` is removed: the nearest
// entry before it, else the nearest after it, skipping entries equal to the
// deleted name and names in `otherSlots` (the names the other four slots
// use). -1 when there is none; the delete must then be refused before
// anything is removed.
int deleteReplacement(const QStringList &library, int deleted, const QStringList &otherSlots);

} // namespace ProfileNames
