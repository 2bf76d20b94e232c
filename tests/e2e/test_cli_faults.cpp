// The command line against a mouse that fails: every fault kind of the
// virtual mouse during each command that sends, a sleeping mouse, settings
// that cannot be written, settings edited between two runs. The virtual
// mouse keeps its memory between runs (MOUSECFG_SIM_STATE), as a real one
// does, so what a run leaves on it is what the next run meets.

#include "config/appconfig.h"
#include "config/configfile.h"
#include "config/paths.h"
#include "config/profilefile.h"

#include "testenvironment.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run : ProgramRun {
    int reportsWritten = 0;
};

} // namespace

class TestCliFaults : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void faultMatrix_data();
    void faultMatrix();
    void sleepingMouse_data();
    void sleepingMouse();
    void applySendsSettingsEditedBetweenRuns();
    void unwritableSettingsExit73();
    void incompleteImportChangesNothing();
    void unsafeSlotNamesAreReported();

private:
    // Runs mousecfg-cli on the virtual mouse whose memory is in `state`.
    Run cli(const QStringList &arguments, const QString &faults = QString(), const QString &state = QString());
    QJsonObject mouseState(const QString &state = QString()) const;
    // The mouse's state after a whole upload of the stored settings to a new
    // mouse.
    QJsonObject referenceState();
    // A configuration file for `load`: the stored one with stage 2 of the
    // active profile at a new value.
    QString editedConfiguration();

    std::unique_ptr<TestEnvironment> m_env;
    QTemporaryDir m_dir;
    QString m_state;
    QString m_trace;
    int m_runs = 0;
};

void TestCliFaults::init()
{
    m_env = std::make_unique<TestEnvironment>();
    m_state = m_dir.filePath(QStringLiteral("mouse-%1.json").arg(++m_runs));
    m_trace = m_dir.filePath(QStringLiteral("trace-%1.txt").arg(m_runs));
}

void TestCliFaults::cleanup()
{
    m_env.reset();
}

Run TestCliFaults::cli(const QStringList &arguments, const QString &faults, const QString &state)
{
    QFile::remove(m_trace);
    QProcessEnvironment env = m_env->childEnvironment(TestEnvironment::MouseOnRequest);
    env.insert(QStringLiteral("MOUSECFG_SIM_STATE"), state.isEmpty() ? m_state : state);
    env.insert(QStringLiteral("MOUSECFG_SIM_FAULTS"), faults);
    env.insert(QStringLiteral("MOUSECFG_SIM_TRACE"), m_trace);
    Run run{runProgram(QStringLiteral("mousecfg-cli"), QStringList{"--virtual"} + arguments, env, 120000), 0};
    run.reportsWritten = readWholeFile(m_trace).count("\n> ") + (readWholeFile(m_trace).startsWith("> ") ? 1 : 0);
    return run;
}

QJsonObject TestCliFaults::mouseState(const QString &state) const
{
    return QJsonDocument::fromJson(readWholeFile(state.isEmpty() ? m_state : state)).object();
}

QJsonObject TestCliFaults::referenceState()
{
    const QString fresh = m_dir.filePath(QStringLiteral("reference-%1.json").arg(m_runs));
    QFile::remove(fresh);
    const QByteArray snapshot = readWholeFile(Paths::sentTablesFile());
    const int diff = AppConfig::diff();
    const Run run = cli({"apply", "--full"}, QString(), fresh);
    // Leaves the record of what the mouse under test last got as it was.
    QFile::remove(Paths::sentTablesFile());
    if (!snapshot.isEmpty())
        m_env->writeFile(QDir(m_env->root()).relativeFilePath(Paths::sentTablesFile()), snapshot);
    AppConfig::setDiff(diff);
    return run.exitCode == 0 ? mouseState(fresh) : QJsonObject{{"failed", run.exitCode}};
}

QString TestCliFaults::editedConfiguration()
{
    const QString file = m_dir.filePath(QStringLiteral("edited-%1.conf").arg(m_runs));
    QFile::remove(file);
    if (cli({"save", file}).exitCode != 0)
        return QString();
    QSettings conf(file, QSettings::IniFormat);
    const int active = conf.value("Config/ProfileID").toInt();
    conf.setValue(QStringLiteral("PROFILE_%1/DPI_INFO_1_x").arg(active), 77);
    conf.setValue(QStringLiteral("PROFILE_%1/DPI_INFO_1_y").arg(active), 77);
    return file;
}

