#include "config/appconfig.h"
#include "config/configfile.h"
#include "config/profilefile.h"
#include "config/profilekeys.h"
#include "profilesamples.h"
#include "testenvironment.h"

#include <QDir>
#include <QSettings>
#include <QtTest>

class TestConfigFile : public QObject {
    Q_OBJECT

private slots:
    void exportThenImport();
    void importKeepsLightingSleep();
    void importedNames_data();
    void importedNames();
    void importedProfileIndex_data();
    void importedProfileIndex();
    void missingFileLeavesRecord();
    void productStamp();
    void incompleteFileChangesNothing_data();
    void incompleteFileChangesNothing();
    void stampMustNameTheProduct_data();
    void stampMustNameTheProduct();
    void exportReplacesTheOldFile();
    void wholeFileAsTheSettingsLibraryWritesIt_data();
    void wholeFileAsTheSettingsLibraryWritesIt();
};

namespace {

const QString kProduct = QStringLiteral("QORV Nimbus 6");

// A whole exported configuration with `configLines` added to its [Config]
// section (a repeated section reads as one), the lines it replaces taken out.
QString wholeFileWith(const TestEnvironment &env, const QByteArray &configLines, const QString &name = QStringLiteral("w.conf"))
{
    const QString path = env.root() + QLatin1Char('/') + name;
    if (!exportConfigFile(distinctConfig(9), path, kProduct))
        return QString();
    QByteArray bytes = readWholeFile(path);
    for (const QByteArray &line : configLines.split('\n')) {
        const int equals = line.indexOf('=');
        if (equals <= 0)
            continue;
        const QByteArray key = "\n" + line.left(equals + 1);
        const int at = bytes.indexOf(key);
        if (at >= 0)
            bytes.remove(at + 1, bytes.indexOf('\n', at + 1) - at);
    }
    return env.writeFile(name, bytes + "\n[Config]\n" + configLines);
}

} // namespace

void TestConfigFile::exportThenImport()
{
    TestEnvironment env;
    const QString path = env.root() + QStringLiteral("/all.conf");
    const MouseConfig exported = distinctConfig(1);
    QVERIFY(exportConfigFile(exported, path, QStringLiteral("QORV Nimbus 6")));
    QCOMPARE(readFileProductName(path), QStringLiteral("QORV Nimbus 6"));

    MouseConfig imported = distinctConfig(2);
    QVERIFY(importConfigFile(imported, path));
    for (int k = 0; k < kProfileCount; ++k) {
        // Not carried by the file: what the record held before stays.
        imported.profiles[k].LedMoveOFF = exported.profiles[k].LedMoveOFF;
        imported.profiles[k].LedSleepTime = exported.profiles[k].LedSleepTime;
    }
    QVERIFY(imported == exported);
}

void TestConfigFile::importKeepsLightingSleep()
{
    TestEnvironment env;
    const QString path = env.root() + QStringLiteral("/all.conf");
    QVERIFY(exportConfigFile(distinctConfig(3), path));
    MouseConfig target = distinctConfig(4);
    const MouseConfig before = target;
    QVERIFY(importConfigFile(target, path));
    for (int k = 0; k < kProfileCount; ++k) {
        QCOMPARE(target.profiles[k].LedMoveOFF, before.profiles[k].LedMoveOFF);
        QCOMPARE(target.profiles[k].LedSleepTime, before.profiles[k].LedSleepTime);
        QVERIFY(target.profiles[k].buttons != before.profiles[k].buttons);
    }
}

void TestConfigFile::importedNames_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("name");
    QTest::newRow("given") << QByteArray("Profile2=Work\n") << QStringLiteral("Work");
    QTest::newRow("non-ASCII") << QByteArray("Profile2=\\x5de5\\x4f5c\n") << QStringLiteral("\u5de5\u4f5c");
    QTest::newRow("absent") << QByteArray() << QStringLiteral("Current");
    QTest::newRow("empty") << QByteArray("Profile2=\n") << QStringLiteral("Current");
    QTest::newRow("leaves the folder") << QByteArray("Profile2=../../x\n") << QStringLiteral("Current");
}

