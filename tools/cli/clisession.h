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
    // Whose device handles the commands use: their own, opened on demand
    // and closed at the end (the command-line program), or those of the
    // running window, which hands a command to the same code (its poller
    // stopped meanwhile).
    enum class Device { Own, Borrowed };

    // `reportOnly`: the command reads and prints, never saves (status):
    // only the active profile is read.
    explicit CliSession(Device device = Device::Own, bool reportOnly = false);
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

private:
    // Takes what a status report of the mouse says into the settings.
    void takeReport(const StatusReport &report);
    // What the window's poller would have told it before an upload: whether
    // the mouse is off, and whether its memory is whole (write status 0
    // makes the next upload a full one).
    void readMouseState();
    int upload(bool full, bool readState = true);
    int finish(int result);

    Device m_device;
    bool m_opened = false;
    bool m_stateRead = false;
    // The settings, and what the mouse holds as the upload found and left
    // it.
    SettingsOwner m_settings;
};
