// mousecfg-cli against the virtual mouse, each run a fresh process as from a
// shell:
//
//   bench_cli [runs (15)]
//
// `status`: the whole process, start to exit, target 25 ms (median).
// `rate 500` / `rate 1000` alternately: a one-value setter with its upload.
// Every verified report costs at least the 10 ms pause after its write, so
// the floor is reports × 10 ms (the virtual mouse answers at once); the
// setter's median should stay within 30 ms of it.

#include "benchsupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kReportPauseMs = 10;

struct Timing {
    double ms = 0;
    int reports = 0;
    int exitCode = -1;
};

int writtenReports(const QString &trace)
{
    QFile file(trace);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    int n = 0;
    for (const QByteArray &line : file.readAll().split('\n'))
        n += line.startsWith("> ") ? 1 : 0;
    return n;
}

Timing runCli(const QStringList &arguments, const QProcessEnvironment &environment, const QString &trace)
{
    QFile::remove(trace);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    process.start(QStringLiteral(MOUSECFG_BIN_DIR "/mousecfg-cli"), QStringList{"--virtual"} + arguments);
    process.waitForFinished(30000);
    Timing t;
    t.ms = clock.nsecsElapsed() / 1e6;
    t.exitCode = process.exitCode();
    process.readAllStandardOutput();
    t.reports = writtenReports(trace);
    return t;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = Bench::countArgument(argc, argv, 1, 15);
    const Bench::ProgramHome home;
    const QString trace = home.filePath(QStringLiteral("trace.txt"));
    QProcessEnvironment environment = home.environment();
    environment.insert(QStringLiteral("MOUSECFG_SIM_TRACE"), trace);
    environment.insert(QStringLiteral("MOUSECFG_SIM_LINKS"), QStringLiteral("receiver"));

    // The first run seeds the settings; the first apply sends everything.
    runCli({"apply", "--full"}, environment, trace);

    std::vector<double> status;
    for (int i = 0; i < runs; ++i) {
        const Timing t = runCli({"status"}, environment, trace);
        if (t.exitCode != 0)
            std::fprintf(stderr, "status exited with %d\n", t.exitCode);
        status.push_back(t.ms);
    }

    std::vector<double> setter;
    std::vector<double> overFloor;
    int reports = 0;
    for (int i = 0; i < runs; ++i) {
        const Timing t = runCli({"rate", i % 2 ? "1000" : "500"}, environment, trace);
        if (t.exitCode != 0)
            std::fprintf(stderr, "rate exited with %d\n", t.exitCode);
        setter.push_back(t.ms);
        overFloor.push_back(t.ms - t.reports * kReportPauseMs);
        reports = t.reports;
    }

    std::printf("mousecfg-cli status:       median %6.1f ms, best %6.1f ms  (target <= 25 ms)\n", Bench::median(status),
                *std::min_element(status.begin(), status.end()));
    std::printf("mousecfg-cli rate 500/1000: median %6.1f ms, %d reports, floor %d ms, over the floor %.1f ms "
                "(target <= 30 ms)\n",
                Bench::median(setter), reports, reports * kReportPauseMs, Bench::median(overFloor));
    return 0;
}
