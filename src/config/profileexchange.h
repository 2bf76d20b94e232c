#pragma once

#include <QByteArray>
#include <QString>

// Single profiles leaving and entering the program as files the user picks
// (.prof, stamped with the product they belong to). Whole configurations
// go through exportConfigFile and importConfiguration (configfile.h).
//
// A file the user chose is replaced whole and atomically: the new contents
// go to a temporary file beside it, which is renamed over it, so a failed
// write leaves the old file as it was.
namespace ProfileExchange {

enum class Check {
    Ok,
    Missing,        // no such file
    WrongProduct,   // stamped for another product (or not stamped)
    NoProfile,      // the right stamp, but PROFILE_0 lacks essential keys
};

// `path`, with "." + `suffix` added when its file name has no suffix.
QString withSuffix(const QString &path, const QString &suffix);

// A profile file that may be taken into the library: stamped for `product`
// (an empty product never matches) and holding a whole PROFILE_0.
Check checkProfileFile(const QString &path, const QString &product);

// Export of the library profile `name`: its file is stamped with `product`
// (written from the factory profile first when it does not exist, which is
// what reading it gives) and copied to `path`. False when it could not be
// written.
bool exportProfile(const QString &name, const QString &product, const QString &path);

// Writes `bytes` to `path` through a temporary file renamed over it.
bool replaceFile(const QString &path, const QByteArray &bytes);

} // namespace ProfileExchange
