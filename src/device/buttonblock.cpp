#include "buttonblock.h"

#include "commandset.h"
#include "devicelog.h"
#include "config/sensortable.h"

#include "config/functioncatalogue.h"
#include "config/keytables.h"

#include <QDebug>

#include <algorithm>

namespace {

struct FunctionBytes {
    int code;
    KeyEntryBytes bytes;
};

// Entry bytes of the functions that carry no parameters of their own. Single
// key, combination, fire key, sniper and macros are built from their fields;
// their rows only complete the table.
constexpr FunctionBytes kFunctionTable[kDeviceFunctionCount] = {
    // Mouse buttons and specials.
    {1, {0x81, 0, 0, 0}},
    {2, {0x82, 0, 0, 0}},
    {3, {0x83, 0, 0, 0}},
    {4, {0x85, 0, 0, 0}},
    {5, {0x84, 0, 0, 0}},
    {13, {0x30, 0, 0, 0}},
    {49, {0x89, 0, 0, 0}},
    {48, {0x8A, 0, 0, 0}},
    {52, {0x8B, 0, 0, 0}},
    {53, {0x8C, 0, 0, 0}},
    {6, {0x90, 0, 0, 0}},
    {200, {0x91, 0, 0, 0}},
    {510, {0x9D, 0, 0, 0}},
    {12, {0x99, 0, 0, 0}},
    {16, {0x00, 0, 0, 0}},
    {47, {0x88, 0, 0, 0}},
    {63, {0x97, 0x01, 0, 0}},
    {50, {0x97, 0x00, 0, 0}},
    {51, {0x98, 0, 0, 0}},
    {59, {0x8D, 0, 0, 0}},
    {57, {0x94, 0, 0, 0}},
    {58, {0x95, 0, 0, 0}},
    {7, {0x8F, 0, 0, 0}},
    {54, {0x9B, 0x08, 0, 0}},
    {55, {0x9A, 0x01, 0x01, 0x01}},
    {60, {0x9F, 0, 0, 0}},
    {61, {0xA0, 0, 0, 0}},
    // Keyboard shortcuts: 0x8F, modifier mask, HID usage.
    {17, {0x8F, 0x01, 0x1B, 0}},
    {18, {0x8F, 0x01, 0x06, 0}},
    {19, {0x8F, 0x01, 0x19, 0}},
    {20, {0x8F, 0x01, 0x04, 0}},
    {21, {0x8F, 0x01, 0x09, 0}},
    {22, {0x8F, 0x01, 0x11, 0}},
    {23, {0x8F, 0x01, 0x13, 0}},
    {24, {0x8F, 0x01, 0x16, 0}},
    {25, {0x8F, 0x04, 0x2B, 0}},
    {26, {0x8F, 0x04, 0x3D, 0}},
    {27, {0x8F, 0x08, 0x08, 0}},
    {28, {0x8F, 0x08, 0x15, 0}},
    {29, {0x8F, 0x08, 0x07, 0}},
    {62, {0x8F, 0x08, 0x10, 0}},
    {30, {0x8F, 0x08, 0x0F, 0}},
    // Consumer controls: 0x8E, 0x01, usage low, usage high.
    {31, {0x8E, 0x01, 0x23, 0x02}},
    {32, {0x8E, 0x01, 0x24, 0x02}},
    {33, {0x8E, 0x01, 0x25, 0x02}},
    {34, {0x8E, 0x01, 0x26, 0x02}},
    {35, {0x8E, 0x01, 0x27, 0x02}},
    {36, {0x8E, 0x01, 0x21, 0x02}},
    {37, {0x8E, 0x01, 0x2A, 0x02}},
    {38, {0x8E, 0x01, 0x8A, 0x01}},
    {40, {0x8E, 0x01, 0xB7, 0x00}},
    {39, {0x8E, 0x01, 0xCD, 0x00}},
    {41, {0x8E, 0x01, 0xB6, 0x00}},
    {42, {0x8E, 0x01, 0xB5, 0x00}},
    {43, {0x8E, 0x01, 0xE9, 0x00}},
    {44, {0x8E, 0x01, 0xEA, 0x00}},
    {45, {0x8E, 0x01, 0xE2, 0x00}},
    {46, {0x8E, 0x01, 0x83, 0x01}},
};

// The combination list holds a press and a release of each key; only this
// many entries are looked at (five keys).
constexpr int kComboEntries = 10;

// Modifier weight of a key code (left and right keys alike), 0 for other keys.
int modifierWeight(int keyCode)
{
    switch (keyCode) {
    case 29:
    case 238: return 1;   // Ctrl
    case 42:
    case 54: return 2;    // Shift
    case 56:
    case 239: return 4;   // Alt
    case 91:
    case 92: return 8;    // Windows
    default: return 0;
    }
}

// The combination list stores HID usages; modifiers are told by their key code.
int modifierWeightOfUsage(uint8_t usage)
{
    int keyCode = 0;
    return usageToKeyCode(usage, keyCode) ? modifierWeight(keyCode) : 0;
}

KeyEntryBytes macroEntryBytes(const ButtonInfo &button, int number)
{
    const uint8_t head = button.Fun == Fun::GunFile ? 0x9D : 0x91;
    const uint8_t n = uint8_t(number);
    // Run modes: 0 a number of times, 1 and 2 the two repeat modes. A mode the
    // page never writes is sent as mode 0.
    switch (button.Res1) {
    case 1: return {head, uint8_t(n | 0x80), 0xFF, 0xFF};
    case 2: return {head, uint8_t(n | 0x40), 0xFF, 0xFF};
    default:
        return {head, n, uint8_t(button.LoopNumber & 0xff), uint8_t((button.LoopNumber >> 8) & 0xff)};
    }
}

} // namespace

