#include "firmwareupdater.h"

#include "platformlog.h"

#include "config/paths.h"

#include <QDebug>
#include <QFileInfo>
#include <QProcess>

#include <cstdio>
#include <unistd.h>

namespace {

const char kUpdater[] = "/skin/mouse/bin/K905-4417-20230727.exe";
const char kEnglishUpdater[] = "/skin/mouse/bin/K905-4417-20230727-en.exe";

void exitAtOnce()
{
    // The updater owns the mouse from now on: no device close, no save, no
    // event-loop shutdown that could still talk to it.
    std::fflush(nullptr);
    ::_exit(0);
}

} // namespace

QString FirmwareUpdater::updaterPath(int languageId)
{
    return Paths::dataDir() + QLatin1String(languageId == 0 ? kEnglishUpdater : kUpdater);
}

QString FirmwareUpdater::questionText()
{
    return tr("Do you want to upgrade the firmware?");
}

QString FirmwareUpdater::cableRequiredText()
{
    return tr("To update the firmware, please connect to the computer with a cable.");
}

QString FirmwareUpdater::failureText(Result result, const QString &path)
{
    switch (result) {
    case UpdaterMissing:
        return tr("The firmware updater was not found:\n%1").arg(path);
    case UpdaterNotExecutable:
        return tr("The firmware updater cannot be run (it is not executable):\n%1").arg(path);
    case StartFailed:
        return tr("The firmware updater could not be started:\n%1").arg(path);
    default:
        return QString();
    }
}

FirmwareUpdater::Result FirmwareUpdater::start(int languageId, quint32 cableReleaseNumber, const Callbacks &callbacks)
{
    auto warn = [&callbacks](const QString &text) {
        if (callbacks.warn)
            callbacks.warn(text);
    };

    if (cableReleaseNumber == 0) {
        warn(cableRequiredText());
        return CableRequired;
    }
    if (!callbacks.ask || !callbacks.ask(questionText()))
        return Declined;

    // Checked before the poller is stopped: a broken installation should not
    // even interrupt the battery display.
    const QString path = updaterPath(languageId);
    const QFileInfo info(path);
    Result failure = Started;
    if (!info.exists() || !info.isFile())
        failure = UpdaterMissing;
    else if (!info.isExecutable())
        failure = UpdaterNotExecutable;
    if (failure != Started) {
        qCWarning(lcPlatform) << "firmware updater unusable:" << path;
        warn(failureText(failure, path));
        return failure;
    }

    if (callbacks.stopPoller)
        callbacks.stopPoller();
    const bool started = callbacks.launch ? callbacks.launch(path) : QProcess::startDetached(path, QStringList());
    if (!started) {
        qCWarning(lcPlatform) << "firmware updater did not start:" << path;
        if (callbacks.startPoller)
            callbacks.startPoller();
        warn(failureText(StartFailed, path));
        return StartFailed;
    }

    qCDebug(lcPlatform) << "firmware updater started:" << path;
    if (callbacks.exitProcess)
        callbacks.exitProcess();
    else
        exitAtOnce();
    return Started;
}
