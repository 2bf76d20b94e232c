// The rules that choose a profile by application: the file as the dialog and
// the command line write it, the files a person may have broken by hand, and
// which rule wins.

#include "config/appprofilerules.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using Trigger = AppProfileRule::Trigger;

QString writeFile(const QTemporaryDir &dir, const QByteArray &bytes)
{
    const QString path = dir.filePath(QStringLiteral("AppProfiles.ini"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return QString();
    return path;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestAppProfileRules : public QObject {
    Q_OBJECT
private slots:
    void readsFiles_data();
    void readsFiles();
    void saveThenLoadKeepsOrderAndReplacesLongerLists();
    void malformedFileIsKeptWhenWrittenOver();
    void winningRule_data();
    void winningRule();
    void editing();
};

void TestAppProfileRules::readsFiles_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("errorPart");
    QTest::addColumn<int>("rules");
    QTest::addColumn<int>("defaultSlot");

    const QByteArray good = "[AppProfiles]\nDefault=2\n[Rules]\n1\\Application=steam\n1\\Profile=3\n"
                            "1\\Trigger=focus\n2\\Application=Game.exe\n2\\Profile=5\n2\\Trigger=RUNNING\nsize=2\n";
    QTest::newRow("two rules, default 2") << good << true << "" << 2 << 1;
    QTest::newRow("windows line ends") << QByteArray(good).replace("\n", "\r\n") << true << "" << 2 << 1;
    QTest::newRow("empty file") << QByteArray() << true << "" << 0 << int(AppProfileRules::kStay);
    QTest::newRow("trigger left out is focus")
        << QByteArray("[Rules]\n1\\Application=a\n1\\Profile=1\nsize=1\n") << true << "" << 1
        << int(AppProfileRules::kStay);
    QTest::newRow("profile 0") << QByteArray("[Rules]\n1\\Application=a\n1\\Profile=0\nsize=1\n") << false
                               << "rule 1: profile \"0\"" << 0 << 0;
    QTest::newRow("profile 6") << QByteArray("[Rules]\n1\\Application=a\n1\\Profile=6\nsize=1\n") << false
                               << "rule 1: profile \"6\"" << 0 << 0;
    QTest::newRow("profile text") << QByteArray("[Rules]\n1\\Application=a\n1\\Profile=three\nsize=1\n") << false
                                  << "is not 1..5" << 0 << 0;
    QTest::newRow("second rule has no application")
        << QByteArray("[Rules]\n1\\Application=a\n1\\Profile=1\n2\\Profile=2\nsize=2\n") << false
        << "rule 2: no application" << 0 << 0;
    QTest::newRow("unknown trigger")
        << QByteArray("[Rules]\n1\\Application=a\n1\\Profile=1\n1\\Trigger=hover\nsize=1\n") << false
        << "neither focus nor running" << 0 << 0;
    QTest::newRow("default 9") << QByteArray("[AppProfiles]\nDefault=9\n") << false << "the default \"9\"" << 0 << 0;
    QTest::newRow("huge count") << QByteArray("[Rules]\nsize=2000000000\n") << false << "rules is not a count" << 0
                                << 0;
    QTest::newRow("line without =") << QByteArray("[Rules]\nsize=1\n1\\Application=a\nbroken line\n") << false
                                    << "malformed" << 0 << 0;
    QTest::newRow("header without ]") << QByteArray("[Rules\nsize=0\n") << false << "malformed" << 0 << 0;
}

void TestAppProfileRules::readsFiles()
{
    QFETCH(QByteArray, contents);
    QFETCH(bool, ok);
    QFETCH(QString, errorPart);
    QFETCH(int, rules);
    QFETCH(int, defaultSlot);

    QTemporaryDir dir;
    const QString path = writeFile(dir, contents);
    QVERIFY(!path.isEmpty());
    AppProfileRules read;
    read.set(QStringLiteral("before"), 4, Trigger::Focus);
    const AppProfileRules before = read;
    QString error;
    QCOMPARE(read.load(path, &error), ok);
    if (!ok) {
        QVERIFY2(error.contains(errorPart), qPrintable(error));
        QVERIFY(error.contains(path));
        // A refused file changes nothing in memory and nothing on disk.
        QVERIFY(read == before);
        QCOMPARE(readFile(path), contents);
        return;
    }
    QCOMPARE(read.rules.size(), rules);
    QCOMPARE(read.defaultSlot, defaultSlot);
    if (rules == 2) {
        QCOMPARE(read.rules.at(0), (AppProfileRule{QStringLiteral("steam"), 2, Trigger::Focus}));
        QCOMPARE(read.rules.at(1), (AppProfileRule{QStringLiteral("Game.exe"), 4, Trigger::Running}));
    }
}

void TestAppProfileRules::saveThenLoadKeepsOrderAndReplacesLongerLists()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("AppProfiles.ini"));
    AppProfileRules rules;
    rules.set(QStringLiteral("zeta"), 0, Trigger::Focus);
    rules.set(QStringLiteral("alpha & co/ünï"), 3, Trigger::Running);
    rules.set(QStringLiteral("mid"), 2, Trigger::Focus);
    rules.defaultSlot = 4;
    QString error;
    QVERIFY2(rules.save(path, &error), qPrintable(error));
    AppProfileRules read;
    QVERIFY2(read.load(path, &error), qPrintable(error));
    QVERIFY(read == rules);

    // A shorter list leaves no rule of the longer one behind.
    rules.rules.removeLast();
    rules.rules.removeLast();
    rules.defaultSlot = AppProfileRules::kStay;
    QVERIFY(rules.save(path, &error));
    QVERIFY(read.load(path, &error));
    QVERIFY(read == rules);
    QVERIFY(!readFile(path).contains("mid"));
}

