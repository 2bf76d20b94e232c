// The command line as a user meets it, in-process against the virtual
// mouse: how words are taken apart (negative numbers, options once, hints
// for a slip), where `save` and `macro export` may write, which macro files
// and configurations are taken, what `show` says about the shipped record,
// a Config.ini mended from the shipped defaults, and the words the shell
// completion asks the program for.

#include "clicommands.h"
#include "clicomplete.h"
#include "clirun.h"
#include "clishow.h"
#include "clisuggest.h"

#include "config/appconfig.h"
#include "config/buttonrules.h"
#include "config/keytables.h"
#include "config/macrofile.h"
#include "config/mouseconfig.h"
#include "config/paths.h"
#include "config/productdescriptor.h"
#include "device/hidbackend.h"
#include "sim/virtualmouse.h"

#include "testenvironment.h"

#include <QDir>
#include <QDirIterator>
#include <QJsonArray>
#include <QJsonObject>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

#include <memory>

namespace {

// Every settings file below Configs with its bytes.
QMap<QString, QByteArray> settingsFiles() { return filesBelow(Paths::configsDir()); }

} // namespace

class TestCliCommandLine : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void wordsTakenApart_data();
    void wordsTakenApart();
    void nearestWord_data();
    void nearestWord();
    void saveWritesOnlyAFile_data();
    void saveWritesOnlyAFile();
    void macroExportIntoAFolder();
    void macroImportTakesOnlyMacroFiles_data();
    void macroImportTakesOnlyMacroFiles();
    void macroDeleteThatFailsSaysSo();
    void loadRefusesValuesTheSettersRefuse_data();
    void loadRefusesValuesTheSettersRefuse();
    void showAgreesWithTheSetters();
    void brokenConfigIsMended();
    void completionWords();

private:
    int run(const QStringList &arguments) { return runCommandLine(QStringList{"mousecfg-cli"} + arguments, [](bool) {}); }
    void makeMacro(const QString &name);

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<VirtualMouse> m_mouse;
    QTemporaryDir m_outside;
};

void TestCliCommandLine::init()
{
    m_env = std::make_unique<TestEnvironment>();
    m_mouse = std::make_unique<VirtualMouse>();
    m_mouse->plug(SimLink::Receiver);
    setHidBackend(m_mouse.get());
    QVERIFY(m_outside.isValid());
}

void TestCliCommandLine::cleanup()
{
    setHidBackend(nullptr);
    m_mouse.reset();
    m_env.reset();
}

void TestCliCommandLine::makeMacro(const QString &name)
{
    QVERIFY(writeMacroFile(name, MacroOptions{}, {{MacroEvent::KeyDown, 0, 4}, {MacroEvent::KeyUp, 0, 4}}));
    QVERIFY(addMacroName(name));
}

