#include "traycontroller.h"

#include "widgets/skin.h"
#include "widgets/uitheme.h"

#include <QApplication>
#include <QIcon>
#include <QMenu>

namespace {

const int kMenuDesignWidth = 150;

} // namespace

TrayController::TrayController(QObject *parent)
    : QObject(parent)
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
    // The window's texts: their translations live in its context.
    m_load->setText(QCoreApplication::translate("MousecfgWidget", "&Load Config"));
    m_quit->setText(QCoreApplication::translate("MousecfgWidget", "&Quit"));
    UiTheme::styleMenu(m_menu, kMenuDesignWidth);
}
