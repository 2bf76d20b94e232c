// The profile library operations on disk: the files, the library list and
// the slot table after each operation, the factory profile where a file is
// missing, and the files the user picks for export, import, save and load.

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
    void addOnAFreshInstallation();
    void addWithoutTemplate();
    void copyKeepsTheProfileInMemory();
    void takeRefusesAnotherSlotsProfile();
    void takeOfAMissingFileGivesTheFactoryProfile();
    void removeRules_data();
    void removeRules();
    void removeStoresTheSlotTableAtOnce();
    void renameMovesTheFileFirst();
    void renameRefusals_data();
    void renameRefusals();
    void importKeepsInnerDots();
    void resetAllKeepsLibraryFiles();
    void fileChecks_data();
    void fileChecks();
    void saveReplacesTheWholeFile();
    void exportOfAMissingSlotFile();
};

void TestProfileLibraryEditor::addOnAFreshInstallation()
{
    Fresh f;
    QCOMPARE(f.library.size(), 5);
    QString name;
    QCOMPARE(f.editor().add(&name), ProfileLibraryEditor::Outcome::Done);
    QCOMPARE(name, QStringLiteral("Profile 6"));
    QCOMPARE(f.config.names[0], name);
    QCOMPARE(ProfileLibrary::load().last(), name);
    QVERIFY(fromFile(name) == fromFile(defaultProfileName()));
    QCOMPARE(currentProfile(f.config).ProfileName, name);
    // The next one does not reuse it.
    QCOMPARE(f.editor().add(&name), ProfileLibraryEditor::Outcome::Done);
    QCOMPARE(name, QStringLiteral("Profile 7"));
}

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

