// The autostart entry: where it lands, what it runs (quoted as desktop
// entries require), that the desktop's own validator takes it, removal, a
// folder that cannot be written, and when --hidden keeps the window hidden.

#include "envscope.h"
#include "platform/autostartentry.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class TestAutostartEntry : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void writtenAndRemoved();
    void unwritableFolder();
    void execLine_data();
    void execLine();
    void startsHidden_data();
    void startsHidden();

private:
    std::unique_ptr<QTemporaryDir> m_home;
    std::unique_ptr<EnvScope> m_env;
};

void TestAutostartEntry::init()
{
    m_home = std::make_unique<QTemporaryDir>();
    m_env = std::make_unique<EnvScope>("XDG_CONFIG_HOME", QFile::encodeName(m_home->path()));
}

void TestAutostartEntry::cleanup()
{
    m_env.reset();
    m_home.reset();
}

void TestAutostartEntry::writtenAndRemoved()
{
    const QString expected = m_home->path() + QStringLiteral("/autostart/io.github.mousecfg.desktop");
    QCOMPARE(AutostartEntry::path(), expected);
    QVERIFY(!AutostartEntry::isEnabled());

    QString error;
    QVERIFY2(AutostartEntry::enable(QStringLiteral("/opt/mouse tools/mousecfg"), &error), qPrintable(error));
    QVERIFY(AutostartEntry::isEnabled());
    QFile file(expected);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    QCOMPARE(lines.first(), QStringLiteral("[Desktop Entry]"));
    QVERIFY(lines.contains(QStringLiteral("Exec=\"/opt/mouse tools/mousecfg\" --hidden")));
    // Once the program is removed, the session skips the entry.
    QVERIFY(lines.contains(QStringLiteral("TryExec=/opt/mouse tools/mousecfg")));
    QVERIFY(lines.contains(QStringLiteral("Type=Application")));

    const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (!validator.isEmpty()) {
        QProcess check;
        check.start(validator, {expected});
        QVERIFY(check.waitForFinished(10000));
        QVERIFY2(check.exitCode() == 0, check.readAllStandardOutput().constData());
    }

    // Writing again replaces the entry.
    QVERIFY(AutostartEntry::enable(QStringLiteral("/usr/bin/mousecfg")));
    file.close();
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("\nExec=/usr/bin/mousecfg --hidden\n"));

    QVERIFY(AutostartEntry::disable(&error));
    QVERIFY(!QFile::exists(expected));
    QVERIFY(!AutostartEntry::isEnabled());
    QVERIFY(AutostartEntry::disable(&error));   // nothing to remove is no failure
}

void TestAutostartEntry::unwritableFolder()
{
    // A file where the folder should be.
    QFile blocker(m_home->path() + QStringLiteral("/autostart"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QString error;
    QVERIFY(!AutostartEntry::enable(QStringLiteral("/usr/bin/mousecfg"), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!AutostartEntry::isEnabled());
}

void TestAutostartEntry::execLine_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("exec");
    // TryExec is a plain string: no quotes, no field codes, only the
    // string escapes.
    QTest::addColumn<QString>("tryExec");
    QTest::newRow("plain") << "/usr/bin/mousecfg" << "/usr/bin/mousecfg --hidden" << "/usr/bin/mousecfg";
    QTest::newRow("blank") << "/home/a b/mousecfg" << "\"/home/a b/mousecfg\" --hidden" << "/home/a b/mousecfg";
    QTest::newRow("percent") << "/opt/50%/mousecfg" << "/opt/50%%/mousecfg --hidden" << "/opt/50%/mousecfg";
    // Inside quotes: \$ for the Exec rules, the backslash doubled for the
    // value's string escapes.
    QTest::newRow("dollar") << "/opt/$x/mousecfg" << "\"/opt/\\\\$x/mousecfg\" --hidden" << "/opt/$x/mousecfg";
    QTest::newRow("double quote") << "/opt/a\"b/m" << "\"/opt/a\\\\\"b/m\" --hidden" << "/opt/a\"b/m";
    QTest::newRow("backslash") << "/opt/a\\b/m" << "\"/opt/a\\\\\\\\b/m\" --hidden" << "/opt/a\\\\b/m";
    QTest::newRow("newline") << "/opt/a\nb/m" << "\"/opt/a\nb/m\" --hidden" << "/opt/a\\nb/m";
}

void TestAutostartEntry::execLine()
{
    QFETCH(QString, program);
    QFETCH(QString, exec);
    QFETCH(QString, tryExec);
    QCOMPARE(AutostartEntry::execLine(program), exec);
    QCOMPARE(AutostartEntry::tryExecLine(program), tryExec);
}

void TestAutostartEntry::startsHidden_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("tray");
    QTest::addColumn<bool>("hidden");
    QTest::newRow("--hidden with a tray") << QStringList{"mousecfg", "--hidden"} << true << true;
    QTest::newRow("--hidden without a tray") << QStringList{"mousecfg", "--hidden"} << false << false;
    QTest::newRow("no option") << QStringList{"mousecfg"} << true << false;
    QTest::newRow("other options") << QStringList{"mousecfg", "-style", "fusion"} << true << false;
}

void TestAutostartEntry::startsHidden()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, tray);
    QFETCH(bool, hidden);
    QCOMPARE(AutostartEntry::startsHidden(arguments, tray), hidden);
}

QTEST_GUILESS_MAIN(TestAutostartEntry)
#include "test_autostartentry.moc"
