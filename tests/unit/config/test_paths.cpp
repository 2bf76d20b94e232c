// Where the program reads and writes, first-run seeding, and safe file names.

#include "config/paths.h"
#include "envscope.h"
#include "testenvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {

void writeText(const QString &path, const QByteArray &text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

} // namespace

class TestPaths : public QObject {
    Q_OBJECT

private slots:
    void layout_data();
    void layout();
    void relativeOverrideIsMadeAbsolute();
    void seedsOnFirstRun();
    void doesNotReseedOverExisting();
    void completesACutShortSeed();
    void portableNeedsNoSeed();
    void safeNames_data();
    void safeNames();
    void filePathsRefuseUnsafeNames();
};

void TestPaths::layout_data()
{
    QTest::addColumn<bool>("descriptorBeside");
    QTest::addColumn<bool>("readOnlyExeDir");
    QTest::addColumn<bool>("homeSet");
    QTest::addColumn<bool>("dataSet");
    QTest::addColumn<QString>("expectedData");      // relative to the temp root
    QTest::addColumn<QString>("expectedConfigs");
    QTest::addColumn<QString>("expectedCache");
    QTest::addColumn<QString>("expectedHelpers");

    QTest::newRow("build tree / portable") << true << false << false << false << "prefix/bin" << "prefix/bin/Configs" << "prefix/bin/cache" << "prefix/bin";
    QTest::newRow("portable, read-only") << true << true << false << false << "prefix/bin" << "xdg/mousecfg/Configs" << "cache/mousecfg" << "prefix/bin";
    QTest::newRow("installed") << false << false << false << false << "prefix/share/mousecfg" << "xdg/mousecfg/Configs" << "cache/mousecfg" << "prefix/libexec/mousecfg";
    QTest::newRow("installed, MOUSECFG_HOME") << false << false << true << false << "prefix/share/mousecfg" << "home/Configs" << "home/cache" << "prefix/libexec/mousecfg";
    QTest::newRow("portable, MOUSECFG_HOME") << true << false << true << false << "prefix/bin" << "home/Configs" << "home/cache" << "prefix/bin";
    QTest::newRow("installed, MOUSECFG_DATA") << false << false << false << true << "data" << "xdg/mousecfg/Configs" << "cache/mousecfg" << "prefix/libexec/mousecfg";
    QTest::newRow("portable, both overrides") << true << false << true << true << "data" << "home/Configs" << "home/cache" << "prefix/bin";
}

void TestPaths::layout()
{
    QFETCH(bool, descriptorBeside);
    QFETCH(bool, readOnlyExeDir);
    QFETCH(bool, homeSet);
    QFETCH(bool, dataSet);
    QFETCH(QString, expectedData);
    QFETCH(QString, expectedConfigs);
    QFETCH(QString, expectedCache);
    QFETCH(QString, expectedHelpers);

    if (readOnlyExeDir && ::geteuid() == 0)
        QSKIP("root can write into any directory");

    QTemporaryDir root;
    const QString exeDir = root.path() + QStringLiteral("/prefix/bin");
    QDir().mkpath(exeDir);
    if (descriptorBeside)
        writeText(exeDir + QStringLiteral("/DefaultProfile.bin"), "[PROFILE]\nProductName=X\n");

    EnvScope env;
    env.set("XDG_CONFIG_HOME", root.path() + QStringLiteral("/xdg"));
    env.set("XDG_CACHE_HOME", root.path() + QStringLiteral("/cache"));
    env.set("MOUSECFG_HOME", homeSet ? root.path() + QStringLiteral("/home") : QString());
    env.set("MOUSECFG_DATA", dataSet ? root.path() + QStringLiteral("/data") : QString());

    QFile::Permissions old = QFile::permissions(exeDir);
    if (readOnlyExeDir)
        QFile::setPermissions(exeDir, QFile::ReadOwner | QFile::ExeOwner);
    const QString data = Paths::dataDirFor(exeDir);
    const QString configs = Paths::configsDirFor(exeDir);
    const QString cache = Paths::cacheDirFor(exeDir);
    const QString helper = Paths::helperProgramFor(exeDir, QStringLiteral("mousecfg-osd"));
    QFile::setPermissions(exeDir, old);

    QCOMPARE(data, root.path() + QLatin1Char('/') + expectedData);
    QCOMPARE(configs, root.path() + QLatin1Char('/') + expectedConfigs);
    QCOMPARE(cache, root.path() + QLatin1Char('/') + expectedCache);
    // Companion programs follow the layout, never the data override.
    QCOMPARE(helper, root.path() + QLatin1Char('/') + expectedHelpers + QStringLiteral("/mousecfg-osd"));
}

