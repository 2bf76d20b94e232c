#pragma once

#include <QObject>

class AutostartSetting;
class MousecfgWidget;
class QAction;
class QMenu;
class QSystemTrayIcon;

// The tray icon of the main window and its menu: "&Load Config" brings the
// window back (with the disconnect warning when no mouse is there), "&Quit"
// ends the program, "Start with the desktop" turns the autostart entry on
// and off. Clicks on the icon go to the window's iconActivated.
class TrayController : public QObject {
    Q_OBJECT
public:
    TrayController(MousecfgWidget *window, AutostartSetting *autostart);
    ~TrayController() override;

    void create(const QString &toolTip);
    void setToolTip(const QString &toolTip);
    void retranslate();

    QSystemTrayIcon *icon() const { return m_icon; }
    QMenu *menu() const { return m_menu; }
    QAction *loadAction() const { return m_load; }
    QAction *quitAction() const { return m_quit; }
    QAction *autostartAction() const { return m_autostartAction; }

private:
    MousecfgWidget *m_window;
    AutostartSetting *m_autostart;
    QSystemTrayIcon *m_icon = nullptr;
    QMenu *m_menu = nullptr;
    QAction *m_load = nullptr;
    QAction *m_quit = nullptr;
    QAction *m_autostartAction = nullptr;
};
