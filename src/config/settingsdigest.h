#pragma once

#include "mouseconfig.h"

#include <QByteArray>
#include <QString>

// A digest of the settings files a record is loaded from: Config.ini and
// the five slot files it names. Equal digests mean equal files, so a record
// loaded from files whose digest was taken right after an upload saved them
// is the record that upload sent, without reading a copy of it.
namespace SettingsDigest {

// The digest of the files `config`'s slot names point at, as they are now.
QByteArray of(const MouseConfig &config);

// The digest kept in `path`; empty when there is none or it is unreadable.
QByteArray stored(const QString &path);
// Keeps `digest` in `path` (replaced in one step); an empty digest removes
// the file. False when that could not be done.
bool store(const QByteArray &digest, const QString &path);

} // namespace SettingsDigest
