// `mousecfg-cli app-profile` run as a program: the rules it writes are those
// the window reads, its JSON list, its usage errors, and a rules file broken
// by hand that it refuses and leaves as it was.

#include "config/appprofilerules.h"
#include "config/paths.h"
#include "testenvironment.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <memory>

namespace {

using Run = ProgramRun;

Run cli(const QStringList &arguments)
{
    return runProgram(QStringLiteral("mousecfg-cli"), QStringList{QStringLiteral("app-profile")} + arguments);
}

AppProfileRules stored()
{
    AppProfileRules rules;
    QString error;
    rules.load(Paths::appProfilesFile(), &error);
    return rules;
}

} // namespace

class TestCliAppProfile : public QObject {
    Q_OBJECT
private slots:
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup() { m_env.reset(); }

    void editAndList();
    void usageErrors_data();
    void usageErrors();
    void malformedFileIsRefusedAndKept();

private:
    std::unique_ptr<TestEnvironment> m_env;
};

void TestCliAppProfile::editAndList()
{
    QCOMPARE(cli({"add", "ShooterGame", "3"}).exitCode, 0);
    QCOMPARE(cli({"add", "launcher", "2", "--running"}).exitCode, 0);
    QCOMPARE(cli({"add", "editor", "1"}).exitCode, 0);
    // A rule for the same application (any case) is replaced in place.
    QCOMPARE(cli({"add", "shootergame", "4"}).exitCode, 0);
    QCOMPARE(cli({"remove", "EDITOR"}).exitCode, 0);
    QCOMPARE(cli({"default", "5"}).exitCode, 0);

    const AppProfileRules rules = stored();
    QCOMPARE(rules.rules.size(), 2);
    QCOMPARE(rules.rules.at(0), (AppProfileRule{QStringLiteral("ShooterGame"), 3, AppProfileRule::Trigger::Focus}));
    QCOMPARE(rules.rules.at(1), (AppProfileRule{QStringLiteral("launcher"), 1, AppProfileRule::Trigger::Running}));
    QCOMPARE(rules.defaultSlot, 4);

    const Run json = cli({"list", "--json"});
    QCOMPARE(json.exitCode, 0);
    const QJsonObject object = QJsonDocument::fromJson(json.out).object();
    QCOMPARE(object.value("default").toInt(), 5);
    const QJsonArray list = object.value("rules").toArray();
    QCOMPARE(list.size(), 2);
    QCOMPARE(list.at(0).toObject().value("application").toString(), QStringLiteral("ShooterGame"));
    QCOMPARE(list.at(0).toObject().value("profile").toInt(), 4);
    QCOMPARE(list.at(1).toObject().value("trigger").toString(), QStringLiteral("running"));

    QCOMPARE(cli({"default", "stay"}).exitCode, 0);
    const Run plain = cli({"list"});
    QVERIFY2(plain.out.contains("ShooterGame\tprofile 4\tfocus\n"), plain.out.constData());
    QVERIFY(plain.out.endsWith("default: stay\n"));
    QCOMPARE(QJsonDocument::fromJson(cli({"list", "--json"}).out).object().value("default").toString(),
             QStringLiteral("stay"));
}

void TestCliAppProfile::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("slot 0") << QStringList{"add", "game", "0"} << 64;
    QTest::newRow("slot 6") << QStringList{"add", "game", "6"} << 64;
    QTest::newRow("slot stay") << QStringList{"add", "game", "stay"} << 64;
    QTest::newRow("add without slot") << QStringList{"add", "game"} << 64;
    QTest::newRow("blank application") << QStringList{"add", "  ", "2"} << 65;
    QTest::newRow("remove what has no rule") << QStringList{"remove", "nothing"} << 65;
    QTest::newRow("default text") << QStringList{"default", "later"} << 64;
    QTest::newRow("unknown action") << QStringList{"rename", "a"} << 64;
    QTest::newRow("list with an argument") << QStringList{"list", "x"} << 64;
}

void TestCliAppProfile::usageErrors()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QCOMPARE(cli({"add", "kept", "2"}).exitCode, 0);
    const QByteArray before = [] {
        QFile file(Paths::appProfilesFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    const Run run = cli(arguments);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY(!run.err.isEmpty());
    QFile file(Paths::appProfilesFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

void TestCliAppProfile::malformedFileIsRefusedAndKept()
{
    const QByteArray broken = "[Rules]\nsize=1\n1\\Application=mine\n1\\Profile=9\n";
    QFile file(Paths::appProfilesFile());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(broken);
    file.close();
    for (const QStringList &arguments : {QStringList{"list"}, QStringList{"add", "x", "1"}}) {
        const Run run = cli(arguments);
        QCOMPARE(run.exitCode, 65);
        QVERIFY2(run.err.contains("rule 1: profile \"9\""), run.err.constData());
    }
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), broken);
}

QTEST_GUILESS_MAIN(TestCliAppProfile)
#include "test_cliappprofile.moc"
