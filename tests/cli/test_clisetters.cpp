// The command line's setters run in-process against the virtual mouse: each
// setting lands in the settings files and in the mouse's memory, `show
// --json` reads it back, values the pages would refuse are refused (64 for
// a malformed line, 65 for a value the rules refuse) with nothing written
// and nothing sent, --no-apply writes without sending, and every command
// has its own --help.

#include "clicommands.h"
#include "clioutput.h"
#include "clirun.h"
#include "clishow.h"

#include "config/appconfig.h"
#include "config/buttonassignment.h"
#include "config/buttonrules.h"
#include "config/functioncatalogue.h"
#include "config/functionmenus.h"
#include "config/keytables.h"
#include "config/lightingeffects.h"
#include "config/macrofile.h"
#include "config/mouseconfig.h"
#include "config/paths.h"
#include "config/productdescriptor.h"
#include "device/buttonblock.h"
#include "device/devicecontext.h"
#include "device/hidbackend.h"
#include "sim/virtualmouse.h"

#include "testenvironment.h"

#include <QDirIterator>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonArray>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// Every settings file below Configs with its bytes.
QMap<QString, QByteArray> settingsFiles() { return filesBelow(Paths::configsDir()); }

// The JSON `show` prints for the stored settings, parsed back from its text.
QJsonObject shown(int profileIndex)
{
    MouseConfig config;
    AppConfig::loadAll(config);
    const QByteArray text = QJsonDocument(CliShow::toJson(config, profileIndex)).toJson();
    return QJsonDocument::fromJson(text).object();
}

// The entry `number` (from 1) of `show`'s buttons; empty when not listed.
QJsonObject shownButton(const QJsonObject &show, int number)
{
    for (const QJsonValue &button : show.value("buttons").toArray()) {
        if (button.toObject().value("index").toInt() == number)
            return button.toObject();
    }
    return QJsonObject();
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
    void settersFollowTheMousesOwnSwitch();
    void badValuesChangeNothing_data();
    void badValuesChangeNothing();
    void lighting();
    void buttonFunctions_data();
    void buttonFunctions();
    void buttonRules_data();
    void buttonRules();
    void switchedOffFunctions();
    void typedNamesFindTheirCode();
    void macroLibrary();
    void macroImportExport();
    void lastDpiStageStaysOn();
    void noApplyOnlyWrites();
    void everyCommandHasItsHelp();

private:
    int run(const QStringList &arguments) { return runCommandLine(QStringList{"mousecfg-cli"} + arguments, [](bool) {}); }
    // Two macros in the library, as the macro page leaves them.
    void makeMacros();

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
    // The entries this mouse receives, no others.
    int received = 0;
    for (int entry = 0; entry < kButtonEntryCount; ++entry)
        received += entryReachesMouse(entry, ProductDescriptor::buttonCount()) ? 1 : 0;
    QCOMPARE(all.value("buttons").toArray().size(), received);

    // Another profile than the active one.
    const int other = (active + 2) % kProfileCount;
    QCOMPARE(run({"scroll", "4", "--profile", QString::number(other + 1)}), 0);
    QCOMPARE(shown(other).value("scroll").toInt(), 4);
    QCOMPARE(shown(active).value("scroll").toInt(), 7);
    QCOMPARE(AppConfig::activeProfileIndex(), active);
}