void TestConfigFile::importedNames()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, name);
    TestEnvironment env;
    QByteArray lines = "ProfileID=1\nProfile1=\n";
    if (line.isEmpty())
        lines += "Profile2=\n";   // taken out of the export; the repeat adds nothing
    const QString path = wholeFileWith(env, lines + line);
    MouseConfig c = distinctConfig(5);
    c.names[1] = QStringLiteral("Current");
    QStringList refused;
    QVERIFY(importConfigFile(c, path, &refused));
    QCOMPARE(c.names[1], name);
    QCOMPARE(c.names[0], QStringLiteral("Slot 1"));
    QVERIFY(c.profiles[1].buttons == distinctConfig(9).profiles[1].buttons);
    // A name kept out is said, not dropped silently.
    QCOMPARE(refused.size(), line.contains("..") ? 1 : 0);
}

void TestConfigFile::importedProfileIndex_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("index");
    QTest::newRow("4") << QByteArray("4") << 4;
    QTest::newRow("5") << QByteArray("5") << 0;
    QTest::newRow("negative") << QByteArray("-1") << 0;
    QTest::newRow("low byte in range") << QByteArray("258") << 0;
    QTest::newRow("text") << QByteArray("two") << 0;
}

void TestConfigFile::importedProfileIndex()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, index);
    TestEnvironment env;
    const QString path = wholeFileWith(env, "ProfileID=" + stored + "\n");
    MouseConfig c = distinctConfig(6);
    QVERIFY(importConfigFile(c, path));
    QCOMPARE(int(c.ProfileID), index);
    QCOMPARE(&currentProfile(c), &c.profiles[index]);
}

void TestConfigFile::missingFileLeavesRecord()
{
    TestEnvironment env;
    MouseConfig c = distinctConfig(7);
    const MouseConfig before = c;
    QVERIFY(!importConfigFile(c, env.root() + QStringLiteral("/none.conf")));
    QVERIFY(!importConfigFile(c, QString()));
    QVERIFY(c == before);
    QVERIFY(!exportConfigFile(c, QString()));
}

void TestConfigFile::productStamp()
{
    TestEnvironment env;
    const QString path = env.root() + QStringLiteral("/p.prof");
    QVERIFY(readFileProductName(path).isEmpty());
    QVERIFY(!QFile::exists(path));
    const QString name = QStringLiteral("M\u00e4us, \u9f20\u6807");
    QVERIFY(writeFileProductName(name, path));
    QCOMPARE(readFileProductName(path), name);
}

void TestConfigFile::incompleteFileChangesNothing_data()
{
    QTest::addColumn<int>("cut");          // bytes of the export kept, -1: all
    QTest::addColumn<QByteArray>("tail");  // then appended
    QTest::addColumn<QString>("dropKey");  // a key taken out of PROFILE_3
    QTest::newRow("half an export") << -2 << QByteArray() << QString();
    QTest::newRow("stamp then garbage") << 0 << QByteArray("\x01\x02garbage\n[PROFILE_0\nzz") << QString();
    QTest::newRow("cut in the last group") << -3 << QByteArray() << QString();
    QTest::newRow("one stage missing") << -1 << QByteArray() << QStringLiteral("DPI_INFO_2_x");
    QTest::newRow("one button missing") << -1 << QByteArray() << QStringLiteral("BUTTON_INFO_7_Fun");
}

void TestConfigFile::incompleteFileChangesNothing()
{
    QFETCH(int, cut);
    QFETCH(QByteArray, tail);
    QFETCH(QString, dropKey);
    TestEnvironment env;
    const QString path = env.root() + QStringLiteral("/cut.conf");
    QVERIFY(exportConfigFile(distinctConfig(1), path, kProduct));
    QByteArray bytes = readWholeFile(path);
    if (cut == 0)
        bytes = "[MouseName]\nName=" + kProduct.toUtf8() + "\n";
    else if (cut == -2)
        bytes = bytes.left(bytes.size() / 2);
    else if (cut == -3)
        bytes = bytes.left(bytes.lastIndexOf("pollrate="));
    env.writeFile(QStringLiteral("cut.conf"), bytes + tail);
    if (!dropKey.isEmpty()) {
        QSettings settings(path, QSettings::IniFormat);
        settings.remove(QStringLiteral("PROFILE_3/") + dropKey);
    }
    QCOMPARE(readFileProductName(path), kProduct);

    MouseConfig c = distinctConfig(2);
    const MouseConfig before = c;
    const ConfigImport result = importConfiguration(c, path, kProduct);
    QCOMPARE(int(result.outcome), int(ConfigImport::Incomplete));
    QVERIFY(c == before);
}

