#pragma once

#include <QString>

// Whether a file may be written at a path a person gave: a new name, or a
// regular file they agreed to replace. The writers replace a file by
// renaming a new one over it, so anything else found at the path (a folder,
// a FIFO, a device such as /dev/null, a symbolic link) would be swapped for
// a regular file: such paths are refused, whatever the caller.
class OutputTarget {
public:
    enum Verdict {
        NewFile,        // nothing there: write
        ReplaceFile,    // a regular file, and replacing was asked for
        Exists,         // a regular file, replacing was not asked for
        NotAFile,       // something else than a regular file
        NoFolder,       // the folder it would go into does not exist
    };

    static Verdict check(const QString &path, bool replace);
    static bool writable(Verdict verdict) { return verdict == NewFile || verdict == ReplaceFile; }
    // A line for the command line about a refused path (untranslated, as
    // the command line's messages are); empty for a writable one.
    // `replaceHint` names how to ask for a replacement ("--force").
    static QString message(Verdict verdict, const QString &path, const QString &replaceHint);
};
