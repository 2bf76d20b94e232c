#pragma once

#include <QObject>
#include <QList>
#include <QSystemTrayIcon>

#include <functional>

class AutostartSetting;
class QAction;
class QMenu;
class TrayHostWatcher;

// The tray icon of the main window and its menu: "Show window" brings the
// window up, "&Load Config" asks for the window (which shows the disconnect
// warning when no mouse is there), "Start with the desktop" turns the
// autostart entry on and off, "&Quit" ends the program. Clicks on the icon
// are passed on.
//
// The icon is made when the desktop has a tray, which may be long after the
// start (the tray's host starting after the autostarted program), and shows
// and hides with the tray.
class TrayController : public QObject {
    Q_OBJECT
public:
    TrayController(AutostartSetting *autostart, TrayHostWatcher *trayHost, QObject *parent = nullptr);
    ~TrayController() override;

    void create(const QString &toolTip);
    // The five profiles by name at the top of the menu, the active one
    // checked (read each time the menu opens), and "Application
    // profiles...". Call after create().
    void addProfileEntries(std::function<QStringList()> names, std::function<int()> activeSlot);
    void refreshProfiles();
    QList<QAction *> profileActions() const { return m_profiles; }
    QAction *appProfilesAction() const { return m_appProfiles; }
    void setToolTip(const QString &toolTip);
    // What the icon shows when hovered (the icon exists only with a tray).
    QString toolTip() const;
    // A second line under the tool tip: the battery level and the time left.
    void setBatteryLine(const QString &line);
    void retranslate();

    // Whether the desktop has a tray now, so that a hidden window can be
    // brought back through the icon.
    bool hasTray() const;

    // Null until the desktop has had a tray.
    QSystemTrayIcon *icon() const { return m_icon; }
    QMenu *menu() const { return m_menu; }
    QAction *showAction() const { return m_show; }
    QAction *loadAction() const { return m_load; }
    QAction *quitAction() const { return m_quit; }
    QAction *autostartAction() const { return m_autostartAction; }

signals:
    // "Show window" was chosen.
    void showWindowRequested();
    // "&Load Config" was chosen.
    void loadConfigRequested();
    // "&Quit" was chosen: the window settles unsaved edits, then quits.
    void quitRequested();
    // A profile of the menu was chosen.
    void profileChosen(int slot);
    void appProfilesRequested();
    // The icon was clicked.
    void activated(QSystemTrayIcon::ActivationReason reason);
    // A tray appeared or went away.
    void trayAvailabilityChanged(bool available);

private:
    void followTray(bool available);
    void makeIcon();

    AutostartSetting *m_autostart;
    TrayHostWatcher *m_trayHost;
    QString m_toolTip;
    QSystemTrayIcon *m_icon = nullptr;
    QMenu *m_menu = nullptr;
    QAction *m_show = nullptr;
    QAction *m_load = nullptr;
    QAction *m_quit = nullptr;
    QAction *m_autostartAction = nullptr;
    QList<QAction *> m_profiles;
    QAction *m_appProfiles = nullptr;
    std::function<QStringList()> m_profileNames;
    std::function<int()> m_activeSlot;
    QString m_batteryLine;
};
