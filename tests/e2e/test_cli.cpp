// Runs the real mousecfg-cli against the virtual mouse, as a user or a
// script would, and reads what went over the link from the mouse's trace.

#include "config/appconfig.h"
#include "config/functioncatalogue.h"
#include "config/macrofile.h"
#include "config/productdescriptor.h"
#include "device/buttonblock.h"
#include "device/commandset.h"
#include "device/devicecontext.h"
#include "device/dpitable.h"
#include "device/lightingtable.h"
#include "device/macroimage.h"
#include "device/systemblock.h"

#include "testenvironment.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using Run = ProgramRun;

QByteArray hexLine(const ReportBuffer &report)
{
    return QByteArray(reinterpret_cast<const char *>(report.report()), kReportLength).toHex(' ');
}

// A report as the mouse receives it: with its checksum.
QByteArray framed(ReportBuffer report)
{
    report.at(1) = reportChecksum(report.report());
    return hexLine(report);
}

void append(QList<QByteArray> &lines, const ReportList &reports)
{
    for (const ReportBuffer &r : reports)
        lines << framed(r);
}

// The reports that contain `text`.
QList<QByteArray> containing(const QList<QByteArray> &reports, const QByteArray &text)
{
    QList<QByteArray> found;
    for (const QByteArray &r : reports) {
        if (r.contains(text))
            found << r;
    }
    return found;
}

} // namespace

class TestCli : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void fullApplySendsEveryGroupInOrder();
    void statusAsJson_data();
    void statusAsJson();
    void saveThenLoadRoundTrip();
    void loadRefusesAnotherProductsFile();
    void profileSwitch();
    void usageErrors_data();
    void usageErrors();
    void noMouse_data();
    void noMouse();
    void versionAndHelpOfBothPrograms();
    void completion_data();
    void completion();

private:
    Run cli(const QStringList &arguments, const QString &links = QStringLiteral("receiver"));
    // The reports written to the mouse (">" lines), and whether each
    // verified one was echoed unchanged.
    QList<QByteArray> writtenReports(bool *echoesMatch = nullptr) const;

    std::unique_ptr<TestEnvironment> m_env;
    QTemporaryDir m_dir;
    QString m_trace;
};

void TestCli::init()
{
    m_env = std::make_unique<TestEnvironment>();
    m_trace = m_dir.filePath(QStringLiteral("trace-%1.txt").arg(QTest::currentTestFunction()));
    QFile::remove(m_trace);
}

void TestCli::cleanup()
{
    m_env.reset();
}

Run TestCli::cli(const QStringList &arguments, const QString &links)
{
    // --virtual must bring the mouse alone.
    QProcessEnvironment env = m_env->childEnvironment(TestEnvironment::MouseOnRequest);
    env.insert(QStringLiteral("MOUSECFG_SIM_TRACE"), m_trace);
    env.insert(QStringLiteral("MOUSECFG_SIM_LINKS"), links);
    return runProgram(QStringLiteral("mousecfg-cli"), QStringList{"--virtual"} + arguments, env);
}

QList<QByteArray> TestCli::writtenReports(bool *echoesMatch) const
{
    QFile file(m_trace);
    QList<QByteArray> written;
    if (!file.open(QIODevice::ReadOnly))
        return written;
    const QList<QByteArray> lines = file.readAll().split('\n');
    bool match = true;
    for (int i = 0; i < lines.size(); ++i) {
        if (!lines[i].startsWith("> "))
            continue;
        const QByteArray report = lines[i].mid(2);
        written << report;
        const uint8_t command = uint8_t(report.mid(9, 2).toInt(nullptr, 16));
        const bool echoed = command <= 0x05 || command == 0x40 || command == 0x46;
        if (echoed && lines.value(i + 1) != "< " + report)
            match = false;
    }
    if (echoesMatch)
        *echoesMatch = match;
    return written;
}