void TestAppProfileRules::malformedFileIsKeptWhenWrittenOver()
{
    QTemporaryDir dir;
    const QByteArray broken = "[Rules]\nsize=1\n1\\Application=kept\n1\\Profile=2\nthis line is broken\n";
    const QString path = writeFile(dir, broken);
    AppProfileRules rules;
    rules.set(QStringLiteral("new"), 1, Trigger::Focus);
    QString error;
    QVERIFY(rules.save(path, &error));
    QCOMPARE(readFile(path + QStringLiteral(".bak")), broken);
    AppProfileRules read;
    QVERIFY(read.load(path, &error));
    QVERIFY(read == rules);
}

void TestAppProfileRules::winningRule_data()
{
    QTest::addColumn<QStringList>("focused");
    QTest::addColumn<QStringList>("running");
    QTest::addColumn<int>("defaultSlot");
    QTest::addColumn<int>("slot");

    const int stay = AppProfileRules::kStay;
    // Rules: Shooter focus 1, shooter running 2, Editor focus 3, Launcher
    // running 4, a-very-long-program-name running 5 (in that order).
    QTest::newRow("focus rule by class") << QStringList{"Shooter"} << QStringList() << stay << 0;
    QTest::newRow("focus rule by executable, any case") << QStringList{"xterm", "SHOOTER"} << QStringList() << stay
                                                        << 0;
    QTest::newRow("focus beats running") << QStringList{"editor"} << QStringList{"launcher"} << stay << 2;
    QTest::newRow("running rule when no focus rule matches") << QStringList{"xterm"} << QStringList{"launcher"}
                                                             << stay << 3;
    QTest::newRow("the first running rule in the list") << QStringList() << QStringList{"launcher", "shooter"}
                                                        << stay << 1;
    QTest::newRow("a focus-only name does not match running") << QStringList() << QStringList{"editor"} << stay
                                                              << stay;
    QTest::newRow("kernel's short name of a long program")
        << QStringList() << QStringList{"a-very-long-pro"} << stay << 4;
    QTest::newRow("a short name that merely starts alike") << QStringList() << QStringList{"a-very"} << stay
                                                           << stay;
    QTest::newRow("nothing matches, stay") << QStringList{"xterm"} << QStringList{"bash"} << stay << stay;
    QTest::newRow("nothing matches, default 5") << QStringList{"xterm"} << QStringList() << 4 << 4;
    QTest::newRow("empty names match nothing") << QStringList{""} << QStringList{""} << 1 << 1;
}

void TestAppProfileRules::winningRule()
{
    QFETCH(QStringList, focused);
    QFETCH(QStringList, running);
    QFETCH(int, defaultSlot);
    QFETCH(int, slot);

    AppProfileRules rules;
    rules.rules = {{QStringLiteral("Shooter"), 0, Trigger::Focus},
                   {QStringLiteral("shooter"), 1, Trigger::Running},
                   {QStringLiteral("Editor"), 2, Trigger::Focus},
                   {QStringLiteral("launcher"), 3, Trigger::Running},
                   {QStringLiteral("a-very-long-program-name"), 4, Trigger::Running}};
    rules.defaultSlot = defaultSlot;
    const QSet<QString> runningSet(running.begin(), running.end());
    QCOMPARE(rules.slotFor(focused, runningSet), slot);
}

void TestAppProfileRules::editing()
{
    AppProfileRules rules;
    QVERIFY(rules.set(QStringLiteral(" Steam "), 2, Trigger::Focus));
    QVERIFY(rules.set(QStringLiteral("game"), 1, Trigger::Running));
    // The same application in another case replaces its rule in place.
    QVERIFY(rules.set(QStringLiteral("STEAM"), 4, Trigger::Running));
    QCOMPARE(rules.rules.size(), 2);
    QCOMPARE(rules.rules.at(0), (AppProfileRule{QStringLiteral("Steam"), 4, Trigger::Running}));
    QVERIFY(!rules.set(QStringLiteral("   "), 1, Trigger::Focus));
    QVERIFY(!rules.set(QStringLiteral("x"), 5, Trigger::Focus));
    QVERIFY(!rules.set(QStringLiteral("x"), -1, Trigger::Focus));
    QVERIFY(rules.hasRunningRules());
    QVERIFY(rules.remove(QStringLiteral("steam")));
    QVERIFY(!rules.remove(QStringLiteral("steam")));
    QCOMPARE(rules.indexOf(QStringLiteral("GAME")), 0);
}

QTEST_GUILESS_MAIN(TestAppProfileRules)
#include "test_appprofilerules.moc"
