// A readable profile file is never thrown away: a key or a section given
// twice reads as the settings library reads it, a file that still does not
// hold a whole profile is kept as <file>.bak before anything is written over
// it, and a write that fails leaves nothing behind in memory.

#include "config/appconfig.h"
#include "config/paths.h"
#include "config/profilefile.h"
#include "config/settingsfile.h"
#include "profilesamples.h"
#include "nofilewrites.h"
#include "testenvironment.h"

#include <QDir>
#include <QtTest>

class TestProfileRecovery : public QObject {
    Q_OBJECT
private slots:
    void repeatedKeysReadAsTheLibraryReadsThem_data();
    void repeatedKeysReadAsTheLibraryReadsThem();
    void partialFileIsKeptBeforeItIsWritten();
    void failedWriteLeavesNoValuesBehind();
};

void TestProfileRecovery::repeatedKeysReadAsTheLibraryReadsThem_data()
{
    QTest::addColumn<QByteArray>("appended");
    QTest::addColumn<int>("stageX");   // what stage 1's x reads; -1: as saved
    QTest::newRow("a key line again, valid INI") << QByteArray("DPI_INFO_1_x=77\n") << 77;
    QTest::newRow("the whole section again") << QByteArray("SECTION") << -1;
    QTest::newRow("the section again with one key") << QByteArray("\n[PROFILE_0]\nDPI_INFO_1_x=66\n") << 66;
}

void TestProfileRecovery::repeatedKeysReadAsTheLibraryReadsThem()
{
    QFETCH(QByteArray, appended);
    QFETCH(int, stageX);
    TestEnvironment env;
    // A profile whose file is in the library's own form, which is read
    // straight from its bytes (the other form goes through the library).
    ProfileData saved;
    makeDefaultProfile(saved);
    saved.dpiLevels[1].x = 55;
    QVERIFY(saveProfileFile(saved, QStringLiteral("Slot")));
    const QString path = Paths::profileFile(QStringLiteral("Slot"));
    const QByteArray file = readWholeFile(path);
    const QByteArray bytes = file + (appended == "SECTION" ? "\n" + file : appended);

    ProfileData expected = saved;
    if (stageX >= 0)
        expected.dpiLevels[1].x = stageX;
    // In the library's own form and in another (CRLF), which the library reads.
    for (const QByteArray &ends : {QByteArray("\n"), QByteArray("\r\n")}) {
        QByteArray variant = bytes;
        variant.replace("\n", ends);
        env.writeFile(QStringLiteral("home/Configs/Profile/Slot.prof"), variant);
        ProfileData read = distinctProfile(4);
        QVERIFY(loadProfileFile(read, QStringLiteral("Slot")));
        QVERIFY(read == expected);
        QCOMPARE(SettingsFile::openForReading(path)->value("PROFILE_0/DPI_INFO_1_x").toInt(),
                 int(expected.dpiLevels[1].x));
    }
}

void TestProfileRecovery::partialFileIsKeptBeforeItIsWritten()
{
    TestEnvironment env;
    MouseConfig config;
    AppConfig::loadAll(config);
    QVERIFY(AppConfig::saveAll(config));
    // Slot 3's file cut at a line boundary: it loads as the factory profile.
    const QString path = Paths::profileFile(config.names[2]);
    const QByteArray whole = readWholeFile(path);
    const QByteArray cut = whole.left(whole.indexOf('\n', whole.size() / 2) + 1);
    env.writeFile(QDir(env.root()).relativeFilePath(path), cut);
    MouseConfig loaded;
    QVERIFY(!AppConfig::loadAll(loaded));

    // Once the slot is edited and saved, what the file held is still there.
    loaded.profiles[2].pollrate = 2;
    QVERIFY(AppConfig::saveAll(loaded));
    QCOMPARE(readWholeFile(path + QStringLiteral(".bak")), cut);
    MouseConfig again;
    QVERIFY(AppConfig::loadAll(again));
    QCOMPARE(int(again.profiles[2].pollrate), 2);
}

void TestProfileRecovery::failedWriteLeavesNoValuesBehind()
{
    // A write that fails must not leave its values in this process's view
    // of the file: the next save would take the file for up to date.
    TestEnvironment env;
    MouseConfig config;
    AppConfig::loadAll(config);
    config.ProfileID = 0;
    QVERIFY(AppConfig::saveAll(config));
    QVERIFY(AppConfig::setDiff(0));
    {
        NoFileWrites readOnly;
        QVERIFY(!AppConfig::saveActiveProfileIndex(2));
        QVERIFY(!AppConfig::setDiff(1));
    }
    QCOMPARE(AppConfig::activeProfileIndex(), 0);
    QCOMPARE(AppConfig::diff(), 0);

    config.ProfileID = 2;
    QVERIFY(AppConfig::saveAll(config));
    QVERIFY(readWholeFile(Paths::configFile()).contains("ProfileID=2\n"));
    QCOMPARE(AppConfig::diff(), 0);
}

QTEST_GUILESS_MAIN(TestProfileRecovery)
#include "test_profilerecovery.moc"
