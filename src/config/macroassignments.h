#pragma once

#include <QString>

struct MouseConfig;

// Buttons name their macro (functions 200 and 510) by the macro's file name.
// When a macro is renamed every button of the five profiles that names it
// follows, so that the next upload does not look for a file that has gone.
// Returns the number of buttons changed.
int renameMacroAssignments(MouseConfig &config, const QString &oldName, const QString &newName);
