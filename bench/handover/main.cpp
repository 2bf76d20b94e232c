// mousecfg-cli while the window runs: the command goes over the settings
// socket to the window, which sends it to the (in-process) virtual mouse.
//
//   bench_handover [runs (15)]
//
// `rate 500` / `rate 1000` alternately, each a fresh process as from a
// shell. Every verified report costs at least the 10 ms pause after its
// write, so the floor is reports × 10 ms; the target is the median within
// 30 ms of it. `status` handed over is printed beside it.

#include "device/hidbackend.h"
#include "shell/mousecfgwidget.h"
#include "sim/virtualmouse.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kReportPauseMs = 10;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

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

// Runs the command with the event loop turning, so the window serves it.
double runCli(const QStringList &arguments, int *exitCode)
{
    QProcess process;
    QElapsedTimer clock;
    clock.start();
    process.start(QStringLiteral(MOUSECFG_BIN_DIR "/mousecfg-cli"), arguments);
    while (process.state() != QProcess::NotRunning)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    *exitCode = process.exitCode();
    return clock.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    QTemporaryDir runtime;
    qputenv("MOUSECFG_HOME", home.path().toUtf8());
    qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? qMax(1, atoi(argv[1])) : 15;
    const QString trace = home.filePath(QStringLiteral("trace.txt"));

    VirtualMouse mouse;
    setHidBackend(&mouse);
    mouse.plug(SimLink::Receiver);
    std::vector<double> setter, overFloor, status;
    int reports = 0;
    {
        MousecfgWidget window(&mouse);
        // Hidden, as from autostart: no busy indicator is drawn.
        window.startHidden();
        window.upload(true);
        for (int i = 0; i < runs; ++i) {
            mouse.setTraceFile(trace);
            int exitCode = 0;
            const double ms = runCli({"rate", i % 2 ? "1000" : "500"}, &exitCode);
            mouse.setTraceFile(QString());
            if (exitCode != 0)
                std::fprintf(stderr, "rate exited with %d\n", exitCode);
            reports = writtenReports(trace);
            QFile::remove(trace);
            setter.push_back(ms);
            overFloor.push_back(ms - reports * kReportPauseMs);
        }
        for (int i = 0; i < runs; ++i) {
            int exitCode = 0;
            status.push_back(runCli({"status"}, &exitCode));
        }
    }
    setHidBackend(nullptr);

    std::printf("handed to the window, rate 500/1000: median %6.1f ms, %d reports, floor %d ms, over the floor "
                "%.1f ms (target <= 30 ms)\n",
                median(setter), reports, reports * kReportPauseMs, median(overFloor));
    std::printf("handed to the window, status:       median %6.1f ms\n", median(status));
    return 0;
}
