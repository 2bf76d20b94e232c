#include "desktopintegration.h"

#include "autostartsetting.h"
#include "batterynotifier.h"
#include "batteryoutlook.h"
#include "traycontroller.h"

#include "config/appconfig.h"
#include "platform/desktopnotifications.h"
#include "platform/onscreenfeedback.h"
#include "platform/osdclient.h"
#include "platform/trayhostwatcher.h"
#include "widgets/uitheme.h"
#include "widgets/skincheckbox.h"

DesktopIntegration::DesktopIntegration(int fullMillivolts, QObject *parent)
    : QObject(parent)
    , m_osd(new OsdClient(this))
{
    auto *notifications = new DesktopNotifications(this);
    m_feedback = new OnScreenFeedback(m_osd, notifications, this);
    m_outlook = new BatteryOutlook(this);
    m_batteryNotices =
        new BatteryNotifier(notifications, AppConfig::batteryAlert(), fullMillivolts, m_outlook, this);
    connect(m_outlook, &BatteryOutlook::changed, this, [this] {
        if (m_tray)
            m_tray->setBatteryLine(m_outlook->trayLine());
    });
    m_autostart = new AutostartSetting(this);
}

void DesktopIntegration::createTray(const QString &toolTip, SkinCheckBox *autostartBox)
{
    autostartBox->setChecked(m_autostart->isEnabled());
    connect(autostartBox, &QAbstractButton::clicked, m_autostart, &AutostartSetting::setEnabled);
    connect(m_autostart, &AutostartSetting::changed, autostartBox, &QAbstractButton::setChecked);
    m_tray = new TrayController(m_autostart, new TrayHostWatcher(QDBusConnection::sessionBus(), this), this);
    m_tray->create(toolTip);
    m_tray->setBatteryLine(m_outlook->trayLine());
}

void DesktopIntegration::showText(const QString &text) { m_feedback->show(text, UiTheme::currentColor()); }
