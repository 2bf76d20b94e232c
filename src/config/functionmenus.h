#pragma once

#include "functioncatalogue.h"

#include <vector>

// What the button page's function menus offer, in their order: the main
// menu of the 40 row entries (some functions straight in it, the others in
// its submenus) and the wheel menu of the two wheel entries. The page builds
// its menus from these lists and the command line accepts exactly these
// functions for an entry.

struct FunctionMenuSection {
    // A submenu group (functionGroupTitle gives its title), or Mouse / None
    // for functions that sit in the main menu itself.
    FunctionGroup group;
    std::vector<int> codes;
};

// The main menu, top to bottom. "Macro Manager" only with macros enabled,
// "Led Switch" only with lighting enabled (the descriptor's DisableMacro
// and ledDisable).
std::vector<FunctionMenuSection> mainFunctionMenu(bool macroEnabled, bool ledEnabled);

// The wheel menu, top to bottom.
const std::vector<int> &wheelFunctionMenu();

// Whether the menu of `entry` (0..41; 40 and 41 the wheel) offers `fun`.
bool menuOffers(int entry, int fun, bool macroEnabled, bool ledEnabled);
