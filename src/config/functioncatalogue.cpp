#include "functioncatalogue.h"

#include "typedname.h"

#include <algorithm>

namespace {

using G = FunctionGroup;

constexpr unsigned kMacroFields = UsesMacroName | UsesLoopNumber | UsesRes1 | UsesKeyNumber | UsesKeyInfo;

constexpr std::array<FunctionInfo, kDeviceFunctionCount> kFunctions = {{
    {1, "Left", G::Mouse, UsesNoField},
    {2, "Right", G::Mouse, UsesNoField},
    {3, "Middle", G::Mouse, UsesNoField},
    {4, "Forward", G::Mouse, UsesNoField},
    {5, "Back", G::Mouse, UsesNoField},
    // Res1 holds the key code; the upload converts it to a usage.
    {6, "SINGLE KEY", G::Advance, UsesRes1},
    // KeyInfo holds press/release events of up to five keys (map = usage).
    {7, "COMBO KEY", G::Advance, UsesKeyInfo},
    // Res1: 0x81/0x82/0x84 mouse button or a key usage; LoopNumber times,
    // KeyNumber delay.
    {12, "FIRE KEY", G::Advance, UsesRes1 | UsesLoopNumber | UsesKeyNumber},
    {13, nullptr, G::None, UsesNoField},
    {16, "Button Off", G::None, UsesNoField},
    {17, "Cut", G::Basic, UsesNoField},
    {18, "Copy", G::Basic, UsesNoField},
    {19, "Paste", G::Basic, UsesNoField},
    {20, "All", G::Basic, UsesNoField},
    {21, "Find", G::Basic, UsesNoField},
    {22, "New", G::Basic, UsesNoField},
    {23, "Print", G::Basic, UsesNoField},
    {24, "Save", G::Basic, UsesNoField},
    {25, "Switch Window", G::Windows, UsesNoField},
    {26, "Close Window", G::Windows, UsesNoField},
    {27, "My Computer", G::Windows, UsesNoField},
    {28, "Run", G::Windows, UsesNoField},
    {29, "Show Desktop", G::Windows, UsesNoField},
    {30, "Lock PC", G::Windows, UsesNoField},
    {31, "Browser Home", G::Windows, UsesNoField},
    {32, "Browser Backward", G::Windows, UsesNoField},
    {33, "Browser Forward", G::Windows, UsesNoField},
    {34, "Browser Stop", G::Windows, UsesNoField},
    {35, "Browser Refresh", G::Windows, UsesNoField},
    {36, "Browser Search", G::Windows, UsesNoField},
    {37, "Browser Favorite", G::Windows, UsesNoField},
    {38, "Mail", G::Windows, UsesNoField},
    {39, "Play/Pause", G::Media, UsesNoField},
    {40, "Stop", G::Media, UsesNoField},
    {41, "Previous Track", G::Media, UsesNoField},
    {42, "Next Track", G::Media, UsesNoField},
    {43, "Volume Up", G::Media, UsesNoField},
    {44, "Volume Down", G::Media, UsesNoField},
    {45, "Mute", G::Media, UsesNoField},
    {46, "Media Player", G::Media, UsesNoField},
    {47, "DPI Switch", G::Dpi, UsesNoField},
    {48, "DPI +", G::Dpi, UsesNoField},
    {49, "DPI -", G::Dpi, UsesNoField},
    {50, "Rate +", G::PollingRate, UsesNoField},
    {51, "Rate -", G::PollingRate, UsesNoField},
    {52, "Scroll Up", G::Wheel, UsesNoField},
    {53, "Scroll Down", G::Wheel, UsesNoField},
    {54, "Led Switch", G::None, UsesNoField},
    // Res1: the DPI step while the button is held.
    {55, "SNIPER", G::None, UsesRes1},
    {57, "Profile +", G::ProfileMenu, UsesNoField},
    {58, "Profile -", G::ProfileMenu, UsesNoField},
    {59, "Profile Switch", G::ProfileMenu, UsesNoField},
    {60, nullptr, G::None, UsesNoField},
    {61, nullptr, G::None, UsesNoField},
    {62, "Boss Key", G::Windows, UsesNoField},
    {63, "Rate Switch", G::PollingRate, UsesNoField},
    // The label of these two is the macro's name; LoopNumber is the loop
    // count, Res1 the repeat mode 0..2, KeyNumber the event count.
    {200, "Macro Manager", G::None, kMacroFields},
    {510, "GunFile Manager", G::None, kMacroFields},
}};

} // namespace

const char *functionGroupTitle(FunctionGroup group)
{
    switch (group) {
    case G::Basic: return "Basic";
    case G::Windows: return "Windows";
    case G::Advance: return "Advance";
    case G::Media: return "Media";
    case G::Dpi: return "DPI";
    case G::PollingRate: return "Polling Rate";
    case G::ProfileMenu: return "Profile Menu";
    case G::None:
    case G::Mouse:
    case G::Wheel:
        break;
    }
    return nullptr;
}

const std::array<FunctionInfo, kDeviceFunctionCount> &functionCatalogue()
{
    return kFunctions;
}

const FunctionInfo *findFunction(int code)
{
    const auto it = std::lower_bound(kFunctions.begin(), kFunctions.end(), code,
                                     [](const FunctionInfo &f, int c) { return f.code < c; });
    return it != kFunctions.end() && it->code == code ? &*it : nullptr;
}

bool hasDeviceEncoding(int code)
{
    return findFunction(code) != nullptr;
}

const char *functionName(int code)
{
    const FunctionInfo *info = findFunction(code);
    return info && info->name ? info->name : "";
}

int functionCodeForName(const QString &typed)
{
    for (const FunctionInfo &info : kFunctions) {
        if (info.name && matchesTypedName(typed, QLatin1String(info.name)))
            return info.code;
    }
    return 0;
}