void TestCliSetters::settersFollowTheMousesOwnSwitch()
{
    QCOMPARE(run({"apply", "--full"}), 0);
    const int stored = AppConfig::activeProfileIndex();
    const int before = stage(shown(stored), 2).value("x").toInt();
    // The mouse's profile button, pressed while the command listens.
    m_mouse->pressAtNextQuery(SimButton::Profile);
    QCOMPARE(run({"dpi", "2", before == 850 ? "900" : "850"}), 0);
    const int followed = m_mouse->memory().activeProfile;
    QVERIFY(followed != stored);
    QCOMPARE(AppConfig::activeProfileIndex(), followed);
    QCOMPARE(stage(shown(followed), 2).value("x").toInt(), before == 850 ? 900 : 850);
    QCOMPARE(stage(shown(stored), 2).value("x").toInt(), before);
    // The mouse stays where it went and holds that profile's stages: a full
    // upload of the settings changes nothing there.
    QCOMPARE(m_mouse->memory().activeProfile, followed);
    const auto dpi = m_mouse->memory().dpi;
    const auto system = m_mouse->memory().system;
    QCOMPARE(run({"apply", "--full"}), 0);
    QVERIFY(m_mouse->memory().dpi == dpi);
    QVERIFY(m_mouse->memory().system == system);

    // status says what the mouse said.
    m_mouse->pressAtNextQuery(SimButton::Profile);
    QCOMPARE(run({"status", "--json"}), 0);
    QCOMPARE(AppConfig::activeProfileIndex(), m_mouse->memory().activeProfile);

    // The battery as the window shows it: a full voltage no battery has is
    // not taken (994 is 4100 mV, 90 % of the default 4200).
    QSettings(Paths::configFile(), QSettings::IniFormat).setValue(QStringLiteral("Config/BatteryFull"), 5);
    m_mouse->setBattery(994, false);
    CliOutput::Capture capture;
    QCOMPARE(run({"status", "--json"}), 0);
    const QJsonObject battery = QJsonDocument::fromJson(capture.out.toUtf8()).object().value("battery").toObject();
    QCOMPARE(battery.value("level").toInt(), 90);
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
    QTest::newRow("debounce negative") << QStringList{"debounce", "-3"} << 65;
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
    QTest::newRow("scroll --profile 6") << QStringList{"scroll", "3", "--profile", "6"} << 65;
    QTest::newRow("profile 6") << QStringList{"profile", "6"} << 65;
    QTest::newRow("profile 0") << QStringList{"profile", "0"} << 65;
    QTest::newRow("dpi negative") << QStringList{"dpi", "1", "-800"} << 65;
    QTest::newRow("dpi negative stage") << QStringList{"dpi", "-1", "800"} << 65;
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
    QTest::newRow("button 0") << QStringList{"button", "0", "copy"} << 65;
    QTest::newRow("button 43") << QStringList{"button", "43", "copy"} << 65;
    QTest::newRow("an entry the mouse never receives") << QStringList{"button", "21", "copy"} << 65;
    QTest::newRow("button word") << QStringList{"button", "one", "copy"} << 64;
    QTest::newRow("no such function") << QStringList{"button", "3", "teleport"} << 65;
    QTest::newRow("function in no menu") << QStringList{"button", "3", "profile-switch"} << 65;
    QTest::newRow("sniper is in no menu") << QStringList{"button", "3", "SNIPER"} << 65;
    QTest::newRow("scroll on a row button") << QStringList{"button", "3", "scroll-up"} << 65;
    QTest::newRow("copy on the wheel") << QStringList{"button", "41", "copy"} << 65;
    QTest::newRow("fire on the wheel") << QStringList{"button", "42", "fire", "left"} << 65;
    QTest::newRow("macro on the wheel") << QStringList{"button", "41", "macro", "x"} << 65;
    QTest::newRow("unknown key") << QStringList{"button", "3", "key", "Hyper"} << 65;
    QTest::newRow("mouse button as a key") << QStringList{"button", "3", "key", "Left Button"} << 65;
    QTest::newRow("key without a key") << QStringList{"button", "3", "key"} << 64;
    QTest::newRow("two keys for one") << QStringList{"button", "3", "key", "a", "b"} << 64;
    QTest::newRow("combo of two other keys") << QStringList{"button", "3", "combo", "ctrl+a+b"} << 65;
    QTest::newRow("combo ending in +") << QStringList{"button", "3", "combo", "ctrl+"} << 65;
    QTest::newRow("combo without keys") << QStringList{"button", "3", "combo"} << 64;
    QTest::newRow("fire times 0") << QStringList{"button", "3", "fire", "left", "--times", "0"} << 65;
    QTest::newRow("fire delay 256") << QStringList{"button", "3", "fire", "left", "--delay", "256"} << 65;
    QTest::newRow("fire times word") << QStringList{"button", "3", "fire", "left", "--times", "many"} << 64;
    QTest::newRow("fire at a mouse button key") << QStringList{"button", "3", "fire", "Middle Button"} << 65;
    QTest::newRow("loop on fire") << QStringList{"button", "3", "fire", "left", "--loop", "2"} << 64;
    QTest::newRow("times on copy") << QStringList{"button", "3", "copy", "--times", "2"} << 64;
    QTest::newRow("copy with an argument") << QStringList{"button", "3", "copy", "x"} << 64;
    QTest::newRow("macro with an empty library") << QStringList{"button", "3", "macro", "burst"} << 65;
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
    const int maximum = LightingEffects::sleepRange().maximum;
    const int lightingCommits = m_mouse->memory().commits[3];
    QCOMPARE(run({"lighting", "breathing", "--colour", "#00ff80", "--speed", "2", "--sleep", QString::number(maximum),
                  "--move-off", "on"}),
             0);
    const QJsonObject lit = shown(AppConfig::activeProfileIndex()).value("lighting").toObject();
    QCOMPARE(lit.value("effectName").toString(), QStringLiteral("breathing"));
    QCOMPARE(lit.value("colour").toString(), QStringLiteral("#00ff80"));
    QCOMPARE(lit.value("speed").toInt(), 2);
    QCOMPARE(lit.value("sleep").toInt(), maximum);
    QCOMPARE(lit.value("moveOff").toBool(), true);
    QVERIFY(m_mouse->memory().commits[3] > lightingCommits);

    // Blanks as '-', any case; the other settings of the effect stay.
    QCOMPARE(run({"lighting", "Full-Lighted", "--brightness", "1"}), 0);
    const QJsonObject full = shown(AppConfig::activeProfileIndex()).value("lighting").toObject();
    QCOMPARE(full.value("effectName").toString(), QStringLiteral("full-lighted"));
    QCOMPARE(full.value("brightness").toInt(), 1);
    QCOMPARE(full.value("sleep").toInt(), maximum);
}

