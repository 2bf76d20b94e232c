#pragma once

#include "mouselink.h"
#include "senttables.h"

#include "config/mouseconfig.h"

class UploadWorker;

// The settings of one process and what its mouse holds.
//
// The window and the command line each make one owner and hand it to
// whoever reads or changes the settings (pages, profile controls, the upload
// worker, the commands); nothing reaches the records any other way.
//
//  - stored(): what the settings files hold;
//  - editing(): the copy the pages or a command change; an upload saves it
//    and it becomes the stored record;
//  - sent(): the tables the mouse holds, as far as this program knows; the
//    upload sends only the tables whose bytes differ from them. They are
//    shared with the other front end through a file (Paths::sentTablesFile),
//    which every upload reads before and writes after.
class SettingsOwner {
public:
    const MouseConfig &stored() const { return m_stored; }
    MouseConfig &editing() { return m_editing; }
    const MouseConfig &editing() const { return m_editing; }
    SentTables &sent() { return m_sent; }
    // The connection to the mouse these settings are for.
    MouseLink &mouse() { return m_mouse; }
    const MouseLink &mouse() const { return m_mouse; }

    // Reads the settings files into the stored and the editing record;
    // with `activeOnly` only the active profile's file (for a command that
    // only reports, never saves). False when a profile file was missing or
    // unreadable.
    bool load(bool activeOnly = false);
    // Replaces both records with `config`, as read from the files after
    // someone else changed and saved them.
    void takeStored(const MouseConfig &config);
    // The files were changed by someone else (an editor, a sync tool): they
    // are what is stored now; the editing record follows unless it holds
    // edits to keep. The mouse keeps what it was sent, so that the next
    // upload sends the difference.
    void filesChanged(const MouseConfig &files, bool keepEdits)
    {
        m_stored = files;
        if (!keepEdits)
            m_editing = files;
    }

    // Every edit not sent yet is dropped: the editing record is the stored
    // one again.
    void dropEdits() { m_editing = m_stored; }

    // A change that is not an edit waiting to be sent (the mouse's own
    // buttons changed a setting, a macro was renamed): into both records.
    template <typename Change>
    void changeBoth(Change change)
    {
        change(m_editing);
        change(m_stored);
    }

    // Whether the edited record holds changes the stored one does not.
    bool hasUnappliedEdits() const { return m_editing != m_stored; }

    // Writes the editing record into the files (the profiles that differ
    // from the stored record); false when a file could not be written.
    bool save();

    // Gives an upload the records it saves and sends from, the tables it
    // compares with and the mouse it sends to; the worker keeps the stored record in step with what it
    // saved. The owner must outlive the worker.
    void prepare(UploadWorker &worker);

private:
    MouseConfig m_stored;
    MouseConfig m_editing;
    SentTables m_sent;
    MouseLink m_mouse;
};
