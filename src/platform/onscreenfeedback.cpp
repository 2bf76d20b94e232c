#include "onscreenfeedback.h"

#include "osdclient.h"
#include "platformlog.h"

#include <QColor>
#include <QDebug>
#include <QGuiApplication>

bool OnScreenFeedback::overlayCanShow(const QString &platformName, const QString &sessionType)
{
    if (platformName.startsWith(QLatin1String("wayland")))
        return false;
    // On X through XWayland: the overlay would be an X client of a Wayland
    // compositor, which keeps it below the windows that have the focus.
    if (platformName == QLatin1String("xcb") && sessionType.compare(QLatin1String("wayland"), Qt::CaseInsensitive) == 0)
        return false;
    return true;
}

OnScreenFeedback::OnScreenFeedback(OsdClient *overlay, DesktopNotifications *notifications, QObject *parent)
    : QObject(parent)
    , m_overlay(overlay)
    , m_notifications(notifications)
    , m_useOverlay(overlayCanShow(QGuiApplication::platformName(), qEnvironmentVariable("XDG_SESSION_TYPE")))
{
    if (!m_useOverlay)
        qCDebug(lcPlatform, "on-screen texts go to desktop notifications (Wayland session)");
    connect(m_overlay, &OsdClient::gaveUp, this, [this] {
        qCDebug(lcPlatform, "the overlay program did not start; on-screen texts go to desktop notifications");
        m_useOverlay = false;
        // The text the overlay dropped is the newest one: show it this way.
        if (!m_lastOverlayText.isEmpty())
            showAsNotice(m_lastOverlayText);
    });
}

void OnScreenFeedback::show(const QString &text, const QColor &themeColour)
{
    if (text.isEmpty())
        return;
    if (!m_useOverlay) {
        showAsNotice(text);
        return;
    }
    m_lastOverlayText = text;
    m_overlay->showOsd(text, themeColour);
}

void OnScreenFeedback::showAsNotice(const QString &text)
{
    DesktopNotifications::Notice notice;
    notice.summary = text;
    notice.urgency = DesktopNotifications::Urgency::Low;
    notice.timeoutMs = kNoticeTimeoutMs;
    notice.transient = true;
    m_notifications->show(DesktopNotifications::Channel::OnScreen, notice);
}
