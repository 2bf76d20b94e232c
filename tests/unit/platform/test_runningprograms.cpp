// The running programs as read from a process table: a folder laid out like
// /proc, in which the test starts and ends "processes".

#include "platform/runningprograms.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

class FakeProc {
public:
    QString root() const { return m_dir.path(); }

    // A process whose exe link points at `exe` (none when empty) and whose
    // kernel name is `comm`.
    void start(int pid, const QString &exe, const QByteArray &comm)
    {
        const QString dir = m_dir.filePath(QString::number(pid));
        QDir().mkpath(dir);
        if (!exe.isEmpty())
            QFile::link(exe, dir + QStringLiteral("/exe"));
        QFile file(dir + QStringLiteral("/comm"));
        if (file.open(QIODevice::WriteOnly))
            file.write(comm + '\n');
    }
    void end(int pid) { QDir(m_dir.filePath(QString::number(pid))).removeRecursively(); }

private:
    QTemporaryDir m_dir;
};

} // namespace

class TestRunningPrograms : public QObject {
    Q_OBJECT
private slots:
    void executableNames_data();
    void executableNames();
    void scanReportsStartsAndEnds();
};

void TestRunningPrograms::executableNames_data()
{
    QTest::addColumn<QString>("exe");
    QTest::addColumn<QByteArray>("comm");
    QTest::addColumn<QString>("name");
    QTest::newRow("the link's base name, lower case") << "/opt/Game/BigShooter-Linux" << QByteArray("BigShooter-Lin")
                                                      << "bigshooter-linux";
    QTest::newRow("a program replaced on disk") << "/usr/bin/game (deleted)" << QByteArray("game") << "game";
    QTest::newRow("no readable link: the kernel's name") << "" << QByteArray("Wine64-Preload") << "wine64-preload";
    QTest::newRow("a process that has gone") << "" << QByteArray() << "";
}

void TestRunningPrograms::executableNames()
{
    QFETCH(QString, exe);
    QFETCH(QByteArray, comm);
    QFETCH(QString, name);
    FakeProc proc;
    if (!comm.isEmpty())
        proc.start(42, exe, comm);
    QCOMPARE(RunningPrograms::executableName(proc.root(), 42), name);
}

void TestRunningPrograms::scanReportsStartsAndEnds()
{
    FakeProc proc;
    proc.start(1, QStringLiteral("/sbin/init"), "systemd");
    proc.start(300, QStringLiteral("/usr/bin/bash"), "bash");
    // Entries that are not processes are passed over.
    QDir(proc.root()).mkpath(QStringLiteral("sys"));
    RunningPrograms running(proc.root());
    QSignalSpy changed(&running, &RunningPrograms::changed);

    running.setWatching(true);
    QVERIFY(running.watching());
    QCOMPARE(changed.count(), 1);
    QCOMPARE(running.names(), (QSet<QString>{"init", "bash"}));

    proc.start(4711, QStringLiteral("/games/shooter"), "shooter");
    running.scan();
    QCOMPARE(changed.count(), 2);
    QVERIFY(running.names().contains(QStringLiteral("shooter")));

    // Nothing new: no signal.
    running.scan();
    QCOMPARE(changed.count(), 2);

    // A launcher that execs the game keeps its process id.
    proc.end(300);
    proc.start(300, QStringLiteral("/games/other"), "other");
    running.scan();
    QCOMPARE(running.names(), (QSet<QString>{"init", "other", "shooter"}));

    proc.end(4711);
    running.scan();
    QCOMPARE(running.names(), (QSet<QString>{"init", "other"}));

    // Watching rescans on its own.
    proc.start(5000, QStringLiteral("/games/late"), "late");
    QTRY_VERIFY_WITH_TIMEOUT(running.names().contains(QStringLiteral("late")), 5000);
    running.setWatching(false);
    QVERIFY(!running.watching());
}

QTEST_GUILESS_MAIN(TestRunningPrograms)
#include "test_runningprograms.moc"
