#pragma once

#include <QObject>

class MousecfgWidget;
class QAction;
class QMenu;
class QSystemTrayIcon;

// The tray icon of the main window and its menu: "&Load Config" brings the
// window back (with the disconnect warning when no mouse is there), "&Quit"
// ends the program. Clicks on the icon go to the window's iconActivated.
class TrayController : public QObject {
    Q_OBJECT
public:
    explicit TrayController(MousecfgWidget *window);
    ~TrayController() override;

    void create(const QString &toolTip);
    void setToolTip(const QString &toolTip);
    void retranslate();

    QSystemTrayIcon *icon() const { return m_icon; }
    QMenu *menu() const { return m_menu; }
    QAction *loadAction() const { return m_load; }
    QAction *quitAction() const { return m_quit; }

private:
    MousecfgWidget *m_window;
    QSystemTrayIcon *m_icon = nullptr;
    QMenu *m_menu = nullptr;
    QAction *m_load = nullptr;
    QAction *m_quit = nullptr;
};
