#pragma once

#include <QString>
#include <QStringList>

// The profile library list: PROFILE_LIST/Count and PROFILE_LIST/1..Count of
// the product's own Configs/<product>/Config.ini (<product> being
// Config/CurrentProductName; with no product it is Configs/Config.ini). The
// library's profile files share Configs/Profile/ with the slot files.
namespace ProfileLibrary {

// Most entries read from a list, however large its stored count.
constexpr int kMaxEntries = 10000;

// The list file of the current product; empty when the product name could
// not be a folder name.
QString listFile();

// The names numbered from 1 (PROFILE_LIST/0 is never read). Names that
// could not be file names are left out. A list without Count (a fresh
// installation) reads as "Profile 1" .. "Profile 5".
QStringList load();

// Replaces the list. Refused (false, nothing written) when a name could not
// be a file name or the list file is refused; false when it could not be
// written.
bool save(const QStringList &names);

} // namespace ProfileLibrary
