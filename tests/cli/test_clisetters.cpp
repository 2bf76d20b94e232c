// The command line's setters run in-process against the virtual mouse: each
// setting lands in the settings files and in the mouse's memory, `show
// --json` reads it back, values the pages would refuse are refused (64 for
// a malformed line, 65 for a value the rules refuse) with nothing written
// and nothing sent, --no-apply writes without sending, and every command
// has its own --help.

#include "clicommands.h"
#include "clirun.h"
#include "clishow.h"

#include "config/appconfig.h"
#include "config/lightingeffects.h"
#include "config/macrofile.h"
#include "config/mouseconfig.h"
#include "config/paths.h"
#include "config/productdescriptor.h"
#include "device/devicestate.h"
#include "device/hidbackend.h"
#include "sim/virtualmouse.h"

#include "testenvironment.h"

#include <QDirIterator>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonArray>
#include <QtTest>

#include <memory>

namespace {

// Every settings file below Configs with its bytes.
QMap<QString, QByteArray> settingsFiles()
{
    QMap<QString, QByteArray> files;
    QDirIterator it(Paths::configsDir(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(path, readWholeFile(path));
    }
    return files;
}

// The JSON `show` prints for the stored settings, parsed back from its text.
QJsonObject shown(int profileIndex)
{
    MouseConfig config;
    AppConfig::loadAll(config);
    const QByteArray text = QJsonDocument(CliShow::toJson(config, profileIndex)).toJson();
    return QJsonDocument::fromJson(text).object();
}

QJsonObject stage(const QJsonObject &show, int number)
{
    return show.value("dpiStages").toArray().at(number - 1).toObject();
}

} // namespace

class TestCliSetters : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void settersReachFilesAndMouse();
    void badValuesChangeNothing_data();
    void badValuesChangeNothing();
    void lighting();
    void macroLibrary();
    void lastDpiStageStaysOn();
    void noApplyOnlyWrites();
    void everyCommandHasItsHelp();

private:
    int run(const QStringList &arguments) { return runCommandLine(QStringList{"mousecfg-cli"} + arguments, [](bool) {}); }

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<VirtualMouse> m_mouse;
};

void TestCliSetters::init()
{
    m_env = std::make_unique<TestEnvironment>();
    m_mouse = std::make_unique<VirtualMouse>();
    m_mouse->plug(SimLink::Receiver);
    setHidBackend(m_mouse.get());
}

void TestCliSetters::cleanup()
{
    setHidBackend(nullptr);
    setMouseOff(false);
    m_mouse.reset();
    m_env.reset();
}

void TestCliSetters::settersReachFilesAndMouse()
{
    const int active = AppConfig::activeProfileIndex();
    const int sensor = AppConfig::sensorType();
    QCOMPARE(sensor, 3395);   // 50 DPI steps: code = DPI / 50 - 1

    QCOMPARE(run({"dpi", "2", "800"}), 0);
    QCOMPARE(stage(shown(active), 2).value("x").toInt(), 800);
    QCOMPARE(stage(shown(active), 2).value("y").toInt(), 800);
    // The DPI block: a count, then 5 bytes a stage, X and Y low byte first.
    const auto dpiBytes = [this](int stageIndex) {
        const SimMemory m = m_mouse->memory();
        return QByteArray(reinterpret_cast<const char *>(m.dpi.data()) + 1 + 5 * stageIndex + 1, 4).toHex(' ');
    };
    QCOMPARE(dpiBytes(1), QByteArray("0f 00 0f 00"));

    QCOMPARE(run({"dpi", "3", "1600", "3200"}), 0);
    QCOMPARE(stage(shown(active), 3).value("y").toInt(), 3200);
    QCOMPARE(dpiBytes(2), QByteArray("1f 00 3f 00"));

    QCOMPARE(run({"dpi", "2", "on"}), 0);
    QCOMPARE(run({"dpi", "active", "2"}), 0);
    QCOMPARE(shown(active).value("activeDpiStage").toInt(), 2);
    QCOMPARE(m_mouse->memory().dpiStage[size_t(active)], 1);

    QCOMPARE(run({"rate", "500"}), 0);
    QCOMPARE(shown(active).value("reportRate").toObject().value("hz").toInt(), 500);
    QCOMPARE(m_mouse->memory().pollrate[size_t(active)], 2);

    QCOMPARE(run({"scroll", "7"}), 0);
    QCOMPARE(shown(active).value("scroll").toInt(), 7);
    QCOMPARE(m_mouse->memory().scrollspeed[size_t(active)], 7);

    const int systemCommits = m_mouse->memory().commits[0];
    QCOMPARE(run({"lift", "2"}), 0);
    QCOMPARE(run({"debounce", "12"}), 0);
    QCOMPARE(run({"angle", "on"}), 0);
    QCOMPARE(run({"jitter", "on"}), 0);
    QCOMPARE(run({"sync", "off"}), 0);
    const QJsonObject all = shown(active);
    QCOMPARE(all.value("lift").toInt(), 2);
    QCOMPARE(all.value("debounce").toInt(), 12);
    QCOMPARE(all.value("angle").toBool(), true);
    QCOMPARE(all.value("jitter").toBool(), true);
    QCOMPARE(all.value("sync").toBool(), false);
    // The global options travel in the system block.
    QVERIFY(m_mouse->memory().commits[0] > systemCommits);
    QVERIFY(!m_mouse->memory().uploading);
    QCOMPARE(all.value("buttons").toArray().size(), kButtonEntryCount);

    // Another profile than the active one.
    const int other = (active + 2) % kProfileCount;
    QCOMPARE(run({"scroll", "4", "--profile", QString::number(other + 1)}), 0);
    QCOMPARE(shown(other).value("scroll").toInt(), 4);
    QCOMPARE(shown(active).value("scroll").toInt(), 7);
    QCOMPARE(AppConfig::activeProfileIndex(), active);
}

