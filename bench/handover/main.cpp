// mousecfg-cli while the window runs: the command goes over the settings
// socket to the window (a real `mousecfg` process on the virtual mouse,
// hidden as from autostart), which sends it to the mouse.
//
//   bench_handover [runs (15)]
//
// `rate 500` / `rate 1000` alternately, each a fresh process as from a
// shell. Every verified report costs at least the 10 ms pause after its
// write, so the floor is reports × 10 ms; the target is the median within
// 30 ms of it. `status` handed over is printed beside it.

#include "benchsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kReportPauseMs = 10;

// Verified reports written to the mouse (the status queries are not echoed
// and cost no pause).
int verifiedReports(const QString &trace)
{
    QFile file(trace);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    int n = 0;
    for (const QByteArray &line : file.readAll().split('\n'))
        n += line.startsWith("> ") && line.mid(11, 2) != "48" ? 1 : 0;
    return n;
}

double runCli(const QStringList &arguments, const QProcessEnvironment &environment, int *exitCode)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    QElapsedTimer clock;
    clock.start();
    process.start(QStringLiteral(MOUSECFG_BIN_DIR "/mousecfg-cli"), arguments);
    process.waitForFinished(30000);
    *exitCode = process.exitCode();
    return clock.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = Bench::countArgument(argc, argv, 1, 15);
    const Bench::ProgramHome home;
    const QString trace = home.filePath(QStringLiteral("trace.txt"));
    QProcessEnvironment environment = home.environment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.remove(QStringLiteral("MOUSECFG_SIMULATE"));

    QProcessEnvironment windowEnvironment = environment;
    windowEnvironment.insert(QStringLiteral("MOUSECFG_SIMULATE"), QStringLiteral("1"));
    windowEnvironment.insert(QStringLiteral("MOUSECFG_SIM_TRACE"), trace);
    QProcess window;
    window.setProcessEnvironment(windowEnvironment);
    window.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    window.start(QStringLiteral(MOUSECFG_BIN_DIR "/mousecfg"), {QStringLiteral("--hidden")});
    // The window answers once its socket is there and it serves commands.
    int exitCode = 1;
    QElapsedTimer started;
    started.start();
    while (started.elapsed() < 20000) {
        runCli({"apply", "--full"}, environment, &exitCode);
        if (exitCode == 0)
            break;
        QThread::msleep(100);
    }
    if (exitCode != 0) {
        std::fprintf(stderr, "the window did not take commands\n");
        return 1;
    }

    std::vector<double> setter, overFloor, status;
    int reports = 0;
    for (int i = 0; i < runs; ++i) {
        QFile::resize(trace, 0);
        const double ms = runCli({"rate", i % 2 ? "1000" : "500"}, environment, &exitCode);
        if (exitCode != 0)
            std::fprintf(stderr, "rate exited with %d\n", exitCode);
        reports = verifiedReports(trace);
        setter.push_back(ms);
        overFloor.push_back(ms - reports * kReportPauseMs);
    }
    for (int i = 0; i < runs; ++i)
        status.push_back(runCli({"status"}, environment, &exitCode));
    window.kill();
    window.waitForFinished();

    std::printf("handed to the window, rate 500/1000: median %6.1f ms, %d reports, floor %d ms, over the floor "
                "%.1f ms (target <= 30 ms)\n",
                Bench::median(setter), reports, reports * kReportPauseMs, Bench::median(overFloor));
    std::printf("handed to the window, status:       median %6.1f ms\n", Bench::median(status));
    return 0;
}
