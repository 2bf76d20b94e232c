#include "traycontroller.h"

#include "mousecfgwidget.h"

#include "widgets/skin.h"
#include "widgets/uitheme.h"

#include <QApplication>
#include <QIcon>
#include <QMenu>
#include <QSystemTrayIcon>

namespace {

const int kMenuDesignWidth = 150;

} // namespace

TrayController::TrayController(MousecfgWidget *window)
    : QObject(window)
    , m_window(window)
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
    m_quit = m_menu->addAction(QString());
    connect(m_load, &QAction::triggered, m_window, &MousecfgWidget::slotWarning);
    connect(m_quit, &QAction::triggered, qApp, &QCoreApplication::quit);
    UiTheme::styleMenu(m_menu, kMenuDesignWidth);

    m_icon = new QSystemTrayIcon(this);
    m_icon->setContextMenu(m_menu);
    connect(m_icon, &QSystemTrayIcon::activated, m_window, &MousecfgWidget::iconActivated);
    QIcon picture(Skin::path(QStringLiteral("icon.png")));
    if (picture.isNull())
        picture = QIcon(Skin::path(QStringLiteral("icon.ico")));
    m_icon->setIcon(picture);
    m_icon->setToolTip(toolTip);
    retranslate();
    // Desktops without a tray (some Wayland sessions, the test platform)
    // simply show no icon; the window's own close button still hides it.
    if (QSystemTrayIcon::isSystemTrayAvailable())
        m_icon->show();
}

void TrayController::setToolTip(const QString &toolTip)
{
    if (m_icon)
        m_icon->setToolTip(toolTip);
}

void TrayController::retranslate()
{
    if (!m_menu)
        return;
    m_load->setText(MousecfgWidget::tr("&Load Config"));
    m_quit->setText(MousecfgWidget::tr("&Quit"));
    UiTheme::styleMenu(m_menu, kMenuDesignWidth);
}
