#include "profilelibraryeditor.h"

#include "appconfig.h"
#include "logging.h"
#include "paths.h"
#include "profileexchange.h"
#include "profilefile.h"
#include "profilelibrary.h"
#include "profilenames.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// The bytes a new library profile starts from: the template, or the
// factory profile when the template is missing or holds no profile.
bool writeFromTemplate(const QString &name)
{
    const QString source = Paths::profileFile(defaultProfileName());
    QFile file(source);
    if (holdsWholeProfile(0, source) && file.open(QIODevice::ReadOnly))
        return ProfileExchange::replaceFile(Paths::profileFile(name), file.readAll());
    ProfileData factory;
    makeDefaultProfile(factory);
    return saveProfileFile(factory, name);
}

// A copy of profile file `from` as `to`; the factory profile when `from`
// does not exist (which is what reading it gives).
bool copyProfileFile(const QString &from, const QString &to)
{
    QFile file(Paths::profileFile(from));
    if (file.exists()) {
        if (!file.open(QIODevice::ReadOnly))
            return false;
        return ProfileExchange::replaceFile(Paths::profileFile(to), file.readAll());
    }
    ProfileData factory;
    makeDefaultProfile(factory);
    return saveProfileFile(factory, to);
}

} // namespace

ProfileLibraryEditor::ProfileLibraryEditor(MouseConfig &config, QStringList &library)
    : m_config(config)
    , m_library(library)
{
}

void ProfileLibraryEditor::loadOrFactory(ProfileData &profile, const QString &name)
{
    // A missing or partial file reads as the factory profile.
    if (!loadProfileFile(profile, name))
        qCDebug(lcConfig) << "profile" << name << "has no whole file; it starts from the factory profile";
    profile.ProfileName = name;
}

QStringList ProfileLibraryEditor::usedNames() const
{
    QStringList used = m_library;
    for (const QString &name : m_config.names)
        used << name;
    const QFileInfoList files =
        QDir(Paths::profileDir()).entryInfoList({QStringLiteral("*.prof")}, QDir::Files | QDir::Hidden);
    for (const QFileInfo &file : files)
        used << file.completeBaseName();
    used << defaultProfileName();
    return used;
}

QStringList ProfileLibraryEditor::otherSlotNames() const
{
    QStringList names;
    for (int k = 0; k < kProfileCount; ++k) {
        if (k != activeSlot())
            names << m_config.names[size_t(k)];
    }
    return names;
}

bool ProfileLibraryEditor::checkName(const QString &name)
{
    m_reason.clear();
    return Paths::isSafeFileName(name, &m_reason);
}

bool ProfileLibraryEditor::saveLibrary(const QStringList &names)
{
    if (!ProfileLibrary::save(names))
        return false;
    m_library = names;
    return true;
}

ProfileLibraryEditor::Outcome ProfileLibraryEditor::useNewEntry(const QString &name)
{
    if (!saveLibrary(m_library + QStringList{name})) {
        QFile::remove(Paths::profileFile(name));
        return Outcome::WriteFailed;
    }
    m_config.names[size_t(activeSlot())] = name;
    loadOrFactory(currentProfile(m_config), name);
    return Outcome::Done;
}

ProfileLibraryEditor::Outcome ProfileLibraryEditor::take(const QString &name)
{
    if (otherSlotNames().contains(name))
        return Outcome::AlreadyUsed;
    if (!checkName(name))
        return Outcome::BadName;
    m_config.names[size_t(activeSlot())] = name;
    loadOrFactory(currentProfile(m_config), name);
    return Outcome::Done;
}

ProfileLibraryEditor::Outcome ProfileLibraryEditor::add(QString *name)
{
    const QString chosen = ProfileNames::forNewProfile(usedNames());
    if (!writeFromTemplate(chosen))
        return Outcome::WriteFailed;
    if (name)
        *name = chosen;
    return useNewEntry(chosen);
}

ProfileLibraryEditor::Outcome ProfileLibraryEditor::copy(QString *name)
{
    const QString source = m_config.names[size_t(activeSlot())];
    const QString target = ProfileNames::forCopy(source, usedNames());
    if (!checkName(target))
        return Outcome::BadName;
    if (!copyProfileFile(source, target))
        return Outcome::WriteFailed;
    if (!saveLibrary(m_library + QStringList{target})) {
        QFile::remove(Paths::profileFile(target));
        return Outcome::WriteFailed;
    }
    // The copy holds what was last saved; the edits in memory stay.
    m_config.names[size_t(activeSlot())] = target;
    currentProfile(m_config).ProfileName = target;
    if (name)
        *name = target;
    return Outcome::Done;
}

