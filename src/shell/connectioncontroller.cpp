#include "connectioncontroller.h"

#include "config/appconfig.h"
#include "device/deviceaccessadvice.h"
#include "device/mouselink.h"
#include "device/devicewatcher.h"
#include "device/discovery.h"
#include "device/fullupload.h"
#include "device/mouselist.h"
#include "device/statuspollerthread.h"
#include "platform/hotplugmonitor.h"
#include "widgets/uilog.h"
#include "widgets/uitheme.h"
#include "widgets/skinmessagebox.h"
#include "widgets/skinbutton.h"

#include <QCoreApplication>
#include <QDebug>
#include <QAction>
#include <QMenu>
#include <QThread>
#include <QWidget>

namespace {

const int kMenuDesignWidth = 150;

} // namespace

ConnectionController::ConnectionController(QWidget *window, MouseLink &link, StatusPoller::Connector connector)
    : QObject(window)
    , m_window(window)
    , m_link(link)
    , m_poller(link, std::move(connector))
{
    qRegisterMetaType<quint8>("quint8");
    m_monitor = new HotplugMonitor(this);
    m_watcher = new DeviceWatcher(this);
    m_monitor->connectTo(m_watcher);
    connect(m_watcher, &DeviceWatcher::deviceChanged, this, &ConnectionController::onDeviceChanged);
    connect(m_watcher, &DeviceWatcher::changesApplied, this, &ConnectionController::onChangesApplied);
    m_settleTimer.setSingleShot(true);
    m_settleTimer.setInterval(kReopenSettleMs);
    connect(&m_settleTimer, &QTimer::timeout, this, &ConnectionController::finishReopen);
    m_warningTimer.setSingleShot(true);
    m_warningTimer.setInterval(kWarningDelayMs);
    connect(&m_warningTimer, &QTimer::timeout, this, &ConnectionController::showWarning);
}

ConnectionController::~ConnectionController()
{
    m_settleTimer.stop();
    m_warningTimer.stop();
    m_poller.stopPoller();
}

void ConnectionController::followPlugEvents(QObject *plugSource)
{
    if (plugSource) {
        connect(plugSource, SIGNAL(devicePlugged(QString)), m_monitor, SLOT(nodeAdded(QString)));
        connect(plugSource, SIGNAL(deviceUnplugged(QString)), m_monitor, SLOT(nodeRemoved(QString)));
        return;
    }
    if (!m_monitor->startUdev())
        qCDebug(lcUi, "device notifications are not available: arrival and removal are not seen");
}

void ConnectionController::discover()
{
    LoadMouseList();
    if (EnumerateMice() != 0)
        qCWarning(lcUi, "the HID library did not start: no mouse can be found");
    rebuildModelMenu();
}

void ConnectionController::setCurrentModel(const QString &name)
{
    m_currentModel = name;
    if (AppConfig::currentProductName() != name && !AppConfig::setCurrentProductName(name))
        qCWarning(lcUi) << "the current model" << name << "could not be stored";
}

void ConnectionController::rebuildModelMenu()
{
    const MouseList &list = mouseList();
    m_modelNames.clear();
    for (int i = 0; i < list.count && i < kMouseListCapacity; ++i) {
        const MouseListEntry &entry = list.entries[size_t(i)];
        if (entry.groupPresent(LinkGroup::Receiver) || entry.groupPresent(LinkGroup::Cable))
            m_modelNames.append(entry.displayName());
    }

    SkinButton *button = m_modelButton;
    if (!button)
        return;
    // One menu for the whole run, refilled: a plug event may arrive while it
    // is open, and an open menu must not be deleted under its own loop.
    if (!m_modelMenu) {
        m_modelMenu = new QMenu(button);
        connect(m_modelMenu, &QMenu::triggered, this, [this](QAction *action) { switchModel(action->text()); });
        button->setMenu(m_modelMenu);
    }
    m_modelMenu->clear();
    for (const QString &name : m_modelNames)
        m_modelMenu->addAction(name);
    UiTheme::styleMenu(m_modelMenu, kMenuDesignWidth);

    if (m_modelNames.size() < 2) {
        button->hide();
        if (m_modelNames.size() == 1) {
            setCurrentModel(m_modelNames.first());
            qCDebug(lcUi).noquote() << "RefreshMouseList " + m_modelNames.first();
        } else {
            setCurrentModel(QString());
        }
    } else {
        button->show();
        const QString stored = AppConfig::currentProductName();
        setCurrentModel(m_modelNames.contains(stored) ? stored : m_modelNames.first());
    }
    button->setText(m_currentModel);
}

void ConnectionController::openCurrentModel()
{
    m_link.openByName(m_currentModel);
    adviseOnRefusedAccess();
}

