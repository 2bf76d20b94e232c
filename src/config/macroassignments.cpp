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