void TestCliCommandLine::wordsTakenApart_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("errorCode");        // 0: parsed
    QTest::addColumn<QString>("errorHas");     // a part of the one-line error
    QTest::addColumn<QStringList>("positional");
    QTest::newRow("negative number is a value") << QStringList{"dpi", "1", "-800"} << 0 << "" << QStringList{"1", "-800"};
    QTest::newRow("after --") << QStringList{"dpi", "--", "1", "--json"} << 0 << "" << QStringList{"1", "--json"};
    QTest::newRow("option=value") << QStringList{"lighting", "wave", "--speed=3"} << 0 << "" << QStringList{"wave"};
    QTest::newRow("options anywhere") << QStringList{"--virtual", "rate", "--profile", "2", "500"} << 0 << ""
                                      << QStringList{"500"};
    QTest::newRow("slip in a command") << QStringList{"stauts"} << 64 << "did you mean status?" << QStringList{};
    QTest::newRow("abbreviated command") << QStringList{"light", "wave"} << 64 << "did you mean lighting?" << QStringList{};
    QTest::newRow("slip in an option") << QStringList{"lighting", "wave", "--colur", "#ff0000"} << 64
                                       << "did you mean --colour?" << QStringList{};
    QTest::newRow("short options are not guessed") << QStringList{"dpi", "1", "-x"} << 64 << "unknown option -x"
                                                   << QStringList{};
    QTest::newRow("an option twice") << QStringList{"rate", "500", "--profile", "2", "--profile", "3"} << 64
                                     << "--profile is given twice" << QStringList{};
    QTest::newRow("a switch twice") << QStringList{"status", "--json", "--json"} << 64 << "--json is given twice"
                                    << QStringList{};
    QTest::newRow("value missing at the end") << QStringList{"button", "3", "fire", "left", "--times"} << 64
                                              << "--times takes N" << QStringList{};
    QTest::newRow("a switch with a value") << QStringList{"status", "--json=yes"} << 64 << "takes no value"
                                           << QStringList{};
    QTest::newRow("no-apply on a reader") << QStringList{"show", "--no-apply"} << 64 << "--no-apply belongs"
                                          << QStringList{};
    QTest::newRow("profile number out of range") << QStringList{"scroll", "3", "--profile", "6"} << 65
                                                 << "--profile takes a number from 1 to 5" << QStringList{};
    QTest::newRow("profile not a number") << QStringList{"scroll", "3", "--profile", "x"} << 64
                                          << "--profile takes a number from 1 to 5" << QStringList{};
    QTest::newRow("the completion's helper") << QStringList{"complete"} << 64 << "complete takes" << QStringList{};
}

void TestCliCommandLine::wordsTakenApart()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, errorCode);
    QFETCH(QString, errorHas);
    QFETCH(QStringList, positional);
    const CliCommands::Parsed parsed = CliCommands::parse(QStringList{"mousecfg-cli"} + arguments);
    if (errorCode == 0) {
        QVERIFY2(parsed.error.isEmpty(), qPrintable(parsed.error));
        QCOMPARE(parsed.arguments, positional);
        return;
    }
    QVERIFY(!parsed.error.isEmpty());
    QVERIFY2(parsed.error.contains(errorHas), qPrintable(parsed.error));
    QVERIFY(!parsed.error.contains(QLatin1Char('\n')));
    QCOMPARE(parsed.errorCode, errorCode);
}

void TestCliCommandLine::nearestWord_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("nearest");
    QTest::newRow("swapped letters") << "stauts" << "status";
    QTest::newRow("letter missing") << "shw" << "show";
    QTest::newRow("letter changed, any case") << "Debounse" << "debounce";
    QTest::newRow("start of one word") << "ligh" << "lighting";
    QTest::newRow("start of two words") << "s" << "";
    QTest::newRow("nothing near") << "reboot" << "";
    QTest::newRow("empty") << "" << "";
}

void TestCliCommandLine::nearestWord()
{
    QFETCH(QString, typed);
    QFETCH(QString, nearest);
    QCOMPARE(CliSuggest::nearest(typed, CliCommands::commandNames()), nearest);
}

void TestCliCommandLine::saveWritesOnlyAFile_data()
{
    QTest::addColumn<QString>("there");   // what stands at the path
    QTest::addColumn<bool>("force");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("new name") << "nothing" << false << 0;
    QTest::newRow("file") << "file" << false << 73;
    QTest::newRow("file, --force") << "file" << true << 0;
    QTest::newRow("FIFO, --force") << "fifo" << true << 73;
    QTest::newRow("symbolic link, --force") << "link" << true << 73;
    QTest::newRow("folder, --force") << "folder" << true << 73;
    QTest::newRow("device, --force") << "device" << true << 73;
    QTest::newRow("missing folder") << "no folder" << false << 73;
}

