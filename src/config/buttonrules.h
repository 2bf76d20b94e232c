#pragma once

#include "mouseconfig.h"

#include <array>

// Rules about a profile's button entries that the button page and the
// command line share.

using ButtonList = std::array<ButtonInfo, kButtonEntryCount>;

// Whether the upload sends `entry`: the product's buttons of the first row
// (0 .. buttonCount-1, at most 16) and the two wheel entries. The second row
// (20..39) is never sent.
bool entryReachesMouse(int entry, int buttonCount);

// Whether giving `entry` the function `fun` would take the mouse's last left
// click away: the entry holds "Left" now, it reaches the mouse, `fun` is
// something else, and no other entry that reaches the mouse holds "Left".
// A "Left" on an entry the mouse never receives does not count.
bool losesLastLeftClick(const ButtonList &buttons, int entry, int fun, int buttonCount);

// Why the button page refuses to give `entry` the function `fun`, checked in
// the page's order: the last left click first, then a recoil file on the
// first button (the mouse's left button), then a macro function while the
// library holds no macro (`macroCount`).
enum class AssignmentRefusal { None, LastLeftClick, GunFileOnFirstButton, NoMacro };
AssignmentRefusal assignmentRefusal(const ButtonList &buttons, int entry, int fun, int buttonCount, int macroCount);
