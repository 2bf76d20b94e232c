#include "functionmenus.h"

#include "mouseconfig.h"

#include <algorithm>

std::vector<FunctionMenuSection> mainFunctionMenu(bool macroEnabled, bool ledEnabled)
{
    using G = FunctionGroup;
    std::vector<FunctionMenuSection> menu{
        {G::Mouse, {Fun::Left, Fun::Right, Fun::Middle, Fun::Forward, Fun::Back}},
        {G::Basic, {17, 18, 19, 20, 21, 22, 23, 24}},
        {G::Windows, {25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, Fun::BossKey}},
        {G::Advance, {Fun::SingleKey, Fun::ComboKey, Fun::FireKey}},
        {G::Media, {39, 40, 41, 42, 43, 44, 45, 46}},
        {G::Dpi, {Fun::DpiSwitch, Fun::DpiUp, Fun::DpiDown}},
        {G::PollingRate, {Fun::RateSwitch, Fun::RateUp, Fun::RateDown}},
    };
    std::vector<int> tail;
    if (macroEnabled)
        tail.push_back(Fun::Macro);
    if (ledEnabled)
        tail.push_back(Fun::LedSwitch);
    tail.push_back(Fun::ButtonOff);
    menu.push_back({G::None, tail});
    return menu;
}

const std::vector<int> &wheelFunctionMenu()
{
    static const std::vector<int> codes{Fun::ScrollUp, Fun::ScrollDown, 43, 44, Fun::Left, Fun::Right,
                                        Fun::Middle, Fun::Forward, Fun::Back, Fun::SingleKey, Fun::ComboKey};
    return codes;
}

bool menuOffers(int entry, int fun, bool macroEnabled, bool ledEnabled)
{
    if (entry < 0 || entry >= kButtonEntryCount)
        return false;
    if (entry >= kWheelUpEntry) {
        const std::vector<int> &wheel = wheelFunctionMenu();
        return std::find(wheel.begin(), wheel.end(), fun) != wheel.end();
    }
    for (const FunctionMenuSection &section : mainFunctionMenu(macroEnabled, ledEnabled)) {
        if (std::find(section.codes.begin(), section.codes.end(), fun) != section.codes.end())
            return true;
    }
    return false;
}
