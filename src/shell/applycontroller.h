#pragma once

#include <QString>

class PageHost;
class PollerControl;
class QWidget;

// The way from the edited settings to the mouse: gathering the pages' values
// into workingConfig, then the upload on a worker thread behind the modal
// busy dialog, and the one message the user sees when it failed.
class ApplyController {
public:
    ApplyController(QWidget *window, PageHost &pages, PollerControl *poller);

    // "Apply": gather, then upload.
    int apply();
    // Uploads workingConfig (everything when `full`, as after "reset all");
    // returns the worker's result code, after the message for a failure has
    // been shown and closed.
    int upload(bool full = false);

    // Tells the mouse to use profile `slot` (select and apply, as the
    // profile menu does) on a worker behind the busy dialog, so that a mouse
    // that does not answer cannot hold up the window; returns the first
    // non-zero transfer result, or 0. The caller stops the poller first.
    int switchProfile(int slot);

    // The message for a result code: empty for 0.
    static QString messageFor(int result);

    // True while an upload or a profile switch runs (its dialog is open).
    bool isBusy() const { return m_busy; }

private:
    QWidget *m_window;
    PageHost &m_pages;
    PollerControl *m_poller;
    bool m_busy = false;
};
