// The window and the command line on one mouse: while the window runs, the
// command line hands it its commands and neither undoes the other; without a
// window, commands run at once take turns; a second start shows the running
// window; settings files changed behind the window's back are taken in; a
// profile switch from outside the window drops its unapplied edits and says
// so.

#include "test_mainwindowfixture.h"
#include "envscope.h"

#include "config/appconfig.h"
#include "config/paths.h"
#include "config/profilefile.h"
#include "config/productdescriptor.h"
#include "config/sensortable.h"
#include "platform/singleinstance.h"
#include "config/reportrate.h"
#include "editors/dpipage.h"
#include "editors/dpistagerow.h"
#include "editors/reportratepage.h"
#include "editors/twobarslider.h"
#include "shell/pagehost.h"
#include "widgets/skinlineedit.h"
#include "widgets/skinbutton.h"
#include "widgets/skinslider.h"

#include <QAction>
#include <QMenu>

#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Starts the real command line in the test's installation. The virtual mouse
// is not asked for: a command that is not handed to the window finds no
// mouse, as real devices are forbidden in tests. With `mouseState` the mouse
// of --virtual is kept in that file between runs.
QProcess *startCli(const TestEnvironment &env, const QStringList &arguments, QObject *parent, const QString &mouseState = {})
{
    auto *process = new QProcess(parent);
    QProcessEnvironment e = env.childEnvironment(TestEnvironment::MouseOnRequest);
    if (!mouseState.isEmpty())
        e.insert(QStringLiteral("MOUSECFG_SIM_STATE"), mouseState);
    process->setProcessEnvironment(e);
    process->start(TestEnvironment::buildBinDir() + QStringLiteral("/mousecfg-cli"), arguments);
    return process;
}

// Waits with the event loop running, so that an in-process window serves
// the command.
Run finish(QProcess *process)
{
    Run run;
    if (process->state() != QProcess::NotRunning) {
        QSignalSpy done(process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished));
        if (!done.wait(60000))
            return run;
    }
    run.exitCode = process->exitStatus() == QProcess::NormalExit ? process->exitCode() : -1;
    run.out = process->readAllStandardOutput();
    run.err = process->readAllStandardError();
    return run;
}

Run cli(const TestEnvironment &env, const QStringList &arguments, QObject *parent, const QString &mouseState = {})
{
    return finish(startCli(env, arguments, parent, mouseState));
}

MouseConfig filesNow()
{
    MouseConfig config;
    AppConfig::loadAll(config);
    return config;
}

int dpiOf(const MouseConfig &config, int profile, int stage)
{
    return dpiCodeToDpi(config.profiles[size_t(profile)].dpiLevels[size_t(stage)].x, AppConfig::sensorType());
}

// The mouse's memory blocks, to compare before and after a full upload: a
// full upload of the stored settings changes nothing in a mouse that holds
// them already.
std::vector<std::vector<uint8_t>> blocks(const VirtualMouse &mouse)
{
    const SimMemory m = mouse.memory();
    return {m.system, m.dpi, m.buttons, m.lighting, m.macro};
}

} // namespace

class TestOneOwner : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qRegisterMetaType<QProcess::ExitStatus>(); }
    void commandLineChangesSurviveTheWindow();
    void windowKeepsUnappliedEditsBesideACommand();
    void parallelCommandsTakeTurns();
    void secondStartShowsTheWindow();
    void filesChangedBehindTheWindow();
    void switchFromOutsideDropsEdits_data();
    void switchFromOutsideDropsEdits();
};