void TestCliSetters::makeMacros()
{
    // burst: a press and release of A; reload: one delay.
    const std::vector<KeyInfo> burst{{MacroEvent::KeyDown, 0, 4}, {MacroEvent::KeyUp, 0, 4}};
    QVERIFY(writeMacroFile(QStringLiteral("burst"), MacroOptions{}, burst));
    QVERIFY(addMacroName(QStringLiteral("burst")));
    QVERIFY(writeMacroFile(QStringLiteral("reload"), MacroOptions{}, {{MacroEvent::Delay, 0, 30}}));
    QVERIFY(addMacroName(QStringLiteral("reload")));
}

void TestCliSetters::buttonFunctions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("fun");
    QTest::addColumn<QString>("shownAs");
    QTest::addColumn<int>("res1");   // -1: not looked at
    QTest::addColumn<int>("loops");  // -1: not looked at
    QTest::newRow("menu text") << QStringList{"3", "Copy"} << 2 << 18 << "Copy" << -1 << -1;
    QTest::newRow("dashes, any case") << QStringList{"4", "BROWSER-home"} << 3 << 31 << "Browser Home" << -1 << -1;
    QTest::newRow("blank left out") << QStringList{"5", "dpi+"} << 4 << Fun::DpiUp << "DPI +" << -1 << -1;
    QTest::newRow("blank as '-'") << QStringList{"5", "dpi--"} << 4 << Fun::DpiDown << "DPI -" << -1 << -1;
    QTest::newRow("quoted text") << QStringList{"5", "Play/Pause"} << 4 << 39 << "Play/Pause" << -1 << -1;
    QTest::newRow("blank typed as blank") << QStringList{"5", "rate switch"} << 4 << Fun::RateSwitch << "Rate Switch" << -1 << -1;
    QTest::newRow("wheel scroll") << QStringList{"41", "scroll-down"} << 40 << Fun::ScrollDown << "Scroll Down" << -1 << -1;
    QTest::newRow("single key") << QStringList{"42", "key", "Page Up"} << 41 << Fun::SingleKey << "SINGLE KEY Page Up" << 73 << -1;
    QTest::newRow("keypad key") << QStringList{"3", "single-key", "num-1"} << 2 << Fun::SingleKey << "SINGLE KEY Num 1" << 230 << -1;
    QTest::newRow("combo in slot order") << QStringList{"3", "combo", "a+ctrl+shift"} << 2 << Fun::ComboKey
                                         << "COMBO KEY LShift + LCtr + A" << -1 << -1;
    QTest::newRow("combo, right Ctrl as left") << QStringList{"3", "COMBO KEY", "RCtr", "c"} << 2 << Fun::ComboKey
                                               << "COMBO KEY LCtr + C" << -1 << -1;
    QTest::newRow("combo with Num +") << QStringList{"3", "combo", "ctrl+num +"} << 2 << Fun::ComboKey
                                      << "COMBO KEY LCtr + Num +" << -1 << -1;
    QTest::newRow("fire left click") << QStringList{"3", "fire", "left", "--times", "5", "--delay", "20"} << 2
                                     << Fun::FireKey << "FIRE KEY left, 5 times, delay 20" << ButtonAssignment::kFireLeft << 5;
    QTest::newRow("fire key, defaults") << QStringList{"3", "fire-key", "F"} << 2 << Fun::FireKey
                                        << "FIRE KEY F, 3 times, delay 10" << 9 << 3;
    QTest::newRow("fire the Left arrow") << QStringList{"3", "fire", "key", "Left"} << 2 << Fun::FireKey
                                         << "FIRE KEY Left, 3 times, delay 10" << 80 << 3;
    QTest::newRow("macro counted") << QStringList{"3", "macro", "burst", "--loop", "7"} << 2 << Fun::Macro
                                   << "Macro Manager \"burst\"" << int(ButtonAssignment::LoopCount) << 7;
    QTest::newRow("macro while held") << QStringList{"3", "Macro Manager", "reload", "--mode", "while-held"} << 2
                                      << Fun::Macro << "Macro Manager \"reload\"" << int(ButtonAssignment::RepeatWhileHeld) << 1;
    QTest::newRow("recoil file") << QStringList{"4", "gunfile", "burst", "--mode", "until-pressed"} << 3
                                             << Fun::GunFile << "GunFile Manager \"burst\""
                                             << int(ButtonAssignment::RepeatUntilPressedAgain) << 1;
}

