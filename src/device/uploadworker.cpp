#include "uploadworker.h"

#include "devicelog.h"
#include "devicestate.h"
#include "fullupload.h"
#include "transferoutcome.h"
#include "transport.h"
#include "uploadall.h"
#include "uploadgroups.h"

#include "config/appconfig.h"

#include <QDebug>

UploadWorker::UploadWorker(QObject *parent)
    : QThread(parent)
{
}

UploadWorker::~UploadWorker()
{
    wait();
}

void UploadWorker::setRecords(MouseConfig *live, MouseConfig *lastSent)
{
    if (live)
        m_live = live;
    if (lastSent)
        m_lastSent = lastSent;
}

void UploadWorker::run()
{
    if (!m_live || !m_lastSent) {
        qCWarning(lcDevice, "upload without records: nothing sent");
        result = kTransferNoDevice;
        emit DoProcessDlg();
        return;
    }
    // The settings reach the disk whatever happens to the mouse.
    settingsSaved = AppConfig::saveAll(*m_live);
    if (!settingsSaved)
        qCWarning(lcDevice, "VeskProcessThread: the settings could not all be saved\n");

    if (mouseOff()) {
        result = kTransferMouseOff;
    } else {
        result = kTransferOk;
        // Computed in every case: it also clears the change marks of edited
        // macros, which a full upload sends anyway.
        const int changed = ComputeUploadGroups(*m_live, *m_lastSent);
        int mask = 0;
        if (FullUpload::due() || full)
            mask = UploadGroup::All;
        else
            mask = changed;

        if (mask != 0) {
            result = quint8(UploadAll(*m_live, mask, m_poller));
            *m_lastSent = *m_live;
            if (result == kTransferOk)
                FullUpload::clear();
        }
    }
    // A failed upload (or none, the mouse being off) leaves the mouse with
    // part of the settings: the next one sends everything.
    recordTransferOutcome(result);
    emit DoProcessDlg();
}