void TestConfigFile::stampMustNameTheProduct_data()
{
    QTest::addColumn<QString>("stamp");
    QTest::addColumn<QString>("product");
    QTest::addColumn<int>("outcome");
    QTest::newRow("same") << kProduct << kProduct << int(ConfigImport::Imported);
    QTest::newRow("other") << QStringLiteral("Another") << kProduct << int(ConfigImport::OtherProduct);
    QTest::newRow("no stamp, no product") << QString() << QString() << int(ConfigImport::OtherProduct);
    QTest::newRow("no stamp") << QString() << kProduct << int(ConfigImport::OtherProduct);
}

void TestConfigFile::stampMustNameTheProduct()
{
    QFETCH(QString, stamp);
    QFETCH(QString, product);
    QFETCH(int, outcome);
    TestEnvironment env;
    const QString path = env.root() + QStringLiteral("/s.conf");
    QVERIFY(exportConfigFile(distinctConfig(1), path, stamp));
    MouseConfig c = distinctConfig(2);
    QCOMPARE(int(importConfiguration(c, path, product).outcome), outcome);
    QCOMPARE(c.profiles[0].buttons == distinctConfig(1).profiles[0].buttons, outcome == ConfigImport::Imported);
}

void TestConfigFile::exportReplacesTheOldFile()
{
    TestEnvironment env;
    const QString path = env.writeFile(QStringLiteral("old.conf"),
                                       "[Stale]\nkey=1\n[PROFILE_0]\nLedMoveOFF=7\nNotAKey=3\n[PROFILE_9]\ndpi=2\n");
    QVERIFY(exportConfigFile(distinctConfig(1), path, kProduct));
    QSettings settings(path, QSettings::IniFormat);
    const QStringList groups = settings.childGroups();
    QCOMPARE(groups, QStringList({"Config", "MouseName", "PROFILE_0", "PROFILE_1", "PROFILE_2", "PROFILE_3", "PROFILE_4"}));
    QVERIFY(!settings.contains(QStringLiteral("PROFILE_0/NotAKey")));
    QVERIFY(!settings.contains(QStringLiteral("PROFILE_0/LedMoveOFF")));
    QVERIFY(QDir(env.root()).entryList({QStringLiteral("old.conf.*")}, QDir::Files).isEmpty());

    // A directory in its place: refused, nothing left behind.
    QDir().mkpath(env.root() + QStringLiteral("/dir.conf"));
    QVERIFY(!exportConfigFile(distinctConfig(1), env.root() + QStringLiteral("/dir.conf"), kProduct));
}

void TestConfigFile::wholeFileAsTheSettingsLibraryWritesIt_data()
{
    QTest::addColumn<QString>("product");
    QTest::newRow("export") << kProduct;
    QTest::newRow("export without stamp") << QString();
}

void TestConfigFile::wholeFileAsTheSettingsLibraryWritesIt()
{
    // The profile groups are written and read straight from their bytes;
    // the file must be exactly the one the settings library writes.
    QFETCH(QString, product);
    TestEnvironment env;
    MouseConfig config = distinctConfig(5);
    config.names[2] = QStringLiteral("name, with = signs");
    const QString quick = env.root() + QStringLiteral("/quick.conf");
    QVERIFY(exportConfigFile(config, quick, product));

    const QString reference = env.root() + QStringLiteral("/reference.conf");
    {
        QSettings settings(reference, QSettings::IniFormat);
        if (!product.isEmpty())
            settings.setValue(QStringLiteral("MouseName/Name"), product);
        AppConfig::writeGlobalOptions(settings, config);
        AppConfig::writeSlotNames(settings, config);
        for (int k = 0; k < kProfileCount; ++k) {
            settings.beginGroup(ProfileKeys::groupName(k));
            writeProfileKeys(settings, config.profiles[k], false);
            settings.endGroup();
        }
        settings.sync();
        QCOMPARE(settings.status(), QSettings::NoError);
    }
    QCOMPARE(readWholeFile(quick), readWholeFile(reference));

    // A file in another form the library reads (CRLF line ends) reads the
    // slow way, to the same record.
    QByteArray crlf = readWholeFile(reference);
    crlf.replace("\n", "\r\n");
    const QString other = env.writeFile(QStringLiteral("crlf.conf"), crlf);
    MouseConfig fromQuick = distinctConfig(1);
    MouseConfig fromOther = distinctConfig(1);
    QVERIFY(importConfigFile(fromQuick, quick));
    QVERIFY(importConfigFile(fromOther, other));
    QVERIFY(fromOther == fromQuick);
}

QTEST_GUILESS_MAIN(TestConfigFile)
#include "test_configfile.moc"
