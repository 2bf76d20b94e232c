// The direct profile reader and writer against the settings library itself:
// the same bytes written, the same values read, and a hand-off to the
// library for every file they do not fully understand.

#include "config/initext.h"
#include "config/profilefastpath.h"
#include "config/profilefile.h"
#include "config/profilekeys.h"
#include "config/settingsfile.h"
#include "profilesamples.h"
#include "testenvironment.h"

#include <QSettings>
#include <QtTest>

namespace {

QByteArray settingsWrite(const QString &path, const QByteArray &existing, const QString &group, const ProfileData &p)
{
    QFile::remove(path);
    if (!existing.isNull()) {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(existing);
    }
    {
        QSettings s(path, QSettings::IniFormat);
        s.beginGroup(group);
        writeProfileKeys(s, p, true);
    }
    return readWholeFile(path);
}

// What the settings library gives for each of the profile's keys, asked one
// by one.
ProfileData settingsRead(const QString &path, const QString &group)
{
    ProfileData p;
    const auto s = SettingsFile::openForReading(path);
    s->beginGroup(group);
    for (const ProfileKey &key : ProfileKeys::get().all()) {
        switch (key.kind()) {
        case ValueKind::Number: setNumber(p, key, SettingsFile::readInt(*s, key.key)); break;
        case ValueKind::Text: textOf(p, key) = s->value(key.key).toString(); break;
        case ValueKind::Colour: colourOf(p, key) = SettingsFile::readColor(*s, key.key); break;
        }
    }
    return p;
}

} // namespace

class TestProfileFastPath : public QObject {
    Q_OBJECT

private slots:
    void escapingMatchesLibrary_data();
    void escapingMatchesLibrary();
    void writesWhatLibraryWrites_data();
    void writesWhatLibraryWrites();
    void readsWhatLibraryReads_data();
    void readsWhatLibraryReads();
};

void TestProfileFastPath::escapingMatchesLibrary_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("plain") << QStringLiteral("Profile 1");
    QTest::newRow("digits after escape") << QStringLiteral("\u00e9""0f\u4e2dabc");
    QTest::newRow("nul") << QString::fromUtf16(u"a\0b", 3);
    QTest::newRow("at") << QStringLiteral("@x");
    QTest::newRow("separators") << QStringLiteral("a,b");
    QTest::newRow("leading blank") << QStringLiteral(" a");
    QTest::newRow("controls") << QStringLiteral("\a\b\f\n\r\t\v\x1f\x7f\"\\");
}

void TestProfileFastPath::escapingMatchesLibrary()
{
    QFETCH(QString, text);
    TestEnvironment env(TestEnvironment::Empty);
    const QString path = env.root() + QStringLiteral("/text.ini");
    {
        QSettings s(path, QSettings::IniFormat);
        s.setValue(QStringLiteral("S/k\u00e9y \u4e2d/sub"), text);
    }
    QByteArray expected = "[S]\n";
    IniText::appendEscapedKey(QStringLiteral("k\u00e9y \u4e2d/sub"), expected);
    expected += '=';
    IniText::appendTextValue(text, expected);
    expected += '\n';
    QCOMPARE(readWholeFile(path), expected);
}

void TestProfileFastPath::writesWhatLibraryWrites_data()
{
    QTest::addColumn<QByteArray>("existing");
    QTest::addColumn<bool>("direct");   // whether the direct writer takes it

    QTest::newRow("no file") << QByteArray() << true;
    QTest::newRow("empty file") << QByteArray("") << true;
    QTest::newRow("stamp") << QByteArray("[MouseName]\nName=QORV Nimbus 6\n") << true;
    QTest::newRow("stamp non-ASCII") << QByteArray("[MouseName]\nName=\\x9f20\\x6807\n") << true;
    QTest::newRow("stamp with at") << QByteArray("[MouseName]\nName=@@M\n") << true;
    QTest::newRow("old group") << QByteArray("[PROFILE_0]\ndpi=3\nLedMode\\LED_MODE_1_h=4\n") << true;
    QTest::newRow("groups around") << QByteArray("[Config]\nCount=5\nProfile1=A\n\n[PROFILE_1]\ndpi=2\n") << true;
    QTest::newRow("quoted stamp") << QByteArray("[MouseName]\nName=\"a,b\"\n") << false;
    QTest::newRow("unknown key in group") << QByteArray("[PROFILE_0]\nextra=1\n") << false;
    QTest::newRow("unsorted section") << QByteArray("[X]\nb=1\na=2\n") << false;
    QTest::newRow("repeated section") << QByteArray("[X]\na=1\n[X]\nb=2\n") << false;
    QTest::newRow("keys outside sections") << QByteArray("top=1\n[X]\na=1\n") << false;
    QTest::newRow("windows line ends") << QByteArray("[MouseName]\r\nName=M\r\n") << false;
    QTest::newRow("comment") << QByteArray("; note\n[X]\na=1\n") << false;
    QTest::newRow("non-canonical value") << QByteArray("[X]\na= 1\n") << false;
    QTest::newRow("escaped key") << QByteArray("[X]\na%20b=1\n") << false;
    QTest::newRow("variant elsewhere") << QByteArray("[X]\nc=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x1)\n") << false;
    QTest::newRow("general section") << QByteArray("[General]\na=1\n") << false;
}

