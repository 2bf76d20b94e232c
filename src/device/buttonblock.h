#pragma once

#include "devicecontext.h"
#include "macronumbering.h"
#include "report.h"

#include "config/mouseconfig.h"

#include <array>
#include <cstdint>

// The button table (command 0x03): a 98-byte block, two header bytes and 24
// key entries of four bytes. Each physical button has a key entry (the
// descriptor's key-entry matrix); the wheel entries use entries 22 and 23.
constexpr int kButtonBlockSize = 98;
constexpr int kKeyEntryCount = 24;
constexpr int kKeyEntrySize = 4;
constexpr int kWheelUpKeyEntry = 22;
constexpr int kWheelDownKeyEntry = 23;

using KeyEntryBytes = std::array<uint8_t, kKeyEntrySize>;

struct ButtonTable {
    std::array<uint8_t, kButtonBlockSize> bytes{};
    // Numbers of the macros the table refers to; the macro upload writes
    // exactly these.
    MacroNumbering macros;
    // Macro number written for each button entry, -1 where none was.
    std::array<int, kButtonEntryCount> macroNumbers{};
};

// Modifier mask of a key combination (1 Ctrl, 2 Shift, 4 Alt, 8 Windows) and
// its one other key, from the press/release list the button page stores.
uint8_t comboModifierMask(const ButtonInfo &button);
uint8_t comboKey(const ButtonInfo &button);

// The four entry bytes of one button. `macroNumber` is used by macro functions.
KeyEntryBytes buttonEntryBytes(const ButtonInfo &button, const DeviceContext &context, int macroNumber = 0);

// The block of one profile's buttons, with the macro numbers it hands out.
ButtonTable buildButtonBlock(const ProfileData &profile, const DeviceContext &context);
// The block of the active profile of `config`.
ButtonTable buildButtonTable(const MouseConfig &config, const DeviceContext &context);

// The block write: the header, four chunks of 24 bytes, a closing chunk of
// four 0xFF bytes at offset 98, and the end report.
ReportList buttonTableReports(const ButtonTable &table);
