#pragma once

#include "config/mouseconfig.h"
#include "device/statusquery.h"

#include <QString>

// One run of the front end: the settings as stored, the mouse opened on
// demand, and the commands. Uploads go through the same worker as the
// window's "Apply", so they send exactly what the window would. What the
// last successful upload sent is kept (Paths::lastSentFile) and compared
// with, so that settings edited between two runs reach the mouse; after a
// failed upload or switch Config/Diff makes the next one send everything.
class CliSession {
public:
    // `wholeRecord` false: only the active profile is read, for commands
    // that neither change nor send the record (status).
    explicit CliSession(bool wholeRecord = true);
    ~CliSession();

    CliSession(const CliSession &) = delete;
    CliSession &operator=(const CliSession &) = delete;

    // Each returns the exit code and has printed its messages.
    int status(bool asJson);
    int apply(bool full);
    int load(const QString &path);
    // Writes a new file, or replaces a regular one when `replace` is set.
    int save(const QString &path, bool replace);
    int profile(int number);   // 1..5
    // Writes the settings edited in workingConfig and sends them like
    // "Apply"; with `apply` false only writes them, and the next upload
    // sends everything.
    int commit(bool apply);

private:
    // Opens the handles of the current product; false when no command
    // channel could be opened.
    bool openDevice();
    // What the window's poller would have told it before an upload: whether
    // the mouse is off, and whether its memory is whole (write status 0
    // makes the next upload a full one).
    void readMouseState();
    int upload(bool full, bool readState = true);
    // Reads the last-sent record into storedConfig, once.
    void readSnapshot();
    int finish(int result);

    bool m_opened = false;
    // storedConfig holds the record last sent from the command line.
    bool m_snapshotRead = false;
    // The record as loaded, before the command edits it.
    MouseConfig m_loaded;
    bool m_haveSnapshot = false;
};
