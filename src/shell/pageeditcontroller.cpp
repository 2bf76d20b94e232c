#include "pageeditcontroller.h"

#include "pagehost.h"

#include "config/appconfig.h"
#include "config/macroassignments.h"
#include "device/settingsowner.h"
#include "widgets/uilog.h"

#include <QDebug>

PageEditController::PageEditController(SettingsOwner &settings, PageHost &pages, std::function<void()> reshowPages,
                                       QObject *parent)
    : QObject(parent)
    , m_settings(settings)
    , m_pages(pages)
    , m_reshowPages(std::move(reshowPages))
{
    PageEvents &events = m_pages.events();
    connect(&events, &PageEvents::macroRenamed, this, &PageEditController::followMacroRename);
}

void PageEditController::followMacroRename(const QString &oldName, const QString &newName)
{
    int renamed = 0;
    m_settings.changeBoth([&](MouseConfig &config) { renamed = renameMacroAssignments(config, oldName, newName); });
    if (renamed > 0 && !AppConfig::saveAll(m_settings.stored()))
        qCDebug(lcUi, "profile files could not be written after a macro rename");
    if (m_reshowPages)
        m_reshowPages();
}