void TestPaths::relativeOverrideIsMadeAbsolute()
{
    EnvScope env;
    env.set("MOUSECFG_HOME", QStringLiteral("rel/home"));
    env.set("MOUSECFG_DATA", QStringLiteral("rel/../data"));
    QCOMPARE(Paths::configsDir(), QDir::current().absoluteFilePath(QStringLiteral("rel/home/Configs")));
    QCOMPARE(Paths::dataDir(), QDir::current().absoluteFilePath(QStringLiteral("data")));
    QCOMPARE(Paths::macroFile(QStringLiteral("m")),
             QDir::current().absoluteFilePath(QStringLiteral("rel/home/Configs/MacroDB/m.MSMACRO")));
}

void TestPaths::seedsOnFirstRun()
{
    TestEnvironment env(TestEnvironment::Empty);
    writeText(env.dataDir() + QStringLiteral("/Configs/Config.ini"), "[Config]\nGColorID=5\n");
    writeText(env.dataDir() + QStringLiteral("/Configs/LangConfig.ini"), "[Config]\nLangID=1\n");
    writeText(env.dataDir() + QStringLiteral("/Configs/MacroDB/shipped.MSMACRO"), "[Setting]\nCount=0\n");
    QDir(env.configsDir()).removeRecursively();

    QString error;
    QVERIFY2(Paths::ensureConfigs(&error), qPrintable(error));
    QCOMPARE(Paths::configFile(), env.configsDir() + QStringLiteral("/Config.ini"));
    QCOMPARE(readWholeFile(Paths::configFile()), QByteArray("[Config]\nGColorID=5\n"));
    QCOMPARE(readWholeFile(Paths::langConfigFile()), QByteArray("[Config]\nLangID=1\n"));
    QVERIFY(QFileInfo::exists(Paths::macroDir() + QStringLiteral("/shipped.MSMACRO")));
    // The shipped copy is only read.
    QCOMPARE(readWholeFile(env.dataDir() + QStringLiteral("/Configs/Config.ini")), QByteArray("[Config]\nGColorID=5\n"));
}

void TestPaths::doesNotReseedOverExisting()
{
    TestEnvironment env(TestEnvironment::Empty);
    writeText(env.dataDir() + QStringLiteral("/Configs/Config.ini"), "[Config]\nGColorID=5\n");
    writeText(env.dataDir() + QStringLiteral("/Configs/LangConfig.ini"), "[Config]\nLangID=1\n");
    writeText(env.configsDir() + QStringLiteral("/Config.ini"), "[Config]\nGColorID=2\n");

    QVERIFY(Paths::ensureConfigs());
    QVERIFY(Paths::ensureConfigs());
    QCOMPARE(readWholeFile(Paths::configFile()), QByteArray("[Config]\nGColorID=2\n"));
    // An existing configuration counts as seeded: nothing is added to it.
    QVERIFY(!QFileInfo::exists(Paths::langConfigFile()));
}

void TestPaths::completesACutShortSeed()
{
    TestEnvironment env(TestEnvironment::Empty);
    writeText(env.dataDir() + QStringLiteral("/Configs/Config.ini"), "[Config]\nGColorID=5\n");
    writeText(env.dataDir() + QStringLiteral("/Configs/LangConfig.ini"), "[Config]\nLangID=1\n");
    writeText(env.dataDir() + QStringLiteral("/Configs/Profile/Profile 1.prof"), "shipped");
    // A seed that stopped before Config.ini, then a profile the user changed.
    writeText(env.configsDir() + QStringLiteral("/Profile/Profile 1.prof"), "edited");

    QVERIFY(Paths::ensureConfigs());
    QCOMPARE(readWholeFile(Paths::profileFile(QStringLiteral("Profile 1"))), QByteArray("edited"));
    QCOMPARE(readWholeFile(Paths::langConfigFile()), QByteArray("[Config]\nLangID=1\n"));
    QCOMPARE(readWholeFile(Paths::configFile()), QByteArray("[Config]\nGColorID=5\n"));
}