void TestOneOwner::commandLineChangesSurviveTheWindow()
{
    WindowFixture f;
    MainWindow &w = f.openWithReceiver();
    QTRY_VERIFY_WITH_TIMEOUT(firstAnswerTaken(w), kFirstAnswerTimeoutMs);
    const int active = f.editing().profileIndex();
    const int other = (active + 1) % kProfileCount;

    // Handed to the window: without it no mouse would be found.
    Run run = cli(*f.env, {"dpi", "1", "800"}, this);
    QVERIFY2(run.exitCode == 0, run.err.constData());
    QCOMPARE(cli(*f.env, {"button", "4", "copy"}, this).exitCode, 0);
    QCOMPARE(cli(*f.env, {"rate", "250", "--profile", QString::number(other + 1)}, this).exitCode, 0);
    // The window shows them at once.
    QCOMPARE(dpiOf(f.editing(), active, 0), 800);
    QCOMPARE(f.editing().profiles[size_t(active)].buttons[3].Fun, 18);   // Copy
    QCOMPARE(int(f.editing().profiles[size_t(other)].pollrate), 4);

    // Neither the window's Apply nor the mouse's own profile button undoes
    // them, in the files or in the mouse.
    QCOMPARE(w.apply(), 0);
    f.mouse->press(SimButton::Profile);
    QTRY_COMPARE(f.editing().profileIndex(), other);
    const MouseConfig files = filesNow();
    QCOMPARE(dpiOf(files, active, 0), 800);
    QCOMPARE(files.profiles[size_t(active)].buttons[3].Fun, 18);
    QCOMPARE(int(files.profiles[size_t(other)].pollrate), 4);
    QCOMPARE(f.mouse->memory().pollrate[size_t(other)], 4);

    // A profile chosen on the command line stays chosen.
    const int third = (other + 1) % kProfileCount;
    QCOMPARE(cli(*f.env, {"profile", QString::number(third + 1)}, this).exitCode, 0);
    QCOMPARE(f.editing().profileIndex(), third);
    QCOMPARE(w.apply(), 0);
    QCOMPARE(AppConfig::activeProfileIndex(), third);
    QCOMPARE(f.mouse->memory().activeProfile, third);

    // The mouse holds what the files say.
    const auto before = blocks(*f.mouse);
    QCOMPARE(w.upload(true), 0);
    QVERIFY(blocks(*f.mouse) == before);
}

void TestOneOwner::windowKeepsUnappliedEditsBesideACommand()
{
    WindowFixture f;
    MainWindow &w = f.openWithReceiver();
    QTRY_VERIFY_WITH_TIMEOUT(firstAnswerTaken(w), kFirstAnswerTimeoutMs);
    const int active = f.editing().profileIndex();

    // An edit the user has not applied yet, and a command on another setting.
    f.editing().profiles[size_t(active)].scrollspeed = 7;
    QCOMPARE(cli(*f.env, {"debounce", "33"}, this).exitCode, 0);
    QCOMPARE(int(f.editing().Debounce), 33);
    QCOMPARE(int(f.editing().profiles[size_t(active)].scrollspeed), 7);
    QCOMPARE(int(f.stored().profiles[size_t(active)].scrollspeed), int(filesNow().profiles[size_t(active)].scrollspeed));
    QVERIFY(filesNow().profiles[size_t(active)].scrollspeed != 7);

    // A command that fails says so through the window too, and changes nothing.
    const Run refused = cli(*f.env, {"debounce", "0"}, this);
    QCOMPARE(refused.exitCode, 65);
    QVERIFY(!refused.err.isEmpty());
    QCOMPARE(int(filesNow().Debounce), 33);

    // Two setters at once: the second waits for the first, and both join the
    // edit, in the window and in the files; the window holds what the files
    // hold, so nothing asks whether they were changed behind it.
    BoxWatcher boxes;
    for (int round = 0; round < 3; ++round) {
        const int dpi = 1200 + 100 * round;
        const int rate = round % 2 ? 500 : 250;
        QProcess *a = startCli(*f.env, {"dpi", "1", QString::number(dpi)}, this);
        QProcess *b = startCli(*f.env, {"rate", QString::number(rate)}, this);
        QCOMPARE(finish(a).exitCode, 0);
        QCOMPARE(finish(b).exitCode, 0);
        QTRY_COMPARE(dpiOf(f.editing(), active, 0), dpi);
        QTRY_COMPARE(reportRateHz(f.editing().profiles[size_t(active)].pollrate), rate);
        QCOMPARE(int(f.editing().profiles[size_t(active)].scrollspeed), 7);
        QVERIFY(f.stored() == filesNow());
    }
    QVERIFY2(boxes.texts.isEmpty(), qPrintable(boxes.texts.join(QLatin1Char('\n'))));
}

