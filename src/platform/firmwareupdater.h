#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>

// Hands the mouse over to the firmware updater, a separate program shipped
// under <data>/skin/mouse/bin/. The updater talks to the mouse over its
// cable, so the hand-off is refused without one; the status poller is
// stopped first so that it does not talk to the mouse at the same time; and
// once the updater runs this process ends at once (exit code 0).
//
// When the updater cannot be started (missing, not executable, refused by the
// system) the process does not end: the poller is started again, the caller
// is warned and keeps running with its unsent edits.
class FirmwareUpdater {
    Q_DECLARE_TR_FUNCTIONS(FirmwareUpdater)
public:
    enum Result {
        Started,          // only seen when exitProcess returns (tests)
        Declined,         // the user said no; nothing changed
        CableRequired,    // no cable connection; the user was told
        UpdaterMissing,   // the updater file does not exist; the user was told
        UpdaterNotExecutable,
        StartFailed,      // the system refused to start it
    };

    struct Callbacks {
        // Asks the user a yes/no question (a question box titled "Warning");
        // true when the user accepts.
        std::function<bool(const QString &question)> ask;
        // Shows a warning (a warning box titled "Warning").
        std::function<void(const QString &warning)> warn;
        std::function<void()> stopPoller;
        // Starts the poller again after the updater failed to start.
        std::function<void()> startPoller;
        // Ends the process once the updater runs; empty: _exit(0), without
        // closing the device or saving, as the updater now owns the mouse.
        std::function<void()> exitProcess;
        // Starts the updater as a process of its own; true when it started.
        // Empty: QProcess::startDetached.
        std::function<bool(const QString &path)> launch;
    };

    // languageId 0 takes the English updater. cableReleaseNumber is the USB
    // release number of the cable's command collection from the last
    // enumeration; 0 means no cable.
    static Result start(int languageId, quint32 cableReleaseNumber, const Callbacks &callbacks);

    // <data>/skin/mouse/bin/K905-4417-20230727-en.exe for language 0, else
    // <data>/skin/mouse/bin/K905-4417-20230727.exe.
    static QString updaterPath(int languageId);

    static QString questionText();
    static QString cableRequiredText();
    static QString failureText(Result result, const QString &path);
};
