// The profile library operations on disk, where the window's tests do not
// reach: the factory profile where a file or the template is missing, what a
// copy holds, the slot table after a delete, a rename that cannot move its
// file, and the files the user picks for export.

#include "config/appconfig.h"
#include "config/configfile.h"
#include "config/paths.h"
#include "config/profileexchange.h"
#include "config/profilefile.h"
#include "config/profilelibrary.h"
#include "config/profilelibraryeditor.h"
#include "profilesamples.h"
#include "testenvironment.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace {

const QString kProduct = QStringLiteral("QORV Nimbus 6");

ProfileData factory()
{
    ProfileData profile;
    makeDefaultProfile(profile);
    return profile;
}

ProfileData fromFile(const QString &name)
{
    ProfileData profile;
    loadProfileFile(profile, name);
    return profile;
}

bool exists(const QString &name) { return QFile::exists(Paths::profileFile(name)); }

// The record as loadAll gives it on a fresh installation, with the library
// of a fresh installation.
struct Fresh {
    TestEnvironment env;
    MouseConfig config;
    QStringList library;
    Fresh()
    {
        AppConfig::loadAll(config);
        library = ProfileLibrary::load();
        writeDefaultProfileFile();
    }
    ProfileLibraryEditor editor() { return ProfileLibraryEditor(config, library); }
};

} // namespace

class TestProfileLibraryEditor : public QObject {
    Q_OBJECT
private slots:
    void addWithoutTemplate();
    void copyKeepsTheProfileInMemory();
    void takeOfAMissingFileGivesTheFactoryProfile();
    void removeStoresTheSlotTableAtOnce();
    void renameMovesTheFileFirst();
    void importKeepsInnerDots();
    void suffixAndAtomicReplacement();
    void exportOfAMissingSlotFile();
};

void TestProfileLibraryEditor::addWithoutTemplate()
{
    Fresh f;
    QVERIFY(QFile::remove(Paths::profileFile(defaultProfileName())));
    currentProfile(f.config) = distinctProfile(3);
    QString name;
    QCOMPARE(f.editor().add(&name), ProfileLibraryEditor::Outcome::Done);
    ProfileData expected = factory();
    expected.ProfileName = name;
    QVERIFY(currentProfile(f.config) == expected);
    QVERIFY(fromFile(name).dpiLevels == expected.dpiLevels);
}

void TestProfileLibraryEditor::copyKeepsTheProfileInMemory()
{
    Fresh f;
    f.config.names[0] = QStringLiteral("Work");
    QVERIFY(saveProfileFile(distinctProfile(1), QStringLiteral("Work")));
    f.library << QStringLiteral("Work");
    const ProfileData edited = distinctProfile(2);
    currentProfile(f.config) = edited;

    QString name;
    QCOMPARE(f.editor().copy(&name), ProfileLibraryEditor::Outcome::Done);
    QCOMPARE(name, QStringLiteral("Work copy"));
    QVERIFY(fromFile(name).buttons == distinctProfile(1).buttons);   // what was last saved
    QVERIFY(currentProfile(f.config).buttons == edited.buttons);
    QCOMPARE(f.config.names[0], name);

    f.config.names[0] = QStringLiteral("Work");
    QCOMPARE(f.editor().copy(&name), ProfileLibraryEditor::Outcome::Done);
    QCOMPARE(name, QStringLiteral("Work copy 2"));
    QCOMPARE(ProfileLibrary::load().mid(6), (QStringList{QStringLiteral("Work copy"), QStringLiteral("Work copy 2")}));
}

void TestProfileLibraryEditor::takeOfAMissingFileGivesTheFactoryProfile()
{
    Fresh f;
    f.library << QStringLiteral("Gone");
    currentProfile(f.config) = distinctProfile(5);
    QCOMPARE(f.editor().take(QStringLiteral("Gone")), ProfileLibraryEditor::Outcome::Done);
    ProfileData expected = factory();
    expected.ProfileName = QStringLiteral("Gone");
    QVERIFY(currentProfile(f.config) == expected);
    QCOMPARE(f.config.names[0], QStringLiteral("Gone"));
}

