// Files that are not what they should be: garbage, truncation, absurd
// numbers, lines the settings library cannot parse, and serialised values it
// would load without bound. Readers must survive them and leave them as they
// are; writers must keep a copy before writing into them.

#include "config/appconfig.h"
#include "config/configfile.h"
#include "config/iniscan.h"
#include "config/langconfig.h"
#include "config/paths.h"
#include "config/productdescriptor.h"
#include "config/profilefile.h"
#include "config/profilelibrary.h"
#include "profilesamples.h"
#include "testenvironment.h"

#include <QDir>
#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QSettings>
#include <QtTest>

namespace {

// Values that, as a line in any section, would make the settings library
// allocate without bound (a list of 2^31 strings, a polygon of 2^31 points,
// a type named by text) when it parses the section.
const char *const kUnloadable[] = {
    "@Variant(\\0\\0\\0\\v\\x7f\\xff\\xff\\xff)",
    "@Variant(\\0\\0\\0\\t\\x7f\\xff\\xff\\xff)",
    "@Variant(\\0\\0\\0G\\x7f\\xff\\xff\\xff)",
    "@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\vQStringList\\x7f\\xff\\xff\\xff)",
    "x, @Variant(\\0\\0\\0\\v\\x7f\\xff\\xff\\xff)",
    "\"@Variant(\\0\\0\\0\\v\\x7f\\xff\\xff\\xff)\"",
    "@DateTime(\\0\\0\\0\\b\\0\\x7f\\xff\\xff\\xff)",
};

class Generator {
public:
    explicit Generator(quint32 seed, QByteArray sample)
        : m_random(seed)
        , m_sample(std::move(sample))
    {
    }

    // Mostly small files; every 25th is cut from the whole sample, which is
    // as large as a real profile and slow to read dozens of times.
    QByteArray next(int i)
    {
        const int sampleSize = i % 25 == 1 ? m_sample.size() : std::min(m_sample.size(), 12000);
        switch (i % 5) {
        case 0: return randomBytes(int(m_random.bounded(2000)));
        case 1: return m_sample.left(int(m_random.bounded(sampleSize)));
        case 2: return flipped(sampleSize);
        default: return iniLike();
        }
    }

private:
    int pick(int n) { return int(m_random.bounded(n)); }

    QByteArray randomBytes(int n)
    {
        QByteArray bytes(n, Qt::Uninitialized);
        for (char &c : bytes)
            c = char(m_random.bounded(256));
        return bytes;
    }

    QByteArray flipped(int size)
    {
        QByteArray bytes = m_sample.left(size);
        for (int n = 1 + pick(40); n > 0; --n)
            bytes[pick(bytes.size())] = char(m_random.bounded(256));
        return bytes;
    }

    QByteArray iniLike()
    {
        static const char *const sections[] = {
            "PROFILE_0", "PROFILE_3", "Config", "FONT_LIST", "PROFILE_LIST", "PROFILE", "MouseName",
            "MouseSenSor", "General", "PROFILE_0\\LedMode", "%General", "\xe4\xb8\xad"};
        static const char *const keys[] = {
            "dpi", "pollrate", "LedMode", "DPI_INFO_3_xy", "BUTTON_INFO_5_KeyInfo_7_", "LedMode\\LED_MODE_2_RGB",
            "ProfileID", "Profile1", "Profile2", "LANGNUM", "LangName_3", "FONT_SIZE_1", "Count", "1", "0",
            "ButtonCount", "MouseDpi", "DPICount", "BUTTON_INFO_0_Matrix", "BUTTON_INFO_1_Matrix2", "Name", "vid1",
            "GColorID", "PROFILE_0\\dpi", "Diff", "BUTTON_INFO_41_macroname"};
        static const char *const values[] = {
            "0", "4", "255", "256", "-1", "2147483647", "2147483648", "99999999999999999999", "1e9", "0x10", "",
            "\"unterminated", "a,b,c", "@Invalid()", "@@x", "@Rect(1 2 3)", "@Size(", "\\x", "\\", ";c",
            "@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\xff\\xff\\0\\0\\0\\0\\0\\0)", "@Variant(\\0\\0\\0\\x43",
            "@ByteArray(\\xff\\0)", "../../escape", "\\x4e2d\\x6587", "#ff0000"};
        static const char *const ends[] = {"\n", "\r\n", "\r", "\\\n"};
        QByteArray out;
        for (int n = pick(60); n > 0; --n) {
            switch (pick(10)) {
            case 0: out += QByteArray("[") + sections[pick(std::size(sections))] + "]"; break;
            case 1: out += QByteArray("[") + sections[pick(std::size(sections))]; break;
            case 2: out += keys[pick(std::size(keys))]; break;   // no '='
            case 3: out += QByteArray(";") + values[pick(std::size(values))]; break;
            case 4: out += QByteArray(keys[pick(std::size(keys))]) + "=" + kUnloadable[pick(std::size(kUnloadable))]; break;
            case 5: out += randomBytes(pick(30)); break;
            default:
                out += QByteArray(pick(4) == 0 ? "  " : "") + keys[pick(std::size(keys))] + (pick(3) ? "=" : " = ")
                    + values[pick(std::size(values))];
            }
            out += ends[pick(std::size(ends))];
        }
        return out;
    }

