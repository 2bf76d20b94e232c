#pragma once

#include <QObject>
#include <QSystemTrayIcon>

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
    void setToolTip(const QString &toolTip);
    // A second line under the tool tip: the battery level and the time left.
    void setBatteryLine(const QString &line);
    void retranslate();

    QSystemTrayIcon *icon() const { return m_icon; }
    QMenu *menu() const { return m_menu; }
    QAction *loadAction() const { return m_load; }
    QAction *quitAction() const { return m_quit; }
    QAction *autostartAction() const { return m_autostartAction; }

signals:
    // "&Load Config" was chosen.
    void loadConfigRequested();
    // The icon was clicked.
    void activated(QSystemTrayIcon::ActivationReason reason);

private:
    AutostartSetting *m_autostart;
    QSystemTrayIcon *m_icon = nullptr;
    QMenu *m_menu = nullptr;
    QAction *m_load = nullptr;
    QAction *m_quit = nullptr;
    QAction *m_autostartAction = nullptr;
    QString m_toolTip;
    QString m_batteryLine;
};