// A mouse that is there but may not be opened is not a disconnected mouse:
// the user is told, once per device path, why nothing answers and what to do.
void ConnectionController::adviseOnRefusedAccess()
{
    const QString advice = currentDeviceAccessAdvice(m_link);
    const QString denied = advice.isEmpty() ? QString() : m_link.deniedPath();
    if (denied == m_advisedPath)
        return;
    m_advisedPath = denied;
    if (denied.isEmpty())
        return;
    qCWarning(lcUi).noquote() << "the mouse at" << denied << "cannot be opened: permission denied";
    // After the window has shown itself, like the disconnect warning.
    QTimer::singleShot(kWarningDelayMs, this, [this, advice] {
        if (m_advisedPath.isEmpty())
            return;   // opened in the meantime
        SkinMessageBox box(SkinMessageBox::Warning, QCoreApplication::translate("MainWindow", "Warning"), advice,
                           m_window);
        box.exec();
    });
}

void ConnectionController::startStatusThread() { m_poller.startPoller(); }

void ConnectionController::stopStatusThread() { m_poller.stopPoller(); }

void ConnectionController::switchModel(const QString &name)
{
    if (!m_modelNames.contains(name)) {
        qCDebug(lcUi) << "model" << name << "is not present";
        return;
    }
    // The waits give the receiver time to let go of one model's collections
    // before the next one is opened.
    m_settleTimer.stop();
    stopStatusThread();
    QThread::msleep(kModelSwitchPauseMs);
    m_link.close();
    QThread::msleep(kModelSwitchPauseMs);
    if (m_modelButton)
        m_modelButton->setText(name);
    setCurrentModel(name);
    openCurrentModel();
    QThread::msleep(kModelSwitchPauseMs);
    emit modelEntered(false);
    startStatusThread();
}

void ConnectionController::showWarning()
{
    m_window->show();
    if (presentModelCount() != 0) {
        m_window->raise();
        m_window->activateWindow();
        return;
    }
    if (m_warningBox) {
        // Already open (the tray's "&Load Config" while it shows).
        m_warningBox->raise();
        return;
    }
    m_warningShown = true;
    // The window's texts: their translations live in its context.
    SkinMessageBox box(SkinMessageBox::Receiver, QCoreApplication::translate("MainWindow", "Warning"),
                       QCoreApplication::translate("MainWindow", "Dongle Disconnect!"), m_window, true);
    box.setMouseReadyCheck([this] { return m_mouseReady; });
    m_warningBox = &box;
    const int answer = box.exec();
    m_warningBox = nullptr;
    if (answer == QDialog::Accepted && presentModelCount() == 0)
        emit hideRequested();
    // Cleared however the box was closed: a box left with Escape must not
    // keep the tray from hiding the window for the rest of the run.
    m_warningShown = false;
}

void ConnectionController::firstMouseArrived()
{
    if (presentModelCount() == 0) {
        // The mouse left again within the arrival delay.
        qCDebug(lcUi, "first arrival: the mouse is gone again");
        return;
    }
    stopStatusThread();
    openCurrentModel();
    startStatusThread();
    emit modelEntered(true);
    m_mouseReady = true;
}

void ConnectionController::onDeviceChanged(const DeviceChange &change)
{
    const MouseList &list = mouseList();
    if (change.entry < 0 || change.entry >= list.count || change.entry >= kMouseListCapacity)
        return;
    const MouseListEntry &entry = list.entries[size_t(change.entry)];
    const QString name = entry.displayName();
    bool switchedModels = false;

    if (change.arrival) {
        if (change.groupComplete) {
            const bool hadModels = presentModelCount() != 0;
            rebuildModelMenu();
            if (hadModels) {
                stopStatusThread();
                openCurrentModel();
            } else {
                QTimer::singleShot(kFirstArrivalDelayMs, this, &ConnectionController::firstMouseArrived);
            }
        }
        if (change.flagsChanged)
            FullUpload::require(FullUpload::Reason::ConnectionChanged);
    } else {
        if (!change.flagsChanged)
            return;
        if (change.allGone) {
            const bool wasCurrent = name == m_currentModel;
            rebuildModelMenu();
            if (presentModelCount() > 0) {
                if (wasCurrent) {
                    m_settleTimer.stop();
                    stopStatusThread();
                    m_link.close();
                    openCurrentModel();
                    startStatusThread();
                    emit modelEntered(false);
                    switchedModels = true;
                }
            } else {
                m_settleTimer.stop();
                stopStatusThread();
                m_link.close();
                m_mouseReady = false;
                m_warningShown = true;
                showWarningSoon();
            }
        }
    }

    // The connection that is left (or that came) must be the one the handles
    // point at.
    const bool reopen = change.arrival ? (name == m_currentModel && entry.anyFound(change.group))
                                       : change.remainingMustReopen;
    if (reopen && !switchedModels)
        reopenDevice();
}

void ConnectionController::reopenDevice()
{
    stopStatusThread();
    m_link.close();
    openCurrentModel();
    // The poller starts once the device has settled.
    m_settleTimer.start();
}

void ConnectionController::finishReopen() { startStatusThread(); }

void ConnectionController::onChangesApplied()
{
    emit linksChanged();
    stopStatusThread();
    if (!m_settleTimer.isActive())
        startStatusThread();
}
