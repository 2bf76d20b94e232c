// mousecfg-osd: shows the short texts (profile, DPI stage, report rate) that
// the configuration tool sends when the mouse's own buttons change them. It
// runs until it is killed; a second copy ends at once.

#include "osdserver.h"
#include "osdlog.h"
#include "osdwindow.h"

#include "config/logging.h"
#include "platform/osdmessage.h"
#include "platform/singleinstance.h"

#include <QApplication>
#include <QDebug>

int main(int argc, char *argv[])
{
    Logging::enableDebugFromEnvironment();
    // The lock is taken before anything else, so that a second copy ends
    // without even connecting to the display server. The lock, not the
    // socket, decides who runs: two copies started at the same moment would
    // otherwise both find no server and both listen.
    const QString serverName = OsdMessage::serverName();
    SingleInstanceGuard guard(serverName);
    if (!guard.acquired()) {
        qCDebug(lcOsd) << "OSD: another display is already running on" << serverName;
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    OsdServer server;
    if (!server.listen(serverName)) {
        qCWarning(lcOsd) << "OSD: cannot listen on" << serverName << ":" << server.errorString();
        return 1;
    }
    qCDebug(lcOsd) << "OSD: listening on" << serverName;

    OsdWindow window;
    QObject::connect(&server, &OsdServer::messageReceived, &window, &OsdWindow::showMessage);
    return app.exec();
}
