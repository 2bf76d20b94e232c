#include "traycontroller.h"

#include "autostartsetting.h"

#include "platform/trayhostwatcher.h"
#include "widgets/skin.h"
#include "widgets/uitheme.h"

#include <QActionGroup>
#include <QApplication>
#include <QIcon>
#include <QMenu>

namespace {

const int kMenuDesignWidth = 150;

} // namespace

TrayController::TrayController(AutostartSetting *autostart, TrayHostWatcher *trayHost, QObject *parent)
    : QObject(parent)
    , m_autostart(autostart)
    , m_trayHost(trayHost)
{
}

TrayController::~TrayController()
{
    // The menu has no parent widget (a tray menu must not be clipped to the
    // window); it goes with the controller.
    delete m_icon;
    delete m_menu;
}

void TrayController::create(const QString &toolTip)
{
    m_toolTip = toolTip;
    m_menu = new QMenu;
    m_show = m_menu->addAction(QString());
    m_load = m_menu->addAction(QString());
    m_autostartAction = m_menu->addAction(QString());
    m_autostartAction->setCheckable(true);
    m_autostartAction->setChecked(m_autostart->isEnabled());
    // The action shows the entry's state after each attempt, not the click.
    connect(m_autostartAction, &QAction::triggered, m_autostart, &AutostartSetting::setEnabled);
    connect(m_autostart, &AutostartSetting::changed, m_autostartAction, &QAction::setChecked);
    m_quit = m_menu->addAction(QString());
    connect(m_show, &QAction::triggered, this, &TrayController::showWindowRequested);
    connect(m_load, &QAction::triggered, this, &TrayController::loadConfigRequested);
    connect(m_quit, &QAction::triggered, this, &TrayController::quitRequested);
    retranslate();
    UiTheme::styleMenu(m_menu, kMenuDesignWidth);

    connect(m_trayHost, &TrayHostWatcher::availabilityChanged, this, &TrayController::followTray);
    if (m_trayHost->isAvailable())
        followTray(true);
}

bool TrayController::hasTray() const { return m_trayHost->isAvailable(); }

void TrayController::followTray(bool available)
{
    // Made only once a tray exists: Qt settles on how it reaches the tray
    // when its first icon is made.
    if (available && !m_icon)
        makeIcon();
    if (m_icon)
        m_icon->setVisible(available);
    emit trayAvailabilityChanged(available);
}

void TrayController::makeIcon()
{
    m_icon = new QSystemTrayIcon;
    m_icon->setContextMenu(m_menu);
    connect(m_icon, &QSystemTrayIcon::activated, this, &TrayController::activated);
    QIcon picture(Skin::path(QStringLiteral("icon.png")));
    if (picture.isNull())
        picture = QIcon(Skin::path(QStringLiteral("icon.ico")));
    m_icon->setIcon(picture);
    setToolTip(m_toolTip);
}

void TrayController::addProfileEntries(std::function<QStringList()> names, std::function<int()> activeSlot)
{
    m_profileNames = std::move(names);
    m_activeSlot = std::move(activeSlot);
    QAction *first = m_menu->actions().value(0);
    auto *group = new QActionGroup(m_menu);
    for (int slot = 0; slot < m_profileNames().size(); ++slot) {
        QAction *action = new QAction(m_menu);
        action->setCheckable(true);
        group->addAction(action);
        // The window switches; the check follows the profile it makes active.
        connect(action, &QAction::triggered, this, [this, slot] {
            emit profileChosen(slot);
            refreshProfiles();
        });
        m_profiles.append(action);
    }
    m_appProfiles = new QAction(m_menu);
    connect(m_appProfiles, &QAction::triggered, this, &TrayController::appProfilesRequested);
    m_menu->insertActions(first, m_profiles);
    m_menu->insertAction(first, m_appProfiles);
    m_menu->insertSeparator(first);
    connect(m_menu, &QMenu::aboutToShow, this, &TrayController::refreshProfiles);
    refreshProfiles();
    retranslate();
}

void TrayController::refreshProfiles()
{
    if (!m_profileNames)
        return;
    const QStringList names = m_profileNames();
    const int active = m_activeSlot();
    for (int slot = 0; slot < m_profiles.size(); ++slot) {
        // A name with "&" is shown as typed, not as a shortcut.
        m_profiles.at(slot)->setText(QString(names.value(slot)).replace(QLatin1Char('&'), QStringLiteral("&&")));
        m_profiles.at(slot)->setChecked(slot == active);
    }
}

QString TrayController::toolTip() const
{
    return m_batteryLine.isEmpty() ? m_toolTip : m_toolTip + QLatin1Char('\n') + m_batteryLine;
}

void TrayController::setToolTip(const QString &toolTip)
{
    m_toolTip = toolTip;
    if (m_icon)
        m_icon->setToolTip(this->toolTip());
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
    m_show->setText(QCoreApplication::translate("MainWindow", "Show window"));
    m_load->setText(QCoreApplication::translate("MainWindow", "&Load Config"));
    m_autostartAction->setText(QCoreApplication::translate("MainWindow", "Start with the desktop"));
    m_quit->setText(QCoreApplication::translate("MainWindow", "&Quit"));
    if (m_appProfiles)
        m_appProfiles->setText(QCoreApplication::translate("AppProfiles", "Application profiles..."));
    UiTheme::styleMenu(m_menu, kMenuDesignWidth);
}
