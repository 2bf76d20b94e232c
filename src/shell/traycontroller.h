#pragma once

#include <QObject>
#include <QList>
#include <QSystemTrayIcon>

#include <functional>

class AutostartSetting;
class QAction;
class QMenu;

// The tray icon of the main window and its menu: "&Load Config" asks for the
// window (which shows the disconnect warning when no mouse is there),
// "&Quit" ends the program, "Start with the desktop" turns the autostart
// entry on and off. Clicks on the icon are passed on.
class TrayController : public QObject {
    Q_OBJECT
public:
    explicit TrayController(AutostartSetting *autostart, QObject *parent = nullptr);
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
    void retranslate();

    QSystemTrayIcon *icon() const { return m_icon; }
    QMenu *menu() const { return m_menu; }
    QAction *loadAction() const { return m_load; }
    QAction *quitAction() const { return m_quit; }
    QAction *autostartAction() const { return m_autostartAction; }

signals:
    // "&Load Config" was chosen.
    void loadConfigRequested();
    // "&Quit" was chosen: the window settles unsaved edits, then quits.
    void quitRequested();
    // A profile of the menu was chosen.
    void profileChosen(int slot);
    void appProfilesRequested();
    // The icon was clicked.
    void activated(QSystemTrayIcon::ActivationReason reason);

private:
    AutostartSetting *m_autostart;
    QSystemTrayIcon *m_icon = nullptr;
    QMenu *m_menu = nullptr;
    QAction *m_load = nullptr;
    QAction *m_quit = nullptr;
    QAction *m_autostartAction = nullptr;
    QList<QAction *> m_profiles;
    QAction *m_appProfiles = nullptr;
    std::function<QStringList()> m_profileNames;
    std::function<int()> m_activeSlot;
};
