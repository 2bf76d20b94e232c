#include "config/configfile.h"
#include "profilesamples.h"
#include "testenvironment.h"

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
};

void TestConfigFile::exportThenImport()
{
    TestEnvironment env;
    const QString path = env.root() + QStringLiteral("/all.conf");
    const MouseConfig exported = distinctConfig(1);
    QVERIFY(writeFileProductName(QStringLiteral("QORV Nimbus 6"), path));
    QVERIFY(exportConfigFile(exported, path));
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
    const QString path = env.writeFile(QStringLiteral("names.conf"), "[Config]\nProfileID=1\n" + line);
    MouseConfig c = distinctConfig(5);
    c.names[1] = QStringLiteral("Current");
    QVERIFY(importConfigFile(c, path));
    QCOMPARE(c.names[1], name);
    QCOMPARE(c.names[0], QStringLiteral("Slot 1"));
    QVERIFY(c.profiles[1].buttons == ProfileData().buttons);   // no group in the file: zero
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
    const QString path = env.writeFile(QStringLiteral("id.conf"), "[Config]\nProfileID=" + stored + "\n");
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

QTEST_GUILESS_MAIN(TestConfigFile)
#include "test_configfile.moc"
