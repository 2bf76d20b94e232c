#include "uploadworker.h"

#include "devicelog.h"
#include "fullupload.h"
#include "mouselink.h"
#include "transferoutcome.h"
#include "transport.h"
#include "uploadall.h"
#include "uploadplan.h"

#include "config/appconfig.h"

#include <QDebug>
#include <QFile>

UploadWorker::UploadWorker(QObject *parent)
    : QThread(parent)
{
}

UploadWorker::~UploadWorker()
{
    wait();
}

void UploadWorker::setRecords(MouseConfig *live, MouseConfig *saved)
{
    if (live)
        m_live = live;
    if (saved)
        m_saved = saved;
}

void UploadWorker::setSentTables(SentTables *tables, const QString &file)
{
    m_sent = tables ? tables : &m_ownTables;
    m_sentFile = file;
}

void UploadWorker::run()
{
    if (!m_live || !m_saved || !m_link) {
        qCWarning(lcDevice, "upload without records or mouse: nothing sent");
        result = kTransferNoDevice;
        emit uploadDone();
        return;
    }
    // The settings reach the disk whatever happens to the mouse.
    settingsSaved = AppConfig::saveAll(*m_live, m_saved);
    if (settingsSaved)
        *m_saved = *m_live;
    else
        qCWarning(lcDevice, "UploadWorker: the settings could not all be saved");

    result = m_link->mouseOff() ? quint8(kTransferMouseOff) : quint8(upload());
    // A failed upload (or none, the mouse being off) leaves the mouse with
    // part of the settings: the next one sends everything.
    if (result != kTransferOk) {
        m_sent->clear();
        if (!m_sentFile.isEmpty())
            QFile::remove(m_sentFile);
    }
    recordTransferOutcome(result);
    emit uploadDone();
}

int UploadWorker::upload()
{
    const DeviceContext context = loadDeviceContext(m_link->sensorMode());
    if (!m_sentFile.isEmpty())
        m_sent->load(m_sentFile, context.productName);
    // Config/Diff is the mark other parts set when the mouse's memory may
    // not be what was sent (a reconnect, a write status of 0).
    if (full || FullUpload::due())
        m_sent->clear();

    const EncodedUpload encoded = encodeUpload(*m_live, context);
    const UploadSelection selection = changedTables(encoded, *m_sent);
    if (selection.isEmpty())
        return kTransferOk;

    // The record on disk goes first and comes back once the upload has
    // succeeded: whatever becomes of this upload or of this process, the
    // file never says the mouse holds bytes it may not hold (without it the
    // next upload sends everything).
    if (!m_sentFile.isEmpty() && QFile::exists(m_sentFile) && !QFile::remove(m_sentFile))
        qCWarning(lcDevice) << "UploadWorker: the record of what the mouse holds" << m_sentFile
                            << "could not be removed";

    reportsSent = reportCount(encoded, selection);
    const int sent = sendUpload(*m_link, encoded, selection, m_poller);
    if (sent != kTransferOk)
        return sent;
    noteSent(*m_sent, encoded, selection);
    if (!m_sentFile.isEmpty() && !m_sent->save(m_sentFile, context.productName))
        qCDebug(lcDevice) << "UploadWorker:" << m_sentFile << "could not be written; the tables just sent go again next time";
    // Written only when set: a rewrite of Config.ini costs a sync to disk.
    if (FullUpload::due())
        FullUpload::clear();
    return kTransferOk;
}
