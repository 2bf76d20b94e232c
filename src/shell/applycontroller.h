#pragma once

#include <QString>

#include <functional>
#include <vector>

class PollerControl;
class SettingsOwner;
class QWidget;

// The way from the edited settings to the mouse: the upload of the owner's
// editing record on a worker thread behind the modal busy dialog, and the
// one message the user sees when it failed.
//
// One upload at a time. An "Apply" or upload asked for while one runs (a
// queued event reaching its handler during the busy dialog) is queued and
// runs right after it. What the mouse reports meanwhile (whenIdle) is taken
// into the record only after the upload, never while the worker reads it.
class ApplyController {
public:
    // What apply() and upload() return for a request that was queued.
    static constexpr int kQueued = -1;

    ApplyController(QWidget *window, SettingsOwner &settings, PollerControl *poller);

    // "Apply": what the pages edited, to the mouse.
    int apply() { return upload(false); }
    // Uploads the editing record (everything when `full`, as after "reset all");
    // returns the worker's result code, after the message for a failure has
    // been shown and closed. With requests queued meanwhile, the result of
    // the last upload.
    int upload(bool full = false);

    // Runs `action` now, or once the running upload has ended.
    void whenIdle(std::function<void()> action);

    // Tells the mouse to use profile `slot` (select and apply, as the
    // profile menu does) on a worker behind the busy dialog, so that a mouse
    // that does not answer cannot hold up the window; returns the first
    // non-zero transfer result, or 0. The poller is stopped meanwhile, so
    // that it does not read the replies; the caller records the outcome.
    int switchProfile(int slot);

    // Runs `job` on a worker thread with the poller stopped and nothing
    // else touching the settings or the mouse meanwhile (uploads and the
    // mouse's reports wait, as during an upload); behind the busy dialog
    // when `showDialog`, else without anything on screen. The window stays
    // responsive either way. `finish` gets what the job returned, on the
    // window's thread, before anything that waited meanwhile runs: what the
    // job changed is taken in before the next command or mouse report sees
    // the settings. Call it when no upload runs (through whenIdle).
    void runExclusive(const std::function<int()> &job, bool showDialog, const std::function<void(int)> &finish);

    // Tells the user that something sent to the mouse did not arrive;
    // nothing for 0.
    static void showFailure(QWidget *parent, int result);
    // The message shown when an upload could not save the settings.
    static QString unsavedMessage();

    // True while an upload or a profile switch runs (its dialog is open).
    bool isBusy() const { return m_busy; }

private:
    int uploadOnce(bool full);
    void runDeferred();

    QWidget *m_window;
    SettingsOwner &m_settings;
    PollerControl *m_poller;
    bool m_busy = false;
    bool m_runningDeferred = false;
    bool m_queued = false;
    bool m_queuedFull = false;
    std::vector<std::function<void()>> m_deferred;
};
