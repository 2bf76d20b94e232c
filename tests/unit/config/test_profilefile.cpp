#include "config/paths.h"
#include "config/profilefile.h"
#include "profilesamples.h"
#include "testenvironment.h"

#include <QDir>
#include <QtTest>

class TestProfileFile : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void absentGroupReadsAsZero();
    void configGroupLeavesLightingSleep();
    void keysWithTrailingUnderscore();
    void windowsLineEndsReadTheSame();
    void colourWrittenElsewhere();
    void defaultProfileFile();
    void unsafeNamesRefused_data();
    void unsafeNamesRefused();
    void dpiStage();
    void writeFailureReported();
};

void TestProfileFile::roundTrip_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<QString>("text");
    // Texts that the file form must escape or quote.
    QTest::newRow("plain") << 0 << QStringLiteral("Macro");
    QTest::newRow("non-ASCII") << 0 << QStringLiteral("\u5b8f \u00e9t\u00e9 \U0001F5B1");
    QTest::newRow("separators") << 3 << QStringLiteral("a;b,c=d");
    QTest::newRow("quotes and backslashes") << 0 << QStringLiteral("say \"hi\" C:\\x");
    QTest::newRow("blanks around") << 0 << QStringLiteral("  padded ");
    QTest::newRow("at sign") << 4 << QStringLiteral("@Variant(x)");
    QTest::newRow("control characters") << 0 << QStringLiteral("tab\there\nnew\x01");
    QTest::newRow("empty") << 0 << QString();
}

void TestProfileFile::roundTrip()
{
    QFETCH(int, group);
    QFETCH(QString, text);
    TestEnvironment env;
    ProfileData written = distinctProfile(group + 1);
    written.buttons[7].macroname = text;
    written.ProfilePath = text;
    written.ledModes[2].RGB = QColor(10, 20, 30, 0);   // fully transparent survives too
    const QString path = env.root() + QStringLiteral("/round.prof");
    QVERIFY(writeProfileGroup(group, written, path));

    ProfileData read = distinctProfile(99);
    QVERIFY(readProfileGroup(group, read, path));
    QCOMPARE(read.buttons[7].macroname, text);
    QCOMPARE(read.ledModes[2].RGB, QColor(10, 20, 30, 0));
    QVERIFY(read == written);

    // Writing the same block again leaves the same bytes.
    const QByteArray first = readWholeFile(path);
    QVERIFY(writeProfileGroup(group, written, path));
    QCOMPARE(readWholeFile(path), first);
}

void TestProfileFile::absentGroupReadsAsZero()
{
    TestEnvironment env;
    QVERIFY(saveProfileFile(distinctProfile(1), QStringLiteral("Work")));
    ProfileData p = distinctProfile(2);
    QVERIFY(readProfileGroup(3, p, Paths::profileFile(QStringLiteral("Work"))));
    QVERIFY(p == ProfileData());
    QVERIFY(!p.ledModes[0].RGB.isValid());

    p = distinctProfile(2);
    QVERIFY(!loadProfileFile(p, QStringLiteral("Nowhere")));
    QVERIFY(p == ProfileData());
    QVERIFY(!QFileInfo::exists(Paths::profileFile(QStringLiteral("Nowhere"))));
}

void TestProfileFile::configGroupLeavesLightingSleep()
{
    TestEnvironment env;
    const QString path = env.root() + QStringLiteral("/all.conf");
    const ProfileData written = distinctProfile(3);
    QVERIFY(writeConfigProfileGroup(2, written, path));
    const QByteArray bytes = readWholeFile(path);
    QVERIFY(!bytes.contains("LedMoveOFF"));
    QVERIFY(!bytes.contains("LedSleepTime"));

    ProfileData read = distinctProfile(4);
    const ProfileData before = read;
    QVERIFY(readConfigProfileGroup(2, read, path));
    QCOMPARE(read.LedMoveOFF, before.LedMoveOFF);
    QCOMPARE(read.LedSleepTime, before.LedSleepTime);
    read.LedMoveOFF = written.LedMoveOFF;
    read.LedSleepTime = written.LedSleepTime;
    QVERIFY(read == written);
}

void TestProfileFile::keysWithTrailingUnderscore()
{
    TestEnvironment env;
    ProfileData p;
    p.buttons[5].KeyInfo[7] = KeyInfo{3, 12, 34};
    QVERIFY(saveProfileFile(p, QStringLiteral("Keys")));
    const QByteArray bytes = readWholeFile(Paths::profileFile(QStringLiteral("Keys")));
    QVERIFY(bytes.contains("\nBUTTON_INFO_5_KeyInfo_7_=12\n"));
    QVERIFY(bytes.contains("\nBUTTON_INFO_5_KeyInfo_7_H=34\n"));
    QVERIFY(bytes.contains("\nBUTTON_INFO_5_KeyInfo_7_map=3\n"));

    const QString path = env.writeFile(QStringLiteral("hand.prof"),
                                       "[PROFILE_0]\nBUTTON_INFO_5_KeyInfo_7_=300\nBUTTON_INFO_5_KeyInfo_7_H=9\n");
    ProfileData read;
    QVERIFY(readProfileGroup(0, read, path));
    QCOMPARE(read.buttons[5].KeyInfo[7], (KeyInfo{0, 300 & 0xff, 9}));
}