void TestOneOwner::parallelCommandsTakeTurns()
{
    TestEnvironment env;
    QTemporaryDir dir;
    const QString sim = dir.filePath(QStringLiteral("mouse.json"));
    QCOMPARE(cli(env, {"--virtual", "apply", "--full"}, this, sim).exitCode, 0);
    const int active = AppConfig::activeProfileIndex();

    for (int round = 0; round < 20; ++round) {
        const int dpi = 400 + 50 * (round % 10);
        const QString rate = round % 2 ? QStringLiteral("500") : QStringLiteral("250");
        QProcess *a = startCli(env, {"--virtual", "dpi", "1", QString::number(dpi)}, this, sim);
        QProcess *b = startCli(env, {"--virtual", "rate", rate}, this, sim);
        QCOMPARE(finish(a).exitCode, 0);
        QCOMPARE(finish(b).exitCode, 0);
        const MouseConfig files = filesNow();
        QCOMPARE(dpiOf(files, active, 0), dpi);
        QCOMPARE(int(files.profiles[size_t(active)].pollrate), round % 2 ? 2 : 4);
    }

    // Three imports at once: every name arrives.
    QStringList names;
    QList<QProcess *> imports;
    for (const char *name : {"alpha", "beta", "gamma"}) {
        const QString file = dir.filePath(QString::fromLatin1(name) + QStringLiteral(".MSMACRO"));
        // One key press and release: a macro file as the macro page writes it.
        QSettings macro(file, QSettings::IniFormat);
        macro.setValue(QStringLiteral("Setting/Count"), 2);
        macro.setValue(QStringLiteral("Setting/Map_0"), QStringLiteral("132"));
        macro.setValue(QStringLiteral("Setting/DataL_0"), QStringLiteral("4"));
        macro.setValue(QStringLiteral("Setting/Map_1"), QStringLiteral("4"));
        macro.setValue(QStringLiteral("Setting/DataL_1"), QStringLiteral("4"));
        macro.sync();
        imports << startCli(env, {"macro", "import", file}, this);
        names << QString::fromLatin1(name);
    }
    for (QProcess *p : imports)
        QCOMPARE(finish(p).exitCode, 0);
    const QByteArray listed = cli(env, {"macro", "list"}, this).out;
    for (const QString &name : names)
        QVERIFY2(listed.contains(name.toUtf8()), listed.constData());
}