void TestCliFaults::faultMatrix_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("faults");
    QTest::addColumn<bool>("fails");
    // The transport recovers from a single dropped, bent or foreign reply;
    // a failed write, too many all-zero replies or payloads that keep
    // coming back wrong end the command with an error.
    const struct {
        const char *name;
        const char *faults;
        bool fails;
    } kinds[] = {
        {"drop", "drop 1 at 6", false},
        {"header", "header 1 at 6", false},
        {"payload", "payload 3 at 2", true},
        {"zero", "zero 6 at 6", true},
        {"writefail", "writefail 1 at 6", true},
        {"foreign", "foreign 40", false},
    };
    for (const char *command : {"apply --full", "load", "profile 3"}) {
        for (const auto &kind : kinds)
            QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(command, kind.name)))
                << command << kind.faults << kind.fails;
    }
    QTest::newRow("profile 3, the switch's own write fails") << "profile 3" << "writefail 1 at 2" << true;
}

void TestCliFaults::faultMatrix()
{
    QFETCH(QString, command);
    QFETCH(QString, faults);
    QFETCH(bool, fails);

    // A mouse in step with the settings, as a first clean run leaves it
    // (the same for every row: the settings start alike).
    static QByteArray baselineState, baselineSnapshot;
    if (baselineState.isEmpty()) {
        QCOMPARE(cli({"apply", "--full"}).exitCode, 0);
        baselineState = readWholeFile(m_state);
        baselineSnapshot = readWholeFile(Paths::sentTablesFile());
    } else {
        QFile state(m_state);
        QVERIFY(state.open(QIODevice::WriteOnly) && state.write(baselineState) == baselineState.size());
        state.close();
        m_env->writeFile(QDir(m_env->root()).relativeFilePath(Paths::sentTablesFile()), baselineSnapshot);
        QVERIFY(AppConfig::setDiff(0));
    }
    QCOMPARE(AppConfig::diff(), 0);

    QStringList arguments = command.split(QLatin1Char(' '));
    if (arguments[0] == QLatin1String("load"))
        arguments << editedConfiguration();
    const Run faulty = cli(arguments, faults);
    QVERIFY2(faulty.exitCode == 0 || faulty.exitCode == 2 || faulty.exitCode == 4, faulty.err.constData());
    QCOMPARE(faulty.exitCode != 0, fails);

    // What the mouse must end up with: the settings as they now stand.
    MouseConfig stored;
    AppConfig::loadAll(stored);
    if (arguments[0] == QLatin1String("profile"))
        QCOMPARE(int(stored.ProfileID), 2);
    if (arguments[0] == QLatin1String("load"))
        QCOMPARE(stored.profiles[stored.profileIndex()].dpiLevels[1].x, 77);
    static QMap<QString, QJsonObject> references;
    if (!references.contains(command))
        references.insert(command, referenceState());
    const QJsonObject reference = references.value(command);
    QVERIFY(!reference.contains("failed"));

    if (faulty.exitCode == 0) {
        QCOMPARE(mouseState(), reference);
        QCOMPARE(AppConfig::diff(), 0);
    } else {
        // Said, remembered, and not what the settings say.
        QVERIFY(faulty.err.contains("Send data failed"));
        QCOMPARE(AppConfig::diff(), 1);
        QVERIFY(mouseState() != reference);
    }

    // The next plain apply puts it right.
    const Run repair = cli({"apply"});
    QCOMPARE(repair.exitCode, 0);
    QCOMPARE(mouseState(), reference);
    QCOMPARE(AppConfig::diff(), 0);
}

void TestCliFaults::sleepingMouse_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("profile while asleep") << "profile 2";
    QTest::newRow("load while asleep") << "load";
}

