#pragma once

#include "device/statuspoller.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

class DeviceWatcher;
class HotplugMonitor;
class MouseLink;
class QMenu;
class QWidget;
class SkinMessageBox;
class SkinButton;
struct DeviceChange;

// The half of the main window that follows the mouse: which supported models
// are present and which one is current (the model menu), opening and closing
// the device, the status poller, the reactions to device arrival and
// removal, and the "Dongle Disconnect!" warning.
//
// Plug events come through one road whatever reports them: the udev monitor
// on a real system, the virtual mouse's plug and unplug signals under
// simulation. Both feed the hot-plug monitor, which feeds the device watcher,
// whose changes land here.
//
// Every path that closes or reopens the device stops the poller first (stop
// flag, then waiting until its thread has finished), so that no thread
// reads a handle that is being closed.
class ConnectionController : public QObject {
    Q_OBJECT
public:
    static constexpr int kWarningDelayMs = 200;
    static constexpr int kFirstArrivalDelayMs = 200;
    static constexpr int kModelSwitchPauseMs = 50;
    static constexpr int kReopenSettleMs = 500;

    // `window` is shown, raised or hidden with the warning and parents it;
    // `link` is opened and closed here (it must outlive this object);
    // `connector` connects each new poller thread's signals to whoever acts
    // on them.
    ConnectionController(QWidget *window, MouseLink &link, StatusPoller::Connector connector);
    ~ConnectionController() override;

    // Device notifications: the plug signals of `plugSource` (an object with
    // devicePlugged(QString) and deviceUnplugged(QString), the virtual mouse)
    // when given, else udev.
    void followPlugEvents(QObject *plugSource);
    HotplugMonitor *hotplugMonitor() const { return m_monitor; }

    // The button that carries the model menu and names the current model.
    void setModelButton(SkinButton *button) { m_modelButton = button; }
    // Start-up: the mouse list, the devices present, the model menu.
    void discover();
    // Walks the mouse list and rebuilds the model menu; settles the current
    // model (Config/CurrentProductName).
    void rebuildModelMenu();
    int presentModelCount() const { return m_modelNames.size(); }
    QStringList modelNames() const { return m_modelNames; }
    QString currentModel() const { return m_currentModel; }
    QMenu *modelMenu() const { return m_modelMenu; }

    // Opens the current model's device; when it is there but this user may
    // not open it, says so and how to install the udev rule.
    void openCurrentModel();
    void startStatusThread();
    void stopStatusThread();
    PollerControl *poller() { return &m_poller; }
    bool hasStatusThread() const { return m_poller.hasPoller(); }

    bool mouseReady() const { return m_mouseReady; }
    void setMouseReady(bool ready) { m_mouseReady = ready; }
    bool warningShown() const { return m_warningShown; }

    // A model chosen in the model menu.
    void switchModel(const QString &name);
    // Shows the window, or the "Dongle Disconnect!" warning when no mouse
    // is there.
    void showWarning();
    // The same a moment from now (kWarningDelayMs), once the window has
    // settled; a second call before then still shows it once.
    void showWarningSoon() { m_warningTimer.start(); }
    void cancelWarning() { m_warningTimer.stop(); }
    // A showing of the window or warning is still to come.
    bool warningPending() const { return m_warningTimer.isActive(); }
    // The first mouse arrived after a start without one.
    void firstMouseArrived();

signals:
    // Another model became current (or the first one arrived): the window
    // fills itself for it; `selectFirstSpot` selects the first hot spot.
    void modelEntered(bool selectFirstSpot);
    // The connections present changed: the battery and connection display
    // follows.
    void linksChanged();
    // The user closed the disconnect warning with no mouse present: the
    // window goes to the tray (or the program ends without one).
    void hideRequested();

private:
    void onDeviceChanged(const DeviceChange &change);
    void onChangesApplied();
    void reopenDevice();
    void finishReopen();
    void setCurrentModel(const QString &name);
    void adviseOnRefusedAccess();

    QWidget *m_window;
    MouseLink &m_link;
    SkinButton *m_modelButton = nullptr;
    HotplugMonitor *m_monitor = nullptr;
    DeviceWatcher *m_watcher = nullptr;
    StatusPoller m_poller;
    QMenu *m_modelMenu = nullptr;
    QStringList m_modelNames;
    QString m_currentModel;
    bool m_mouseReady = false;
    bool m_warningShown = false;
    QPointer<SkinMessageBox> m_warningBox;
    QString m_advisedPath;   // the refused device the user was last told about
    // A reopened device is given a moment before the poller talks to it.
    QTimer m_settleTimer;
    QTimer m_warningTimer;
};
