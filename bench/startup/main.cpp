// Starts mousecfg against the virtual mouse N times and measures the time
// from the start of the process until its window is first painted (the
// program reports the first paint and quits when MOUSECFG_QUIT_AFTER_SHOW=1),
// and the resident memory it holds at that moment. Run it on a display, for
// example under Xvfb:
//
//   xvfb-run -a bench/bench_startup [runs] [path/to/mousecfg]
//
// Targets: median start-up at most 200 ms, resident memory at most 80 MB.

#include "benchsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr double kTargetMs = 200.0;
constexpr double kTargetMb = 80.0;

struct Run {
    bool ok = false;
    double ms = 0;
    double rssMb = 0;
    double hwmMb = 0;
    double cpuMs = 0;
};

double kbToMb(const QString &text)
{
    // "/proc/self/status" writes "12345 kB".
    return text.section(QLatin1Char(' '), 0, 0).toDouble() / 1024.0;
}

Run runOnce(const QString &program, const QProcessEnvironment &environment)
{
    Run run;
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setReadChannel(QProcess::StandardError);
    QElapsedTimer clock;
    clock.start();
    process.start(program, QStringList());
    if (!process.waitForStarted(10000))
        return run;
    static const QRegularExpression report(QStringLiteral("first paint; VmRSS (.*); VmHWM (.*); CPU (\\d+) ms$"));
    QByteArray pending;
    while (clock.elapsed() < 30000) {
        if (!process.waitForReadyRead(100) && process.state() == QProcess::NotRunning)
            break;
        pending += process.readAllStandardError();
        int end;
        while ((end = pending.indexOf('\n')) >= 0) {
            const QString line = QString::fromLocal8Bit(pending.left(end)).trimmed();
            pending.remove(0, end + 1);
            const QRegularExpressionMatch match = report.match(line);
            if (match.hasMatch() && !run.ok) {
                run.ms = clock.nsecsElapsed() / 1e6;
                run.rssMb = kbToMb(match.captured(1));
                run.hwmMb = kbToMb(match.captured(2));
                run.cpuMs = match.captured(3).toDouble();
                run.ok = true;
            }
        }
        if (run.ok)
            break;
    }
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished(5000);
    }
    return run;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int runs = args.size() > 1 ? qMax(1, args.at(1).toInt()) : 15;
    const QString program = args.size() > 2
                                 ? args.at(2)
                                 : QFileInfo(app.applicationDirPath() + QStringLiteral("/../bin/mousecfg")).absoluteFilePath();
    if (!QFileInfo(program).isExecutable()) {
        std::fprintf(stderr, "bench_startup: %s is not an executable\n", qPrintable(program));
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        std::fprintf(stderr, "bench_startup: no display; run it under xvfb-run -a\n");

    // A private settings folder and runtime folder: the program's own lock
    // and display socket must not meet a running copy of the tool.
    const Bench::ProgramHome home;
    QProcessEnvironment environment = home.environment();
    environment.insert(QStringLiteral("MOUSECFG_SIMULATE"), QStringLiteral("1"));
    environment.insert(QStringLiteral("MOUSECFG_QUIT_AFTER_SHOW"), QStringLiteral("1"));
    environment.remove(QStringLiteral("MOUSECFG_SIM_CONTROL"));
    environment.remove(QStringLiteral("MOUSECFG_SIM_TRACE"));

    // The first start seeds the settings folder and warms the disk cache;
    // it is not counted.
    if (!runOnce(program, environment).ok) {
        std::fprintf(stderr, "bench_startup: %s did not report its first paint\n", qPrintable(program));
        return 1;
    }
    std::vector<double> times;
    std::vector<double> rss;
    std::vector<double> cpu;
    double hwm = 0;
    for (int i = 0; i < runs; ++i) {
        const Run run = runOnce(program, environment);
        if (!run.ok) {
            std::fprintf(stderr, "bench_startup: run %d failed\n", i + 1);
            return 1;
        }
        times.push_back(run.ms);
        rss.push_back(run.rssMb);
        cpu.push_back(run.cpuMs);
        hwm = std::max(hwm, run.hwmMb);
    }
    const double medianMs = Bench::median(times);
    const double medianRss = Bench::median(rss);
    std::printf("start-up until the first paint, %d runs: median %.1f ms (min %.1f, max %.1f); target <= %.0f ms: %s\n",
                runs, medianMs, *std::min_element(times.begin(), times.end()),
                *std::max_element(times.begin(), times.end()), kTargetMs, medianMs <= kTargetMs ? "met" : "missed");
    // On a busy machine the wall time says more about the other processes;
    // the processor time the program itself used until then says what it costs.
    std::printf("processor time until the first paint (all threads): median %.0f ms\n", Bench::median(cpu));
    std::printf("resident memory at the first paint: VmRSS median %.1f MB, VmHWM max %.1f MB; target <= %.0f MB: %s\n",
                medianRss, hwm, kTargetMb, hwm <= kTargetMb ? "met" : "missed");
    return 0;
}
