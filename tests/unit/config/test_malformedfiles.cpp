// Files that are not what they should be: garbage, truncation, absurd
// numbers, lines the settings library cannot parse, and serialised values it
// would load without bound. Readers must survive them and leave them as they
// are; writers must keep a copy before writing into them.

#include "config/appconfig.h"
#include "config/profilekeys.h"
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
#include <QElapsedTimer>

#include <cstdio>
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
    QVERIFY(table.count >= 0 && table.count <= AppConfig::kLanguageEntries);
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
    void strayQuoteKeptAsCopy();
    void colourSpecOutOfRange_data();
    void colourSpecOutOfRange();
    void hugeLibraryCountSaysItOnce();
    void mutatedFilesThroughTheirReaders();
};

namespace {

// Thousands of files make thousands of diagnostics; they are expected.
const QString kQuiet = QStringLiteral("mousecfg.*.warning=false\ndefault.debug=false\ndefault.warning=false");

} // namespace

void TestMalformedFiles::initTestCase()
{
    QLoggingCategory::setFilterRules(kQuiet);
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
        if (report.hazardous || report.openQuote)
            continue;   // the library cannot be asked about those, or reads them as one value
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
    QVERIFY(readProfileGroup(0, p, slot));
    QCOMPARE(int(p.dpi), 3);
    QVERIFY(p.ProfileName.isEmpty());
    QVERIFY(!p.ledModes[1].RGB.isValid());
    MouseConfig c;
    QVERIFY(!importConfigFile(c, slot));   // no five profiles in it
    QCOMPARE(AppConfig::diff(), 0);
    QCOMPARE(readWholeFile(slot), bytes);

    // Writing keeps the original aside and leaves the value out.
    QVERIFY(AppConfig::setBattery(2));
    QVERIFY(!readWholeFile(Paths::configFile()).contains("\\x7f"));
    QVERIFY(readWholeFile(Paths::configFile() + QStringLiteral(".bak")).contains(value));
    QVERIFY(saveProfileDpiStage(QStringLiteral("Profile 1"), 4, p));
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
    ProfileData factory;
    makeDefaultProfile(factory);
    QVERIFY(c.profiles[0] == factory);   // it holds no buttons: not a profile
    c.profiles[0].dpi = 5;
    QVERIFY(AppConfig::saveAll(c));
    QCOMPARE(readWholeFile(Paths::profileFile(QStringLiteral("Keep me")) + QStringLiteral(".bak")), slot);
    ProfileData read;
    QVERIFY(loadProfileFile(read, QStringLiteral("Keep me")));
    QCOMPARE(int(read.dpi), 5);
}

void TestMalformedFiles::strayQuoteKeptAsCopy()
{
    // A quote without its closing mate: the library reads the rest of the
    // file as one value, and its next write would fold the sections after it
    // into that value.
    TestEnvironment env;
    const QByteArray config = "[Config]\nModel=\"QORV Nimbus 6\nProfileID=2\n\n[FONT_LIST]\nLANGNUM=3\n";
    env.writeFile(QStringLiteral("home/Configs/Config.ini"), config);
    QVERIFY(IniScan::inspect(config).malformed);
    QVERIFY(AppConfig::setBattery(3));
    QCOMPARE(readWholeFile(Paths::configFile() + QStringLiteral(".bak")), config);
    // What follows the quote survives as its own keys.
    QCOMPARE(AppConfig::model(), QStringLiteral("QORV Nimbus 6"));
    QCOMPARE(AppConfig::activeProfileIndex(), 2);
    AppConfig::LanguageTable table;
    AppConfig::loadLanguageTable(table);
    QCOMPARE(table.storedCount, 3);
    QCOMPARE(AppConfig::battery(), 3);
    QVERIFY(IniScan::inspect(readWholeFile(Paths::configFile())).clean());

    // Quotes the library writes itself are balanced and stay as they are.
    const QByteArray quoted = "[Config]\nModel=\"a;b\"\nProfileID=1\n";
    QVERIFY(IniScan::inspect(quoted).clean());
}

void TestMalformedFiles::colourSpecOutOfRange_data()
{
    QTest::addColumn<QByteArray>("spec");
    QTest::addColumn<bool>("loads");
    QTest::newRow("rgb") << QByteArray("\\x1") << true;
    QTest::newRow("hsl") << QByteArray("\\x4") << true;
    QTest::newRow("invalid") << QByteArray("\\0") << true;
    QTest::newRow("6") << QByteArray("\\x6") << false;
    QTest::newRow("127") << QByteArray("\\x7f") << false;
    QTest::newRow("negative") << QByteArray("\\xff") << false;
}

