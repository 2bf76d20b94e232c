#include "buttonrules.h"

#include "functioncatalogue.h"

bool entryReachesMouse(int entry, int buttonCount)
{
    if (entry == kWheelUpEntry || entry == kWheelDownEntry)
        return true;
    const int shown = buttonCount < 0 ? 0 : (buttonCount > kDescriptorButtonCount ? kDescriptorButtonCount : buttonCount);
    return entry >= 0 && entry < shown;
}

bool losesLastLeftClick(const ButtonList &buttons, int entry, int fun, int buttonCount)
{
    if (entry < 0 || entry >= kButtonEntryCount || fun == Fun::Left)
        return false;
    if (buttons[size_t(entry)].Fun != Fun::Left || !entryReachesMouse(entry, buttonCount))
        return false;
    for (int other = 0; other < kButtonEntryCount; ++other) {
        if (other != entry && buttons[size_t(other)].Fun == Fun::Left && entryReachesMouse(other, buttonCount))
            return false;
    }
    return true;
}

AssignmentRefusal assignmentRefusal(const ButtonList &buttons, int entry, int fun, int buttonCount, int macroCount)
{
    if (losesLastLeftClick(buttons, entry, fun, buttonCount))
        return AssignmentRefusal::LastLeftClick;
    if (fun == Fun::GunFile && entry == 0)
        return AssignmentRefusal::GunFileOnFirstButton;
    if (isMacroFunction(fun) && macroCount == 0)
        return AssignmentRefusal::NoMacro;
    return AssignmentRefusal::None;
}
