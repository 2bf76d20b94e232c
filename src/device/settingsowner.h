#pragma once

#include "config/mouseconfig.h"

// The settings of one process and what its mouse was last sent.
//
// The window and the command line each make one owner and hand it to
// whoever reads or changes the settings (pages, profile controls, the upload
// worker, the commands); nothing reaches the records any other way.
//
//  - stored(): what the settings files hold;
//  - editing(): the copy the pages or a command change; an upload saves it
//    and it becomes the stored record;
//  - lastSent(): what the mouse was last sent, which the upload compares
//    with to send only what differs.
class SettingsOwner {
public:
    const MouseConfig &stored() const { return m_stored; }
    MouseConfig &editing() { return m_editing; }
    const MouseConfig &editing() const { return m_editing; }
    MouseConfig &lastSent() { return m_lastSent; }

    // Reads the settings files into the stored and the editing record; the
    // mouse is taken to hold them (a full upload is due otherwise, through
    // Config/Diff). False when a profile file was missing or unreadable.
    bool load();
    // Replaces both records with `config`, as read from the files by
    // someone else (a command that changed and saved them).
    void takeStored(const MouseConfig &config);
    // A change that is not an edit waiting to be sent (the mouse's own
    // buttons changed a setting, a macro was renamed): into both records.
    template <typename Change>
    void changeBoth(Change change)
    {
        change(m_editing);
        change(m_stored);
    }
    // The files were changed by someone else (an editor, a sync tool): they
    // are what is stored now; the editing record follows unless it holds
    // edits to keep. What the mouse was sent stays, so that the next upload
    // sends the difference.
    void filesChanged(const MouseConfig &files, bool keepEdits)
    {
        m_stored = files;
        if (!keepEdits)
            m_editing = files;
    }
    // The editing record was saved: it is what the files hold now.
    void editingSaved() { m_stored = m_editing; }

    // Whether `gathered` (the editing record with the pages' unapplied
    // values gathered into it) differs from what is stored.
    bool differsFromStored(const MouseConfig &gathered) const { return gathered != m_stored; }

private:
    MouseConfig m_stored;
    MouseConfig m_editing;
    MouseConfig m_lastSent;
};