void TestCliSetters::buttonFunctions()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, entry);
    QFETCH(int, fun);
    QFETCH(QString, shownAs);
    QFETCH(int, res1);
    QFETCH(int, loops);
    makeMacros();
    const int active = AppConfig::activeProfileIndex();
    QCOMPARE(run(QStringList{"button"} + arguments), 0);

    const QJsonObject entryShown = shownButton(shown(active), entry + 1);
    QCOMPARE(entryShown.value("function").toInt(), fun);
    QCOMPARE(entryShown.value("name").toString(), shownAs);
    MouseConfig stored;
    AppConfig::loadAll(stored);
    const ButtonInfo &button = stored.profiles[size_t(active)].buttons[size_t(entry)];
    if (res1 >= 0)
        QCOMPARE(int(button.Res1), res1);
    if (loops >= 0)
        QCOMPARE(button.LoopNumber, loops);
    if (isMacroFunction(fun)) {
        // The entry carries a copy of the macro's events.
        std::array<KeyInfo, kEventsPerButton> events{};
        QCOMPARE(button.KeyNumber, readMacroEvents(button.macroname, events));
        QVERIFY(button.KeyInfo == events);
    }
    // The mouse holds the button table of the stored settings.
    const SimMemory memory = m_mouse->memory();
    QVERIFY(!memory.uploading);
    const ButtonTable expected = buildButtonTable(stored, loadDeviceContext());
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(memory.buttons.data()), kButtonBlockSize).toHex(' '),
             QByteArray(reinterpret_cast<const char *>(expected.bytes.data()), kButtonBlockSize).toHex(' '));
}

