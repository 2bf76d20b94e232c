#pragma once

#include "device/statuspoller.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

class DeviceWatcher;
class HotplugMonitor;
class MousecfgWidget;
class QMenu;
class VeskMessageBox;
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

    explicit ConnectionController(MousecfgWidget *window);
    ~ConnectionController() override;

    // Device notifications: the plug signals of `plugSource` (an object with
    // devicePlugged(QString) and deviceUnplugged(QString), the virtual mouse)
    // when given, else udev.
    void followPlugEvents(QObject *plugSource);
    HotplugMonitor *hotplugMonitor() const { return m_monitor; }

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

    // The bodies of the window's slots.
    void switchModel(const QString &name);   // slot_show_mousename
    void showWarning();                      // slotWarning
    void firstMouseArrived();                // slotWarnClose

signals:
    // Every battery reading of the poller, as it came (all zero: asleep or off).
    void batteryRead(quint8 iCharge, quint8 iLowByte, quint8 iHiByte);

private:
    void onDeviceChanged(const DeviceChange &change);
    void onChangesApplied();
    void reopenDevice();
    void finishReopen();
    void setCurrentModel(const QString &name);
    void adviseOnRefusedAccess();

    MousecfgWidget *m_window;
    HotplugMonitor *m_monitor = nullptr;
    DeviceWatcher *m_watcher = nullptr;
    StatusPoller m_poller;
    QMenu *m_modelMenu = nullptr;
    QStringList m_modelNames;
    QString m_currentModel;
    bool m_mouseReady = false;
    bool m_warningShown = false;
    QPointer<VeskMessageBox> m_warningBox;
    QString m_advisedPath;   // the refused device the user was last told about
    // A reopened device is given a moment before the poller talks to it.
    QTimer m_settleTimer;
};
