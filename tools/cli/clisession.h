#pragma once

#include "config/mouseconfig.h"
#include "device/settingsowner.h"
#include "device/statusquery.h"

#include <QString>

// One run of the front end: the settings as stored, the mouse opened on
// demand, and the commands. Uploads go through the same worker as the
// window's "Apply", so they send exactly what the window would. The tables
// the mouse was last sent (by this program or the window) are kept in
// Paths::sentTablesFile() and compared with, so that settings edited
// between two runs reach the mouse; after a failed upload or switch
// Config/Diff makes the next one send everything.
class CliSession {
public:
    // The command-line program's own run: the mouse is opened on demand
    // and closed at the end. `reportOnly`: the command reads and prints,
    // never saves (status): only the active profile is read.
    explicit CliSession(bool reportOnly = false);
    // A command the running window was handed: it reaches the mouse through
    // the window's connection (its poller stopped meanwhile).
    explicit CliSession(MouseLink &windowLink);
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
    // The settings as stored, for a command to read and change.
    MouseConfig &record() { return m_settings.editing(); }

    // Writes the settings edited in record() and sends them like
    // "Apply"; with `apply` false only writes them, and the next upload
    // sends everything.
    int commit(bool apply);

    // Before a command changes the active profile's settings: asks the
    // mouse for its status and, when it reports having switched profile on
    // its own (its profile button), takes that profile, its DPI stage and
    // report rate into the settings, as the window does, so that the change
    // goes to the profile the mouse runs. The mouse reports its profile
    // only when it changes: a switch nobody heard cannot be followed.
    void followMouse();

    // Opens the handles of the current product; false when no command
    // channel could be opened.
    bool openDevice();
    const MouseLink &link() const { return m_link; }

private:
    // Takes what a status report of the mouse says into the settings.
    void takeReport(const StatusReport &report);
    // What the window's poller would have told it before an upload: whether
    // the mouse is off, and whether its memory is whole (write status 0
    // makes the next upload a full one).
    void readMouseState();
    // Settles and reads the settings folder.
    void prepareSettings(bool reportOnly);
    int upload(bool full, bool readState = true);
    int finish(int result);

    // The settings, and what the mouse holds as the upload found and left
    // it.
    SettingsOwner m_settings;
    // The session's own connection (the owner's) or the window's.
    MouseLink &m_link;
    bool m_ownsLink = true;
    bool m_opened = false;
    bool m_stateRead = false;
};
