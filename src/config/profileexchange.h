#pragma once

#include "mouseconfig.h"

#include <QString>

// Profiles and whole configurations leaving and entering the program as
// files the user picks: one profile (.prof) or the whole configuration
// (.conf), both stamped with the product they belong to.
//
// Files the user chose are replaced whole and atomically: a fresh file is
// written beside the target and renamed over it, so a failed write leaves
// the old file as it was and nothing of an old file lingers in the new one.
namespace ProfileExchange {

enum class Check {
    Ok,
    Missing,        // no such file
    WrongProduct,   // stamped for another product (or not stamped)
    NoProfile,      // the right stamp, but a profile group lacks its DPI or button keys
};

// `path`, with "." + `suffix` added when its file name has no suffix.
QString withSuffix(const QString &path, const QString &suffix);

// Whether group PROFILE_<n> of `path` holds the keys of every DPI stage and
// every button function: without them the group would read as a profile
// with no stage enabled and no button assigned.
bool hasProfileGroup(const QString &path, int n);

// A profile file that may be taken into the library: stamped for `product`
// and holding PROFILE_0.
Check checkProfileFile(const QString &path, const QString &product);

// A whole-configuration file that may be loaded: stamped for `product` and
// holding PROFILE_0 .. PROFILE_4. An empty product never matches.
Check checkConfigurationFile(const QString &path, const QString &product);

// LOAD1: the check above, then the import into `config`. `config` is
// changed only when the result is Ok.
Check loadConfiguration(MouseConfig &config, const QString &product, const QString &path);

// SAVE: the stamp and the whole configuration into a fresh file that
// replaces `path`. False when it could not be written.
bool saveConfiguration(const MouseConfig &config, const QString &product, const QString &path);

// Export of the library profile `name`: its file is stamped with `product`
// (written from the factory profile first when it does not exist, which is
// what reading it gives) and copied to `path`. False when it could not be
// written.
bool exportProfile(const QString &name, const QString &product, const QString &path);

// Writes `bytes` to `path` through a temporary file renamed over it.
bool replaceFile(const QString &path, const QByteArray &bytes);

} // namespace ProfileExchange