void TestCliCommandLine::saveWritesOnlyAFile()
{
    QFETCH(QString, there);
    QFETCH(bool, force);
    QFETCH(int, exitCode);
    const QString kept = m_outside.filePath(QStringLiteral("kept.txt"));
    QFile::remove(kept);
    QVERIFY(QFile(kept).open(QIODevice::WriteOnly));
    QString path = m_outside.filePath(QStringLiteral("out-%1.conf").arg(QTest::currentDataTag()));
    if (there == QLatin1String("file"))
        QVERIFY(QFile::copy(kept, path));
    else if (there == QLatin1String("fifo"))
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (there == QLatin1String("link"))
        QVERIFY(QFile::link(kept, path));
    else if (there == QLatin1String("folder"))
        QVERIFY(QDir().mkpath(path));
    else if (there == QLatin1String("device"))
        path = QStringLiteral("/dev/null");
    else if (there == QLatin1String("no folder"))
        path = m_outside.filePath(QStringLiteral("missing/out.conf"));

    QStringList arguments{"save", path};
    if (force)
        arguments << "--force";
    QCOMPARE(run(arguments), exitCode);
    const QFileInfo info(path);
    if (exitCode == 0) {
        QVERIFY(info.isFile() && !info.isSymLink());
        QCOMPARE(QSettings(path, QSettings::IniFormat).value("MouseName/Name").toString(),
                 AppConfig::currentProductName());
    } else {
        // What stood there is as it was; the file a link points to too.
        QCOMPARE(info.isSymLink(), there == QLatin1String("link"));
        QCOMPARE(info.isDir(), there == QLatin1String("folder"));
        QCOMPARE(QFileInfo(path).exists(), there != QLatin1String("no folder"));
        QVERIFY(readWholeFile(kept).isEmpty());
        if (there == QLatin1String("file"))
            QVERIFY(readWholeFile(path).isEmpty());
    }
    struct stat null {};
    QCOMPARE(::stat("/dev/null", &null), 0);
    QVERIFY(S_ISCHR(null.st_mode));
}

void TestCliCommandLine::macroExportIntoAFolder()
{
    makeMacro(QStringLiteral("burst"));
    const QString folder = m_outside.filePath(QStringLiteral("macros"));
    QVERIFY(QDir().mkpath(folder));
    // With and without the trailing '/': NAME.MSMACRO inside, never a
    // hidden ".MSMACRO".
    QCOMPARE(run({"macro", "export", "burst", folder + "/"}), 0);
    const QString exported = folder + QStringLiteral("/burst.MSMACRO");
    QCOMPARE(readWholeFile(exported), readWholeFile(Paths::macroFile(QStringLiteral("burst"))));
    QVERIFY(!QFile::exists(folder + QStringLiteral("/.MSMACRO")));
    QCOMPARE(run({"macro", "export", "burst", folder}), 73);
    QCOMPARE(run({"macro", "export", "burst", folder, "--force"}), 0);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"burst.MSMACRO"});
    // A folder that does not exist is not made.
    QCOMPARE(run({"macro", "export", "burst", m_outside.filePath("none/")}), 73);
    QVERIFY(!QFile::exists(m_outside.filePath("none")));
}

void TestCliCommandLine::macroImportTakesOnlyMacroFiles_data()
{
    QTest::addColumn<QStringList>("files");   // kinds, each becomes one file
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("imported");
    QTest::newRow("a macro") << QStringList{"macro"} << 0 << QStringList{"f0"};
    QTest::newRow("empty") << QStringList{"empty"} << 65 << QStringList{};
    QTest::newRow("binary") << QStringList{"binary"} << 65 << QStringList{};
    QTest::newRow("Config.ini") << QStringList{"config"} << 65 << QStringList{};
    QTest::newRow("a macro and a binary file") << QStringList{"binary", "macro"} << 3 << QStringList{"f1"};
    QTest::newRow("a macro and one the library has") << QStringList{"macro", "existing"} << 3 << QStringList{"f0"};
}

