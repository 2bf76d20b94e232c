#include "traycontroller.h"

#include "autostartsetting.h"

#include "widgets/skin.h"
#include "widgets/uitheme.h"

#include <QApplication>
#include <QIcon>
#include <QMenu>

namespace {

const int kMenuDesignWidth = 150;

} // namespace

TrayController::TrayController(AutostartSetting *autostart, QObject *parent)
    : QObject(parent)
    , m_autostart(autostart)
{
}

TrayController::~TrayController()
{
    // The menu has no parent widget (a tray menu must not be clipped to the
    // window); it goes with the controller.
    delete m_menu;
}

void TrayController::create(const QString &toolTip)
{
    m_menu = new QMenu;
    m_load = m_menu->addAction(QString());
    m_autostartAction = m_menu->addAction(QString());
    m_autostartAction->setCheckable(true);
    m_autostartAction->setChecked(m_autostart->isEnabled());
    // The action shows the entry's state after each attempt, not the click.
    connect(m_autostartAction, &QAction::triggered, m_autostart, &AutostartSetting::setEnabled);
    connect(m_autostart, &AutostartSetting::changed, m_autostartAction, &QAction::setChecked);
    m_quit = m_menu->addAction(QString());
    connect(m_load, &QAction::triggered, this, &TrayController::loadConfigRequested);
    connect(m_quit, &QAction::triggered, qApp, &QCoreApplication::quit);
    UiTheme::styleMenu(m_menu, kMenuDesignWidth);

    m_icon = new QSystemTrayIcon(this);
    m_icon->setContextMenu(m_menu);
    connect(m_icon, &QSystemTrayIcon::activated, this, &TrayController::activated);
    QIcon picture(Skin::path(QStringLiteral("icon.png")));
    if (picture.isNull())
        picture = QIcon(Skin::path(QStringLiteral("icon.ico")));
    m_icon->setIcon(picture);
    setToolTip(toolTip);
    retranslate();
    // Desktops without a tray (some Wayland sessions, the test platform)
    // simply show no icon; the window's own close button still hides it.
    if (QSystemTrayIcon::isSystemTrayAvailable())
        m_icon->show();
}

void TrayController::setToolTip(const QString &toolTip)
{
    m_toolTip = toolTip;
    if (m_icon)
        m_icon->setToolTip(m_batteryLine.isEmpty() ? m_toolTip : m_toolTip + QLatin1Char('\n') + m_batteryLine);
}

void TrayController::setBatteryLine(const QString &line)
{
    m_batteryLine = line;
    setToolTip(m_toolTip);
}

void TrayController::retranslate()
{
    if (!m_menu)
        return;
    // The window's texts: their translations live in its context.
    m_load->setText(QCoreApplication::translate("MousecfgWidget", "&Load Config"));
    m_autostartAction->setText(QCoreApplication::translate("MousecfgWidget", "Start with the desktop"));
    m_quit->setText(QCoreApplication::translate("MousecfgWidget", "&Quit"));
    UiTheme::styleMenu(m_menu, kMenuDesignWidth);
}
