#include "config/appconfig.h"
#include "config/langconfig.h"
#include "config/paths.h"
#include "config/profilefile.h"
#include "config/profilelibrary.h"
#include "profilesamples.h"
#include "testenvironment.h"

#include <QDir>
#include <QSettings>
#include <QtTest>

namespace {

QStringList slotFiles(const MouseConfig &c)
{
    QStringList files{Paths::configFile()};
    for (const QString &name : c.names)
        files << Paths::profileFile(name);
    return files;
}

} // namespace

class TestAppConfig : public QObject {
    Q_OBJECT

private slots:
    void installationValues();
    void defaultsWithoutFiles();
    void loadThenSaveKeepsBytes();
    void saveThenLoad();
    void withoutConfigIni();
    void profileIndexOutOfRange_data();
    void profileIndexOutOfRange();
    void unsafeSlotNames();
    void languageTable_data();
    void languageTable();
    void setters();
    void writeFailures();
    void libraryList();
    void saveForOneChangeLeavesOtherSlotsAlone();
};

void TestAppConfig::installationValues()
{
    TestEnvironment env;
    QCOMPARE(AppConfig::currentProductName(), QStringLiteral("QORV Nimbus 6"));
    QCOMPARE(AppConfig::sensorType(), 3395);
    QCOMPARE(AppConfig::ledType(), 1);
    QCOMPARE(AppConfig::colourThemeIndex(), 5);
    QCOMPARE(AppConfig::batteryFull(), 4200);
    QCOMPARE(AppConfig::mouseListEntry(), QStringLiteral("QORV Nimbus 6"));
    QCOMPARE(AppConfig::fontFamily(1), QStringLiteral("Noto Sans CJK SC"));
    QCOMPARE(AppConfig::fontSize(0), 14u);
    QCOMPARE(LangConfig::langID(), 0);
    AppConfig::LanguageTable table;
    AppConfig::loadLanguageTable(table);
    QCOMPARE(table.count, 3);
    QCOMPARE(table.names[1], QStringLiteral("\u7b80\u4f53\u4e2d\u6587"));
    QCOMPARE(table.files[2], QStringLiteral("tc"));
}

void TestAppConfig::defaultsWithoutFiles()
{
    TestEnvironment env(TestEnvironment::Empty);
    QCOMPARE(AppConfig::batteryFull(), 4200);
    QCOMPARE(AppConfig::battery(), 0);
    QCOMPARE(AppConfig::batteryAlert(), 15);
    QCOMPARE(AppConfig::sensorType(), 0);
    QCOMPARE(AppConfig::ledType(), 0);
    QCOMPARE(AppConfig::fontSize(3), 0u);
    QVERIFY(AppConfig::currentProductName().isEmpty());
    QVERIFY(AppConfig::slotName(0).isEmpty());
    QVERIFY(AppConfig::slotName(7).isEmpty());
    QCOMPARE(LangConfig::langID(), 0);
    QVERIFY(!QFile::exists(Paths::configFile()));   // reading creates nothing
}

void TestAppConfig::loadThenSaveKeepsBytes()
{
    TestEnvironment env;
    // Slot files as the settings library writes them, not as we do.
    for (int k = 0; k < kProfileCount; ++k) {
        QSettings s(Paths::profileFile(QStringLiteral("Profile %1").arg(k + 1)), QSettings::IniFormat);
        s.setValue(QStringLiteral("MouseName/Name"), QStringLiteral("QORV Nimbus 6"));
        s.beginGroup(QStringLiteral("PROFILE_0"));
        writeProfileKeys(s, distinctProfile(k), true);
    }
    MouseConfig c;
    QVERIFY(AppConfig::loadAll(c));
    QList<QByteArray> before;
    for (const QString &file : slotFiles(c))
        before << readWholeFile(file);

    QVERIFY(AppConfig::saveAll(c));
    QList<QByteArray> after;
    for (const QString &file : slotFiles(c))
        after << readWholeFile(file);
    QCOMPARE(after, before);
}