void TestCliSetters::badValuesChangeNothing_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("rate 300") << QStringList{"rate", "300"} << 65;
    QTest::newRow("rate word") << QStringList{"rate", "fast"} << 64;
    QTest::newRow("lift 3") << QStringList{"lift", "3"} << 65;
    QTest::newRow("lift 0") << QStringList{"lift", "0"} << 65;
    QTest::newRow("debounce 0") << QStringList{"debounce", "0"} << 65;
    QTest::newRow("debounce 256") << QStringList{"debounce", "256"} << 65;
    QTest::newRow("debounce negative") << QStringList{"debounce", "-3"} << 64;
    QTest::newRow("scroll 21") << QStringList{"scroll", "21"} << 65;
    QTest::newRow("scroll 1.5") << QStringList{"scroll", "1.5"} << 64;
    QTest::newRow("angle yes") << QStringList{"angle", "yes"} << 64;
    QTest::newRow("sync without value") << QStringList{"sync"} << 64;
    QTest::newRow("dpi stage 0") << QStringList{"dpi", "0", "800"} << 65;
    QTest::newRow("dpi stage 9") << QStringList{"dpi", "9", "800"} << 65;
    QTest::newRow("dpi not a step") << QStringList{"dpi", "1", "825"} << 65;
    QTest::newRow("dpi above the sensor") << QStringList{"dpi", "1", "999999"} << 65;
    QTest::newRow("dpi Y not a step") << QStringList{"dpi", "1", "800", "810"} << 65;
    QTest::newRow("dpi word") << QStringList{"dpi", "1", "high"} << 64;
    QTest::newRow("dpi too many") << QStringList{"dpi", "1", "800", "800", "800"} << 64;
    QTest::newRow("scroll --profile 6") << QStringList{"scroll", "3", "--profile", "6"} << 64;
    QTest::newRow("--no-apply on show") << QStringList{"--no-apply", "show"} << 64;
    QTest::newRow("unknown option") << QStringList{"rate", "500", "--fast"} << 64;
    QTest::newRow("no such effect") << QStringList{"lighting", "sparkle"} << 65;
    QTest::newRow("effect the menu does not offer") << QStringList{"lighting", "raindrop"} << 65;
    QTest::newRow("speed of an effect without one") << QStringList{"lighting", "off", "--speed", "2"} << 65;
    QTest::newRow("colour of a colourless effect") << QStringList{"lighting", "rainbow", "--colour", "#00ff00"} << 65;
    QTest::newRow("speed 9") << QStringList{"lighting", "breathing", "--speed", "9"} << 65;
    QTest::newRow("brightness 0") << QStringList{"lighting", "full-lighted", "--brightness", "0"} << 65;
    QTest::newRow("colour by name") << QStringList{"lighting", "breathing", "--colour", "red"} << 64;
    QTest::newRow("move-off maybe") << QStringList{"lighting", "breathing", "--move-off", "maybe"} << 64;
    QTest::newRow("sleep 1000") << QStringList{"lighting", "breathing", "--sleep", "1000"} << 65;
}

void TestCliSetters::badValuesChangeNothing()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QCOMPARE(run({"show"}), 0);   // the settings folder exists, as after any run
    const QMap<QString, QByteArray> before = settingsFiles();
    QCOMPARE(run(arguments), exitCode);
    QVERIFY(settingsFiles() == before);
    QVERIFY(m_mouse->memory().uploadMarks.empty());
}