void TestMalformedFiles::colourSpecOutOfRange()
{
    // The settings library turns the colour-spec byte into its colour-spec enum
    // unchecked; a value outside it is undefined behaviour.
    QFETCH(QByteArray, spec);
    QFETCH(bool, loads);
    TestEnvironment env;
    const QByteArray value = "@Variant(\\0\\0\\0\\x43" + spec + "\\xff\\xff\\xff\\xff\\0\\0\\0\\0\\0\\0)";
    const QByteArray bytes = "[PROFILE_0]\nLedMode\\LED_MODE_2_RGB=" + value + "\n";
    QCOMPARE(IniScan::inspect(bytes).hazardous, !loads);
    for (const QByteArray &ends : {QByteArray("\n"), QByteArray("\r\n")}) {
        QByteArray file = bytes;
        file.replace("\n", ends);
        const QString path = env.writeFile(QStringLiteral("colour.prof"), file);
        ProfileData p;
        QVERIFY(readProfileGroup(0, p, path));
        if (!loads)
            QVERIFY(!p.ledModes[2].RGB.isValid());
        else if (spec != "\\0")
            QCOMPARE(p.ledModes[2].RGB.alpha(), 255);
    }
}

void TestMalformedFiles::hugeLibraryCountSaysItOnce()
{
    TestEnvironment env;
    const QString list = Paths::configsDir() + QStringLiteral("/") + AppConfig::currentProductName()
        + QStringLiteral("/Config.ini");
    env.writeFile(QDir(env.root()).relativeFilePath(list), "[PROFILE_LIST]\nCount=2000000000\n1=Kept\n");
    static int lines = 0;
    lines = 0;
    QLoggingCategory::setFilterRules(QStringLiteral("mousecfg.*.debug=true"));
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) { ++lines; });
    const QStringList names = ProfileLibrary::load();
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules(kQuiet);
    QCOMPARE(names, QStringList({"Kept"}));
    QCOMPARE(lines, 1);
}

void TestMalformedFiles::mutatedFilesThroughTheirReaders()
{
    // Thousands of mutated profile, .conf and Config.ini files, each through
    // the readers of its kind (the sanitizer build runs this too). A reader
    // may refuse a file; it must not crash, loop, or hand on a record that is
    // out of bounds, and an import either takes five whole profiles or
    // nothing.
    TestEnvironment env;
    const QString product = AppConfig::currentProductName();
    const QString confPath = env.root() + QStringLiteral("/fuzz.conf");
    QVERIFY(exportConfigFile(distinctConfig(1), confPath, product));
    QVERIFY(saveProfileFile(distinctProfile(2), QStringLiteral("Profile 1")));
    const QString slot = Paths::profileFile(QStringLiteral("Profile 1"));
    // Small samples: the readers' cost grows with the file, the faults do not.
    auto head = [](const QByteArray &bytes) { return bytes.left(3000) + bytes.right(1500); };
    Generator profiles(11, head(readWholeFile(slot)));
    Generator confs(12, head(readWholeFile(confPath)));
    Generator configs(13, readWholeFile(Paths::configFile()));
    const MouseConfig untouched = distinctConfig(3);
    ProfileData factory;
    makeDefaultProfile(factory);

    QElapsedTimer clock;
    clock.start();
    constexpr int kFiles = 700;   // 2,100 files, some ten seconds
    for (int i = 0; i < kFiles; ++i) {
        const QByteArray profile = profiles.next(i);
        env.writeFile(QStringLiteral("home/Configs/Profile/Profile 1.prof"), profile);
        ProfileData p = distinctProfile(4);
        if (!loadProfileFile(p, QStringLiteral("Profile 1")))
            QVERIFY(p == factory);
        QVERIFY(p.dpiStageIndex() < kDpiStageCount && p.ledModeIndex() < kLedModeCount);
        readConfigProfileGroup(2, p, slot);

        const QByteArray conf = confs.next(i);
        env.writeFile(QStringLiteral("fuzz.conf"), conf);
        MouseConfig c = untouched;
        const ConfigImport result = importConfiguration(c, confPath, product);
        if (result.outcome != ConfigImport::Imported)
            QVERIFY(c == untouched);
        QVERIFY(c.profileIndex() == c.ProfileID);

        env.writeFile(QStringLiteral("home/Configs/Config.ini"), configs.next(i));
        AppConfig::activeProfileIndex();
        AppConfig::LanguageTable table;
        AppConfig::loadLanguageTable(table);
        QVERIFY(table.count >= 0 && table.count <= AppConfig::kLanguageEntries);
        QVERIFY(ProfileLibrary::load().size() <= ProfileLibrary::kMaxEntries);
        AppConfig::ledType();
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(QStringLiteral("file set %1").arg(i)));
        // Config.ini written into: a malformed one is kept first.
        if (i % 10 == 0) {
            const QByteArray before = readWholeFile(Paths::configFile());
            const bool clean = IniScan::inspect(before).clean();
            QFile::remove(Paths::configFile() + QStringLiteral(".bak"));
            AppConfig::setDiff(1);
            QCOMPARE(QFile::exists(Paths::configFile() + QStringLiteral(".bak")), !clean && !before.isEmpty());
            QCOMPARE(AppConfig::diff(), 1);
        }
    }
    std::fprintf(stderr, "%d file sets in %lld ms\n", kFiles, clock.elapsed());
}

QTEST_GUILESS_MAIN(TestMalformedFiles)
#include "test_malformedfiles.moc"
