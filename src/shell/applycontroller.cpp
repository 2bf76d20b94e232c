#include "applycontroller.h"

#include "config/mouseconfig.h"
#include "device/pollercontrol.h"
#include "device/profileswitch.h"
#include "device/settingsowner.h"
#include "device/transfermessage.h"
#include "device/transport.h"
#include "device/uploadworker.h"
#include "widgets/busydialog.h"
#include "widgets/uilog.h"
#include "widgets/skinmessagebox.h"

#include <QCoreApplication>
#include <QDebug>
#include <QEventLoop>
#include <QThread>

#include <memory>

ApplyController::ApplyController(QWidget *window, SettingsOwner &settings, PollerControl *poller)
    : m_window(window)
    , m_settings(settings)
    , m_poller(poller)
{
}

void ApplyController::showFailure(QWidget *parent, int result)
{
    if (result == kTransferOk)
        return;
    SkinMessageBox box(SkinMessageBox::Question, QCoreApplication::translate("MainWindow", "Warning"),
                       transferFailureText(result), parent);
    box.exec();
}

QString ApplyController::unsavedMessage()
{
    return QCoreApplication::translate("MainWindow", "The settings could not be saved.");
}

int ApplyController::upload(bool full)
{
    if (m_busy) {
        // The busy dialog is modal, but a queued event can still reach a
        // handler while it runs.
        m_queued = true;
        m_queuedFull = m_queuedFull || full;
        qCDebug(lcUi, "upload queued behind the running one");
        return kQueued;
    }
    m_busy = true;
    int result = uploadOnce(full);
    runDeferred();
    while (m_queued) {
        const bool queuedFull = m_queuedFull;
        m_queued = m_queuedFull = false;
        result = uploadOnce(queuedFull);
        runDeferred();
    }
    m_busy = false;
    return result;
}

void ApplyController::whenIdle(std::function<void()> action)
{
    if (m_busy)
        m_deferred.push_back(std::move(action));
    else
        action();
}

void ApplyController::runDeferred()
{
    // An action may itself be deferred again (it never is while the flag is
    // down, but the list must not be walked while it grows).
    std::vector<std::function<void()>> actions;
    actions.swap(m_deferred);
    const bool busy = m_busy;
    const bool nested = m_runningDeferred;
    m_busy = false;
    m_runningDeferred = true;
    for (const auto &action : actions)
        action();
    m_runningDeferred = nested;
    m_busy = busy;
}

int ApplyController::uploadOnce(bool full)
{
    BusyDialog dialog(m_window);
    UploadWorker worker;
    worker.full = full;
    worker.setPollerControl(m_poller);
    m_settings.prepare(worker);
    // Connected before the worker starts: with nothing to send it finishes
    // at once, and a signal emitted before the connection would leave the
    // dialog open for ever.
    QObject::connect(&worker, &UploadWorker::uploadDone, &dialog, &BusyDialog::slotProcessDlg,
                     Qt::QueuedConnection);
    worker.start(QThread::InheritPriority);
    const int shown = dialog.exec();
    // The dialog closes on the worker's last signal; the wait only lets the
    // thread leave run() before its result is read.
    worker.wait();
    const int result = worker.result;

    if (shown == QDialog::Accepted)
        showFailure(m_window, result);
    if (!worker.settingsSaved) {
        SkinMessageBox box(SkinMessageBox::Warning, QCoreApplication::translate("MainWindow", "Warning"),
                           unsavedMessage(), m_window);
        box.exec();
    }
    return result;
}

void ApplyController::runExclusive(const std::function<int()> &job, bool showDialog,
                                   const std::function<void(int)> &finish)
{
    m_busy = true;
    if (m_poller)
        m_poller->stopPoller();
    int result = 0;
    const std::unique_ptr<QThread> worker(QThread::create([&result, &job] { result = job(); }));
    if (showDialog) {
        BusyDialog dialog(m_window);
        QObject::connect(worker.get(), &QThread::finished, &dialog, &BusyDialog::slotProcessDlg,
                         Qt::QueuedConnection);
        worker->start(QThread::InheritPriority);
        dialog.exec();
    } else {
        QEventLoop loop;
        QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
        worker->start(QThread::InheritPriority);
        loop.exec();
    }
    worker->wait();
    if (m_poller)
        m_poller->startPoller();
    finish(result);
    runDeferred();
    m_busy = false;
    // An Apply or upload asked for meanwhile; inside an upload's deferred
    // actions that upload's own loop runs it.
    if (m_queued && !m_runningDeferred) {
        const bool full = m_queuedFull;
        m_queued = m_queuedFull = false;
        upload(full);
    }
}

int ApplyController::switchProfile(int slot)
{
    if (m_busy) {
        qCDebug(lcUi, "profile switch refused: an upload is running");
        return kTransferOk;
    }
    m_busy = true;
    if (m_poller)
        m_poller->stopPoller();
    BusyDialog dialog(m_window);
    int result = kTransferOk;
    const std::unique_ptr<QThread> worker(QThread::create([this, &result, slot] { result = SendProfileSwitch(m_settings.mouse(), slot); }));
    QObject::connect(worker.get(), &QThread::finished, &dialog, &BusyDialog::slotProcessDlg,
                     Qt::QueuedConnection);
    worker->start(QThread::InheritPriority);
    dialog.exec();
    worker->wait();
    if (m_poller)
        m_poller->startPoller();
    m_busy = false;
    return result;
}