void TestProfileFile::windowsLineEndsReadTheSame()
{
    TestEnvironment env;
    const ProfileData written = distinctProfile(5);
    QVERIFY(saveProfileFile(written, QStringLiteral("Unix")));
    QByteArray bytes = readWholeFile(Paths::profileFile(QStringLiteral("Unix")));
    bytes.replace("\n", "\r\n");
    env.writeFile(QStringLiteral("home/Configs/Profile/Windows.prof"), bytes);
    ProfileData read;
    QVERIFY(loadProfileFile(read, QStringLiteral("Windows")));
    QVERIFY(read == written);
}

void TestProfileFile::colourWrittenElsewhere()
{
    TestEnvironment env;
    const QString path = env.writeFile(
        QStringLiteral("other.prof"),
        "[PROFILE_0]\r\nLedMode\\LED_MODE_3_RGB=@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\xff\\xff\\0\\0\\0\\0\\0\\0)\r\n"
        "LedMode\\LED_MODE_4_RGB=#00ff00\r\n");
    ProfileData p;
    QVERIFY(readProfileGroup(0, p, path));
    QCOMPARE(p.ledModes[3].RGB, QColor(255, 0, 0));
    QCOMPARE(p.ledModes[3].RGB.alpha(), 255);
    QCOMPARE(p.ledModes[4].RGB, QColor(0, 255, 0));
}

void TestProfileFile::defaultProfileFile()
{
    TestEnvironment env;
    const QString path = Paths::profileFile(defaultProfileName());
    env.writeFile(QStringLiteral("home/Configs/Profile/DefaultProfile.prof"),
                  "[MouseName]\nName=Old Mouse\n\n[PROFILE_0]\nstray=1\n");
    QVERIFY(writeDefaultProfileFile());
    const QByteArray first = readWholeFile(path);
    QVERIFY(!first.contains("Old Mouse"));
    QVERIFY(!first.contains("stray"));
    QVERIFY(writeDefaultProfileFile());
    QCOMPARE(readWholeFile(path), first);

    ProfileData expected;
    makeDefaultProfile(expected);
    ProfileData read;
    QVERIFY(loadProfileFile(read, defaultProfileName()));
    QVERIFY(read == expected);
    QCOMPARE(read.dpiLevels[5].xy, 255);   // the sample model's descriptor
}

void TestProfileFile::unsafeNamesRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("parent") << QStringLiteral("../Config");
    QTest::newRow("nested") << QStringLiteral("a/b");
    QTest::newRow("backslash") << QStringLiteral("..\\x");
    QTest::newRow("dot dot") << QStringLiteral("..");
    QTest::newRow("empty") << QString();
    QTest::newRow("control") << QStringLiteral("a\x01");
}

void TestProfileFile::unsafeNamesRefused()
{
    QFETCH(QString, name);
    TestEnvironment env;
    const QStringList before = QDir(env.root()).entryList(QDir::AllEntries, QDir::Name);
    const QByteArray config = readWholeFile(Paths::configFile());

    QVERIFY(!saveProfileFile(distinctProfile(1), name));
    QVERIFY(!saveProfileDpiStage(name, 2));
    ProfileData p = distinctProfile(1);
    QVERIFY(!loadProfileFile(p, name));
    QVERIFY(p == ProfileData());

    QCOMPARE(QDir(env.root()).entryList(QDir::AllEntries, QDir::Name), before);
    QVERIFY(!QDir(Paths::profileDir()).exists() || QDir(Paths::profileDir()).isEmpty());
    QCOMPARE(readWholeFile(Paths::configFile()), config);
}

void TestProfileFile::dpiStage()
{
    TestEnvironment env;
    ProfileData p = distinctProfile(6);
    QVERIFY(saveProfileFile(p, QStringLiteral("Slot")));
    QVERIFY(saveProfileDpiStage(QStringLiteral("Slot"), 5));
    QVERIFY(!saveProfileDpiStage(QStringLiteral("Slot"), 8));
    QVERIFY(!saveProfileDpiStage(QStringLiteral("Slot"), -1));
    ProfileData read;
    QVERIFY(loadProfileFile(read, QStringLiteral("Slot")));
    p.dpi = 5;
    QVERIFY(read == p);
}

void TestProfileFile::writeFailureReported()
{
    TestEnvironment env;
    // A file where the folder should be, and a folder where the file should
    // be: neither can be written, whoever runs the test.
    env.writeFile(QStringLiteral("blocked"), "not a folder");
    QVERIFY(!writeProfileGroup(0, distinctProfile(1), env.root() + QStringLiteral("/blocked/x.prof")));
    QDir().mkpath(env.root() + QStringLiteral("/folder.prof"));
    QVERIFY(!writeProfileGroup(0, distinctProfile(1), env.root() + QStringLiteral("/folder.prof")));
    QVERIFY(!writeConfigProfileGroup(0, distinctProfile(1), env.root() + QStringLiteral("/folder.prof")));
}

QTEST_GUILESS_MAIN(TestProfileFile)
#include "test_profilefile.moc"
