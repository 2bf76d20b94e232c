#pragma once

#include "mouseconfig.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <vector>

// The operations of the macro library on disk: the files in Configs/MacroDB
// and the 50 entries of MACRO_LIST, over the macro file layer. No widgets: the
// page asks, shows the messages and reloads.
class MacroLibrary {
    Q_DECLARE_TR_FUNCTIONS(MacroLibrary)
public:
    enum Result { Done, ListFull, Exists, UnsafeName, Failed };

    // Options of a macro made by "NEW": no delays, no loop, default delay
    // 10 ms, one loop.
    static constexpr int kDefaultDelayMs = 10;
    static constexpr int kDefaultLoopTime = 1;

    // A new empty macro "name_%d" (first free number from 1), saved and
    // listed.
    static Result createMacro(QString *name);
    // A recoil file named `wanted` ("_2", "_3" ... when taken), written with
    // recorded delays and listed. `why` receives the reason an unsafe name is
    // refused.
    static Result createRecoil(const QString &wanted, const std::vector<KeyInfo> &events, QString *name,
                               QString *why = nullptr);
    // Renames file and list entry ("_2", "_3" ... when `wanted` is taken).
    static Result rename(const QString &oldName, const QString &wanted, QString *newName, QString *why = nullptr);

    // The library name of a file to import: its file name without the macro
    // suffix in any letter case ("a.b.MSMACRO" and "a.b.msmacro" give "a.b").
    static QString importName(const QString &path);

    struct ImportReport {
        QStringList imported;   // library names, in the order given
        QStringList existing;   // names whose file is in the library already
        QStringList refused;    // file names that cannot be library names
        QStringList failed;     // files that could not be copied
        QStringList notMacro;   // file names of files that are not macro files
        QStringList shortened;  // library names of files cut to the 63 events of a macro bank
        bool listFull = false;  // the 50 entries filled up: later files were left
    };
    // Takes each macro file into the library under its import name and
    // lists it: its events as the editor keeps them (keepEditableEvents), at
    // most the 63 a macro bank holds.
    static ImportReport importFiles(const QStringList &paths);

    // `path` with the macro suffix when it has none (in any letter case).
    static QString withMacroSuffix(const QString &path);
    // Copies macro `name` to `target`, replacing a file there in one step
    // (the old file or the new one, never a mix). False on any failure.
    static bool exportTo(const QString &name, const QString &target);
    // Copies each macro into `dir` as name + ".MSMACRO"; returns the names
    // that could not be written.
    static QStringList exportAll(const QStringList &names, const QString &dir);
    // The files exportAll would replace.
    static QStringList existingExports(const QStringList &names, const QString &dir);
};
