#pragma once

#include "editors/pagecontext.h"

#include "firstpaintprobe.h"
#include "mousepicturepanel.h"
#include "desktopintegration.h"
#include "device/settingsowner.h"
#include "windowcontrols.h"

#include <QSize>
#include <QStringList>
#include <QSystemTrayIcon>
#include <QWidget>

#include <memory>

class AppProfileService;
class ApplyController;
class DesktopIntegration;
class AutostartSetting;
class ConnectionController;
class DeviceStatusPanel;
class HotplugMonitor;
class LanguageController;
class StatusReportHandler;
class OnScreenFeedback;
class OsdClient;
class PageHost;
class ProfileControls;
class QMenu;
class StatusPollerThread;
class TrayController;
class SkinButton;
class WindowCommandServer;
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
// DeviceStatusPanel (battery and connection pictures), StatusReportHandler
// (what the mouse changed), LanguageController, DesktopIntegration (tray,
// autostart, on-screen texts, battery notices) and WindowDrag.
// (label: MousecfgWidget)
class MainWindow : public QWidget {
    Q_OBJECT
public:
    // `plugSource`: an object whose devicePlugged(QString) and
    // deviceUnplugged(QString) signals report device nodes (the virtual
    // mouse); without one the window follows udev.
    explicit MainWindow(QObject *plugSource = nullptr, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Number of supported mouse models present on the machine.
    int presentModelCount() const;
    QString currentModel() const;
    bool mouseReady() const;
    int lastBatteryLevel() const;

    SettingsOwner &settings() { return m_settings; }
    AppProfileService *appProfiles() const { return m_appProfiles; }

    // Started from the autostart entry: the window stays in the tray, also
    // when no mouse is there (no disconnect warning). Without a tray it waits
    // `trayGraceMs` for one (at log-in the tray's host may start after this
    // program) and then shows the window as a normal start does, since
    // nothing else could bring it back. Call before the event loop runs.
    static constexpr int kTrayGraceMs = 8000;
    void startHidden(int trayGraceMs = kTrayGraceMs);
    // The window as a normal start shows it: the window when a mouse is
    // there, else the disconnect warning.
    void showAsStarted();

    // What the user does in the window, and what the tray, the status
    // reports and the tests ask of it.
    void selectTab(PageTab tab);
    void refreshPages();
    void retranslate();
    // A profile chosen outside the profile menu: the tray menu and the
    // application rules (which drop unapplied edits first).
    void switchProfileTo(int slot);
    // "Cancel" besides hiding the window: every unapplied edit is dropped,
    // the macro rows not saved included; the window shows what the files
    // hold.
    void discardEdits();
    // The status line that says unapplied edits were dropped by a switch
    // the user did not make in the window, while it is shown; else empty.
    QString discardedLine() const;
    void switchLanguage(int id);
    void showOsd(const QString &text);
    // "Apply" and the uploads of the profile operations.
    int apply();
    int upload(bool full = false);
    // A status report of the mouse (profile, DPI stage, rate, sensor mode).
    // What it changes in the record waits while an upload reads the record.
    void takeStatusReport(quint8 profile, quint8 stage, quint8 rate, quint8 mode);
    // A click on the tray icon: shows a hidden window, hides a shown one.
    void iconActivated(QSystemTrayIcon::ActivationReason reason);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // Tests look inside through their fixture.
    friend struct WindowInside;

    void layoutWindow();
    // Fills the window for the current model after a switch or an arrival:
    // pictures, settings from disk, profile controls, tab, pages.
    void enterCurrentModel(bool selectFirstSpot);
    void showFrontView(bool front);
    void startFirmwareUpdate();
    // The battery display was clicked: the battery history panel.
    void showBatteryHistory();

    QStringList modelNames() const;
    bool warningShown() const;
    int statusMode() const;
    QStringList libraryNames() const;
    TrayController *tray() const;

    // What the pages are built and shown with.
    PageContext pageContext() const;
    // The current model's settings and profile library, from disk: at start
    // and whenever another model is entered.
    void loadModelFiles();
    void loadSettings();
    // A model's first look: the first tab, its arrow pictures, its pages.
    void showModelStart(bool selectFirstSpot);
    void chooseInitialScale();
    void applyScale(int level);
    void buildControls();
    void connectPageEvents();
    void connectControls();
    void connectHelpers();
    void connectPoller(StatusPollerThread *thread);
    void showOneClickWarning();
    void enableButtons(bool enable);
    // Opens the door through which the command line hands its commands and
    // a second start asks to see the window.
    void serveCommands();
    // Shows the window (or the disconnect warning) and brings it forward:
    // the tray's "Show window", a second start.
    void showFromElsewhere();
    // The settings files changed behind the window's back: taken in at once
    // without unapplied edits, else after asking.
    void takeChangedFiles();
    // Every hide of the window but a click on the tray icon itself: without
    // a tray nothing could bring it back (and a new start would be refused),
    // so the program ends instead.
    void hideWindow();
    void startAppProfiles();
    // The status line: unapplied edits made while slot `slot` was active
    // were dropped by a switch the user did not make in the window.
    void sayEditsDiscarded(int slot);

    WindowControls m_controls;
    // Before everything that edits or sends the settings, so that it
    // outlives them.
    SettingsOwner m_settings;
    MousePicturePanel m_mouse{m_controls};
    FirstPaintProbe m_firstPaint;
    std::unique_ptr<WindowScale> m_scale;
    std::unique_ptr<PageHost> m_pages;
    std::unique_ptr<ApplyController> m_apply;
    std::unique_ptr<DeviceStatusPanel> m_status;
    std::unique_ptr<StatusReportHandler> m_events;
    ConnectionController *m_connection = nullptr;
    LanguageController *m_languages = nullptr;
    DesktopIntegration *m_desktop = nullptr;
    ProfileControls *m_profiles = nullptr;
    AppProfileService *m_appProfiles = nullptr;

    // The level in force, the size the window gave itself for it, and the
    // level and size it was last laid out at.
    struct ScaleState {
        int level = 0;
        QSize setSize;
        bool layoutDone = false;
        int laidOutLevel = -1;
        QSize laidOutSize;
    } m_scaleState;
    PageTab m_currentTab = PageTab::Lighting;

    // Descriptor switches, read once.
    struct ProductSwitches {
        ProductFacts facts;
        QString version;
    } m_product;
    // The line that said the last switch from outside dropped unapplied
    // edits; empty when none did.
    QString m_discardedLine;
};
