#pragma once

#include "mouseconfig.h"

#include <QString>
#include <QStringList>

// The profile library operations on the record and on disk, without the
// user interface: what ADD, COPY, DELETE, rename, choosing a library entry,
// importing a profile and "Reset All" change in the slots, the library list
// and the profile files.
//
// The files stay in agreement with the slots at every moment: a profile
// file is only ever created under a name nobody uses, a rename moves the
// file before anything refers to the new name, a delete stores the slot
// table at once, and a file that is missing reads as the factory profile,
// never as an all-zero one that could reach the mouse.
class ProfileLibraryEditor {
public:
    enum class Outcome {
        Done,
        AlreadyUsed,    // "Profile is Already Used!"
        Exists,         // "Profile Exist!"
        Reserved,       // "The default Profile cannot be deleted or renamed."
        LastProfile,    // "AT LEAST ONE PROFILE TO BE RETAINED."
        NotInLibrary,   // a typed name the library does not hold: nothing changes
        BadName,        // not a safe file name; reason() says why
        WriteFailed,    // a file or list could not be written; nothing refers to it
    };

    // Works on the slots of `config` (its active slot and names) and on the
    // library list `library`, which it saves whenever it changes.
    ProfileLibraryEditor(MouseConfig &config, QStringList &library);

    // Why the last BadName outcome was given, fit for the user.
    QString reason() const { return m_reason; }

    // Every name in use: library entries, slot names, the base names of the
    // profile files and "DefaultProfile".
    QStringList usedNames() const;

    // The active slot takes library profile `name`.
    Outcome take(const QString &name);
    // A new library profile from the template (the factory profile when the
    // template is missing) for the active slot; `name` receives its name.
    Outcome add(QString *name);
    // A copy of the active slot's profile file under a new name, which the
    // active slot then uses; the profile in memory stays as it is.
    Outcome copy(QString *name);
    // Whether `name` (typed in the name field) may be deleted; when it may,
    // `replacement` receives the entry the slot takes instead.
    Outcome checkRemove(const QString &name, QString *replacement) const;
    // Deletes library profile `name` after checkRemove() allowed it.
    Outcome remove(const QString &name, QString *replacement);
    // The active slot's profile gets the name `newName`.
    Outcome rename(const QString &newName);
    // Copies the profile file at `path` (already checked) into the library
    // under its base name and makes it the active slot's profile.
    Outcome importProfile(const QString &path, QString *name);
    // The factory configuration: global options, the slot names "Profile 1"
    // .. "Profile 5" and the factory profile in all five slots.
    void resetAll();

    // Reads profile `name` into `profile`; a missing file gives the factory
    // profile.
    static void loadOrFactory(ProfileData &profile, const QString &name);

private:
    int activeSlot() const { return m_config.profileIndex(); }
    QStringList otherSlotNames() const;
    bool checkName(const QString &name);
    bool saveLibrary(const QStringList &names);
    Outcome useNewEntry(const QString &name);

    MouseConfig &m_config;
    QStringList &m_library;
    QString m_reason;
};
