#include "pageeditcontroller.h"

#include "editors/pageevents.h"

#include "config/appconfig.h"
#include "config/macroassignments.h"
#include "device/settingsowner.h"
#include "widgets/uilog.h"

#include <QDebug>

PageEditController::PageEditController(SettingsOwner &settings, PageEvents &events, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
{
    connect(&events, &PageEvents::macroRenamed, this, &PageEditController::followMacroRename);
}

void PageEditController::followMacroRename(const QString &oldName, const QString &newName)
{
    int renamed = 0;
    m_settings.changeBoth([&](MouseConfig &config) { renamed = renameMacroAssignments(config, oldName, newName); });
    if (renamed == 0)
        return;
    if (!AppConfig::saveAll(m_settings.stored()))
        qCDebug(lcUi, "profile files could not be written after a macro rename");
    emit recordChanged();
}
