#pragma once

#include "desktopnotifications.h"

#include <QObject>
#include <QString>

class OsdClient;
class QColor;

// Where the short texts about what the mouse changed (profile, DPI stage,
// report rate) are shown: by the overlay program where it can draw over the
// desktop, otherwise in one desktop notification updated in place.
//
// A Wayland compositor does not let a client place a window above the others
// or at a position of its choosing, so the overlay cannot work there (nor
// through XWayland in a Wayland session). The same road is taken for the rest
// of the run once the overlay program failed to start: waiting 2.5 s on
// every press for a program that is not there helps nobody.
class OnScreenFeedback : public QObject {
    Q_OBJECT
public:
    static constexpr int kNoticeTimeoutMs = 1500;   // as long as the overlay shows a text

    // Whether the overlay can show for the given Qt platform plugin name and
    // XDG_SESSION_TYPE.
    static bool overlayCanShow(const QString &platformName, const QString &sessionType);

    // Decides from the running application and the environment.
    OnScreenFeedback(OsdClient *overlay, DesktopNotifications *notifications, QObject *parent = nullptr);

    void show(const QString &text, const QColor &themeColour);

    bool usesOverlay() const { return m_useOverlay; }
    void setUseOverlay(bool use) { m_useOverlay = use; }

private:
    void showAsNotice(const QString &text);

    OsdClient *m_overlay;
    DesktopNotifications *m_notifications;
    bool m_useOverlay = true;
    QString m_lastOverlayText;
};
