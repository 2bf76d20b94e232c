#pragma once

#include <QObject>

class PageEvents;
class SettingsOwner;

// Answers what the pages ask of the settings beyond the record they edit,
// so that the window only lays out and shows: a macro renamed in the
// library takes the buttons that name it along, in the edited record and in
// the stored one with its files, so that neither an Apply nor a restart
// looks for the old file.
class PageEditController : public QObject {
    Q_OBJECT
public:
    PageEditController(SettingsOwner &settings, PageEvents &events, QObject *parent = nullptr);

signals:
    // The edited record changed beyond the pages: they show it again.
    void recordChanged();

private:
    void followMacroRename(const QString &oldName, const QString &newName);

    SettingsOwner &m_settings;
};
