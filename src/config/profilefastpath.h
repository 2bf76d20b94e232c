#pragma once

#include "mouseconfig.h"

#include <QByteArray>
#include <QString>

// Reading and writing a profile group without going through QSettings'
// general machinery, for files in the form QSettings itself writes.
//
// QSettings parses every value of a section into a variant, keeps all keys in
// sorted maps and re-sorts them on every write; for the 8,453 keys of a
// profile that costs tens of milliseconds per file, paid five times by every
// load and every save. The key layout of a profile is fixed, so its sorted
// order and escaped keys are computed once (ProfileKeys), and a file that is
// in the library's own canonical form (LF line ends, sections in brackets,
// "key=value" lines, no comments, quotes, BOM or escaped key characters) can
// be read and written directly. Both functions give up on anything else and
// the caller goes through QSettings; what they produce is byte for byte what
// QSettings would, which the tests check against the library.
namespace ProfileFastPath {

// Reads the keys of `group` from `bytes` as QSettings would read them; a
// missing key reads as 0, empty text or an invalid colour. Returns false,
// with `profile` untouched, when the bytes are not in the canonical form.
// `essentialSeen` gets the number of essential keys the group holds.
bool read(const QByteArray &bytes, const QString &group, ProfileData &profile, bool withLightingSleep,
          int *essentialSeen = nullptr);

// Whether group `group` of `bytes` holds every essential key (each counted
// once), looking at the key names only. False when the bytes are not in the
// canonical form; `whole` then tells nothing.
bool checkWhole(const QByteArray &bytes, const QString &group, bool &whole);

// The bytes QSettings would write after every key of the profile was set in
// `group` of a file holding `existing` (empty: no file). False when
// `existing` is not in a form whose other content can be carried over
// verbatim.
bool render(const QByteArray &existing, const QString &group, const ProfileData &profile, bool withLightingSleep,
            QByteArray &out);

} // namespace ProfileFastPath