void TestCli::fullApplySendsEveryGroupInOrder()
{
    // A record worth sending: profile 2 active, with two buttons on macros.
    MouseConfig config;
    AppConfig::loadAll(config);
    makeDefaultConfig(config);
    config.ProfileID = 2;
    makeDefaultProfile(config.profiles[2]);
    config.profiles[2].dpiLevels[1].x = 123;
    config.profiles[2].buttons[1].Fun = Fun::Macro;
    config.profiles[2].buttons[1].macroname = QStringLiteral("alpha");
    config.profiles[2].buttons[2].Fun = Fun::Macro;
    config.profiles[2].buttons[2].macroname = QStringLiteral("beta");
    QVERIFY(AppConfig::saveAll(config));
    QVERIFY(writeMacroFile(QStringLiteral("alpha"), MacroOptions(), {{0x84, 0x04, 0}, {0x04, 0x04, 0}}));
    QVERIFY(writeMacroFile(QStringLiteral("beta"), MacroOptions(), {{0x81, 0x01, 0}, {0x01, 0x01, 0}}));

    const Run run = cli({"apply", "--full"});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.isEmpty(), run.err.constData());

    // What the mouse must have received, built here from the same record.
    MouseConfig sent;
    AppConfig::loadAll(sent);
    QCOMPARE(int(sent.ProfileID), 2);
    const DeviceContext context = loadDeviceContext();
    QList<QByteArray> expected;
    expected << framed(statusQueryReport());
    expected << "05 26 fa 46" + QByteArray(" 00").repeated(29);   // upload mark 0
    append(expected, buildSystemBlock(sent, context));
    const ButtonTable buttons = buildButtonTable(sent, context);
    append(expected, buttonTableReports(buttons));
    append(expected, buildDpiTable(sent, context));
    append(expected, buildLightingTable(sent, context));
    for (const char *apply : {"57 fa 40 f3 04", "48 fa 40 f3 01", "49 fa 40 f3 02", "53 fa 40 f3 08", "5b fa 40 f3 10"})
        expected << "05 " + QByteArray(apply) + QByteArray(" 00").repeated(27);
    append(expected, buildMacroUpload(buttons.macros));
    expected << "05 27 fa 46 01" + QByteArray(" 00").repeated(28);   // upload mark 1

    bool echoes = false;
    const QList<QByteArray> written = writtenReports(&echoes);
    QCOMPARE(written.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(written[i], expected[i]);
    QVERIFY(echoes);

    // Independent of the builders: the system block names profile 2, the
    // DPI table carries its stage 1, and both macros went to slots 0 and 1.
    QVERIFY(written[2].startsWith("05 b9 fa 01 00 00 13 d1"));
    QCOMPARE(written[2].mid(3 * (8 + 6), 2), QByteArray("02"));
    QCOMPARE(buttons.macros.names(), QStringList({"alpha", "beta"}));
    QVERIFY(containing(written, "fa 05 00 00 14 d1 84 04 00 04 04 00 06 01 00").size() == 1);
    QVERIFY(containing(written, "fa 05 c8 00 14 d2 81 01 00 01 01 00 06 01 00").size() == 1);
    QCOMPARE(containing(written, "fa 02 06 00 05 d2 01 7b 00").size(), 1);   // stage 1, x = 123
    QCOMPARE(AppConfig::diff(), 0);
}

void TestCli::statusAsJson_data()
{
    QTest::addColumn<QString>("links");
    QTest::addColumn<QString>("connection");
    QTest::newRow("receiver") << "receiver" << "receiver";
    QTest::newRow("both, cable first") << "receiver,cable" << "cable";
}

void TestCli::statusAsJson()
{
    QFETCH(QString, links);
    QFETCH(QString, connection);

    const Run run = cli({"status", "--json"}, links);
    QCOMPARE(run.exitCode, 0);
    QJsonParseError error;
    const QJsonObject status = QJsonDocument::fromJson(run.out, &error).object();
    QVERIFY2(error.error == QJsonParseError::NoError, run.out.constData());
    QCOMPARE(status.value("connection").toString(), connection);
    QCOMPARE(status.value("mouseOff").toBool(), false);
    // The virtual mouse reports raw 980: 4042.5 mV, 80 %.
    const QJsonObject battery = status.value("battery").toObject();
    QCOMPARE(battery.value("raw").toInt(), 980);
    QCOMPARE(battery.value("level").toInt(), 80);
    QCOMPARE(battery.value("millivolts").toDouble(), 4042.5);
    QCOMPARE(status.value("charging").toBool(), false);
    QCOMPARE(status.value("profile").toInt(), AppConfig::activeProfileIndex() + 1);
    // Only the query went out.
    QCOMPARE(writtenReports().size(), 1);
}

