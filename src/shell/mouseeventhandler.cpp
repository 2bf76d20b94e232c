#include "mouseeventhandler.h"

#include "config/appconfig.h"
#include "config/mouseconfig.h"
#include "config/profilefile.h"
#include "config/sensortable.h"
#include "device/settingsowner.h"
#include "osdtexts.h"
#include "widgets/uilog.h"

#include <QDebug>

bool MouseEventHandler::isProfile(int value) { return value >= 0 && value < kProfileCount; }

bool MouseEventHandler::isDpiStage(int value) { return value >= 0 && value < kDpiStageCount; }

bool MouseEventHandler::isReportRate(int value) { return value == 1 || value == 2 || value == 4 || value == 8; }

void MouseEventHandler::refreshStatus(quint8 iProfile, quint8 iDPI, quint8 iRate, quint8 iMode)
{
    qCDebug(lcUi, "Test data:profile =%x, dpi= %x, iRate= %x, mode= %x", iProfile, iDPI, iRate, iMode);
    if (!isProfile(iProfile)) {
        // Without a believable profile the stage and rate cannot be placed.
        qCDebug(lcUi, "status report ignored: profile %d is out of range\n", iProfile);
        return;
    }
    const MouseConfig &config = m_settings.editing();
    const bool switched = iProfile != config.ProfileID;
    if (switched)
        takeProfile(iProfile);
    if (iDPI != config.profiles[iProfile].dpi)
        refreshDpiStage(iDPI);
    if (iRate != currentProfile(config).pollrate)
        refreshRate(iRate);
    // The new profile's tables go out once the record holds the stage and
    // rate the mouse runs, so that sending them does not undo either.
    if (switched)
        emit profileTablesDue();
}

void MouseEventHandler::refreshProfile(quint8 iProfile)
{
    if (takeProfile(iProfile))
        emit profileTablesDue();
}

bool MouseEventHandler::takeProfile(quint8 iProfile)
{
    if (!isProfile(iProfile)) {
        qCDebug(lcUi, "profile %d from the mouse ignored\n", iProfile);
        return false;
    }
    // The mouse has switched already: no select goes back to it.
    emit profileChanged(iProfile);
    emit announce(OsdTexts::profile(iProfile));
    return true;
}

void MouseEventHandler::refreshDpiStage(quint8 iDPI)
{
    if (!isDpiStage(iDPI)) {
        qCDebug(lcUi, "DPI stage %d from the mouse ignored\n", iDPI);
        return;
    }
    // The stage goes into the profile file too, so the stored record
    // follows: the mouse's own change is no unapplied edit.
    m_settings.changeBoth([iDPI](MouseConfig &config) { currentProfile(config).dpi = iDPI; });
    const MouseConfig &config = m_settings.editing();
    const ProfileData &profile = currentProfile(config);
    emit dpiStageChanged(iDPI);
    // The next start shows the stage the mouse is in.
    const QString slotName = config.names[size_t(config.profileIndex())];
    if (!saveProfileDpiStage(slotName, iDPI, profile))
        qCWarning(lcUi) << "the DPI stage could not be stored in" << slotName;
    const int dpi = dpiCodeToDpi(profile.dpiLevels[iDPI].y, AppConfig::sensorType());
    emit announce(OsdTexts::dpiStage(iDPI, dpi));
}

void MouseEventHandler::refreshRate(quint8 iRate)
{
    if (!isReportRate(iRate)) {
        qCDebug(lcUi, "report rate code %d from the mouse ignored\n", iRate);
        return;
    }
    // Into the files too, so that they keep saying what the mouse runs.
    m_settings.changeBoth([iRate](MouseConfig &config) { currentProfile(config).pollrate = iRate; });
    const MouseConfig &config = m_settings.editing();
    const QString slotName = config.names[size_t(config.profileIndex())];
    if (!saveProfileReportRate(slotName, iRate, currentProfile(config)))
        qCWarning(lcUi) << "the report rate could not be stored in" << slotName;
    emit rateChanged(iRate);
    emit announce(OsdTexts::reportRate(iRate));
}