void TestAppConfig::saveThenLoad()
{
    TestEnvironment env;
    MouseConfig saved = distinctConfig(3);
    saved.names[2] = QStringLiteral("\u914d\u7f6e \u00e9");
    QVERIFY(AppConfig::saveAll(saved));
    QVERIFY(QFile::exists(Paths::profileDir() + QStringLiteral("/\u914d\u7f6e \u00e9.prof")));
    QCOMPARE(AppConfig::slotName(2), saved.names[2]);
    MouseConfig loaded;
    QVERIFY(AppConfig::loadAll(loaded));
    QVERIFY(loaded == saved);

    // Saving again after an edit of one profile changes that file only.
    const QByteArray second = readWholeFile(Paths::profileFile(saved.names[1]));
    saved.profiles[0].dpi = 2;
    QVERIFY(AppConfig::saveAll(saved));
    QCOMPARE(readWholeFile(Paths::profileFile(saved.names[1])), second);
    QVERIFY(AppConfig::loadAll(loaded));
    QVERIFY(loaded == saved);
}

void TestAppConfig::withoutConfigIni()
{
    TestEnvironment env(TestEnvironment::Empty);
    MouseConfig c = distinctConfig(1);
    QVERIFY(!AppConfig::loadAll(c));
    QCOMPARE(int(c.ProfileID), 0);
    QCOMPARE(int(c.Debounce), 0);
    QCOMPARE(int(c.Count), 0);
    ProfileData factory;
    makeDefaultProfile(factory);
    for (int k = 0; k < kProfileCount; ++k) {
        // A slot needs a name that can be a file name to keep its settings,
        // and a slot never saved holds the factory profile, not zeros.
        QCOMPARE(c.names[k], QStringLiteral("Profile %1").arg(k + 1));
        QVERIFY(c.profiles[k] == factory);
    }
    QVERIFY(AppConfig::saveAll(c));
    QVERIFY(AppConfig::loadAll(c));

    // A slot file holding part of a profile (no buttons, no stages) is no
    // profile: it loads as the factory one, as a missing file does.
    env.writeFile(QStringLiteral("home/Configs/Profile/Profile 2.prof"), "[PROFILE_0]\ndpi=3\n");
    QVERIFY(!AppConfig::loadAll(c));
    QVERIFY(c.profiles[1] == factory);
}

void TestAppConfig::profileIndexOutOfRange_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("index");
    QTest::newRow("2") << QByteArray("2") << 2;
    QTest::newRow("5") << QByteArray("5") << 0;
    QTest::newRow("-3") << QByteArray("-3") << 0;
    QTest::newRow("260") << QByteArray("260") << 0;
    QTest::newRow("garbage") << QByteArray("\x01\xff") << 0;
}

void TestAppConfig::profileIndexOutOfRange()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, index);
    TestEnvironment env(TestEnvironment::Empty);
    env.writeFile(QStringLiteral("home/Configs/Config.ini"), "[Config]\nProfileID=" + stored + "\n");
    MouseConfig c;
    AppConfig::loadAll(c);
    QCOMPARE(int(c.ProfileID), index);
    QCOMPARE(AppConfig::activeProfileIndex(), index);
}

