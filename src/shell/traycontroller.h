#pragma once

#include <QObject>
#include <QSystemTrayIcon>

class QAction;
class QMenu;

// The tray icon of the main window and its menu: "&Load Config" asks for the
// window (which shows the disconnect warning when no mouse is there),
// "&Quit" ends the program. Clicks on the icon are passed on.
class TrayController : public QObject {
    Q_OBJECT
public:
    explicit TrayController(QObject *parent = nullptr);
    ~TrayController() override;

    void create(const QString &toolTip);
    void setToolTip(const QString &toolTip);
    void retranslate();

    QSystemTrayIcon *icon() const { return m_icon; }
    QMenu *menu() const { return m_menu; }
    QAction *loadAction() const { return m_load; }
    QAction *quitAction() const { return m_quit; }

signals:
    // "&Load Config" was chosen.
    void loadConfigRequested();
    // The icon was clicked.
    void activated(QSystemTrayIcon::ActivationReason reason);

private:
    QSystemTrayIcon *m_icon = nullptr;
    QMenu *m_menu = nullptr;
    QAction *m_load = nullptr;
    QAction *m_quit = nullptr;
};