uint8_t comboModifierMask(const ButtonInfo &button)
{
    int sum = 0;
    for (int i = 0; i < kComboEntries; ++i) {
        if (button.KeyInfo[i].map != 0)
            sum += modifierWeightOfUsage(button.KeyInfo[i].map);
    }
    // Every key appears twice, pressed and released.
    return uint8_t(sum / 2);
}

uint8_t comboKey(const ButtonInfo &button)
{
    uint8_t key = 0;
    for (int i = 0; i < kComboEntries; ++i) {
        const uint8_t usage = button.KeyInfo[i].map;
        if (usage != 0 && modifierWeightOfUsage(usage) == 0)
            key = usage;
    }
    return key;
}

KeyEntryBytes buttonEntryBytes(const ButtonInfo &button, const DeviceContext &context, int macroNumber)
{
    switch (button.Fun) {
    case Fun::SingleKey: {
        // The page keeps the key code; the mouse wants the HID usage.
        int usage = 0;
        keyCodeToUsage(button.Res1, usage);
        return {0x90, 0, uint8_t(usage), 0};
    }
    case Fun::ComboKey:
        return {0x8F, comboModifierMask(button), comboKey(button), 0};
    case Fun::FireKey:
        if (button.Res1 != 0)
            return {0x99, button.Res1, uint8_t(button.LoopNumber & 0xff), uint8_t((button.KeyNumber / 10) & 0xff)};
        return {0x99, 0x81, 3, 0};
    case Fun::Sniper: {
        const uint8_t v = sniperStepValue(context.sensorType, button.Res1);
        return {0x9A, 1, v, v};
    }
    case Fun::Macro:
    case Fun::GunFile:
        return macroEntryBytes(button, macroNumber);
    default:
        break;
    }
    for (const FunctionBytes &row : kFunctionTable) {
        if (row.code == button.Fun)
            return row.bytes;
    }
    return {0, 0, 0, 0};
}

ButtonTable buildButtonBlock(const ProfileData &profile, const DeviceContext &context)
{
    ButtonTable table;
    table.bytes[0] = 0x0A;
    table.bytes[1] = 0x00;
    table.macroNumbers.fill(-1);

    // Entries are written in this order; macros are numbered in the same
    // order, and where two entries share a key entry the later one stays.
    const auto place = [&](int entry, int keyEntry) {
        if (keyEntry < 0 || keyEntry >= kKeyEntryCount) {
            qCDebug(lcDevice, "Button %d has key entry %d, outside the button table", entry, keyEntry);
            return;
        }
        const ButtonInfo &button = profile.buttons[entry];
        int number = -1;
        if (isMacroFunction(button.Fun))
            number = table.macros.assign(button.macroname);
        table.macroNumbers[entry] = number;
        const KeyEntryBytes bytes = buttonEntryBytes(button, context, number);
        std::copy(bytes.begin(), bytes.end(), table.bytes.begin() + 2 + kKeyEntrySize * keyEntry);
    };

    const int count = std::clamp(context.buttonCount, 0, kDescriptorButtonCount);
    for (int b = 0; b < count; ++b)
        place(b, context.keyEntries[b]);
    const bool swapped = context.scrollRev == 1;
    place(kWheelUpEntry, swapped ? kWheelDownKeyEntry : kWheelUpKeyEntry);
    place(kWheelDownEntry, swapped ? kWheelUpKeyEntry : kWheelDownKeyEntry);
    return table;
}

ButtonTable buildButtonTable(const MouseConfig &config, const DeviceContext &context)
{
    return buildButtonBlock(config.profiles[activeProfileIndex(config)], context);
}

ReportList buttonTableReports(const ButtonTable &table)
{
    const uint8_t *block = table.bytes.data();
    ReportList reports;
    reports.push_back(chunkReport(Command::ButtonTable, 0, block, 2, kTagFirstChunk));
    for (int offset = 2; offset < kButtonBlockSize; offset += 24)
        reports.push_back(chunkReport(Command::ButtonTable, offset, block + offset, 24, kTagNextChunk));
    static const uint8_t kClosing[4] = {0xFF, 0xFF, 0xFF, 0xFF};
    reports.push_back(chunkReport(Command::ButtonTable, kButtonBlockSize, kClosing, 4, kTagNextChunk));
    reports.push_back(blockEndReport(Command::ButtonTable));
    return reports;
}
