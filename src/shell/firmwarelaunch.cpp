#include "firmwarelaunch.h"

#include "connectioncontroller.h"

#include "device/discovery.h"
#include "platform/firmwareupdater.h"
#include "widgets/skinmessagebox.h"

#include <QCoreApplication>

void launchFirmwareUpdate(QWidget *parent, ConnectionController &connection, int languageId)
{
    // The texts belong to the window, whose catalogue context they keep.
    auto tr = [](const char *text) { return QCoreApplication::translate("MainWindow", text); };
    FirmwareUpdater::Callbacks callbacks;
    callbacks.ask = [parent, tr](const QString &question) {
        SkinMessageBox box(SkinMessageBox::Question, tr("Warning"), question, parent);
        return box.exec() == QDialog::Accepted;
    };
    callbacks.warn = [parent, tr](const QString &warning) {
        SkinMessageBox box(SkinMessageBox::Warning, tr("Warning"), warning, parent);
        box.exec();
    };
    ConnectionController *poller = &connection;
    callbacks.stopPoller = [poller] { poller->stopStatusThread(); };
    callbacks.startPoller = [poller] { poller->startStatusThread(); };
    FirmwareUpdater::start(languageId, cableReleaseNumber(), callbacks);
}