void TestProfileFastPath::writesWhatLibraryWrites()
{
    QFETCH(QByteArray, existing);
    QFETCH(bool, direct);
    TestEnvironment env(TestEnvironment::Empty);
    const ProfileData p = distinctProfile(7);
    const QString group = QStringLiteral("PROFILE_0");

    QByteArray rendered;
    QCOMPARE(ProfileFastPath::render(existing, group, p, true, rendered), direct);
    const QByteArray library = settingsWrite(env.root() + QStringLiteral("/library.prof"), existing, group, p);
    if (direct)
        QCOMPARE(rendered, library);

    // Whichever way the program takes, the file holds what the library writes.
    const QString ours = env.root() + QStringLiteral("/ours.prof");
    if (!existing.isNull())
        env.writeFile(QStringLiteral("ours.prof"), existing);
    QVERIFY(writeProfileGroup(0, p, ours));
    QCOMPARE(readWholeFile(ours), library);
}

void TestProfileFastPath::readsWhatLibraryReads_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("direct");

    QTest::newRow("numbers") << QByteArray("[PROFILE_0]\ndpi=3\npollrate=-2\nDPI_INFO_1_xy=2147483647\n") << true;
    QTest::newRow("odd numbers")
        << QByteArray("[PROFILE_0]\ndpi=+5\npollrate=0x10\nDPI_INFO_1_xy=99999999999\nDPI_INFO_1_x=1e3\n"
                      "DPI_INFO_1_y=007\nLedMode=\n")
        << true;
    QTest::newRow("escaped number") << QByteArray("[PROFILE_0]\ndpi=\\x35\n") << true;
    QTest::newRow("texts") << QByteArray("[PROFILE_0]\nProfileName=\\x4e2d\\x6587 x\nProfilePath=@@at\n") << true;
    QTest::newRow("colours") << QByteArray("[PROFILE_0]\nLedMode\\LED_MODE_0_RGB=#ff0000\n"
                                           "LedMode\\LED_MODE_1_RGB=red\nLedMode\\LED_MODE_2_RGB=nonsense\n")
                             << true;
    QTest::newRow("colour of another type")
        << QByteArray("[PROFILE_0]\nLedMode\\LED_MODE_0_RGB=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x1)\n") << true;
    QTest::newRow("unloadable colour")
        << QByteArray("[PROFILE_0]\nLedMode\\LED_MODE_0_RGB=@Variant(\\0\\0\\0\\v\\x7f\\xff\\xff\\xff)\n") << true;
    QTest::newRow("case differs") << QByteArray("[PROFILE_0]\nDPI=4\n[profile_0]\ndpi=5\n") << true;
    QTest::newRow("repeated keys") << QByteArray("[PROFILE_0]\ndpi=4\n[PROFILE_0]\ndpi=6\n") << true;
    QTest::newRow("other groups") << QByteArray("[PROFILE_1]\ndpi=4\n[X]\nPROFILE_0\\dpi=6\n") << true;
    QTest::newRow("list") << QByteArray("[PROFILE_0]\ndpi=4,5\n") << false;
    QTest::newRow("quoted") << QByteArray("[PROFILE_0]\nProfileName=\"a;b\"\n") << false;
    QTest::newRow("quote spanning lines") << QByteArray("[X]\na=\"x\n[PROFILE_0]\ndpi=4\"\n") << false;
    QTest::newRow("nested section") << QByteArray("[PROFILE_0\\LedMode]\nLED_MODE_0_h=9\n") << false;
    QTest::newRow("general alias") << QByteArray("PROFILE_0\\dpi=7\n") << false;
    QTest::newRow("continued line") << QByteArray("[PROFILE_0]\nProfileName=a\\\ndpi=9\n") << false;
    QTest::newRow("blank before key") << QByteArray("[PROFILE_0]\n dpi=9\n") << false;
    QTest::newRow("trailing blank") << QByteArray("[PROFILE_0]\nProfileName=a \n") << false;
    QTest::newRow("byte order mark") << QByteArray("\xef\xbb\xbf[PROFILE_0]\ndpi=9\n") << false;
}

void TestProfileFastPath::readsWhatLibraryReads()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, direct);
    TestEnvironment env(TestEnvironment::Empty);
    const QString group = QStringLiteral("PROFILE_0");
    ProfileData fast = distinctProfile(42);
    QCOMPARE(ProfileFastPath::read(bytes, group, fast, true), direct);
    const QString path = env.writeFile(QStringLiteral("p.prof"), bytes);
    const ProfileData library = settingsRead(path, group);
    if (direct)
        QVERIFY(fast == library);
    ProfileData ours = distinctProfile(42);
    QVERIFY(readProfileGroup(0, ours, path));
    QVERIFY(ours == library);
}

QTEST_GUILESS_MAIN(TestProfileFastPath)
#include "test_profilefastpath.moc"
