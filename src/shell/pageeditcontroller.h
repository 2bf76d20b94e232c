#pragma once

#include <QObject>

#include <functional>

class PageHost;
class SettingsOwner;

// Answers what the pages ask of the settings beyond the record they edit,
// so that the window only lays out and shows: a macro renamed in the
// library takes the buttons that name it along, in the edited record and in
// the stored one with its files, so that neither an Apply nor a restart
// looks for the old file.
class PageEditController : public QObject {
    Q_OBJECT
public:
    // `reshowPages` fills the pages again from the edited record.
    PageEditController(SettingsOwner &settings, PageHost &pages, std::function<void()> reshowPages,
                       QObject *parent = nullptr);

private:
    void followMacroRename(const QString &oldName, const QString &newName);

    SettingsOwner &m_settings;
    PageHost &m_pages;
    std::function<void()> m_reshowPages;
};
