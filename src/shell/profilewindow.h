#pragma once

#include "editors/pagetab.h"

#include <QString>

class QWidget;
struct MouseConfig;

// What the profile controls ask of the main window. The window implements
// it, so that the controls reach the window without knowing its class.
class ProfileWindow {
public:
    virtual ~ProfileWindow() = default;

    // The parent of the controls' dialogs and message boxes.
    virtual QWidget *dialogParent() = 0;
    virtual QString currentModel() const = 0;
    virtual void selectTab(PageTab tab) = 0;
    virtual void refreshPages() = 0;
    virtual void retranslate() = 0;
    // Makes slot `slot` the active profile; with `reload` its file is read
    // again first.
    virtual void makeProfileCurrent(int slot, bool reload) = 0;
    // A profile switch the user did not ask for in the window is under way:
    // the unapplied edits are dropped and the
    // window says so. False when there were none.
    virtual bool dropUnappliedEdits() = 0;
    // The upload of Apply; `full` sends every group.
    virtual int upload(bool full) = 0;
    // Tells the mouse to switch to `slot` (from a worker behind the busy
    // dialog); the poller must be stopped around it.
    virtual int switchProfile(int slot) = 0;
    virtual void stopPoller() = 0;
    virtual void startPoller() = 0;
};