void TestOneOwner::secondStartShowsTheWindow()
{
    // The single-instance lock and the socket live in the session's runtime
    // folder: a private one, so that a real running copy is never asked.
    QTemporaryDir runtime;
    EnvScope env("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    WindowFixture f;
    MainWindow &w = f.openWithReceiver();
    w.hide();
    // The first copy holds the lock, as its start-up took it.
    SingleInstanceGuard first(SingleInstanceGuard::mutexNameFor(ProductDescriptor::productName()));
    QVERIFY(first.acquired());

    QProcess second;
    second.start(TestEnvironment::buildBinDir() + QStringLiteral("/mousecfg"), QStringList());
    QSignalSpy done(&second, qOverload<int, QProcess::ExitStatus>(&QProcess::finished));
    QVERIFY(done.wait(30000));
    QCOMPARE(second.exitCode(), 1);
    QTRY_VERIFY(w.isVisible());
}

void TestOneOwner::filesChangedBehindTheWindow()
{
    WindowFixture f;
    MainWindow &w = f.openWithReceiver();
    // Every profile file whole, as after the first Apply.
    QCOMPARE(w.upload(true), 0);
    const int active = f.editing().profileIndex();
    const QString file = Paths::profileFile(f.editing().names[size_t(active)]);
    const auto edit = [&](int lines) {
        QSettings profile(file, QSettings::IniFormat);
        profile.setValue(QStringLiteral("PROFILE_0/scrollspeed"), lines);
        profile.sync();
    };

    // Nothing unapplied: taken in as it comes.
    edit(9);
    QTRY_COMPARE(int(f.editing().profiles[size_t(active)].scrollspeed), 9);
    QCOMPARE(int(f.stored().profiles[size_t(active)].scrollspeed), 9);

    // An unapplied edit: the window asks; "No" keeps the edit.
    f.editing().Debounce = 44;
    BoxWatcher boxes(false);
    boxes.onBox = [](SkinMessageBox *box) { box->reject(); };
    edit(3);
    QTRY_COMPARE(int(f.stored().profiles[size_t(active)].scrollspeed), 3);
    QCOMPARE(boxes.texts.size(), 1);
    QVERIFY(boxes.texts.first().contains(QStringLiteral("changed outside")));
    QCOMPARE(int(f.editing().Debounce), 44);
    QCOMPARE(int(f.editing().profiles[size_t(active)].scrollspeed), 9);
}

void TestOneOwner::switchFromOutsideDropsEdits_data()
{
    QTest::addColumn<QStringList>("command");   // empty: the mouse's own profile button
    QTest::addColumn<bool>("edit");
    QTest::addColumn<bool>("dropped");
    QTest::addColumn<bool>("renamed");   // the slot renamed in the window first
    QTest::newRow("profile button") << QStringList() << true << true << false;
    QTest::newRow("profile button, nothing unapplied") << QStringList() << false << false << false;
    // A rename is written at once: nothing of it is left to drop.
    QTest::newRow("profile button after a rename") << QStringList() << false << false << true;
    QTest::newRow("command line profile") << QStringList{"profile", "next"} << true << true << false;
    // A command that stores nothing leaves the edits alone.
    QTest::newRow("command line status") << QStringList{"status"} << true << false << false;
}

void TestOneOwner::switchFromOutsideDropsEdits()
{
    QFETCH(QStringList, command);
    QFETCH(bool, edit);
    QFETCH(bool, dropped);
    QFETCH(bool, renamed);
    WindowFixture f;
    f.mouse->plug(SimLink::Receiver);
    if (renamed) {
        // The reserved slot names cannot be renamed.
        ProfileData factory;
        makeDefaultProfile(factory);
        QVERIFY(saveProfileFile(factory, QStringLiteral("Work")));
        QVERIFY(AppConfig::setSlotName(0, QStringLiteral("Work")));
    }
    MainWindow &w = f.open();
    QTRY_VERIFY_WITH_TIMEOUT(firstAnswerTaken(w), kFirstAnswerTimeoutMs);
    if (renamed) {
        WindowInside::controls(w).nameField->setText(QStringLiteral("Gaming"));
        emit WindowInside::controls(w).nameField->returnPressed();
        QCOMPARE(f.editing().names[0], QStringLiteral("Gaming"));
    }
    const MouseConfig before = f.stored();
    const int left = before.profileIndex();
    const int next = (left + 1) % kProfileCount;

    // The report rate and a DPI stage changed on their pages, not applied.
    w.selectTab(PageTab::Performance);
    auto *ratePage = WindowInside::pages(w).page<ReportRatePage>();
    auto *dpiPage = WindowInside::pages(w).page<DpiPage>();
    QVERIFY(ratePage && dpiPage);
    const int rateBefore = before.profiles[size_t(left)].pollrate;
    const int rate = rateBefore == 1 ? 2 : 1;
    if (edit) {
        for (QAction *action : ratePage->rateMenu()->actions()) {
            if (action->data().toInt() == rate)
                action->trigger();
        }
        dpiPage->row(0)->setLink(1);
        dpiPage->row(0)->slider()->linkedSlider()->setValue(33);
    }

    if (command.isEmpty()) {
        f.mouse->press(SimButton::Profile);
        QTRY_COMPARE(f.editing().profileIndex(), next);
    } else {
        command.replaceInStrings(QStringLiteral("next"), QString::number(next + 1));
        QCOMPARE(cli(*f.env, command, this).exitCode, 0);
    }

    const QString line = QStringLiteral("Unapplied changes to Profile %1 were discarded").arg(left + 1);
    QCOMPARE(WindowInside::discardedLine(w), dropped ? line : QString());
    if (renamed) {
        QCOMPARE(f.editing().names[0], QStringLiteral("Gaming"));
        QCOMPARE(AppConfig::slotName(0), QStringLiteral("Gaming"));
        return;
    }
    const ProfileData &leftBehind = f.editing().profiles[size_t(left)];
    if (edit && !dropped) {
        QCOMPARE(ratePage->rateButton()->text(), reportRateText(rate));
        QCOMPARE(int(leftBehind.pollrate), rate);
        QCOMPARE(leftBehind.dpiLevels[0].x, 33);
        return;
    }
    // Neither the window nor the files nor the mouse keep anything of them.
    QVERIFY(leftBehind == before.profiles[size_t(left)]);
    QVERIFY(filesNow().profiles[size_t(left)] == before.profiles[size_t(left)]);
    QCOMPARE(f.mouse->memory().pollrate[size_t(left)], rateBefore);
    QCOMPARE(f.editing().profileIndex(), next);
}

QTEST_MAIN(TestOneOwner)
#include "test_oneowner.moc"
