#pragma once

#include <QString>

// Whether a name typed on a command line stands for `name` (a key or
// function name of the tables): any letter case, with blanks typed as
// blanks, as '-' or left out. "Page Up" is "page-up" or "pageup"; "DPI -"
// is "dpi--" or "dpi-".
bool matchesTypedName(const QString &typed, const QString &name);