void TestPaths::portableNeedsNoSeed()
{
    // Data and Configs in one place: the shipped files are the working ones.
    TestEnvironment env(TestEnvironment::Empty);
    EnvScope scope;
    scope.set("MOUSECFG_HOME", env.dataDir());
    writeText(env.dataDir() + QStringLiteral("/Configs/Config.ini"), "[Config]\nGColorID=5\n");
    QVERIFY(Paths::ensureConfigs());
    QCOMPARE(Paths::configFile(), env.dataDir() + QStringLiteral("/Configs/Config.ini"));
    QCOMPARE(readWholeFile(Paths::configFile()), QByteArray("[Config]\nGColorID=5\n"));
}

void TestPaths::safeNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("safe");

    QTest::newRow("plain") << "Profile 1" << true;
    QTest::newRow("dots inside") << "my.macro..v2" << true;
    QTest::newRow("three dots") << "..." << true;
    QTest::newRow("leading dot") << ".hidden" << true;
    QTest::newRow("punctuation") << "fire (x3) & go!" << true;
    QTest::newRow("accented") << QStringLiteral("r\u00e9glage \u00e9t\u00e9") << true;
    QTest::newRow("CJK") << QStringLiteral("\u5b8f\u4e00") << true;
    QTest::newRow("emoji") << QStringLiteral("\U0001F5B1 mouse") << true;
    QTest::newRow("200 bytes") << QString(200, QLatin1Char('a')) << true;
    QTest::newRow("200 bytes of two-byte letters") << QString(100, QChar(0xe9)) << true;

    QTest::newRow("empty") << "" << false;
    QTest::newRow("blanks only") << "   " << false;
    QTest::newRow("dot") << "." << false;
    QTest::newRow("dot dot") << ".." << false;
    QTest::newRow("slash") << "a/b" << false;
    QTest::newRow("leading slash") << "/etc" << false;
    QTest::newRow("parent path") << "../x" << false;
    QTest::newRow("backslash") << "a\\b" << false;
    QTest::newRow("newline") << "a\nb" << false;
    QTest::newRow("tab") << "a\tb" << false;
    QTest::newRow("NUL") << QString::fromUtf16(u"a\u0000b", 3) << false;
    QTest::newRow("DEL") << QStringLiteral("a\u007fb") << false;
    QTest::newRow("C1 control") << QStringLiteral("a\u0085b") << false;
    QTest::newRow("201 bytes") << QString(201, QLatin1Char('a')) << false;
    QTest::newRow("too long in UTF-8") << QString(101, QChar(0xe9)) << false;
}

void TestPaths::safeNames()
{
    QFETCH(QString, name);
    QFETCH(bool, safe);
    QString why;
    QCOMPARE(Paths::isSafeFileName(name, &why), safe);
    QCOMPARE(why.isEmpty(), safe);
}

void TestPaths::filePathsRefuseUnsafeNames()
{
    TestEnvironment env(TestEnvironment::Empty);
    const QString configs = env.configsDir();
    QCOMPARE(Paths::macroFile(QStringLiteral("m")), configs + QStringLiteral("/MacroDB/m.MSMACRO"));
    QCOMPARE(Paths::profileFile(QStringLiteral("p")), configs + QStringLiteral("/Profile/p.prof"));
    QCOMPARE(Paths::productDir(QStringLiteral("QORV Nimbus 6")), configs + QStringLiteral("/QORV Nimbus 6"));
    QCOMPARE(Paths::productDir(QString()), configs);

    for (const QString &bad : {QStringLiteral(".."), QStringLiteral("../../etc/passwd"), QStringLiteral("a/b")}) {
        QCOMPARE(Paths::macroFile(bad), QString());
        QCOMPARE(Paths::profileFile(bad), QString());
        QCOMPARE(Paths::productDir(bad), QString());
    }
    QCOMPARE(Paths::fileInDir(QString(), QStringLiteral("x"), QStringLiteral(".ini")), QString());
}

QTEST_GUILESS_MAIN(TestPaths)
#include "test_paths.moc"
