#include "buttonassignment.h"

#include "functioncatalogue.h"
#include "keytables.h"
#include "macrofile.h"

namespace ButtonAssignment {

int fireKeyUsage(int keyCode)
{
    int usage = 0;
    keyCodeToUsage(keyCode, usage);
    return usage;
}

void setSingleKey(ButtonInfo &button, int keyCode)
{
    button.Res1 = uint8_t(keyCode);
    button.Fun = Fun::SingleKey;
}

void setCombo(ButtonInfo &button, const std::array<int, kComboEntryCount> &keyCodes)
{
    writeCombo(button, keyCodes);
    button.Fun = Fun::ComboKey;
}

void setFireKey(ButtonInfo &button, int res1, int times, int delay)
{
    button.Res1 = uint8_t(res1);
    button.KeyNumber = delay;
    button.LoopNumber = times;
    button.Fun = Fun::FireKey;
}

int setMacro(ButtonInfo &button, int fun, const QString &name, int loopCount, int repeat)
{
    button.Fun = fun;
    button.LoopNumber = loopCount;
    button.Res1 = uint8_t(repeat);
    button.macroname = name;
    int stored = 0;
    // The entry holds 63 events: a longer file gives its first 63.
    button.KeyNumber = readMacroEvents(name, button.KeyInfo, &stored);
    return stored;
}

} // namespace ButtonAssignment
