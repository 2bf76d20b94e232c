#pragma once

// A main window against an in-process virtual mouse in a private
// installation, and helpers for the modal boxes it opens.

#include "device/hidbackend.h"
#include "shell/connectioncontroller.h"
#include "shell/applycontroller.h"
#include "shell/appprofileservice.h"
#include "shell/desktopintegration.h"
#include "shell/devicestatuspanel.h"
#include "shell/languagecontroller.h"
#include "shell/pagehost.h"
#include "shell/profilecontrols.h"
#include "shell/statusreporthandler.h"
#include "shell/traycontroller.h"
#include "shell/windowcontrols.h"
#include "shell/mainwindow.h"
#include "sim/virtualmouse.h"
#include "testenvironment.h"
#include "widgets/skinmessagebox.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>


// What a test looks at inside the window, which keeps these parts to itself.
struct WindowInside {
    static const WindowControls &controls(MainWindow &w) { return w.m_controls; }
    static PageHost &pages(MainWindow &w) { return *w.m_pages; }
    static ProfileControls &profiles(MainWindow &w) { return *w.m_profiles; }
    static ConnectionController *connection(MainWindow &w) { return w.m_connection; }
    static DeviceStatusPanel &statusPanel(MainWindow &w) { return *w.m_status; }
    static StatusReportHandler &statusReports(MainWindow &w) { return *w.m_events; }
    static PageTab currentTab(MainWindow &w) { return w.m_currentTab; }
    static int statusMode(MainWindow &w) { return w.statusMode(); }
    static int scaleLevel(MainWindow &w) { return w.m_scaleState.level; }
    static LanguageController *languages(MainWindow &w) { return w.m_languages; }
    static OnScreenFeedback *onScreenFeedback(MainWindow &w) { return w.m_desktop->feedback(); }
    static OsdClient *osdClient(MainWindow &w) { return w.m_desktop->osdClient(); }
    static AutostartSetting *autostart(MainWindow &w) { return w.m_desktop->autostart(); }
    static TrayController *tray(MainWindow &w) { return w.tray(); }
    static QString discardedLine(MainWindow &w) { return w.discardedLine(); }
    static int selectedGroup(MainWindow &w) { return w.m_mouse.selectedGroup(); }
    static int selectedSpot(MainWindow &w) { return w.m_mouse.selectedSpot(); }
    static bool frontView(MainWindow &w) { return w.m_mouse.frontView(); }
    static QStringList libraryNames(MainWindow &w) { return w.libraryNames(); }
    static QStringList modelNames(MainWindow &w) { return w.modelNames(); }
    static bool warningShown(MainWindow &w) { return w.warningShown(); }
};

class WindowFixture {
public:
    // The installation is made first, so that a test can change it before
    // the window reads it; plug the links wanted, then call open().
    WindowFixture()
        : env(std::make_unique<TestEnvironment>())
        , mouse(std::make_unique<VirtualMouse>())
    {
        mouse->setBattery(980, false);
        setHidBackend(mouse.get());
    }

    ~WindowFixture()
    {
        window.reset();
        setHidBackend(nullptr);
        mouse.reset();
        env.reset();
    }

    MainWindow &open()
    {
        window = std::make_unique<MainWindow>(mouse.get());
        if (window->presentModelCount() != 0)
            window->show();
        return *window;
    }
    // The usual start: the mouse behind its receiver, then the window.
    MainWindow &openWithReceiver()
    {
        mouse->plug(SimLink::Receiver);
        return open();
    }

    // The window's settings: what the pages edit, and what the files hold.
    MouseConfig &editing() { return window->settings().editing(); }
    const MouseConfig &stored() const { return window->settings().stored(); }
    MouseLink &link() { return window->settings().mouse(); }

    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<VirtualMouse> mouse;
    std::unique_ptr<MainWindow> window;
};

// The poller's first answer has been taken: the virtual mouse's battery
// (980, 80 %) replaced the low start-up reading. Tests wait on it with
// QTRY_VERIFY_WITH_TIMEOUT(firstAnswerTaken(w), kFirstAnswerTimeoutMs).
constexpr int kFirstAnswerTimeoutMs = 10000;
inline bool firstAnswerTaken(const MainWindow &window) { return window.lastBatteryLevel() == 80; }

// The message box on screen now, if any.
inline SkinMessageBox *visibleMessageBox()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *box = qobject_cast<SkinMessageBox *>(widget); box && box->isVisible())
            return box;
    }
    return nullptr;
}

// Watches for message boxes while the code under test runs its modal loops:
// notes the text of each box that appears and, unless told otherwise, closes
// it with its main button.
class BoxWatcher : public QObject {
public:
    explicit BoxWatcher(bool closeBoxes = true)
        : m_close(closeBoxes)
    {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start();
    }

    QStringList texts;
    QList<int> kinds;
    // Run when a box is first seen (while its modal loop runs).
    std::function<void(SkinMessageBox *)> onBox;

private:
    void poll()
    {
        SkinMessageBox *box = visibleMessageBox();
        if (!box)
            return;
        if (box != m_last) {
            m_last = box;
            texts.append(box->text());
            kinds.append(box->kind());
            if (onBox)
                onBox(box);
        }
        if (m_close && box->isVisible())
            box->accept();
    }

    bool m_close;
    QTimer m_timer;
    QPointer<SkinMessageBox> m_last;
};