void TestCli::saveThenLoadRoundTrip()
{
    const QString file = m_dir.filePath(QStringLiteral("whole.conf"));
    QFile::remove(file);
    Run run = cli({"save", file});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(writtenReports().isEmpty());
    {
        QSettings conf(file, QSettings::IniFormat);
        QCOMPARE(conf.value("MouseName/Name").toString(), AppConfig::currentProductName());
        // Edited elsewhere: a new stage value for the active profile.
        const int active = conf.value("Config/ProfileID").toInt();
        conf.setValue(QStringLiteral("PROFILE_%1/DPI_INFO_1_x").arg(active), 99);
        conf.setValue(QStringLiteral("PROFILE_%1/DPI_INFO_1_used").arg(active), 1);
    }
    // The mouse in step with the settings (a first run sends everything).
    QCOMPARE(cli({"apply"}).exitCode, 0);
    QCOMPARE(AppConfig::diff(), 0);
    QFile::remove(m_trace);

    run = cli({"load", file});
    QCOMPARE(run.exitCode, 0);
    MouseConfig loaded;
    AppConfig::loadAll(loaded);
    QCOMPARE(loaded.profiles[loaded.profileIndex()].dpiLevels[1].x, 99);
    // Only what changed went to the mouse: the DPI table, with stage 1's x.
    const QList<QByteArray> written = writtenReports();
    QVERIFY(containing(written, "fa 02 06 00 05 d2 01 63 00").size() == 1);
    QVERIFY(containing(written, "fa 01 ").isEmpty());
    QVERIFY(containing(written, "fa 03 ").isEmpty());

    // Saving again gives the same file.
    const QString again = m_dir.filePath(QStringLiteral("again.conf"));
    QFile::remove(again);
    QCOMPARE(cli({"save", again}).exitCode, 0);
    QSettings a(file, QSettings::IniFormat), b(again, QSettings::IniFormat);
    QCOMPARE(a.allKeys(), b.allKeys());
    for (const QString &key : a.allKeys())
        QCOMPARE(b.value(key), a.value(key));
}

void TestCli::loadRefusesAnotherProductsFile()
{
    const QString file = m_dir.filePath(QStringLiteral("other.conf"));
    QFile::remove(file);
    QCOMPARE(cli({"save", file}).exitCode, 0);
    QSettings(file, QSettings::IniFormat).setValue("MouseName/Name", "Another Mouse");

    const Run run = cli({"load", file});
    QCOMPARE(run.exitCode, 65);
    QVERIFY(run.err.contains("The file is not match current mouse!"));
    QVERIFY(writtenReports().isEmpty());

    QCOMPARE(cli({"load", m_dir.filePath("missing.conf")}).exitCode, 66);
}

void TestCli::profileSwitch()
{
    QVERIFY(AppConfig::setDiff(0));
    const Run run = cli({"profile", "3"});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(AppConfig::activeProfileIndex(), 2);
    const QList<QByteArray> written = writtenReports();
    // The select command and its apply, then the tables of profile 3.
    QCOMPARE(written.value(1), "05 26 fa 44 02" + QByteArray(" 00").repeated(28));
    QCOMPARE(written.value(2), "05 48 fa 40 f3 01" + QByteArray(" 00").repeated(27));
    const QList<QByteArray> system = containing(written, "fa 01 00 00 13 d1");
    QCOMPARE(system.size(), 1);
    QCOMPARE(system[0].mid(3 * (8 + 6), 2), QByteArray("02"));
    QCOMPARE(containing(written, "fa 02 00 00 01 d1").size(), 1);
}

