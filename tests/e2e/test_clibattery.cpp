// `mousecfg-cli battery` run as a program against the virtual mouse: the
// level, charging state and estimate as JSON (the estimate from a history
// stored beforehand and continued by the run's own reading), the stored
// readings with --history, the exit codes without a mouse, and the usage
// errors.

#include "device/batteryhistory.h"
#include "testenvironment.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

namespace {

struct Run : ProgramRun {
    QJsonObject json;
};

// Three hours at 12 %/h down to 81 %, the last five minutes ago: the virtual
// mouse's 80 % continues the line.
void storeDischarge(qint64 now)
{
    BatteryHistory history;
    BatteryReadings rows;
    for (int k = 36; k >= 1; --k) {
        BatteryReading r;
        r.at = now - k * 300;
        r.level = 80 + k;
        r.raw = 990;
        rows << r;
    }
    QVERIFY(history.addAll(rows));
}

} // namespace

class TestCliBattery : public QObject {
    Q_OBJECT
private slots:
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup() { m_env.reset(); }

    void levelAndEstimateAsJson();
    void historyAsJson();
    void withoutAMouse();
    void usageErrors_data();
    void usageErrors();

private:
    Run cli(const QStringList &arguments, const QString &links = QStringLiteral("receiver")) const;

    std::unique_ptr<TestEnvironment> m_env;
};

Run TestCliBattery::cli(const QStringList &arguments, const QString &links) const
{
    QProcessEnvironment env = m_env->childEnvironment(TestEnvironment::MouseOnRequest);
    env.insert(QStringLiteral("MOUSECFG_SIM_LINKS"), links);
    Run run{runProgram(QStringLiteral("mousecfg-cli"), QStringList{"--virtual"} + arguments, env), {}};
    run.json = QJsonDocument::fromJson(run.out).object();
    return run;
}

void TestCliBattery::levelAndEstimateAsJson()
{
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    storeDischarge(now);
    const Run run = cli({QStringLiteral("battery"), QStringLiteral("--json")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.json.value("level").toInt(), 80);
    QCOMPARE(run.json.value("charging").toBool(), false);
    QCOMPARE(run.json.value("mouseOff").toBool(), false);
    const QJsonObject estimate = run.json.value("estimate").toObject();
    QCOMPARE(estimate.value("kind").toString(), QStringLiteral("until-empty"));
    // 1 point per 5 minutes (the last step a few seconds longer, as the
    // program starts): 12 %/h, and 80 % lasts about 6.67 h.
    QVERIFY2(qAbs(estimate.value("percentPerHour").toDouble() - 12.0) < 0.3, run.out.constData());
    QVERIFY2(qAbs(estimate.value("hours").toDouble() - 6.67) < 0.2, run.out.constData());

    // The reading was kept, and a second run at once adds nothing.
    BatteryHistory history;
    QCOMPARE(history.readingCount(), 37);
    QCOMPARE(cli({QStringLiteral("battery")}).exitCode, 0);
    QCOMPARE(history.readingCount(), 37);

    // Over the cable the mouse charges.
    const Run cable = cli({QStringLiteral("battery"), QStringLiteral("--json")}, QStringLiteral("cable"));
    QCOMPARE(cable.exitCode, 0);
    QCOMPARE(cable.json.value("charging").toBool(), true);
    QCOMPARE(cable.json.value("connection").toString(), QStringLiteral("cable"));
    QCOMPARE(cable.json.value("estimate").toObject().value("kind").toString(), QStringLiteral("none"));
}

void TestCliBattery::historyAsJson()
{
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    {
        BatteryHistory history;
        BatteryReadings rows;
        for (qint64 age : {10 * 86400, 3 * 86400, 2 * 3600, 600}) {
            BatteryReading r;
            r.at = now - age;
            r.level = age == 600 ? BatteryReading::kOff : 70;
            r.charging = age == 3 * 86400;
            rows << r;
        }
        QVERIFY(history.addAll(rows));
        QVERIFY(history.addChargeEvent(ChargeEvent{now - 3 * 86400, true}));
    }
    // No mouse is needed for the history.
    const Run day = cli({QStringLiteral("battery"), QStringLiteral("--history"), QStringLiteral("--json")},
                        QString());
    QCOMPARE(day.exitCode, 0);
    QCOMPARE(day.json.value("since").toString(), QStringLiteral("24h"));
    const QJsonArray rows = day.json.value("readings").toArray();
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[0].toObject().value("level").toInt(), 70);
    QCOMPARE(qint64(rows[0].toObject().value("time").toDouble()), now - 2 * 3600);
    QCOMPARE(rows[1].toObject().value("off").toBool(), true);
    QVERIFY(!rows[1].toObject().contains("level"));
    QCOMPARE(day.json.value("estimate").toObject().value("kind").toString(), QStringLiteral("none"));

    const Run week = cli({QStringLiteral("battery"), QStringLiteral("--history"), QStringLiteral("--since"),
                          QStringLiteral("7d"), QStringLiteral("--json")},
                         QString());
    QCOMPARE(week.json.value("readings").toArray().size(), 3);
    QCOMPARE(week.json.value("readings").toArray()[0].toObject().value("charging").toBool(), true);
    QCOMPARE(week.json.value("chargeEvents").toArray().size(), 1);
    const Run month = cli({QStringLiteral("battery"), QStringLiteral("--history"), QStringLiteral("--since"),
                           QStringLiteral("30d"), QStringLiteral("--json")},
                          QString());
    QCOMPARE(month.json.value("readings").toArray().size(), 4);

    // The plain form: one line a reading, and the estimate.
    const Run plain = cli({QStringLiteral("battery"), QStringLiteral("--history")}, QString());
    QCOMPARE(plain.exitCode, 0);
    const QList<QByteArray> lines = plain.out.trimmed().split('\n');
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines[0].endsWith(" 70 %"));
    QVERIFY(lines[1].endsWith("asleep or off"));
    QVERIFY(lines[2].startsWith("estimate: none yet"));
}

void TestCliBattery::withoutAMouse()
{
    const Run run = cli({QStringLiteral("battery"), QStringLiteral("--json")}, QString());
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.json.value("connection").toString(), QStringLiteral("none"));
    QVERIFY(run.err.contains("Dongle Disconnect!"));
    // Nothing was stored.
    QCOMPARE(BatteryHistory().readingCount(), 0);
}

void TestCliBattery::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("since without history") << QStringList{"battery", "--since", "7d"} << QByteArray("--since belongs");
    QTest::newRow("no unit") << QStringList{"battery", "--history", "--since", "7"} << QByteArray("--since takes");
    QTest::newRow("weeks") << QStringList{"battery", "--history", "--since", "2w"} << QByteArray("--since takes");
    QTest::newRow("zero") << QStringList{"battery", "--history", "--since", "0d"} << QByteArray("--since takes");
    QTest::newRow("negative") << QStringList{"battery", "--history", "--since", "-1d"} << QByteArray("--since takes");
    QTest::newRow("past a year") << QStringList{"battery", "--history", "--since", "366d"} << QByteArray("--since takes");
    QTest::newRow("an argument") << QStringList{"battery", "now"} << QByteArray("battery takes no argument");
}

void TestCliBattery::usageErrors()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, message);
    const Run run = cli(arguments, QString());
    QCOMPARE(run.exitCode, 64);
    QVERIFY2(run.err.contains(message), run.err.constData());
}

QTEST_GUILESS_MAIN(TestCliBattery)
#include "test_clibattery.moc"
