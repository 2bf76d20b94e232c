#pragma once

#include <QObject>

class AutostartSetting;
class BatteryNotifier;
class BatteryOutlook;
class OnScreenFeedback;
class OsdClient;
class TrayController;
class SkinCheckBox;

// What the window has of the desktop around it: the tray icon with its
// menu, the autostart entry (kept in step with the window's check box),
// the on-screen texts (the overlay program, or a notification where it
// cannot show), the battery notices and the battery line of the tray.
class DesktopIntegration : public QObject {
    Q_OBJECT
public:
    // `fullMillivolts`: the battery's full level, for the notices.
    DesktopIntegration(int fullMillivolts, QObject *parent = nullptr);

    // The tray icon, with `toolTip`; the autostart box of the window follows
    // the setting both ways.
    void createTray(const QString &toolTip, SkinCheckBox *autostartBox);

    // An on-screen text in the theme colour.
    void showText(const QString &text);

    OsdClient *osdClient() const { return m_osd; }
    OnScreenFeedback *feedback() const { return m_feedback; }
    BatteryNotifier *batteryNotices() const { return m_batteryNotices; }
    // The battery history as the window shows it (tray, notices, panel).
    BatteryOutlook *batteryOutlook() const { return m_outlook; }
    AutostartSetting *autostart() const { return m_autostart; }
    TrayController *tray() const { return m_tray; }

private:
    OsdClient *m_osd;
    OnScreenFeedback *m_feedback;
    BatteryOutlook *m_outlook;
    BatteryNotifier *m_batteryNotices;
    AutostartSetting *m_autostart;
    TrayController *m_tray = nullptr;
};