void TestCli::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("help");   // where the second line points
    QTest::newRow("no command") << QStringList{} << 64 << "mousecfg-cli --help";
    QTest::newRow("unknown command") << QStringList{"reboot"} << 64 << "mousecfg-cli --help";
    QTest::newRow("unknown option") << QStringList{"status", "--fast"} << 64 << "mousecfg-cli status --help";
    QTest::newRow("profile 0") << QStringList{"profile", "0"} << 65 << "";
    QTest::newRow("profile 6") << QStringList{"profile", "6"} << 65 << "";
    QTest::newRow("profile word") << QStringList{"profile", "two"} << 64 << "mousecfg-cli profile --help";
    QTest::newRow("load without file") << QStringList{"load"} << 64 << "mousecfg-cli load --help";
    QTest::newRow("full on status") << QStringList{"status", "--full"} << 64 << "mousecfg-cli status --help";
    QTest::newRow("malformed value") << QStringList{"rate", "fast"} << 64 << "mousecfg-cli rate --help";
    QTest::newRow("negative DPI") << QStringList{"dpi", "1", "-800"} << 65 << "";
}

void TestCli::usageErrors()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, help);
    const Run run = cli(arguments);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY(run.out.isEmpty());
    // One line that says what is wrong; for a malformed line a second that
    // says where the help is, never the help itself.
    const QList<QByteArray> lines = run.err.trimmed().split('\n');
    QCOMPARE(lines.size(), help.isEmpty() ? 1 : 2);
    if (!help.isEmpty())
        QCOMPARE(QString::fromUtf8(lines.at(1)), QStringLiteral("see %1").arg(help));
    QVERIFY(!run.err.contains("Unknown options"));
    QVERIFY(writtenReports().isEmpty());
}

void TestCli::noMouse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("status") << QStringList{"status"};
    QTest::newRow("setter") << QStringList{"rate", "500"};
    QTest::newRow("apply") << QStringList{"apply"};
    QTest::newRow("profile") << QStringList{"profile", "2"};
}

void TestCli::noMouse()
{
    QFETCH(QStringList, arguments);
    const Run run = cli(arguments, QString());
    QCOMPARE(run.exitCode, 1);
    // Says that no mouse was found and how a normal user is let reach one.
    QVERIFY2(run.err.contains("No mouse found") && run.err.contains("70-mousecfg.rules")
                 && run.err.contains("udevadm control --reload"),
             run.err.constData());
    QVERIFY(!run.err.contains("Send data failed") && !run.err.contains("Dongle Disconnect"));

    // What the mouse did not answer is null, never left out.
    const Run status = cli({"status", "--json"}, QString());
    const QJsonObject object = QJsonDocument::fromJson(status.out).object();
    QCOMPARE(object.value("connection").toString(), QStringLiteral("none"));
    for (const char *key : {"battery", "charging", "writeStatus", "sensorMode"}) {
        QVERIFY2(object.contains(QLatin1String(key)), key);
        QVERIFY2(object.value(QLatin1String(key)).isNull(), key);
    }
}

void TestCli::versionAndHelpOfBothPrograms()
{
    const Run version = cli({"--version"});
    QCOMPARE(version.exitCode, 0);
    QCOMPARE(version.out, QByteArray("mousecfg-cli " MOUSECFG_VERSION "\n"));

    // The window's program answers without a display and opens no window.
    for (const char *option : {"--help", "--version"}) {
        QProcessEnvironment env = m_env->childEnvironment(TestEnvironment::MouseOnRequest);
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        const ProgramRun run = runProgram(QStringLiteral("mousecfg"), {QLatin1String(option)}, env);
        QCOMPARE(run.exitCode, 0);
        const QByteArray out = run.out;
        QVERIFY2(option == QByteArray("--help") ? out.startsWith("Usage: mousecfg") : out == "mousecfg " MOUSECFG_VERSION "\n",
                 out.constData());
    }

    // Help columns: every description of lighting's options starts in one
    // column, two blanks after the longest option.
    const QByteArray help = cli({"lighting", "--help"}).out;
    QList<QByteArray> lines = help.mid(help.indexOf("Options:\n") + 9).split('\n');
    lines.removeAll(QByteArray());
    QVERIFY(lines.size() > 5);
    int column = 0;
    for (const QByteArray &line : lines)
        column = std::max(column, int(line.indexOf("  ", 4)) + 2);
    for (const QByteArray &line : lines)
        QVERIFY2(line.mid(column - 2, 2) == "  " && line.at(column) != ' ', line.constData());
}

