#pragma once

#include <QtGlobal>

class MousecfgWidget;

// What the mouse changed with its own buttons, as the status poller reports
// it: the active profile, the DPI stage of that profile and the report rate.
// Each change is taken into the settings, shown on the pages and announced
// through the on-screen display. After a profile switch the new profile's
// tables are sent, since the mouse holds the tables of one profile only.
//
// The values come from the device: a profile above 4, a stage above 7 or a
// report-rate code other than 1, 2, 4 or 8 is not believed (a debug line,
// nothing changed), because each of them would index a table or reach the
// next upload.
class MouseEventHandler {
public:
    explicit MouseEventHandler(MousecfgWidget *window);

    static bool isProfile(int value);
    static bool isDpiStage(int value);
    static bool isReportRate(int value);

    void refreshStatus(quint8 iProfile, quint8 iDPI, quint8 iRate, quint8 iMode);
    void refreshProfile(quint8 iProfile);
    void refreshDpiStage(quint8 iDPI);
    void refreshRate(quint8 iRate);

private:
    // Makes the profile the mouse switched to current; false when the value
    // is not believed.
    bool takeProfile(quint8 iProfile);

    MousecfgWidget *m_window;
};