void TestCliSetters::buttonRules_data()
{
    // Each row: a command that must pass first, then one the page's rules refuse.
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<int>("storedLeft");   // an entry given Left in the settings first; -1: none
    QTest::addColumn<QStringList>("refused");
    QTest::newRow("last left click") << QStringList{} << -1 << QStringList{"button", "1", "copy"};
    // The command line gives no function to such an entry: the settings hold it.
    QTest::newRow("a left click the mouse never receives does not count")
        << QStringList{} << 20 << QStringList{"button", "1", "copy"};
    QTest::newRow("recoil file on the first button")
        << QStringList{"button", "2", "left"} << -1 << QStringList{"button", "1", "gunfile", "burst"};
    QTest::newRow("unknown macro") << QStringList{} << -1 << QStringList{"button", "3", "macro", "nothing"};
    QTest::newRow("macro name leaving its folder") << QStringList{} << -1 << QStringList{"button", "3", "macro", "../Config"};
}

void TestCliSetters::buttonRules()
{
    QFETCH(QStringList, before);
    QFETCH(int, storedLeft);
    QFETCH(QStringList, refused);
    makeMacros();
    const int active = AppConfig::activeProfileIndex();
    // The first button is the mouse's one left click.
    MouseConfig config;
    AppConfig::loadAll(config);
    const auto &buttons = config.profiles[size_t(active)].buttons;
    QCOMPARE(buttons[0].Fun, Fun::Left);
    for (int e = 1; e < kButtonEntryCount; ++e) {
        if (buttons[size_t(e)].Fun == Fun::Left)
            QCOMPARE(run({"button", QString::number(e + 1), "middle"}), 0);
    }
    if (!before.isEmpty())
        QCOMPARE(run(before), 0);
    if (storedLeft >= 0) {
        AppConfig::loadAll(config);
        config.profiles[size_t(active)].buttons[size_t(storedLeft)].Fun = Fun::Left;
        QVERIFY(AppConfig::saveAll(config));
    }
    const QMap<QString, QByteArray> files = settingsFiles();
    const size_t marks = m_mouse->memory().uploadMarks.size();
    QCOMPARE(run(refused), 65);
    QVERIFY(settingsFiles() == files);
    QCOMPARE(m_mouse->memory().uploadMarks.size(), marks);
}

void TestCliSetters::switchedOffFunctions()
{
    // A mouse without macros or lighting: the menus lose those entries, and
    // so does the command line.
    makeMacros();
    {
        QSettings descriptor(Paths::descriptorFile(), QSettings::IniFormat);
        descriptor.setValue(QStringLiteral("PROFILE/DisableMacro"), 1);
        descriptor.setValue(QStringLiteral("PROFILE/ledDisable"), 1);
    }
    QCOMPARE(run({"show"}), 0);
    const QMap<QString, QByteArray> files = settingsFiles();
    QCOMPARE(run({"button", "3", "macro", "burst"}), 65);
    QCOMPARE(run({"button", "4", "gunfile", "burst"}), 65);
    QCOMPARE(run({"button", "3", "led-switch"}), 65);
    QVERIFY(settingsFiles() == files);
    QVERIFY(m_mouse->memory().uploadMarks.empty());
    QCOMPARE(run({"button", "3", "mute"}), 0);
    QCOMPARE(shown(AppConfig::activeProfileIndex()).value("buttons").toArray().at(2).toObject().value("function").toInt(), 45);
}

