#pragma once

#include "config/appconfig.h"

#include <QObject>

class QPainter;
class QWidget;
class WindowControls;

// The battery and connection display at the bottom left of the main window:
// the battery bar (a level in the theme colour, or "MOUSE OFF" in grey), the
// charge and receiver pictures, and the status mode that picks the battery
// frame the window paints.
class DeviceStatusPanel : public QObject {
    Q_OBJECT
public:
    // Connection modes: 0 cable only, 1 receiver with the cable (or charging),
    // 2 receiver only, 3 nothing.
    enum Mode { CableOnly = 0, ReceiverCharging = 1, ReceiverOnly = 2, NoConnection = 3 };
    static constexpr int kBarFontPixels = 16;

    // Whether the first mouse-list entry's command collection is reached
    // through the cable (the mouse charges then).
    static bool cablePresent();
    // The mode for the command collection found through the receiver and
    // through the cable, and the last charge flag.
    static int modeFor(bool receiverCommand, bool cableCommand, bool charging);

    DeviceStatusPanel(WindowControls &controls, QWidget *window);

    // Config/BatteryFull and Config/Battery; the bar starts at the stored level.
    void loadSettings();
    int fullMillivolts() const { return m_fullMillivolts; }

    // A reading from the status poller. All three zero: the mouse is asleep
    // or off ("MOUSE OFF", the mouse-off flag set); anything else a level.
    void showBattery(quint8 charge, quint8 lowByte, quint8 highByte);
    // Follows the presence flags of the first mouse-list entry.
    void updateMode();
    // The style sheets carry a pixel size: set again after a change of scale.
    void restyle();

    int mode() const { return m_mode; }
    int lastBatteryLevel() const { return m_lastLevel; }
    bool charging() const { return m_charging != 0; }
    bool showsMouseOff() const { return m_mouseOff; }
    // What the bar says while the mouse is off, translated.
    static QString mouseOffText();
    // Draws the battery frame of the window's background: lit while the
    // receiver or the cable reaches the mouse.
    void paintFrame(QPainter &painter) const;

private:
    void applyNormalLook();

    WindowControls &m_controls;
    QWidget *m_window;
    int m_fullMillivolts = AppConfig::kDefaultBatteryFullMillivolts;
    int m_lastLevel = 0;
    quint8 m_charging = 0;
    bool m_mouseOff = false;
    int m_mode = NoConnection;
};