void TestCliCommandLine::macroImportTakesOnlyMacroFiles()
{
    QFETCH(QStringList, files);
    QFETCH(int, exitCode);
    QFETCH(QStringList, imported);
    makeMacro(QStringLiteral("burst"));
    const QByteArray macro = readWholeFile(Paths::macroFile(QStringLiteral("burst")));
    QStringList paths;
    for (int i = 0; i < files.size(); ++i) {
        const QString kind = files.at(i);
        QByteArray bytes = macro;
        if (kind == QLatin1String("empty"))
            bytes.clear();
        else if (kind == QLatin1String("binary"))
            bytes = QByteArray::fromHex("7f454c4602010100000000") + "\n[Setting]\nCount=1\n";
        else if (kind == QLatin1String("config"))
            bytes = readWholeFile(Paths::configFile());
        const QString name = kind == QLatin1String("existing") ? QStringLiteral("burst") : QStringLiteral("f%1").arg(i);
        const QString path = m_outside.filePath(QStringLiteral("%1/%2.MSMACRO").arg(QTest::currentDataTag(), name));
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
        paths << path;
    }
    QCOMPARE(run(QStringList{"macro", "import"} + paths), exitCode);
    QCOMPARE(listMacros(), QStringList{"burst"} + imported);
}

void TestCliCommandLine::macroDeleteThatFailsSaysSo()
{
    makeMacro(QStringLiteral("burst"));
    // A folder with something in it where the file was: it cannot be
    // removed, whoever runs the test.
    const QString path = Paths::macroFile(QStringLiteral("burst"));
    QVERIFY(QFile::remove(path));
    QVERIFY(QDir().mkpath(path + QStringLiteral("/inside")));
    QCOMPARE(run({"macro", "delete", "burst"}), 73);
    QVERIFY(QFileInfo(path).isDir());
}

void TestCliCommandLine::loadRefusesValuesTheSettersRefuse_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("debounce past a byte") << "Config/Debounce" << "99999" << 65;
    QTest::newRow("debounce 0") << "Config/Debounce" << "0" << 65;
    QTest::newRow("debounce not a number") << "Config/Debounce" << "fast" << 65;
    QTest::newRow("lift past a byte") << "Config/LiftHigh" << "258" << 65;
    QTest::newRow("scroll negative") << "PROFILE_2/scrollspeed" << "-1" << 65;
    QTest::newRow("debounce 255") << "Config/Debounce" << "255" << 0;
    QTest::newRow("shipped lift 0") << "Config/LiftHigh" << "0" << 0;
}

void TestCliCommandLine::loadRefusesValuesTheSettersRefuse()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(int, exitCode);
    const QString file = m_outside.filePath(QStringLiteral("%1.conf").arg(QTest::currentDataTag()));
    QCOMPARE(run({"save", file}), 0);
    QSettings(file, QSettings::IniFormat).setValue(key, value);
    const QByteArray config = readWholeFile(Paths::configFile());
    QCOMPARE(run({"load", file}), exitCode);
    if (exitCode != 0) {
        QCOMPARE(readWholeFile(Paths::configFile()), config);
        QVERIFY(m_mouse->memory().uploadMarks.empty());
    } else {
        MouseConfig loaded;
        AppConfig::loadAll(loaded);
        QCOMPARE(QString::number(key == QLatin1String("Config/Debounce") ? loaded.Debounce : loaded.LiftHigh), value);
    }
}

