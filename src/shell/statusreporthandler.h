#pragma once

#include <QObject>

class SettingsOwner;

// What the mouse changed with its own buttons, as the status poller reports
// it: the active profile, the DPI stage of that profile and the report rate.
// Each change is taken into the settings and announced by signals: the
// window makes the profile current, shows the change on its pages and
// through the on-screen display, and after a profile switch sends the new
// profile's tables, since the mouse holds the tables of one profile only.
//
// The values come from the device: a profile above 4, a stage above 7 or a
// report-rate code other than 1, 2, 4 or 8 is not believed (a debug line,
// nothing changed), because each of them would index a table or reach the
// next upload.
// (label: MouseEventHandler)
class StatusReportHandler : public QObject {
    Q_OBJECT
public:
    // `settings`: whose records the mouse's changes go into; it must
    // outlive the handler.
    explicit StatusReportHandler(SettingsOwner &settings, QObject *parent = nullptr)
        : QObject(parent)
        , m_settings(settings)
    {
    }

    static bool isProfile(int value);
    static bool isDpiStage(int value);
    static bool isReportRate(int value);

    // The poller's status report (connected to it, queued).
    void refreshStatus(quint8 profileIndex, quint8 stage, quint8 rateCode, quint8 mode);
    void refreshProfile(quint8 profileIndex);
    void refreshDpiStage(quint8 stage);
    void refreshRate(quint8 rateCode);

signals:
    // The mouse switched to slot `profile` (no select goes back to it).
    void profileChanged(int profile);
    // After a switch, once the record holds the stage and rate the mouse
    // runs: the new profile's tables are due.
    void profileTablesDue();
    // The current profile's DPI stage or report rate changed; the record
    // holds the new value already.
    void dpiStageChanged(int stage);
    void rateChanged(int rateCode);
    // A text for the on-screen display.
    void announce(const QString &text);

private:
    // Makes the profile the mouse switched to current; false when the value
    // is not believed.
    bool takeProfile(quint8 profileIndex);

    SettingsOwner &m_settings;
};
