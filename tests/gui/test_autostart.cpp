// "Start with the desktop" in the window and in the tray menu: both write
// and remove the autostart entry and follow each other; a failed write
// leaves both unticked. And a start with --hidden where there is no tray
// shows the window.

#include "envscope.h"
#include "test_mainwindowfixture.h"

#include "platform/autostartentry.h"
#include "shell/autostartsetting.h"
#include "shell/traycontroller.h"
#include "widgets/skincheckbox.h"

#include <QAction>
#include <QProcess>
#include <QTemporaryDir>

class TestAutostart : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void windowAndTrayWriteTheEntry();
    void failedWriteStaysUnticked();
    void hiddenWithoutATrayStartsShown();

private:
    std::unique_ptr<QTemporaryDir> m_configHome;
    std::unique_ptr<EnvScope> m_env;
};

void TestAutostart::init()
{
    m_configHome = std::make_unique<QTemporaryDir>();
    m_env = std::make_unique<EnvScope>("XDG_CONFIG_HOME", QFile::encodeName(m_configHome->path()));
}

void TestAutostart::cleanup()
{
    m_env.reset();
    m_configHome.reset();
}

void TestAutostart::windowAndTrayWriteTheEntry()
{
    WindowFixture f;
    MainWindow &w = f.openWithReceiver();
    SkinCheckBox *box = WindowInside::controls(w).autostart;
    QAction *action = WindowInside::tray(w)->autostartAction();
    QVERIFY(box->isVisible());
    QVERIFY(!box->isChecked());
    QVERIFY(!action->isChecked());
    QCOMPARE(box->text(), QStringLiteral("Start with the desktop"));

    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(AutostartEntry::isEnabled());
    QVERIFY(box->isChecked());
    QVERIFY(action->isChecked());
    QFile entry(AutostartEntry::path());
    QVERIFY(entry.open(QIODevice::ReadOnly));
    QVERIFY(entry.readAll().contains(AutostartEntry::execLine(QCoreApplication::applicationFilePath()).toUtf8()));

    action->trigger();
    QVERIFY(!QFile::exists(AutostartEntry::path()));
    QVERIFY(!action->isChecked());
    QVERIFY(!box->isChecked());
}

void TestAutostart::failedWriteStaysUnticked()
{
    QFile blocker(m_configHome->path() + QStringLiteral("/autostart"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    WindowFixture f;
    MainWindow &w = f.openWithReceiver();
    QTest::mouseClick(WindowInside::controls(w).autostart, Qt::LeftButton);
    QVERIFY(!WindowInside::controls(w).autostart->isChecked());
    WindowInside::tray(w)->autostartAction()->trigger();
    QVERIFY(!WindowInside::tray(w)->autostartAction()->isChecked());
    QVERIFY(!WindowInside::autostart(w)->isEnabled());
}

void TestAutostart::hiddenWithoutATrayStartsShown()
{
    // The offscreen platform has no tray: --hidden must not leave a window
    // that nothing can bring back; after its grace period for a late tray
    // the window shows. The program quits after its first paint, which only
    // a shown window gets.
    TestEnvironment env;
    QProcess program;
    // A lock folder of its own: another program's instance must not refuse it.
    QTemporaryDir runtime;
    QProcessEnvironment environment = env.childEnvironment(TestEnvironment::SimulatedMouse, runtime.path());
    environment.insert(QStringLiteral("MOUSECFG_QUIT_AFTER_SHOW"), QStringLiteral("1"));
    program.setProcessEnvironment(environment);
    program.start(TestEnvironment::buildBinDir() + QStringLiteral("/mousecfg"), {QStringLiteral("--hidden")});
    QVERIFY(program.waitForStarted(10000));
    const bool finished = program.waitForFinished(60000);
    if (!finished) {
        program.kill();
        program.waitForFinished(5000);
    }
    QVERIFY2(finished, "the window was never shown");
    QCOMPARE(program.exitCode(), 0);
}

QTEST_MAIN(TestAutostart)
#include "test_autostart.moc"
