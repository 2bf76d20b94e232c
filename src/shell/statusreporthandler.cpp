#include "statusreporthandler.h"

#include "config/appconfig.h"
#include "config/sensortable.h"
#include "config/mouseconfig.h"
#include "config/profilefile.h"
#include "device/settingsowner.h"
#include "osdtexts.h"
#include "widgets/uilog.h"

#include <QDebug>

bool StatusReportHandler::isProfile(int value) { return value >= 0 && value < kProfileCount; }

bool StatusReportHandler::isDpiStage(int value) { return value >= 0 && value < kDpiStageCount; }

bool StatusReportHandler::isReportRate(int value) { return value == 1 || value == 2 || value == 4 || value == 8; }

void StatusReportHandler::refreshStatus(quint8 profileIndex, quint8 stage, quint8 rateCode, quint8 mode)
{
    qCDebug(lcUi, "Test data:profile =%x, dpi= %x, rateCode= %x, mode= %x", profileIndex, stage, rateCode, mode);
    if (!isProfile(profileIndex)) {
        // Without a believable profile the stage and rate cannot be placed.
        qCDebug(lcUi, "status report ignored: profile %d is out of range", profileIndex);
        return;
    }
    const MouseConfig &config = m_settings.editing();
    const bool switched = profileIndex != config.ProfileID;
    if (switched)
        takeProfile(profileIndex);
    if (stage != config.profiles[profileIndex].dpi)
        refreshDpiStage(stage);
    if (rateCode != currentProfile(config).pollrate)
        refreshRate(rateCode);
    // The new profile's tables go out once the record holds the stage and
    // rate the mouse runs, so that sending them does not undo either.
    if (switched)
        emit profileTablesDue();
}

void StatusReportHandler::refreshProfile(quint8 profileIndex)
{
    if (takeProfile(profileIndex))
        emit profileTablesDue();
}

bool StatusReportHandler::takeProfile(quint8 profileIndex)
{
    if (!isProfile(profileIndex)) {
        qCDebug(lcUi, "profile %d from the mouse ignored", profileIndex);
        return false;
    }
    // The mouse has switched already: no select goes back to it.
    emit profileChanged(profileIndex);
    emit announce(OsdTexts::profile(profileIndex));
    return true;
}

void StatusReportHandler::refreshDpiStage(quint8 stage)
{
    if (!isDpiStage(stage)) {
        qCDebug(lcUi, "DPI stage %d from the mouse ignored", stage);
        return;
    }
    // The stage goes into the profile file too, so the stored record
    // follows: the mouse's own change is no unapplied edit.
    m_settings.changeBoth([stage](MouseConfig &config) { currentProfile(config).dpi = stage; });
    const MouseConfig &config = m_settings.editing();
    const ProfileData &profile = currentProfile(config);
    emit dpiStageChanged(stage);
    // The next start shows the stage the mouse is in.
    const QString slotName = config.names[size_t(config.profileIndex())];
    if (!saveProfileDpiStage(slotName, stage, profile))
        qCWarning(lcUi) << "the DPI stage could not be stored in" << slotName;
    const int dpi = dpiCodeToDpi(profile.dpiLevels[stage].y, AppConfig::sensorType());
    emit announce(OsdTexts::dpiStage(stage, dpi));
}

void StatusReportHandler::refreshRate(quint8 rateCode)
{
    if (!isReportRate(rateCode)) {
        qCDebug(lcUi, "report rate code %d from the mouse ignored", rateCode);
        return;
    }
    // Into the files too, so that they keep saying what the mouse runs.
    m_settings.changeBoth([rateCode](MouseConfig &config) { currentProfile(config).pollrate = rateCode; });
    const MouseConfig &config = m_settings.editing();
    const QString slotName = config.names[size_t(config.profileIndex())];
    if (!saveProfileReportRate(slotName, rateCode, currentProfile(config)))
        qCWarning(lcUi) << "the report rate could not be stored in" << slotName;
    emit rateChanged(rateCode);
    emit announce(OsdTexts::reportRate(rateCode));
}
