// A real recording: the program runs on its own X display (Xvfb) against
// the virtual mouse, and xdotool types a sequence with a held key while the
// macro editor records. The recorded rows and their delays must match what
// was typed.

#include "config/macrofile.h"
#include "config/paths.h"
#include "testenvironment.h"

#include <QDir>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QtTest>

namespace {

constexpr int kStartTimeoutMs = 20000;

// Runs xdotool with `args` on `display`; its standard output.
QByteArray xdotool(const QString &display, const QStringList &args)
{
    QProcess p;
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    e.insert(QStringLiteral("DISPLAY"), display);
    p.setProcessEnvironment(e);
    p.start(QStringLiteral("xdotool"), args);
    p.waitForFinished(20000);
    return p.readAllStandardOutput().trimmed();
}

} // namespace

class TestMacroTyping : public QObject {
    Q_OBJECT

private slots:
    void typedSequenceIsRecorded();
};

void TestMacroTyping::typedSequenceIsRecorded()
{
    if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty()
        || QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        QSKIP("needs Xvfb and xdotool (scripts/setup-deps installs them)");

    TestEnvironment env;
    QVERIFY(Paths::ensureConfigs());
    // A macro that records its delays, current when the page opens.
    MacroOptions options;
    options.DelayType = 1;
    options.DefaultDelay = 10;
    options.LoopTime = 1;
    QVERIFY(writeMacroFile(QStringLiteral("typed"), options, {}));
    QVERIFY(addMacroName(QStringLiteral("typed")));

    // A display of our own: Xvfb writes its number to the descriptor given.
    // Without -noreset the server resets each time its last client leaves,
    // and the program, connecting just after an xdotool call, is refused.
    QProcess xvfb;
    xvfb.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                        QStringLiteral("0"), QStringLiteral("1280x800x24"), QStringLiteral("-dpi"),
                                        QStringLiteral("96"), QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                                        QStringLiteral("-noreset")});
    // Ended with a signal it handles, so that it takes its socket with it:
    // a socket left behind would greet the next test's server.
    auto stopXvfb = qScopeGuard([&xvfb] {
        xvfb.terminate();
        if (!xvfb.waitForFinished(5000)) {
            xvfb.kill();
            xvfb.waitForFinished(5000);
        }
    });
    QTRY_VERIFY_WITH_TIMEOUT(xvfb.canReadLine() || xvfb.state() == QProcess::NotRunning, kStartTimeoutMs);
    QVERIFY2(xvfb.state() == QProcess::Running, xvfb.readAllStandardError().constData());
    const QString display = QLatin1Char(':') + QString::fromLatin1(xvfb.readLine().trimmed());
    // The server answers before the program is started on it.
    QTRY_VERIFY_WITH_TIMEOUT(!xdotool(display, {QStringLiteral("getdisplaygeometry")}).isEmpty(), kStartTimeoutMs);

    const QString runtime = env.root() + QStringLiteral("/run");
    QVERIFY(QDir().mkpath(runtime));
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QProcess program;
    QProcessEnvironment e = env.childEnvironment(TestEnvironment::SimulatedMouse, runtime);
    e.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    e.insert(QStringLiteral("DISPLAY"), display);
    program.setProcessEnvironment(e);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(TestEnvironment::buildBinDir() + QStringLiteral("/mousecfg"), QStringList());
    QVERIFY(program.waitForStarted(kStartTimeoutMs));
    auto stopProgram = qScopeGuard([&program] {
        program.kill();
        program.waitForFinished(5000);
    });

    QString window;
    QTRY_VERIFY_WITH_TIMEOUT(
        program.state() == QProcess::NotRunning
            || !(window = QString::fromLatin1(xdotool(display, {QStringLiteral("search"),
                                                                QStringLiteral("--onlyvisible"),
                                                                QStringLiteral("--name"), QStringLiteral(".")})
                                                   .split('\n')
                                                   .value(0)))
                    .isEmpty(),
        kStartTimeoutMs);
    QVERIFY2(program.state() == QProcess::Running, "the program ended before its window was shown");
    // At scale 1.0: the macro tab, then START (and STOP in its place).
    auto click = [&](int x, int y) {
        xdotool(display, {QStringLiteral("mousemove"), QStringLiteral("--window"), window, QString::number(x),
                          QString::number(y), QStringLiteral("click"), QStringLiteral("1")});
    };
    click(139, 206);
    click(370, 536);
    // Shift held over a tap of A: 250 ms, 100 ms and 200 ms apart.
    xdotool(display, QString::fromLatin1("keydown --delay 0 shift sleep 0.25 keydown --delay 0 a sleep 0.1 "
                                         "keyup --delay 0 a sleep 0.2 keyup --delay 0 shift sleep 0.1")
                         .split(QLatin1Char(' ')));
    click(370, 536);

    std::array<KeyInfo, kEventsPerButton> events;
    int count = 0;
    QTRY_COMPARE_WITH_TIMEOUT((count = readMacroEvents(QStringLiteral("typed"), events)), 7, 10000);
    const int shiftUsage = 0xe1, aUsage = 0x04;
    const int kinds[7][2] = {{0x84, shiftUsage}, {6, 0}, {0x84, aUsage}, {6, 0}, {0x04, aUsage}, {6, 0},
                             {0x04, shiftUsage}};
    const int typedMs[3] = {250, 100, 200};
    for (int i = 0; i < 7; ++i) {
        QCOMPARE(int(events[size_t(i)].map), kinds[i][0]);
        if (kinds[i][0] != 6) {
            QCOMPARE(int(events[size_t(i)].DataL), kinds[i][1]);
            continue;
        }
        // Delays are whole units of 10 ms, measured from the X server's
        // timestamps of the events.
        const int ms = 10 * (events[size_t(i)].DataH << 8 | events[size_t(i)].DataL);
        const int typed = typedMs[i / 2];
        qInfo("typed %d ms apart, recorded %d ms", typed, ms);
        QVERIFY2(ms >= typed - 10 && ms <= typed + 30, qPrintable(QStringLiteral("%1 ms for %2").arg(ms).arg(typed)));
    }
}

QTEST_MAIN(TestMacroTyping)
#include "test_macrotyping.moc"
