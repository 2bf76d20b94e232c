#include "settingsowner.h"

#include "config/appconfig.h"

bool SettingsOwner::load()
{
    MouseConfig loaded;
    const bool complete = AppConfig::loadAll(loaded);
    takeStored(loaded);
    return complete;
}

void SettingsOwner::takeStored(const MouseConfig &config)
{
    m_stored = config;
    m_editing = config;
    m_lastSent = config;
}