void TestCli::completion_data()
{
    QTest::addColumn<QString>("line");       // the words before the cursor, the last one being completed
    QTest::addColumn<QString>("offers");     // what is offered, '|' between; empty: check `has`
    QTest::addColumn<QString>("has");        // one word that must be among many
    QTest::addColumn<QString>("hasNot");
    QTest::newRow("commands") << "d" << "dpi|debounce" << "" << "";
    QTest::newRow("this mouse's stages") << "dpi " << "" << "STAGES" << "STAGES+1";
    QTest::newRow("active stage") << "dpi active " << "" << "1" << "active";
    QTest::newRow("wheel functions") << "button 41 " << "" << "scroll-up" << "copy";
    QTest::newRow("button functions") << "button 2 " << "" << "copy" << "scroll-up";
    QTest::newRow("key names") << "button 3 key page-" << "page-up|page-down" << "" << "";
    QTest::newRow("key names to quote") << "button 3 key " << "" << "\\[" << "[";
    QTest::newRow("combo keys") << "button 3 combo ctrl+page-u" << "ctrl+page-up" << "" << "";
    QTest::newRow("effects") << "lighting yo" << "yo-yo" << "" << "";
    QTest::newRow("no option twice") << "lighting wave --speed 2 --s" << "--sleep" << "" << "";
    QTest::newRow("option values") << "lighting wave --speed " << "1|2|3|4|5" << "" << "";
}

void TestCli::completion()
{
    QFETCH(QString, line);
    QFETCH(QString, offers);
    QFETCH(QString, has);
    QFETCH(QString, hasNot);
    const int stages = ProductDescriptor::boundedDpiStageCount();
    has.replace(QStringLiteral("STAGES"), QString::number(stages));
    hasNot.replace(QStringLiteral("STAGES+1"), QString::number(stages + 1));
    // bash-completion's helpers stood in for; the program found on PATH.
    const QString script = QStringLiteral(
        "_init_completion() { words=(\"${COMP_WORDS[@]}\"); cword=$COMP_CWORD; cur=${COMP_WORDS[COMP_CWORD]}; "
        "prev=${COMP_WORDS[COMP_CWORD-1]}; }\n"
        "compopt() { :; }\n"
        "source \"$1\"\n"
        "read -ra COMP_WORDS <<<\"mousecfg-cli $2\"\n"
        "[[ $2 == *' ' ]] && COMP_WORDS+=('')\n"
        "COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); COMPREPLY=(); _mousecfg_cli\n"
        "printf '%s\\n' \"${COMPREPLY[@]}\"\n");
    QProcess bash;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PATH"), TestEnvironment::buildBinDir() + QLatin1Char(':') + env.value("PATH"));
    bash.setProcessEnvironment(env);
    bash.start(QStringLiteral("bash"),
               {"-c", script, "_",
                qEnvironmentVariable("MOUSECFG_SOURCE_DIR") + QStringLiteral("/resources/linux/completion/mousecfg-cli"),
                line});
    QVERIFY(bash.waitForFinished(30000));
    QCOMPARE(bash.exitCode(), 0);
    QStringList offered = QString::fromUtf8(bash.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (!offers.isEmpty()) {
        offered.sort();
        QStringList expected = offers.split(QLatin1Char('|'));
        expected.sort();
        QCOMPARE(offered, expected);
    }
    if (!has.isEmpty())
        QVERIFY2(offered.contains(has), qPrintable(offered.join(' ')));
    if (!hasNot.isEmpty())
        QVERIFY2(!offered.contains(hasNot), qPrintable(offered.join(' ')));
}

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