    QRandomGenerator m_random;
    QByteArray m_sample;
};

// Every reader of the program over the files currently in place.
void readEverything(const QString &confPath)
{
    MouseConfig c;
    AppConfig::loadAll(c);
    QVERIFY(c.profileIndex() < kProfileCount);
    for (const ProfileData &p : c.profiles) {
        QVERIFY(p.dpiStageIndex() < kDpiStageCount);
        QVERIFY(p.ledModeIndex() < kLedModeCount);
    }
    ProfileData p;
    loadProfileFile(p, QStringLiteral("Profile 1"));
    readProfileGroup(3, p, Paths::profileFile(QStringLiteral("Profile 1")));
    readConfigProfileGroup(0, p, confPath);
    importConfigFile(c, confPath);
    QVERIFY(c.profileIndex() == c.ProfileID);
    readFileProductName(confPath);

    AppConfig::currentProductName();
    AppConfig::ledType();
    AppConfig::sensorType();
    AppConfig::batteryFull();
    AppConfig::model();
    AppConfig::mouseListEntry();
    QVERIFY(AppConfig::colourThemeIndex() < 7);
    AppConfig::LanguageTable table;
    AppConfig::loadLanguageTable(table);
    QVERIFY(table.count >= 0 && table.count <= AppConfig::kLanguageSlots);
    for (int i = 0; i < table.count; ++i) {
        AppConfig::fontFamily(i);
        AppConfig::fontSize(i);
    }
    LangConfig::langID();
    QVERIFY(ProfileLibrary::load().size() <= ProfileLibrary::kMaxEntries);

    ProductDescriptor::productName();
    ProductDescriptor::usbIds();
    QVERIFY(ProductDescriptor::boundedButtonCount() <= kDescriptorButtonCount);
    QVERIFY(ProductDescriptor::boundedDpiStageCount() >= 1);
    QVERIFY(ProductDescriptor::boundedDpiStageCount() <= kDpiStageCount);
    ProductDescriptor::Matrix matrix{};
    ProductDescriptor::keySlotMatrix(matrix);
    ProductDescriptor::shownButtonCount();
    int minimum = 0, maximum = 0;
    ProductDescriptor::sleepRange(minimum, maximum);
    makeDefaultProfile(p);
}

} // namespace

class TestMalformedFiles : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void garbageThroughEveryReader();
    void scanAgreesWithLibrary();
    void unloadableValuesAreNeverLoaded_data();
    void unloadableValuesAreNeverLoaded();
    void writingKeepsACopy();
};

void TestMalformedFiles::initTestCase()
{
    // Thousands of files make thousands of diagnostics; they are expected.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false\ndefault.warning=false"));
}

void TestMalformedFiles::garbageThroughEveryReader()
{
    TestEnvironment env;
    QVERIFY(saveProfileFile(distinctProfile(1), QStringLiteral("Profile 1")));
    Generator generator(20240613, readWholeFile(Paths::profileFile(QStringLiteral("Profile 1"))));
    const QString confPath = env.root() + QStringLiteral("/import.conf");
    const QStringList places{Paths::profileFile(QStringLiteral("Profile 1")), Paths::configFile(),
                             Paths::langConfigFile(), Paths::descriptorFile(), confPath,
                             Paths::configsDir() + QStringLiteral("/QORV Nimbus 6/Config.ini")};
    for (int i = 0; i < 300; ++i) {
        const QByteArray bytes = generator.next(i);
        for (const QString &place : places) {
            QDir().mkpath(QFileInfo(place).path());
            QFile file(place);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(bytes);
        }
        readEverything(confPath);
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(QStringLiteral("with file %1: %2").arg(i).arg(QString::fromLatin1(bytes.toHex()))));
        for (const QString &place : places) {
            QCOMPARE(readWholeFile(place), bytes);
            QVERIFY(!QFile::exists(place + QStringLiteral(".bak")));
        }
    }
}

