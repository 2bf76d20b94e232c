// mousecfg-osd: shows the short texts (profile, DPI stage, report rate) that
// the configuration tool sends when the mouse's own buttons change them. It
// runs until it is killed; a second copy ends at once.

#include "osdserver.h"
#include "osdwindow.h"

#include "platform/osdmessage.h"
#include "platform/singleinstance.h"

#include <QApplication>
#include <QDebug>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    const QString serverName = OsdMessage::serverName();
    // The lock, not the socket, decides who runs: two copies started at the
    // same moment would otherwise both find no server and both listen.
    SingleInstanceGuard guard(serverName);
    if (!guard.acquired()) {
        qDebug() << "OSD: another display is already running on" << serverName;
        return 0;
    }

    OsdServer server;
    if (!server.listen(serverName)) {
        qDebug() << "OSD: cannot listen on" << serverName << ":" << server.errorString();
        return 1;
    }
    qDebug() << "OSD: listening on" << serverName;

    OsdWindow window;
    QObject::connect(&server, &OsdServer::messageReceived, &window, &OsdWindow::showMessage);
    return app.exec();
}