ProfileLibraryEditor::Outcome ProfileLibraryEditor::checkRemove(const QString &name, QString *replacement) const
{
    if (m_library.size() <= 1)
        return Outcome::LastProfile;
    if (ProfileNames::isReserved(name))
        return Outcome::Reserved;
    const int index = m_library.indexOf(name);
    if (index < 0)
        return Outcome::NotInLibrary;
    // Deleting it would take the file from under another slot.
    if (otherSlotNames().contains(name))
        return Outcome::AlreadyUsed;
    const int chosen = ProfileNames::deleteReplacement(m_library, index, otherSlotNames());
    if (chosen < 0)
        return Outcome::LastProfile;
    if (replacement)
        *replacement = m_library.at(chosen);
    return Outcome::Done;
}

ProfileLibraryEditor::Outcome ProfileLibraryEditor::remove(const QString &name, QString *replacement)
{
    QString chosen;
    const Outcome allowed = checkRemove(name, &chosen);
    if (allowed != Outcome::Done)
        return allowed;

    // The slot table first: once it names the replacement, no slot refers
    // to the file that is about to go.
    const QString before = m_config.names[size_t(activeSlot())];
    m_config.names[size_t(activeSlot())] = chosen;
    if (!AppConfig::saveSlotTable(m_config)) {
        m_config.names[size_t(activeSlot())] = before;
        return Outcome::WriteFailed;
    }
    QStringList rest = m_library;
    rest.removeAll(name);
    if (!saveLibrary(rest))
        return Outcome::WriteFailed;
    const QString file = Paths::profileFile(name);
    if (QFile::exists(file) && !QFile::remove(file))
        qCDebug(lcConfig) << "the profile file" << file << "could not be removed";
    loadOrFactory(currentProfile(m_config), chosen);
    if (replacement)
        *replacement = chosen;
    return Outcome::Done;
}

ProfileLibraryEditor::Outcome ProfileLibraryEditor::rename(const QString &newName)
{
    const QString old = m_config.names[size_t(activeSlot())];
    if (ProfileNames::isReserved(old))
        return Outcome::Reserved;
    if (!checkName(newName))
        return Outcome::BadName;
    if (ProfileNames::isTaken(newName, usedNames()))
        return Outcome::Exists;

    // The file moves first; when it cannot, nothing else changes.
    const QString from = Paths::profileFile(old);
    const QString to = Paths::profileFile(newName);
    if (QFile::exists(from) ? !QFile::rename(from, to) : !copyProfileFile(old, newName))
        return Outcome::WriteFailed;

    QStringList library = m_library;
    const int index = library.indexOf(old);
    if (index >= 0)
        library[index] = newName;
    const MouseConfig before = m_config;
    for (QString &slotName : m_config.names) {
        if (slotName == old)
            slotName = newName;
    }
    currentProfile(m_config).ProfileName = newName;
    if (!saveLibrary(library) || !AppConfig::saveSlotTable(m_config)) {
        m_config = before;
        ProfileLibrary::save(m_library);
        QFile::rename(to, from);
        return Outcome::WriteFailed;
    }
    return Outcome::Done;
}

ProfileLibraryEditor::Outcome ProfileLibraryEditor::importProfile(const QString &path, QString *name)
{
    // "My.Work.prof" is the profile "My.Work".
    const QString base = QFileInfo(path).completeBaseName();
    if (!checkName(base))
        return Outcome::BadName;
    if (ProfileNames::isTaken(base, usedNames()))
        return Outcome::Exists;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !ProfileExchange::replaceFile(Paths::profileFile(base), file.readAll()))
        return Outcome::WriteFailed;
    if (name)
        *name = base;
    return useNewEntry(base);
}

void ProfileLibraryEditor::resetAll()
{
    makeDefaultConfig(m_config);
    // Every slot returns to the factory profile under its new name "Profile
    // 1" .. "Profile 5"; the next save writes those files. Library profiles
    // under other names keep their files.
    for (int k = 0; k < kProfileCount; ++k) {
        ProfileData &profile = m_config.profiles[size_t(k)];
        if (k > 0)
            makeDefaultProfile(profile);
        profile.ProfileName = m_config.names[size_t(k)];
    }
}