void TestCliCommandLine::showAgreesWithTheSetters()
{
    // The shipped record holds lift 0, which the pages show as 2 mm.
    MouseConfig config;
    AppConfig::loadAll(config);
    QCOMPARE(int(config.LiftHigh), 0);
    const int active = config.profileIndex();
    QCOMPARE(CliShow::toJson(config, active).value("lift").toInt(), 2);
    QVERIFY(CliShow::toLines(config, active).contains(QStringLiteral("lift: 2 mm")));

    // Effects by the names the command takes, a dash of their own included.
    for (const char *effect : {"yo-yo", "wave", "full-lighted"}) {
        QCOMPARE(run({"lighting", effect}), 0);
        AppConfig::loadAll(config);
        QCOMPARE(CliShow::toJson(config, active).value("lighting").toObject().value("effectName").toString(),
                 QString::fromLatin1(effect));
    }

    // Only the entries the mouse receives, and a setter refuses the others.
    QStringList listed;
    for (const QJsonValue &entry : CliShow::toJson(config, active).value("buttons").toArray())
        listed << QString::number(entry.toObject().value("index").toInt());
    QCOMPARE(listed, CliComplete::words({"entries"}));
    QVERIFY(listed.contains(QStringLiteral("41")) && listed.contains(QStringLiteral("42")));
    const int buttonCount = ProductDescriptor::buttonCount();
    const QMap<QString, QByteArray> settings = settingsFiles();
    const size_t marks = m_mouse->memory().uploadMarks.size();
    for (int entry = 0; entry < kButtonEntryCount; ++entry) {
        if (!entryReachesMouse(entry, buttonCount))
            QCOMPARE(run({"button", QString::number(entry + 1), "copy"}), 65);
    }
    QVERIFY(settingsFiles() == settings);
    QCOMPARE(m_mouse->memory().uploadMarks.size(), marks);
}

void TestCliCommandLine::brokenConfigIsMended()
{
    const QString product = AppConfig::currentProductName();
    const int sensor = AppConfig::sensorType();
    QVERIFY(!product.isEmpty() && sensor != 0);
    {
        QSettings config(Paths::configFile(), QSettings::IniFormat);
        config.remove(QStringLiteral("Config/CurrentProductName"));
        config.setValue(QStringLiteral("MouseSenSor/1"), 0);
        config.setValue(QStringLiteral("Config/Debounce"), 33);   // the user's, kept
    }
    QCOMPARE(run({"dpi", "1", "800"}), 0);
    QCOMPARE(AppConfig::currentProductName(), product);
    QCOMPARE(AppConfig::sensorType(), sensor);
    QCOMPARE(AppConfig::debounce(), 33);
}

void TestCliCommandLine::completionWords()
{
    const int stages = ProductDescriptor::boundedDpiStageCount();
    QCOMPARE(CliComplete::words({"stages"}).size(), stages);
    QCOMPARE(CliComplete::words({"stages"}).last(), QString::number(stages));

    // The wheel's entries offer the wheel's menu; a button's entry its own.
    const QStringList wheel = CliComplete::words({"functions", "41"});
    QCOMPARE(wheel, CliComplete::words({"functions", "42"}));
    QVERIFY(wheel.contains(QStringLiteral("scroll-up")));
    QVERIFY(!wheel.contains(QStringLiteral("copy")) && !wheel.contains(QStringLiteral("macro")));
    const QStringList button = CliComplete::words({"functions", "2"});
    QVERIFY(button.contains(QStringLiteral("copy")) && button.contains(QStringLiteral("fire")));
    QVERIFY(!button.contains(QStringLiteral("scroll-up")));
    QVERIFY(!CliComplete::words({"functions", "1"}).contains(QStringLiteral("gunfile")));

    // Every key word offered is taken back by `button ... key`.
    const QStringList keys = CliComplete::words({"keys"});
    QVERIFY(keys.contains(QStringLiteral("page-up")) && keys.contains(QStringLiteral("ctrl")));
    for (const QString &key : keys) {
        if (key != QLatin1String("ctrl") && key != QLatin1String("shift") && key != QLatin1String("alt")
            && key != QLatin1String("win"))
            QVERIFY2(keyCodeForName(key) != 0, qPrintable(key));
    }
    QVERIFY(CliComplete::words({"effects"}).contains(QStringLiteral("yo-yo")));
    QCOMPARE(run({"complete", "stages"}), 0);
}

QTEST_GUILESS_MAIN(TestCliCommandLine)
#include "test_clicommandline.moc"
