#include "settingsowner.h"

#include "uploadworker.h"

#include "config/appconfig.h"
#include "config/paths.h"

bool SettingsOwner::load(bool activeOnly)
{
    MouseConfig loaded;
    const bool complete = AppConfig::loadAll(loaded, activeOnly);
    takeStored(loaded);
    return complete;
}

void SettingsOwner::takeStored(const MouseConfig &config)
{
    m_stored = config;
    m_editing = config;
}

bool SettingsOwner::save()
{
    return AppConfig::saveAll(m_editing, &m_stored);
}

void SettingsOwner::prepare(UploadWorker &worker)
{
    worker.setRecords(&m_editing, &m_stored);
    worker.setSentTables(&m_sent, Paths::sentTablesFile());
    worker.setLink(&m_mouse);
}
