#include "macroassignments.h"

#include "functioncatalogue.h"
#include "mouseconfig.h"

int renameMacroAssignments(MouseConfig &config, const QString &oldName, const QString &newName)
{
    if (oldName.isEmpty() || oldName == newName)
        return 0;
    int changed = 0;
    for (ProfileData &profile : config.profiles) {
        for (ButtonInfo &button : profile.buttons) {
            if (isMacroFunction(button.Fun) && button.macroname == oldName) {
                button.macroname = newName;
                ++changed;
            }
        }
    }
    return changed;
}

std::vector<MacroAssignment> findMacroAssignments(const MouseConfig &config, const QString &name)
{
    std::vector<MacroAssignment> found;
    for (int p = 0; p < kProfileCount; ++p) {
        for (int e = 0; e < kButtonEntryCount; ++e) {
            const ButtonInfo &button = config.profiles[size_t(p)].buttons[size_t(e)];
            if (isMacroFunction(button.Fun) && button.macroname == name)
                found.push_back({p, e});
        }
    }
    return found;
}
