#pragma once

#include "firstpaintprobe.h"
#include "mousepicturepanel.h"
#include "windowcontrols.h"

#include <QPoint>
#include <QSize>
#include <QStringList>
#include <QSystemTrayIcon>
#include <QWidget>

#include <memory>

class ApplyController;
class ConnectionController;
class DeviceStatusPanel;
class HotplugMonitor;
class LanguageController;
class MouseEventHandler;
class OsdClient;
class PageHost;
class QMenu;
class StatusPollerThread;
class TrayController;
class VeskPushButton;
class WindowScale;

// The one top-level window: frameless, shaped by its skin, scaled by its own
// factor from the screen's DPI. It hosts the editing pages with their tabs,
// the mouse picture and its hot spots, the battery and connection display,
// the title-bar and footer buttons and the tray icon, and it sends the
// edited settings to the mouse.
//
// Its jobs are split over helpers: WindowControls (controls and layout),
// WindowScale (factor and background), PageHost (the pages), ApplyController
// (the upload), ConnectionController (models, plug events, poller, warning),
// DeviceStatusPanel (battery and connection pictures), MouseEventHandler
// (what the mouse changed), LanguageController and TrayController.
class MousecfgWidget : public QWidget {
    Q_OBJECT
public:
    // `plugSource`: an object whose devicePlugged(QString) and
    // deviceUnplugged(QString) signals report device nodes (the virtual
    // mouse); without one the window follows udev.
    explicit MousecfgWidget(QObject *plugSource = nullptr, QWidget *parent = nullptr);
    ~MousecfgWidget() override;

    // Number of supported mouse models present on the machine.
    int presentModelCount() const;
    QStringList modelNames() const;
    QString currentModel() const;
    bool mouseReady() const;
    bool warningShown() const;
    int statusMode() const;
    int lastBatteryLevel() const;
    double scaleFactor() const { return m_scaleFactor; }
    int scaleLevel() const { return m_scaleLevel; }
    int currentTab() const { return m_currentTab; }
    bool frontView() const { return m_mouse.frontView(); }
    // The selected hot spot: group and index.
    int selectedGroup() const { return m_mouse.selectedGroup(); }
    int selectedSpot() const { return m_mouse.selectedSpot(); }

    // The descriptor's PROFILE/french, for the key tables of the pages.
    int frenchLanguage() const { return m_french; }
    QStringList libraryNames() const { return m_libraryNames; }

    const WindowControls &controls() const { return m_controls; }
    PageHost &pages();
    HotplugMonitor *hotplugMonitor() const;
    OsdClient *osdClient() const { return m_osd; }
    TrayController *tray() const { return m_tray; }
    LanguageController *languages() const { return m_languages; }
    ConnectionController *connection() const { return m_connection; }
    // Where the poller's readings and reports land.
    DeviceStatusPanel &statusPanel() { return *m_status; }
    MouseEventHandler &mouseEvents() { return *m_events; }

    // Operations of the window that its helpers and the pages run.
    void selectTab(int index);
    void refreshPages();
    void layoutWindow();
    void retranslate();
    // Fills the window for the current model after a switch or an arrival:
    // pictures, settings from disk, profile controls, tab, pages.
    void enterCurrentModel(bool selectFirstSpot);
    // Makes slot `slot` the active profile; with `reload` its file is read
    // again first, dropping unsent edits.
    void makeProfileCurrent(int slot, bool reload);
    void showFrontView(bool front);
    void switchLanguage(int id);
    void startFirmwareUpdate();
    void showOsd(const QString &text);
    // "Apply" and the uploads of the profile operations.
    int apply();
    int upload(bool full = false);
    // A click on the tray icon: shows a hidden window, hides a shown one.
    void iconActivated(QSystemTrayIcon::ActivationReason reason);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void chooseInitialScale();
    void applyScale(int level);
    void buildControls();
    void connectPageEvents();
    void connectControls();
    void connectHelpers();
    void connectPoller(StatusPollerThread *thread);
    void showOneClickWarning();
    void enableButtons(bool enable);
    void onClicked(VeskPushButton *button);
    void onPressed(VeskPushButton *button);
    void onProfileOperation(VeskPushButton *button);
    void hideWindow();
    void setProfileControls();
    void rebuildSlotMenu();

    WindowControls m_controls;
    MousePicturePanel m_mouse{m_controls};
    FirstPaintProbe m_firstPaint;
    std::unique_ptr<WindowScale> m_scale;
    std::unique_ptr<PageHost> m_pages;
    std::unique_ptr<ApplyController> m_apply;
    std::unique_ptr<DeviceStatusPanel> m_status;
    std::unique_ptr<MouseEventHandler> m_events;
    ConnectionController *m_connection = nullptr;
    LanguageController *m_languages = nullptr;
    TrayController *m_tray = nullptr;
    OsdClient *m_osd = nullptr;
    QMenu *m_slotMenu = nullptr;

    double m_scaleFactor = 1.0;
    int m_scaleLevel = 0;
    int m_windowWidth = 0;
    int m_windowHeight = 0;
    bool m_layoutDone = false;
    int m_laidOutLevel = -1;
    QSize m_laidOutSize;
    int m_currentTab = WindowControls::TabLighting;
    bool m_dragging = false;
    QPoint m_pressPoint;
    QPoint m_windowOrigin;

    // Descriptor switches, read once.
    bool m_disableMacro = false;
    bool m_ledDisable = false;
    int m_french = 0;
    QString m_version;
    QStringList m_libraryNames;
};