void TestCliSetters::typedNamesFindTheirCode()
{
    // Every function the menus offer and every named key is found from its
    // own text and from the two typed forms, and from no other's.
    QList<int> codes;
    for (const FunctionMenuSection &section : mainFunctionMenu(true, true))
        for (int code : section.codes)
            codes << code;
    for (int code : wheelFunctionMenu())
        codes << code;
    for (int code : codes) {
        const QString name = QString::fromLatin1(functionName(code));
        for (const QString &typed : {name, name.toLower().replace(' ', '-'), name.toUpper().remove(' ')})
            QVERIFY2(functionCodeForName(typed) == code, qPrintable(typed));
    }
    for (int code = 1; code < 256; ++code) {
        const QString name = keyName(code, false);
        if (name.isEmpty())
            continue;
        for (const QString &typed : {name, name.toLower().replace(' ', '-'), name.toLower().remove(' ')})
            QVERIFY2(keyCodeForName(typed) == code, qPrintable(typed));
    }
}

void TestCliSetters::macroLibrary()
{
    makeMacros();
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

void TestCliSetters::macroImportExport()
{
    makeMacros();
    QTemporaryDir outside;
    QVERIFY(outside.isValid());
    const QString exported = outside.filePath(QStringLiteral("copy"));
    QCOMPARE(run({"macro", "export", "burst", exported}), 0);
    // The page's suffix is added; the bytes are the library file's.
    const QByteArray original = readWholeFile(Paths::macroFile(QStringLiteral("burst")));
    QCOMPARE(readWholeFile(exported + ".MSMACRO"), original);
    // An existing file is replaced only when asked.
    QCOMPARE(run({"macro", "export", "reload", exported + ".MSMACRO"}), 73);
    QCOMPARE(readWholeFile(exported + ".MSMACRO"), original);
    QCOMPARE(run({"macro", "export", "reload", exported, "--force"}), 0);
    QCOMPARE(readWholeFile(exported + ".MSMACRO"), readWholeFile(Paths::macroFile(QStringLiteral("reload"))));
    QCOMPARE(run({"macro", "export", "burst", outside.filePath("again.MSMACRO")}), 0);

    // Import under the file's name; the same name again is refused.
    QCOMPARE(run({"macro", "import", exported + ".MSMACRO"}), 0);
    QVERIFY(listMacros().contains(QStringLiteral("copy")));
    QCOMPARE(readWholeFile(Paths::macroFile(QStringLiteral("copy"))), readWholeFile(exported + ".MSMACRO"));
    MacroOptions options;
    std::vector<KeyInfo> events;
    QVERIFY(readMacroFile(QStringLiteral("copy"), options, events));
    QCOMPARE(int(events.size()), 1);
    const QStringList listed = listMacros();
    QCOMPARE(run({"macro", "import", exported + ".MSMACRO"}), 65);
    QCOMPARE(listMacros(), listed);

    // Names that would leave their folder, and files that do not exist.
    const QMap<QString, QByteArray> files = settingsFiles();
    QCOMPARE(run({"macro", "export", "../Config", outside.filePath("x")}), 65);
    QCOMPARE(run({"macro", "delete", "../MacroDB/burst"}), 65);
    QCOMPARE(run({"macro", "import", outside.filePath("missing.MSMACRO")}), 66);
    // A file whose name would make the library name "..".
    QVERIFY(QFile::copy(exported + ".MSMACRO", outside.filePath("..MSMACRO")));
    QCOMPARE(run({"macro", "import", outside.filePath("..MSMACRO")}), 65);
    QCOMPARE(listMacros(), listed);
    QCOMPARE(run({"macro", "export", "nothing", outside.filePath("x")}), 65);
    QCOMPARE(run({"macro", "list", "--force"}), 64);
    QVERIFY(settingsFiles() == files);
    QVERIFY(!QFile::exists(outside.filePath("x.MSMACRO")));

    // A macro in use: deleted as on the page, the button keeps its name.
    QCOMPARE(run({"button", "3", "macro", "copy"}), 0);
    QCOMPARE(run({"macro", "delete", "copy"}), 0);
    QVERIFY(!listMacros().contains(QStringLiteral("copy")));
    QVERIFY(!QFile::exists(Paths::macroFile(QStringLiteral("copy"))));
    QCOMPARE(shown(AppConfig::activeProfileIndex()).value("buttons").toArray().at(2).toObject().value("macro").toString(),
             QStringLiteral("copy"));
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
        if (spec.hidden)
            continue;
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