void TestProfileLibraryEditor::removeStoresTheSlotTableAtOnce()
{
    Fresh f;
    for (const char *name : {"A", "B"}) {
        QVERIFY(saveProfileFile(distinctProfile(1), QLatin1String(name)));
        f.library << QLatin1String(name);
    }
    f.config.names[0] = QStringLiteral("B");
    f.config.names[1] = QStringLiteral("A");   // A is used: the replacement skips it
    QString replacement;
    QCOMPARE(f.editor().remove(QStringLiteral("B"), &replacement), ProfileLibraryEditor::Outcome::Done);
    QCOMPARE(replacement, QStringLiteral("Profile 2"));   // Profile 3..5 and A are used
    QVERIFY(!exists(QStringLiteral("B")));
    QCOMPARE(AppConfig::slotName(0), QStringLiteral("Profile 2"));
    QVERIFY(!ProfileLibrary::load().contains(QStringLiteral("B")));
    // "Profile 2" has no file yet: the factory profile, never zeros.
    QVERIFY(currentProfile(f.config).dpiLevels == factory().dpiLevels);
}

void TestProfileLibraryEditor::renameMovesTheFileFirst()
{
    Fresh f;
    QVERIFY(saveProfileFile(distinctProfile(1), QStringLiteral("Old")));
    f.library << QStringLiteral("Old");
    f.config.names[2] = QStringLiteral("Old");
    f.config.ProfileID = 2;
    QCOMPARE(f.editor().rename(QStringLiteral("New")), ProfileLibraryEditor::Outcome::Done);
    QVERIFY(!exists(QStringLiteral("Old")));
    QVERIFY(fromFile(QStringLiteral("New")).buttons == distinctProfile(1).buttons);
    QCOMPARE(ProfileLibrary::load().last(), QStringLiteral("New"));
    QCOMPARE(AppConfig::slotName(2), QStringLiteral("New"));

    // A file that cannot be moved (a folder stands where it would go):
    // nothing changes.
    QVERIFY(QDir(Paths::profileDir()).mkdir(QStringLiteral("Blocked.prof")));
    const MouseConfig before = f.config;
    const QStringList libraryBefore = ProfileLibrary::load();
    QCOMPARE(f.editor().rename(QStringLiteral("Blocked")), ProfileLibraryEditor::Outcome::WriteFailed);
    QVERIFY(f.config == before);
    QCOMPARE(ProfileLibrary::load(), libraryBefore);
    QCOMPARE(AppConfig::slotName(2), QStringLiteral("New"));
}

void TestProfileLibraryEditor::importKeepsInnerDots()
{
    Fresh f;
    const QString path = f.env.root() + QStringLiteral("/My.Work.prof");
    QVERIFY(writeProfileGroup(0, distinctProfile(4), path));
    QString name;
    QCOMPARE(f.editor().importProfile(path, &name), ProfileLibraryEditor::Outcome::Done);
    QCOMPARE(name, QStringLiteral("My.Work"));
    QVERIFY(currentProfile(f.config).buttons == distinctProfile(4).buttons);
    QCOMPARE(f.editor().importProfile(path, &name), ProfileLibraryEditor::Outcome::Exists);
}

void TestProfileLibraryEditor::suffixAndAtomicReplacement()
{
    TestEnvironment env;
    QCOMPARE(ProfileExchange::withSuffix(QStringLiteral("/a/b"), QStringLiteral("conf")), QStringLiteral("/a/b.conf"));
    QCOMPARE(ProfileExchange::withSuffix(QStringLiteral("/a/b.txt"), QStringLiteral("conf")), QStringLiteral("/a/b.txt"));
    const QString path = env.writeFile(QStringLiteral("out.prof"), "old contents");
    QVERIFY(ProfileExchange::replaceFile(path, "new"));
    QCOMPARE(readWholeFile(path), QByteArray("new"));
    // A folder that does not exist: reported, nothing left behind.
    QVERIFY(!ProfileExchange::replaceFile(env.root() + QStringLiteral("/missing/out.prof"), "new"));
    QCOMPARE(QDir(env.root()).entryList(QDir::Files).filter(QStringLiteral("out.prof")).size(), 1);
}

void TestProfileLibraryEditor::exportOfAMissingSlotFile()
{
    Fresh f;
    const QString path = f.env.writeFile(QStringLiteral("out.prof"), "old contents");
    QVERIFY(ProfileExchange::exportProfile(QStringLiteral("Profile 4"), kProduct, path));
    QCOMPARE(int(ProfileExchange::checkProfileFile(path, kProduct)), int(ProfileExchange::Check::Ok));
    ProfileData exported;
    QVERIFY(readProfileGroup(0, exported, path));
    QVERIFY(exported.dpiLevels == factory().dpiLevels);
}

QTEST_GUILESS_MAIN(TestProfileLibraryEditor)
#include "test_profilelibraryeditor.moc"