void TestAppConfig::unsafeSlotNames()
{
    TestEnvironment env;
    env.writeFile(QStringLiteral("evil.prof"), "[PROFILE_0]\ndpi=7\n");
    env.writeFile(QStringLiteral("home/Configs/Config.ini"),
                  "[Config]\nProfile1=Fine\nProfile2=../../../evil\nProfile3=a\\\\b\n");
    const QByteArray evil = readWholeFile(env.root() + QStringLiteral("/evil.prof"));
    MouseConfig c;
    AppConfig::loadAll(c);
    QCOMPARE(c.names[0], QStringLiteral("Fine"));
    QCOMPARE(c.names[1], QStringLiteral("Profile 2"));
    QCOMPARE(c.names[2], QStringLiteral("Profile 3"));
    QCOMPARE(c.profiles[1].dpiLevels[5].xy, 255);   // the factory profile, not the file outside

    c.names[3] = QStringLiteral("../../../evil");
    QVERIFY(!AppConfig::saveAll(c));   // refused, but the other slots are saved
    QVERIFY(QFile::exists(Paths::profileFile(QStringLiteral("Fine"))));
    QCOMPARE(readWholeFile(env.root() + QStringLiteral("/evil.prof")), evil);
    QVERIFY(!AppConfig::setSlotName(0, QStringLiteral("x/y")));
    QCOMPARE(AppConfig::slotName(0), QStringLiteral("Fine"));
}

void TestAppConfig::languageTable_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("count");
    QTest::newRow("2 of 10") << QByteArray("2") << 2;
    QTest::newRow("more than the table") << QByteArray("50") << 10;
    QTest::newRow("negative") << QByteArray("-1") << 0;
}

void TestAppConfig::languageTable()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, count);
    TestEnvironment env(TestEnvironment::Empty);
    QByteArray ini = "[FONT_LIST]\nLANGNUM=" + stored + "\n";
    for (int i = 0; i < 11; ++i)
        ini += QStringLiteral("LangName_%1=N%1\nLangFile_%1=f%1\n").arg(i).toLatin1();
    env.writeFile(QStringLiteral("home/Configs/Config.ini"), ini);
    AppConfig::LanguageTable table;
    AppConfig::loadLanguageTable(table);
    QCOMPARE(table.count, count);
    QCOMPARE(table.storedCount, stored.toInt());
    QCOMPARE(table.names[9], QStringLiteral("N9"));   // all ten, whatever the count
    QCOMPARE(table.files[9], QStringLiteral("f9"));
}

void TestAppConfig::setters()
{
    TestEnvironment env;
    QVERIFY(AppConfig::setDiff(0));
    QCOMPARE(AppConfig::diff(), 0);
    QVERIFY(AppConfig::setBattery(3));
    QCOMPARE(AppConfig::battery(), 3);
    QVERIFY(AppConfig::setCount(2));
    QCOMPARE(AppConfig::count(), 2);
    QVERIFY(AppConfig::setSlotName(4, QStringLiteral("Work")));
    QCOMPARE(AppConfig::slotName(4), QStringLiteral("Work"));
    QVERIFY(LangConfig::setLangID(2));
    QCOMPARE(LangConfig::langID(), 2);

    QVERIFY(AppConfig::saveActiveProfileIndex(3));
    QCOMPARE(AppConfig::activeProfileIndex(), 3);
    QVERIFY(!AppConfig::saveActiveProfileIndex(5));
    QCOMPARE(AppConfig::activeProfileIndex(), 3);

    MouseConfig c = distinctConfig(2);
    QVERIFY(AppConfig::saveSlotTable(c));
    QCOMPARE(AppConfig::activeProfileIndex(), int(c.ProfileID));
    QCOMPARE(AppConfig::count(), int(c.Count));
    QCOMPARE(AppConfig::slotName(4), QStringLiteral("Slot 5"));
    QCOMPARE(AppConfig::angleValue(), 1);   // not part of the slot table
    QVERIFY(!QFile::exists(Paths::profileFile(QStringLiteral("Slot 5"))));
}

