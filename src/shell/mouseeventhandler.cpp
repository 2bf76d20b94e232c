#include "mouseeventhandler.h"

#include "mousecfgwidget.h"
#include "pagehost.h"

#include "config/appconfig.h"
#include "config/dpicode.h"
#include "config/mouseconfig.h"
#include "config/profilefile.h"
#include "platform/osdtexts.h"

#include <QDebug>

MouseEventHandler::MouseEventHandler(MousecfgWidget *window)
    : m_window(window)
{
}

bool MouseEventHandler::isProfile(int value) { return value >= 0 && value < kProfileCount; }

bool MouseEventHandler::isDpiStage(int value) { return value >= 0 && value < kDpiStageCount; }

bool MouseEventHandler::isReportRate(int value) { return value == 1 || value == 2 || value == 4 || value == 8; }

void MouseEventHandler::refreshStatus(quint8 iProfile, quint8 iDPI, quint8 iRate, quint8 iMode)
{
    qDebug("Test data:profile =%x, dpi= %x, iRate= %x, mode= %x", iProfile, iDPI, iRate, iMode);
    if (!isProfile(iProfile)) {
        // Without a believable profile the stage and rate cannot be placed.
        qDebug("status report ignored: profile %d is out of range\n", iProfile);
        return;
    }
    if (iProfile != workingConfig.ProfileID)
        refreshProfile(iProfile);
    if (iDPI != workingConfig.profiles[iProfile].dpi)
        refreshDpiStage(iDPI);
    if (iRate != currentProfile(workingConfig).pollrate)
        refreshRate(iRate);
}

void MouseEventHandler::refreshProfile(quint8 iProfile)
{
    if (!isProfile(iProfile)) {
        qDebug("profile %d from the mouse ignored\n", iProfile);
        return;
    }
    m_window->makeProfileCurrent(iProfile, false);
    m_window->showOsd(OsdTexts::profile(iProfile));
}

void MouseEventHandler::refreshDpiStage(quint8 iDPI)
{
    if (!isDpiStage(iDPI)) {
        qDebug("DPI stage %d from the mouse ignored\n", iDPI);
        return;
    }
    ProfileData &profile = currentProfile(workingConfig);
    profile.dpi = iDPI;
    m_window->pages().showDpiStage(iDPI);
    // The next start shows the stage the mouse is in.
    const QString slotName = workingConfig.names[size_t(workingConfig.profileIndex())];
    if (!saveProfileDpiStage(slotName, iDPI, profile))
        qDebug() << "the DPI stage could not be stored in" << slotName;
    const int dpi = dpiCodeToDpi(profile.dpiLevels[iDPI].y, AppConfig::sensorType());
    m_window->showOsd(OsdTexts::dpiStage(iDPI, dpi));
}

void MouseEventHandler::refreshRate(quint8 iRate)
{
    if (!isReportRate(iRate)) {
        qDebug("report rate code %d from the mouse ignored\n", iRate);
        return;
    }
    ProfileData &profile = currentProfile(workingConfig);
    profile.pollrate = iRate;
    m_window->pages().showRate(iRate, workingConfig.LiftHigh);
    m_window->showOsd(OsdTexts::reportRate(iRate));
}
