#pragma once

#include "config/mouseconfig.h"

#include <QThread>

class PollerControl;

// The upload worker: saves the settings, works out what changed since the
// last upload and sends it, while its owner waits (the main window in its
// busy dialog, the command-line front end in wait()). One per upload.
//
// run():
//  1. save the live record (Config.ini and the five slot files);
//  2. with the mouse-off flag set: result 5, nothing is sent;
//  3. else find the changed groups; when Config/Diff is 1 or `full` is set
//     send everything, else the changed groups (nothing when none changed);
//     after sending, the live record becomes the last-sent one; any result
//     but 0 (mouse off included) sets Config/Diff, so that the next upload
//     sends everything (recordTransferOutcome);
//  4. emit DoProcessDlg().
// (Formerly VeskProcessThread; its debug lines
// keep that name.)
class UploadWorker : public QThread {
    Q_OBJECT
public:
    explicit UploadWorker(QObject *parent = nullptr);
    ~UploadWorker() override;   // waits for run() to end

    // Result code of the upload (0 sent or nothing to send, 1 no device,
    // 2 read-back failed, 4 write failed, 5 mouse off). Read it after
    // DoProcessDlg() or after wait().
    quint8 result = 0;
    // Send every group whatever changed ("reset all profiles").
    bool full = false;
    // Whether step 1 wrote every settings file. The upload goes ahead
    // either way; the owner tells the user.
    bool settingsSaved = true;

    // The poller to stop before the first report and to restart after the
    // upload, whatever its result; none by default.
    void setPollerControl(PollerControl *poller) { m_poller = poller; }
    // The records to upload from and to compare with (the owner's editing
    // and last-sent records); both must outlive the thread. Without them
    // nothing is sent (result 1).
    void setRecords(MouseConfig *live, MouseConfig *lastSent);

signals:
    void DoProcessDlg();

protected:
    void run() override;

private:
    PollerControl *m_poller = nullptr;
    MouseConfig *m_live = nullptr;
    MouseConfig *m_lastSent = nullptr;
};
