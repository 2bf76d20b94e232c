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

constexpr int kMacroListSize = 50;

// Writes every key, WriteSign = 1 last. Does not touch the macro list.
// False when the name is not a safe file name or the file cannot be written.
bool writeMacroFile(const QString &name, const MacroOptions &options, const std::vector<KeyInfo> &events);

// The options and all Count events (each value keeps its low 8 bits).
bool readMacroFile(const QString &name, MacroOptions &options, std::vector<KeyInfo> &events);

// Setting/Count (as stored) and at most the first 63 events into `events`;
// returns the number of events placed (0..63).
int readMacroEvents(const QString &name, std::array<KeyInfo, kEventsPerButton> &events, int *storedCount = nullptr);

// The macro list MACRO_LIST/0..49 of Config.ini: 50 slots, not a packed list.
bool addMacroName(const QString &name);            // first empty slot; false when full
void removeMacroName(const QString &name);         // first equal slot becomes empty
void renameMacroName(const QString &oldName, const QString &newName);
QStringList listMacros();                          // non-empty slots in slot order

// Reads the change mark; when set, clears it and returns true.
bool takeWriteSign(const QString &name);

// "name_%d" with the first number from 1 whose file does not exist.
QString newMacroName(const QString &base);
// `wanted`, or wanted + "_%d" (1, 2, ...) when a file of that name exists.
QString freeMacroName(const QString &wanted);