void TestCliFaults::sleepingMouse()
{
    QFETCH(QString, command);
    QCOMPARE(cli({"apply", "--full"}).exitCode, 0);
    const QJsonObject before = mouseState();

    QStringList arguments = command.split(QLatin1Char(' '));
    if (arguments[0] == QLatin1String("load"))
        arguments << editedConfiguration();
    const Run asleep = cli(arguments, QStringLiteral("sleep"));
    QCOMPARE(asleep.exitCode, 5);
    QVERIFY(asleep.err.contains("Mouse is sleeping or not connected."));
    QCOMPARE(mouseState(), before);   // nothing reached it
    QCOMPARE(AppConfig::diff(), 1);

    // Awake again: the retry sends what the asleep run could not.
    const QJsonObject reference = referenceState();
    QVERIFY(reference != before);
    const Run awake = cli({"apply"});
    QCOMPARE(awake.exitCode, 0);
    QCOMPARE(mouseState(), reference);
    QCOMPARE(AppConfig::diff(), 0);
}

void TestCliFaults::applySendsSettingsEditedBetweenRuns()
{
    // The first run knows nothing of the mouse: it sends everything.
    const Run first = cli({"apply"});
    QCOMPARE(first.exitCode, 0);
    QVERIFY(first.reportsWritten > 30);
    QCOMPARE(cli({"apply"}).reportsWritten, 1);   // the status query alone

    // Edited with another tool (or by hand) between two runs.
    MouseConfig config;
    AppConfig::loadAll(config);
    config.profiles[config.profileIndex()].dpiLevels[2].x = 55;
    QVERIFY(AppConfig::saveAll(config));
    const Run second = cli({"apply"});
    QCOMPARE(second.exitCode, 0);
    QVERIFY(second.reportsWritten > 1);
    QVERIFY(second.reportsWritten < first.reportsWritten);
    QCOMPARE(mouseState(), referenceState());

    // Without the record of what the mouse holds, or with a damaged one,
    // everything goes again.
    QVERIFY(QFile::remove(Paths::sentTablesFile()));
    QCOMPARE(cli({"apply"}).reportsWritten, first.reportsWritten);
    QByteArray damaged = readWholeFile(Paths::sentTablesFile());
    damaged.replace(damaged.indexOf('\n') + 3, 2, "zz");
    m_env->writeFile(QDir(m_env->root()).relativeFilePath(Paths::sentTablesFile()), damaged);
    QCOMPARE(cli({"apply"}).reportsWritten, first.reportsWritten);
}

void TestCliFaults::unwritableSettingsExit73()
{
    // A folder where a slot's profile file belongs: that slot cannot be saved.
    const QJsonObject reference = referenceState();
    MouseConfig config;
    AppConfig::loadAll(config);
    const QString blocked = Paths::profileFile(config.names[4]);
    QFile::remove(blocked);
    QVERIFY(QDir().mkpath(blocked));

    const Run run = cli({"apply", "--full"});
    QCOMPARE(run.exitCode, 73);
    QVERIFY(run.err.contains("could not be saved"));
    // The upload itself went ahead.
    QCOMPARE(mouseState(), reference);

    // The same for the profile switch.
    const Run switched = cli({"profile", "2"});
    QCOMPARE(switched.exitCode, 73);
}

void TestCliFaults::incompleteImportChangesNothing()
{
    const QString file = editedConfiguration();
    QByteArray bytes = readWholeFile(file);
    m_env->writeFile(QStringLiteral("half.conf"), bytes.left(bytes.size() / 2));
    const QByteArray configBefore = readWholeFile(Paths::configFile());
    const Run run = cli({"load", m_env->root() + QStringLiteral("/half.conf")});
    QCOMPARE(run.exitCode, 65);
    QVERIFY(run.err.contains("incomplete"));
    QCOMPARE(run.reportsWritten, 0);
    QCOMPARE(readWholeFile(Paths::configFile()), configBefore);
}

void TestCliFaults::unsafeSlotNamesAreReported()
{
    const QString file = editedConfiguration();
    QSettings(file, QSettings::IniFormat).setValue("Config/Profile2", "../outside");
    const Run run = cli({"load", file});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.contains("slot 2: ../outside"), run.err.constData());
    QVERIFY(AppConfig::slotName(1) != QStringLiteral("../outside"));
}

QTEST_GUILESS_MAIN(TestCliFaults)
#include "test_cli_faults.moc"
