#pragma once

#include "macronumbering.h"
#include "report.h"

#include "config/mouseconfig.h"

#include <QString>

#include <array>
#include <bitset>
#include <cstdint>
#include <functional>
#include <vector>

// The mouse's macro memory (command 0x05): 20 banks of 200 bytes; a macro
// button refers to a bank by its macro number. Numbers above 11 have no memory
// on the mouse.
constexpr int kMacroBankSize = 200;
constexpr int kMacroBankCount = 20;
constexpr int kMacroImageSize = kMacroBankSize * kMacroBankCount;
constexpr int kMaxMacroNumber = 11;
constexpr int kMacroChunkSize = 20;

using MacroImage = std::array<uint8_t, kMacroImageSize>;
using MacroEvents = std::array<KeyInfo, kEventsPerButton>;

// Fills `events` with the events of the named macro and returns how many it
// placed (0..63). The upload reads macro files; tests hand events in directly.
using MacroEventSource = std::function<int(const QString &name, MacroEvents &events)>;

// The bytes of one macro as the mouse plays it, at most one bank long. Each
// event is written as type, low byte, high byte. A macro without delay events
// gets a one-unit delay (06 01 00) after every fourth event and after its last
// one; a macro that has its own delays is written as it is.
std::vector<uint8_t> encodeMacroBytes(const KeyInfo *events, int count);

// Whether the mouse can play the macro whole: at most 63 events and an
// encoding (with the delays the upload adds) that is not cut at the bank's
// 200 bytes. The editor refuses an insert that would break this.
bool macroFitsBank(const KeyInfo *events, int count);

// Writes the encoding of a macro into bank `bank` (0..19) of `image`; the rest
// of the bank is zeroed. A bank outside the image is left alone.
void EncodeMacro(const KeyInfo *events, int count, int bank, MacroImage &image);

// The image of every numbered macro, each in the bank of its number.
MacroImage buildMacroImage(const MacroNumbering &macros, const MacroEventSource &source);

// Whether a bank of the image is in use: any of its first five bytes is
// non-zero.
bool macroBankInUse(const MacroImage &image, int bank);

// The block write of an image: every bank whose first five bytes are not all
// zero, in chunks of 20 bytes, then the end report at 0x0FFF. Nothing at all
// when no bank is in use.
ReportList macroImageReports(const MacroImage &image);

// The same for the chosen banks only, whatever they hold: an empty bank that
// a button still numbers is written as zeros, so that the mouse stops
// playing what it held there. Bytes of the other banks stay as the mouse has
// them.
ReportList macroBankReports(const MacroImage &image, const std::bitset<kMacroBankCount> &chosen);

// The events of a macro file (Configs/MacroDB/<name>.MSMACRO).
MacroEventSource macroFileEvents();

// The whole macro upload for the macros a button table refers to. The
// numbering comes from the button table built in the same upload, so macros
// reach the mouse only together with the table that numbers them.
ReportList buildMacroUpload(const MacroNumbering &macros, const MacroEventSource &source = macroFileEvents());
