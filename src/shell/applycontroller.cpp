#include "applycontroller.h"

#include "pagehost.h"

#include "config/mouseconfig.h"
#include "device/profileswitch.h"
#include "device/transport.h"
#include "device/uploadworker.h"
#include "widgets/uilog.h"
#include "widgets/veskmessagebox.h"
#include "widgets/busydialog.h"

#include <QCoreApplication>
#include <QDebug>
#include <QThread>

#include <memory>

ApplyController::ApplyController(QWidget *window, PageHost &pages, PollerControl *poller)
    : m_window(window)
    , m_pages(pages)
    , m_poller(poller)
{
}

QString ApplyController::messageFor(int result)
{
    if (result == kTransferOk)
        return QString();
    if (result == kTransferMouseOff)
        return QCoreApplication::translate("MousecfgWidget", "Mouse is sleeping or not connected.");
    return QCoreApplication::translate("MousecfgWidget", "Send data failed, please try again.");
}

int ApplyController::apply()
{
    // Most fields are edited in place by their pages; the DPI, performance
    // and report-rate pages keep theirs until now.
    m_pages.gather(workingConfig);
    return upload(false);
}

int ApplyController::upload(bool full)
{
    if (m_busy) {
        // The busy dialog is modal, but a queued event can still reach a
        // handler while it runs; one upload at a time.
        qCDebug(lcUi, "upload refused: another upload is running\n");
        return kTransferOk;
    }
    m_busy = true;

    BusyDialog dialog(m_window);
    UploadWorker worker;
    worker.full = full;
    worker.setPollerControl(m_poller);
    // Connected before the worker starts: with nothing to send it finishes
    // at once, and a signal emitted before the connection would leave the
    // dialog open for ever.
    QObject::connect(&worker, &UploadWorker::DoProcessDlg, &dialog, &BusyDialog::slotProcessDlg,
                     Qt::QueuedConnection);
    worker.start(QThread::InheritPriority);
    const int shown = dialog.exec();
    // The dialog closes on the worker's last signal; the wait only lets the
    // thread leave run() before its result is read.
    worker.wait();
    const int result = worker.result;
    m_busy = false;

    if (shown == QDialog::Accepted && result != kTransferOk) {
        VeskMessageBox box(VeskMessageBox::Question, QCoreApplication::translate("MousecfgWidget", "Warning"),
                           messageFor(result), m_window);
        box.exec();
    }
    return result;
}

int ApplyController::switchProfile(int slot)
{
    if (m_busy) {
        qCDebug(lcUi, "profile switch refused: an upload is running\n");
        return kTransferOk;
    }
    m_busy = true;
    BusyDialog dialog(m_window);
    int result = kTransferOk;
    const std::unique_ptr<QThread> worker(QThread::create([&result, slot] { result = SendProfileSwitch(slot); }));
    QObject::connect(worker.get(), &QThread::finished, &dialog, &BusyDialog::slotProcessDlg,
                     Qt::QueuedConnection);
    worker->start(QThread::InheritPriority);
    dialog.exec();
    worker->wait();
    m_busy = false;
    return result;
}
