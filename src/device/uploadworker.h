#pragma once

#include "senttables.h"

#include "config/mouseconfig.h"

#include <QString>
#include <QThread>

class MouseLink;
class PollerControl;

// The upload worker: saves the settings, works out which tables differ from
// what the mouse holds and sends them, while its owner waits (the main
// window in its busy dialog, the command-line front end in wait()). One per
// upload.
//
// run():
//  1. save the live record (Config.ini and the slot files that changed
//     since the saved record);
//  2. with the mouse-off flag set: result 5, nothing is sent;
//  3. else encode every table of the live record and send those whose bytes
//     differ from the sent tables (nothing when none differs); when
//     Config/Diff is 1 or `full` is set, or no table is known, send
//     everything. After a successful upload the sent tables hold what went
//     out; any result but 0 (mouse off included) forgets them and sets
//     Config/Diff, so that the next upload sends everything
//     (recordTransferOutcome);
//  4. emit uploadDone().
class UploadWorker : public QThread {
    Q_OBJECT
public:
    explicit UploadWorker(QObject *parent = nullptr);
    ~UploadWorker() override;   // waits for run() to end

    // Result code of the upload (0 sent or nothing to send, 1 no device,
    // 2 read-back failed, 4 write failed, 5 mouse off). Read it after
    // uploadDone() or after wait().
    quint8 result = 0;
    // Send every group whatever changed ("reset all profiles").
    bool full = false;
    // Whether step 1 wrote every settings file. The upload goes ahead
    // either way; the owner tells the user.
    bool settingsSaved = true;
    // How many reports the upload sent (0 when nothing differed).
    int reportsSent = 0;

    // The poller to stop before the first report and to restart after the
    // upload, whatever its result; none by default.
    void setPollerControl(PollerControl *poller) { m_poller = poller; }
    // The record to upload and save from, and the record as the settings
    // files hold it (only the profiles that differ from it are written;
    // it follows what was saved): the owner's editing and stored records.
    // Both must outlive the thread; without them nothing is sent (result 1).
    void setRecords(MouseConfig *live, MouseConfig *saved);
    // What the mouse holds; with a file, the tables are read from it before
    // the upload and written back after it, so that another process that
    // uploads to the same mouse knows them. Without tables every upload
    // sends everything. Must outlive the thread.
    void setSentTables(SentTables *tables, const QString &file = QString());
    // The mouse to send to; without it nothing is sent (result 1). Must
    // outlive the thread.
    void setLink(const MouseLink *link) { m_link = link; }

signals:
    void uploadDone();

protected:
    void run() override;

private:
    int upload();

    PollerControl *m_poller = nullptr;
    const MouseLink *m_link = nullptr;
    MouseConfig *m_live = nullptr;
    MouseConfig *m_saved = nullptr;
    SentTables m_ownTables;
    SentTables *m_sent = &m_ownTables;
    QString m_sentFile;
};