void TestMalformedFiles::scanAgreesWithLibrary()
{
    // The scanner decides whether a copy is kept before writing; it must see
    // a malformed file exactly where the library does, and its repair must
    // read as the library reads the original.
    TestEnvironment env(TestEnvironment::Empty);
    Generator generator(77, QByteArray("[PROFILE_0]\ndpi=1\nLedMode\\LED_MODE_0_h=2\n\n[X]\na=\"b;c\"\n"));
    int malformed = 0;
    for (int i = 0; i < 400; ++i) {
        const QByteArray bytes = generator.next(i);
        const IniScan::Report report = IniScan::inspect(bytes);
        if (report.hazardous)
            continue;   // the library itself cannot be asked about those
        const QString original = env.writeFile(QStringLiteral("scan/%1.ini").arg(i), bytes);
        const QString repaired = env.writeFile(QStringLiteral("scan/%1.fixed.ini").arg(i), IniScan::repaired(bytes));
        QSettings a(original, QSettings::IniFormat);
        QSettings b(repaired, QSettings::IniFormat);
        const QStringList keys = a.allKeys();
        QCOMPARE(a.status() == QSettings::FormatError, report.malformed);
        QCOMPARE(b.allKeys(), keys);
        QCOMPARE(b.status(), QSettings::NoError);
        for (const QString &key : keys)
            QCOMPARE(b.value(key).toString(), a.value(key).toString());
        malformed += report.malformed;
    }
    QVERIFY(malformed > 50);   // the generator does produce both kinds
}

void TestMalformedFiles::unloadableValuesAreNeverLoaded_data()
{
    QTest::addColumn<QByteArray>("value");
    for (const char *value : kUnloadable)
        QTest::newRow(value) << QByteArray(value);
}

void TestMalformedFiles::unloadableValuesAreNeverLoaded()
{
    QFETCH(QByteArray, value);
    TestEnvironment env;
    const QString slot = Paths::profileFile(QStringLiteral("Profile 1"));
    const QByteArray bytes = "[PROFILE_0]\r\ndpi=3\r\nProfileName=" + value + "\r\nLedMode\\LED_MODE_1_RGB=" + value
        + "\r\n\r\n[Config]\r\nProfileID=" + value + "\r\n";
    env.writeFile(QStringLiteral("home/Configs/Profile/Profile 1.prof"), bytes);
    env.writeFile(QStringLiteral("home/Configs/Config.ini"), "[Config]\nProfile1=Profile 1\nDiff=" + value + "\n");
    QVERIFY(IniScan::inspect(bytes).hazardous);

    ProfileData p;
    QVERIFY(loadProfileFile(p, QStringLiteral("Profile 1")));
    QCOMPARE(int(p.dpi), 3);
    QVERIFY(p.ProfileName.isEmpty());
    QVERIFY(!p.ledModes[1].RGB.isValid());
    MouseConfig c;
    QVERIFY(importConfigFile(c, slot));
    QCOMPARE(AppConfig::diff(), 0);
    QCOMPARE(readWholeFile(slot), bytes);

    // Writing keeps the original aside and leaves the value out.
    QVERIFY(AppConfig::setBattery(2));
    QVERIFY(!readWholeFile(Paths::configFile()).contains("\\x7f"));
    QVERIFY(readWholeFile(Paths::configFile() + QStringLiteral(".bak")).contains(value));
    QVERIFY(saveProfileDpiStage(QStringLiteral("Profile 1"), 4));
    QCOMPARE(readWholeFile(slot + QStringLiteral(".bak")), bytes);
    QVERIFY(!IniScan::inspect(readWholeFile(slot)).hazardous);
    QVERIFY(loadProfileFile(p, QStringLiteral("Profile 1")));
    QCOMPARE(int(p.dpi), 4);
}

void TestMalformedFiles::writingKeepsACopy()
{
    TestEnvironment env;
    const QByteArray config = "[Config]\nProfile1=Keep me\nthis line has no equals sign\nProfileID=2\n[FONT_LIST\nLANGNUM=1\n";
    env.writeFile(QStringLiteral("home/Configs/Config.ini"), config);
    QVERIFY(AppConfig::setDiff(1));
    QCOMPARE(readWholeFile(Paths::configFile() + QStringLiteral(".bak")), config);
    QCOMPARE(AppConfig::slotName(0), QStringLiteral("Keep me"));
    QCOMPARE(AppConfig::activeProfileIndex(), 2);
    AppConfig::LanguageTable table;
    AppConfig::loadLanguageTable(table);
    QCOMPARE(table.count, 1);
    QVERIFY(IniScan::inspect(readWholeFile(Paths::configFile())).clean());

    // A malformed slot file, written by the whole-record save.
    const QByteArray slot = "[PROFILE_0]\ndpi=1\nbroken\n";
    env.writeFile(QStringLiteral("home/Configs/Profile/Keep me.prof"), slot);
    MouseConfig c;
    AppConfig::loadAll(c);
    QCOMPARE(int(c.profiles[0].dpi), 1);
    c.profiles[0].dpi = 5;
    QVERIFY(AppConfig::saveAll(c));
    QCOMPARE(readWholeFile(Paths::profileFile(QStringLiteral("Keep me")) + QStringLiteral(".bak")), slot);
    ProfileData read;
    QVERIFY(loadProfileFile(read, QStringLiteral("Keep me")));
    QCOMPARE(int(read.dpi), 5);
}

QTEST_GUILESS_MAIN(TestMalformedFiles)
#include "test_malformedfiles.moc"
