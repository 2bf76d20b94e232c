#pragma once

#include <QString>

#include <vector>

struct MouseConfig;

// Buttons name their macro (functions 200 and 510) by the macro's file name.
// When a macro is renamed every button of the five profiles that names it
// follows, so that the next upload does not look for a file that has gone.
// Returns the number of buttons changed.
int renameMacroAssignments(MouseConfig &config, const QString &oldName, const QString &newName);

// The buttons of the five profiles that name macro `name` (functions 200
// and 510): profile index and entry, in profile and entry order.
struct MacroAssignment {
    int profile;
    int entry;
};
std::vector<MacroAssignment> findMacroAssignments(const MouseConfig &config, const QString &name);