void TestProfileLibraryEditor::takeRefusesAnotherSlotsProfile()
{
    Fresh f;
    const MouseConfig before = f.config;
    QCOMPARE(f.editor().take(QStringLiteral("Profile 3")), ProfileLibraryEditor::Outcome::AlreadyUsed);
    QVERIFY(f.config == before);
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

void TestProfileLibraryEditor::removeRules_data()
{
    QTest::addColumn<QStringList>("library");
    QTest::addColumn<QString>("slotName");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("replacement");
    using O = ProfileLibraryEditor::Outcome;
    const QStringList fresh{QStringLiteral("Profile 1"), QStringLiteral("Profile 2"), QStringLiteral("Profile 3"),
                            QStringLiteral("Profile 4"), QStringLiteral("Profile 5")};
    QTest::newRow("single entry") << QStringList{QStringLiteral("A")} << "A" << "A" << int(O::LastProfile) << "";
    QTest::newRow("reserved") << fresh << "Profile 1" << "Profile 1" << int(O::Reserved) << "";
    QTest::newRow("typed name not in the library") << fresh + QStringList{QStringLiteral("A")} << "A" << "B"
                                                   << int(O::NotInLibrary) << "";
    QTest::newRow("another slot's profile") << fresh + QStringList{QStringLiteral("A")} << "A" << "Profile 2"
                                            << int(O::Reserved) << "";
    QTest::newRow("last entry, others used") << fresh + QStringList{QStringLiteral("A")} << "A" << "A"
                                             << int(O::Done) << "Profile 1";
    QTest::newRow("every other entry used")
        << QStringList{QStringLiteral("Profile 2"), QStringLiteral("A")} << "A" << "A" << int(O::LastProfile) << "";
}

void TestProfileLibraryEditor::removeRules()
{
    QFETCH(QStringList, library);
    QFETCH(QString, slotName);
    QFETCH(QString, name);
    QFETCH(int, outcome);
    QFETCH(QString, replacement);

    Fresh f;
    f.library = library;
    f.config.names[0] = slotName;
    QVERIFY(saveProfileFile(distinctProfile(1), slotName));
    QString chosen;
    QCOMPARE(int(f.editor().checkRemove(name, &chosen)), outcome);
    QCOMPARE(chosen, replacement);
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

void TestProfileLibraryEditor::renameRefusals_data()
{
    QTest::addColumn<QString>("slotName");
    QTest::addColumn<QString>("newName");
    QTest::addColumn<int>("outcome");
    using O = ProfileLibraryEditor::Outcome;
    QTest::newRow("reserved") << "Profile 3" << "Anything" << int(O::Reserved);
    QTest::newRow("same name") << "Work" << "Work" << int(O::Exists);
    QTest::newRow("existing file") << "Work" << "Other" << int(O::Exists);
    QTest::newRow("another slot's name") << "Work" << "Profile 2" << int(O::Exists);
    QTest::newRow("the template") << "Work" << "defaultprofile" << int(O::Exists);
    QTest::newRow("path") << "Work" << "../Work" << int(O::BadName);
    QTest::newRow("empty") << "Work" << "  " << int(O::BadName);
}

void TestProfileLibraryEditor::renameRefusals()
{
    QFETCH(QString, slotName);
    QFETCH(QString, newName);
    QFETCH(int, outcome);
    Fresh f;
    QVERIFY(saveProfileFile(distinctProfile(1), QStringLiteral("Other")));
    QVERIFY(saveProfileFile(distinctProfile(1), slotName));
    f.config.names[0] = slotName;
    const MouseConfig before = f.config;
    ProfileLibraryEditor editor = f.editor();
    QCOMPARE(int(editor.rename(newName)), outcome);
    QVERIFY(f.config == before);
    QVERIFY(exists(slotName));
    if (outcome == int(ProfileLibraryEditor::Outcome::BadName))
        QVERIFY(!editor.reason().isEmpty());
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

void TestProfileLibraryEditor::resetAllKeepsLibraryFiles()
{
    Fresh f;
    // Slot 2 uses the library profile Work; "Profile 3" has a file of its own.
    QVERIFY(saveProfileFile(distinctProfile(1), QStringLiteral("Work")));
    QVERIFY(saveProfileFile(distinctProfile(2), QStringLiteral("Profile 3")));
    f.config.names[2] = QStringLiteral("Work");
    f.config.profiles[2] = distinctProfile(1);
    f.config.ProfileID = 2;
    f.editor().resetAll();

    QCOMPARE(int(f.config.ProfileID), 0);
    QCOMPARE(f.config.names[2], QStringLiteral("Profile 3"));
    QVERIFY(f.config.profiles[2].buttons == distinctProfile(2).buttons);
    QVERIFY(f.config.profiles[3].dpiLevels == factory().dpiLevels);   // no file: factory
    QVERIFY(AppConfig::saveAll(f.config));
    QVERIFY(fromFile(QStringLiteral("Work")).buttons == distinctProfile(1).buttons);
    QVERIFY(fromFile(QStringLiteral("Profile 3")).buttons == distinctProfile(2).buttons);
}

void TestProfileLibraryEditor::fileChecks_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("config");
    QTest::addColumn<int>("check");
    using C = ProfileExchange::Check;
    QTest::newRow("other product") << QByteArray("[MouseName]\nName=Other\n") << false << int(C::WrongProduct);
    QTest::newRow("no stamp") << QByteArray("[PROFILE_0]\ndpi=1\n") << false << int(C::WrongProduct);
    QTest::newRow("stamp only") << QByteArray("[MouseName]\nName=QORV Nimbus 6\n") << false << int(C::NoProfile);
    QTest::newRow("stamp and a stray key") << QByteArray("[MouseName]\nName=QORV Nimbus 6\n[PROFILE_0]\ndpi=2\n")
                                           << false << int(C::NoProfile);
    QTest::newRow("configuration without groups") << QByteArray("[MouseName]\nName=QORV Nimbus 6\n[Config]\nProfileID=1\n")
                                                  << true << int(C::NoProfile);
}

void TestProfileLibraryEditor::fileChecks()
{
    QFETCH(QByteArray, contents);
    QFETCH(bool, config);
    QFETCH(int, check);
    TestEnvironment env;
    const QString path = env.writeFile(QStringLiteral("picked.file"), contents);
    MouseConfig record = distinctConfig(1);
    const MouseConfig before = record;
    if (config)
        QCOMPARE(int(ProfileExchange::loadConfiguration(record, kProduct, path)), check);
    else
        QCOMPARE(int(ProfileExchange::checkProfileFile(path, kProduct)), check);
    QVERIFY(record == before);
    QCOMPARE(int(ProfileExchange::checkProfileFile(env.root() + QStringLiteral("/none.prof"), kProduct)),
             int(ProfileExchange::Check::Missing));
}

void TestProfileLibraryEditor::saveReplacesTheWholeFile()
{
    TestEnvironment env;
    const QString path = env.writeFile(QStringLiteral("all.conf"), "[Stale]\nkey=left over\n");
    QVERIFY(ProfileExchange::saveConfiguration(distinctConfig(1), kProduct, path));
    QVERIFY(!readWholeFile(path).contains("Stale"));
    QVERIFY(QFileInfo(path).permissions() & QFileDevice::ReadOther);
    MouseConfig loaded = distinctConfig(2);
    QCOMPARE(int(ProfileExchange::loadConfiguration(loaded, kProduct, path)), int(ProfileExchange::Check::Ok));
    QVERIFY(loaded.profiles[3].buttons == distinctConfig(1).profiles[3].buttons);
    QCOMPARE(QDir(env.root()).entryList(QDir::Files).filter(QStringLiteral("all.conf")).size(), 1);

    // A folder that cannot be written: reported, the old file stays.
    QVERIFY(!ProfileExchange::saveConfiguration(distinctConfig(1), kProduct,
                                                env.root() + QStringLiteral("/missing/dir/x.conf")));
    QCOMPARE(ProfileExchange::withSuffix(QStringLiteral("/a/b"), QStringLiteral("conf")), QStringLiteral("/a/b.conf"));
    QCOMPARE(ProfileExchange::withSuffix(QStringLiteral("/a/b.txt"), QStringLiteral("conf")), QStringLiteral("/a/b.txt"));
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
