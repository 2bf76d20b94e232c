// What the program prints on a normal start: nothing that calls for
// attention, and a damaged library list costs one line, not thousands.

#include "config/appconfig.h"
#include "config/paths.h"

#include "testenvironment.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestStartMessages : public QObject {
    Q_OBJECT

private slots:
    void startPrintsNoFlood();
};

void TestStartMessages::startPrintsNoFlood()
{
    TestEnvironment env;
    QVERIFY(Paths::ensureConfigs());
    const QString library = Paths::productDir(AppConfig::currentProductName());
    QVERIFY(!library.isEmpty());
    env.writeFile(QDir(env.root()).relativeFilePath(library + QStringLiteral("/Config.ini")),
                  "[PROFILE_LIST]\nCount=2000000000\n1=Kept\n");

    QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QProcessEnvironment environment = env.childEnvironment(TestEnvironment::SimulatedMouse, runtime.path());
    environment.insert(QStringLiteral("MOUSECFG_QUIT_AFTER_SHOW"), QStringLiteral("1"));
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("*.debug=true"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(TestEnvironment::buildBinDir() + QStringLiteral("/mousecfg"), QStringList());
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 0);
    const QString err = QString::fromLocal8Bit(process.readAllStandardError());

    QVERIFY2(!err.contains(QLatin1String("AA_EnableHighDpiScaling")), qPrintable(err));
    QVERIFY2(!err.contains(QLatin1String("must be set before")), qPrintable(err));
    // One line for each time the list is read (the start may read it twice).
    const int libraryLines = err.count(QLatin1String("library list"));
    QVERIFY2(libraryLines >= 1 && libraryLines <= 2, qPrintable(err.left(2000)));
}

QTEST_GUILESS_MAIN(TestStartMessages)
#include "test_startmessages.moc"
