#pragma once

#include "mouseconfig.h"

#include <QString>
#include <QStringList>

#include <vector>

// Macros and recoil files: Configs/MacroDB/<name>.MSMACRO, group Setting.
// An event is the same three bytes as a KeyInfo entry: map = type,
// DataH = high, DataL = low.

struct MacroOptions {
    int DefaultDelay = 0;
    int DelayType = 0;   // 0 none, 1 recorded delays, 2 default delay
    int LoopType = 0;    // 0 none, 1 loop count, 2 repeat while held, 3 repeat until pressed again
    int LoopTime = 0;

    bool operator==(const MacroOptions &o) const
    {
        return DefaultDelay == o.DefaultDelay && DelayType == o.DelayType && LoopType == o.LoopType
            && LoopTime == o.LoopTime;
    }
};

// Event types (bit 7 marks a press).
namespace MacroEvent {
constexpr uint8_t KeyDown = 0x84;      // low = HID usage
constexpr uint8_t KeyUp = 0x04;
constexpr uint8_t ButtonDown = 0x81;   // low = button bit 1, 2, 4, 8, 16
constexpr uint8_t ButtonUp = 0x01;
constexpr uint8_t Move = 0x02;         // high = vertical step, low = horizontal step (signed bytes)
constexpr uint8_t Delay = 0x06;        // high/low = delay count in units of PROFILE/MinDelay ms
constexpr uint8_t PressBit = 0x80;
} // namespace MacroEvent

constexpr int kMacroListSize = 50;

// readMacroFile takes at most this many events, whatever Count claims: the
// program never writes more than 63, and a garbage Count must not make a
// reader loop or allocate without bound.
constexpr int kMacroFileEventLimit = 1000;

// Writes every key, WriteSign = 1 last. Does not touch the macro list.
// False when the name is not a safe file name or the file cannot be written.
bool writeMacroFile(const QString &name, const MacroOptions &options, const std::vector<KeyInfo> &events);

// The options and all Count events (each value keeps its low 8 bits).
// A missing file or an unsafe name gives default options, no events and false.
bool readMacroFile(const QString &name, MacroOptions &options, std::vector<KeyInfo> &events);

// A file from outside the library (an import), read as readMacroFile reads a
// library file. False, with default options and no events, when it is not a
// macro file: not INI text the settings library reads whole (a binary file),
// or no whole number Setting/Count of at least 0.
bool readForeignMacroFile(const QString &path, MacroOptions &options, std::vector<KeyInfo> &events);

// What the editor keeps of events read from a file, in order: key rows (high
// byte 0), button rows of the five buttons 1, 2, 4, 8 and 16, movements
// rebuilt on one axis (the horizontal step when it is non-zero, else the
// vertical one; 1..120 either way) and delay rows. Rows of any other kind and
// presses of other buttons are dropped. Returns the number dropped.
int keepEditableEvents(std::vector<KeyInfo> &events);

// Setting/Count (as stored) and at most the first 63 events into `events`;
// returns the number of events placed (0..63). Entries beyond them are zeroed.
int readMacroEvents(const QString &name, std::array<KeyInfo, kEventsPerButton> &events, int *storedCount = nullptr);

// The macro list MACRO_LIST/0..49 of Config.ini: 50 entries, not a packed list.
// addMacroName writes the first empty entry; false when the list is full, the
// name is empty or unsafe, or Config.ini could not be written. A name
// already listed is not listed twice. Remove and rename give false only
// when the list could not be written (or the new name is unsafe).
bool addMacroName(const QString &name);
bool removeMacroName(const QString &name);         // first equal entry becomes empty
bool renameMacroName(const QString &oldName, const QString &newName);   // first equal entry
QStringList listMacros();                          // non-empty entries in entry order
int countMacros();                                 // number of non-empty entries

// A new macro is refused ("TOO MANY MACROS TO BE CREATE!") once every entry is
// taken.
bool macroListFull();

// Reads the change mark; when set, clears it and returns true.
bool takeWriteSign(const QString &name);

// "name_%d" with the first number from 1 whose file does not exist; empty
// when `base` cannot make a safe file name.
QString newMacroName(const QString &base = QStringLiteral("name"));
// `wanted`, or wanted + "_%d" (firstNumber, firstNumber + 1, ...) when a file
// of that name exists; empty when no safe free name can be made.
QString freeMacroName(const QString &wanted, int firstNumber = 1);

// Renames a macro: its file to the free name made from `wanted` (see
// freeMacroName) and its list entry. Renaming to its own name changes nothing.
// False (nothing changed) when a name is unsafe or the file cannot be moved.
bool renameMacro(const QString &oldName, const QString &wanted, QString *newName = nullptr);

// Removes the name from the list and deletes the file.
// True only when the name left the list and the file is gone.
bool deleteMacro(const QString &name);

// Whether the file at `path` reads as a macro file: settings text that the
// library parses cleanly, with an event count. Empty and binary files and
// other settings files (Config.ini) are not.
bool isMacroFile(const QString &path);
