#pragma once

#include <QObject>

#include <functional>

class PageHost;
class SettingsOwner;

// Answers what the pages ask of the edited settings themselves, so that the
// window only lays out and shows:
//  - the lift-off distance is one value of the record: a change on one page
//    goes into the record and every page shows it;
//  - a macro renamed in the library takes the buttons that name it along,
//    in the edited record and in the stored one with its files, so that
//    neither an Apply nor a restart looks for the old file.
class PageEditController : public QObject {
    Q_OBJECT
public:
    // `reshowPages` gathers the pages into the edited record and fills them
    // again from it.
    PageEditController(SettingsOwner &settings, PageHost &pages, std::function<void()> reshowPages,
                       QObject *parent = nullptr);

private:
    void takeLift(int liftHigh);
    void followMacroRename(const QString &oldName, const QString &newName);

    SettingsOwner &m_settings;
    PageHost &m_pages;
    std::function<void()> m_reshowPages;
};
