#include "informationoptions.h"

#include "config/logging.h"
#include "config/paths.h"
#include "config/productdescriptor.h"
#include "config/settingslock.h"
#include "device/ownerchannel.h"
#include "platform/appidentity.h"
#include "platform/autostartentry.h"
#include "platform/singleinstance.h"
#include "shell/mainwindow.h"
#include "sim/virtualmouse.h"
#include "widgets/uilog.h"

#include <QApplication>
#include <QDebug>
#include <QFile>
#include <QIcon>

#include <memory>

int main(int argc, char *argv[])
{
    if (InformationOptions::handle(argc, argv))
        return 0;

    // The window paints with QPainter only; without this the xcb platform
    // loads the GLX integration and with it the system's OpenGL driver, which
    // doubles the resident memory and slows the start for nothing.
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");

    QApplication app(argc, argv);
    Logging::enableDebugFromEnvironment();

    // Qt's own high-DPI scaling stays off (it is not enabled before the
    // application object exists, and enabling it later would only print a
    // warning): the main window scales its geometry itself from the screen's
    // DPI, and must not be scaled twice.
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps, true);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    // The window hides to the tray; only the tray's "&Quit" ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    // Names the desktop entry: a Wayland compositor finds the program's
    // name and icon through it.
    QGuiApplication::setDesktopFileName(AppIdentity::appId());

    const QString productName = ProductDescriptor::productName();

    // A second copy for the same product asks the running one to show its
    // window (it may be hidden in the tray), then ends.
    static SingleInstanceGuard guard(SingleInstanceGuard::mutexNameFor(productName));
    if (!guard.acquired()) {
        OwnerChannel::Request show;
        show.kind = OwnerChannel::Request::Kind::Show;
        if (!OwnerChannel::ask(show, 5000).reached)
            qCDebug(lcUi, "another copy runs, but its window could not be asked to show itself");
        return 1;
    }

    // A command of the command line that runs now finishes before the
    // window reads the settings; one that comes later is handed to the
    // window. The seeding of the settings folder is under the same lock, so
    // that a command and the window never copy the shipped defaults over
    // each other.
    auto settingsLock = std::make_unique<SettingsLock>();
    QString error;
    if (!Paths::ensureConfigs(&error))
        qCWarning(lcUi) << "settings folder:" << error;

    // With MOUSECFG_SIMULATE=1 the virtual mouse stands in for the HID
    // library; it must be in place before the window looks for the mouse,
    // and its plug and unplug reach the window as device arrival and removal.
    VirtualMouse *virtualMouse = installVirtualMouseFromEnvironment();
    if (virtualMouse)
        qCDebug(lcUi, "using the virtual mouse (MOUSECFG_SIMULATE=1)");

    MainWindow window(virtualMouse);
    settingsLock.reset();
    // The autostart entry starts the program in the tray.
    if (AutostartEntry::asksForHidden(QCoreApplication::arguments()))
        window.startHidden();
    else if (window.presentModelCount() != 0)
        window.showAsStarted();
    // Looked up relative to the working directory, like the Windows tool;
    // started from elsewhere the window keeps the icon of its own skin.
    const QString icon = QStringLiteral("./skin/icon.ico");
    if (QFile::exists(icon))
        window.setWindowIcon(QIcon(icon));
    window.setWindowTitle(productName);

    return app.exec();
}
