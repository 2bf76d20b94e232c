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
    void partialFileLoadsAsFactory_data();
    void partialFileLoadsAsFactory();
    void dpiStageNeverWritesAPartialFile();
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
    ProfileData factory;
    makeDefaultProfile(factory);
    QVERIFY(p == factory);
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
    QVERIFY(!saveProfileDpiStage(name, 2, distinctProfile(1)));
    ProfileData p = distinctProfile(1);
    QVERIFY(!loadProfileFile(p, name));
    ProfileData factory;
    makeDefaultProfile(factory);
    QVERIFY(p == factory);

    QCOMPARE(QDir(env.root()).entryList(QDir::AllEntries, QDir::Name), before);
    QVERIFY(!QDir(Paths::profileDir()).exists() || QDir(Paths::profileDir()).isEmpty());
    QCOMPARE(readWholeFile(Paths::configFile()), config);
}

void TestProfileFile::dpiStage()
{
    TestEnvironment env;
    ProfileData p = distinctProfile(6);
    QVERIFY(saveProfileFile(p, QStringLiteral("Slot")));
    QVERIFY(saveProfileDpiStage(QStringLiteral("Slot"), 5, distinctProfile(2)));
    QVERIFY(!saveProfileDpiStage(QStringLiteral("Slot"), 8, p));
    QVERIFY(!saveProfileDpiStage(QStringLiteral("Slot"), -1, p));
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


void TestProfileFile::partialFileLoadsAsFactory_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("whole");
    QTest::newRow("only the stage") << QByteArray("[PROFILE_0]\ndpi=2\n") << false;
    QTest::newRow("empty group") << QByteArray("[PROFILE_0]\n") << false;
    QTest::newRow("other group") << QByteArray("[PROFILE_1]\ndpi=2\n") << false;
    QTest::newRow("whole") << QByteArray() << true;
    QTest::newRow("a button missing") << QByteArray("BUTTON_INFO_0_Fun=") << false;
    QTest::newRow("a stage missing") << QByteArray("DPI_INFO_7_used=") << false;
    QTest::newRow("cut before the end") << QByteArray("pollrate=") << false;
}

void TestProfileFile::partialFileLoadsAsFactory()
{
    // A file that holds only part of a profile (the stage the mouse reported,
    // a file cut short) would load as zeros: no button assigned, not even the
    // left click, once uploaded.
    QFETCH(QByteArray, bytes);
    QFETCH(bool, whole);
    TestEnvironment env;
    const ProfileData saved = distinctProfile(3);
    QVERIFY(saveProfileFile(saved, QStringLiteral("Slot")));
    const QString path = Paths::profileFile(QStringLiteral("Slot"));
    QByteArray file = readWholeFile(path);
    if (bytes.startsWith('[')) {
        file = bytes;
    } else if (!bytes.isEmpty()) {
        // The line of that key goes, or everything from it on.
        const int at = file.indexOf("\n" + bytes) + 1;
        QVERIFY(at > 0);
        file = bytes == "pollrate=" ? file.left(at) : file.remove(at, file.indexOf('\n', at) - at + 1);
    }
    env.writeFile(QStringLiteral("home/Configs/Profile/Slot.prof"), file);
    // The same verdict with the settings library's form and with another.
    for (const QByteArray &ends : {QByteArray("\n"), QByteArray("\r\n")}) {
        QByteArray variant = file;
        variant.replace("\n", ends);
        env.writeFile(QStringLiteral("home/Configs/Profile/Slot.prof"), variant);
        ProfileData read = distinctProfile(4);
        QCOMPARE(loadProfileFile(read, QStringLiteral("Slot")), whole);
        ProfileData factory;
        makeDefaultProfile(factory);
        QVERIFY(read == (whole ? saved : factory));
        QCOMPARE(holdsWholeProfile(0, path), whole);
    }
}

void TestProfileFile::dpiStageNeverWritesAPartialFile()
{
    // A fresh installation has no slot files: the stage the mouse reports
    // must not become a file holding nothing but that stage.
    TestEnvironment env;
    const ProfileData current = distinctProfile(5);
    QVERIFY(saveProfileDpiStage(QStringLiteral("Fresh"), 2, current));
    ProfileData read;
    QVERIFY(loadProfileFile(read, QStringLiteral("Fresh")));
    ProfileData expected = current;
    expected.dpi = 2;
    QVERIFY(read == expected);

    // A partial file is made whole the same way.
    env.writeFile(QStringLiteral("home/Configs/Profile/Part.prof"), "[PROFILE_0]\ndpi=1\n");
    QVERIFY(saveProfileDpiStage(QStringLiteral("Part"), 3, current));
    QVERIFY(loadProfileFile(read, QStringLiteral("Part")));
    expected.dpi = 3;
    QVERIFY(read == expected);
}

QTEST_GUILESS_MAIN(TestProfileFile)
#include "test_profilefile.moc"