void TestAppConfig::writeFailures()
{
    TestEnvironment env;
    MouseConfig c = distinctConfig(4);
    QVERIFY(QFile::remove(Paths::configFile()));
    QVERIFY(QDir().mkpath(Paths::configFile()));   // a folder where the file belongs
    QVERIFY(QFile::remove(Paths::langConfigFile()));
    QVERIFY(QDir().mkpath(Paths::langConfigFile()));
    QVERIFY(!AppConfig::setDiff(1));
    QVERIFY(!AppConfig::setCurrentProductName(QStringLiteral("x")));
    QVERIFY(!AppConfig::saveActiveProfileIndex(1));
    QVERIFY(!AppConfig::saveSlotTable(c));
    QVERIFY(!LangConfig::setLangID(1));
    QVERIFY(!AppConfig::saveAll(c));
    QVERIFY(c == distinctConfig(4));

    QVERIFY(QDir(Paths::configFile()).removeRecursively());
    QVERIFY(QDir(Paths::profileDir()).removeRecursively());
    env.writeFile(QStringLiteral("home/Configs/Profile"), "a file where the folder belongs");
    QVERIFY(!AppConfig::saveAll(c));
    QVERIFY(AppConfig::setDiff(1));
}

void TestAppConfig::libraryList()
{
    TestEnvironment env;
    QCOMPARE(ProfileLibrary::listFile(), Paths::configsDir() + QStringLiteral("/QORV Nimbus 6/Config.ini"));
    // No list yet: the five slots' own profiles. An empty list stays empty.
    QCOMPARE(ProfileLibrary::load(), (QStringList{QStringLiteral("Profile 1"), QStringLiteral("Profile 2"),
                                                  QStringLiteral("Profile 3"), QStringLiteral("Profile 4"),
                                                  QStringLiteral("Profile 5")}));
    QVERIFY(ProfileLibrary::save({}));
    QVERIFY(ProfileLibrary::load().isEmpty());
    const QStringList names{QStringLiteral("Profile 1"), QStringLiteral("\u5de5\u4f5c"), QStringLiteral("Work")};
    QVERIFY(ProfileLibrary::save(names));
    QCOMPARE(ProfileLibrary::load(), names);
    QVERIFY(ProfileLibrary::save(names.mid(0, 1)));
    QCOMPARE(ProfileLibrary::load(), names.mid(0, 1));
    QVERIFY(!ProfileLibrary::save({QStringLiteral("ok"), QStringLiteral("../bad")}));
    QCOMPARE(ProfileLibrary::load(), names.mid(0, 1));

    env.writeFile(QStringLiteral("home/Configs/QORV Nimbus 6/Config.ini"),
                  "[PROFILE_LIST]\nCount=2000000000\n0=Zero\n1=One\n2=..\n3=Three\n");
    QCOMPARE(ProfileLibrary::load(), (QStringList{QStringLiteral("One"), QStringLiteral("Three")}));

    QVERIFY(AppConfig::setCurrentProductName(QStringLiteral("../Elsewhere")));
    QVERIFY(ProfileLibrary::listFile().isEmpty());
    QVERIFY(!ProfileLibrary::save(names));
    QVERIFY(AppConfig::setCurrentProductName(QString()));
    QCOMPARE(ProfileLibrary::listFile(), Paths::configFile());
}

void TestAppConfig::saveForOneChangeLeavesOtherSlotsAlone()
{
    TestEnvironment env;
    MouseConfig config;
    AppConfig::loadAll(config);
    QVERIFY(AppConfig::saveAll(config));
    // Slot 4's file is damaged behind the program's back.
    const QString damaged = Paths::profileFile(config.names[3]);
    const QByteArray cut = readWholeFile(damaged).left(200);
    env.writeFile(QDir(env.root()).relativeFilePath(damaged), cut);
    MouseConfig loaded;
    AppConfig::loadAll(loaded);
    const MouseConfig asLoaded = loaded;

    loaded.profiles[0].dpiLevels[1].x = 42;
    QVERIFY(AppConfig::saveAll(loaded, &asLoaded));
    QCOMPARE(readWholeFile(damaged), cut);   // not replaced by the factory profile
    MouseConfig again;
    AppConfig::loadAll(again);
    QCOMPARE(again.profiles[0].dpiLevels[1].x, 42);
}

QTEST_GUILESS_MAIN(TestAppConfig)
#include "test_appconfig.moc"