void TestCliSetters::lighting()
{
    int minimum = 0;
    int maximum = 0;
    LightingEffects::sleepRange(minimum, maximum);
    const int lightingCommits = m_mouse->memory().commits[3];
    QCOMPARE(run({"lighting", "breathing", "--colour", "#00ff80", "--speed", "2", "--sleep", QString::number(maximum),
                  "--move-off", "on"}),
             0);
    const QJsonObject lit = shown(AppConfig::activeProfileIndex()).value("lighting").toObject();
    QCOMPARE(lit.value("effectName").toString(), QStringLiteral("BREATHING"));
    QCOMPARE(lit.value("colour").toString(), QStringLiteral("#00ff80"));
    QCOMPARE(lit.value("speed").toInt(), 2);
    QCOMPARE(lit.value("sleep").toInt(), maximum);
    QCOMPARE(lit.value("moveOff").toBool(), true);
    QVERIFY(m_mouse->memory().commits[3] > lightingCommits);

    // Blanks as '-', any case; the other settings of the effect stay.
    QCOMPARE(run({"lighting", "Full-Lighted", "--brightness", "1"}), 0);
    const QJsonObject full = shown(AppConfig::activeProfileIndex()).value("lighting").toObject();
    QCOMPARE(full.value("effectName").toString(), QStringLiteral("FULL LIGHTED"));
    QCOMPARE(full.value("brightness").toInt(), 1);
    QCOMPARE(full.value("sleep").toInt(), maximum);
}

void TestCliSetters::macroLibrary()
{
    QVERIFY(writeMacroFile(QStringLiteral("burst"), MacroOptions{}, {}));
    QVERIFY(addMacroName(QStringLiteral("burst")));
    QVERIFY(writeMacroFile(QStringLiteral("reload"), MacroOptions{}, {}));
    QVERIFY(addMacroName(QStringLiteral("reload")));
    QCOMPARE(run({"macro", "list"}), 0);

    const QStringList before = listMacros();
    QVERIFY(before.contains(QStringLiteral("burst")));
    QCOMPARE(run({"macro", "delete", "nothing"}), 65);
    QCOMPARE(listMacros(), before);
    QCOMPARE(run({"macro", "delete"}), 64);
    QCOMPARE(run({"macro", "rename", "burst"}), 64);

    QCOMPARE(run({"macro", "delete", "burst"}), 0);
    QVERIFY(!listMacros().contains(QStringLiteral("burst")));
    QVERIFY(listMacros().contains(QStringLiteral("reload")));
    QCOMPARE(listMacros().size(), before.size() - 1);
    QVERIFY(!QFile::exists(Paths::macroFile(QStringLiteral("burst"))));
    QVERIFY(QFile::exists(Paths::macroFile(QStringLiteral("reload"))));
}

void TestCliSetters::lastDpiStageStaysOn()
{
    const int stages = ProductDescriptor::boundedDpiStageCount();
    for (int k = 2; k <= stages; ++k)
        QCOMPARE(run({"dpi", QString::number(k), "off"}), 0);
    const int active = AppConfig::activeProfileIndex();
    QCOMPARE(shown(active).value("activeDpiStage").toInt(), 1);
    // Only stage 1 is on: it cannot go off, and stage 2 cannot be made active.
    const QMap<QString, QByteArray> before = settingsFiles();
    const size_t marks = m_mouse->memory().uploadMarks.size();
    QCOMPARE(run({"dpi", "1", "off"}), 65);
    QCOMPARE(run({"dpi", "active", "2"}), 65);
    QVERIFY(settingsFiles() == before);
    QCOMPARE(m_mouse->memory().uploadMarks.size(), marks);
    QCOMPARE(stage(shown(active), 1).value("on").toBool(), true);
}

void TestCliSetters::noApplyOnlyWrites()
{
    QVERIFY(AppConfig::setDiff(0));
    QCOMPARE(run({"--no-apply", "lift", "2"}), 0);
    QCOMPARE(run({"debounce", "40", "--no-apply"}), 0);
    QCOMPARE(AppConfig::liftHigh(), 2);
    QCOMPARE(AppConfig::debounce(), 40);
    QVERIFY(m_mouse->memory().uploadMarks.empty());
    // The mouse has not seen them: the next apply sends everything.
    QCOMPARE(AppConfig::diff(), 1);
    QCOMPARE(run({"apply"}), 0);
    QCOMPARE(m_mouse->memory().commits[0], 1);
    QCOMPARE(AppConfig::diff(), 0);
}

void TestCliSetters::everyCommandHasItsHelp()
{
    for (const CliCommands::CommandSpec &spec : CliCommands::commands()) {
        const QString help = CliCommands::commandHelp(spec);
        QVERIFY2(help.startsWith(QStringLiteral("Usage: mousecfg-cli ") + spec.name), qPrintable(help));
        for (const CliCommands::OptionSpec &option : spec.options)
            QVERIFY2(help.contains(QStringLiteral("--") + option.name), qPrintable(spec.name + ": " + option.name));
        QCOMPARE(help.contains(QStringLiteral("--no-apply")), spec.writes);
        QVERIFY(CliCommands::generalHelp().contains(QStringLiteral("  ") + spec.name));
        QCOMPARE(run({spec.name, "--help"}), 0);
    }
    QVERIFY(m_mouse->memory().uploadMarks.empty());
}

QTEST_GUILESS_MAIN(TestCliSetters)
#include "test_clisetters.moc"
