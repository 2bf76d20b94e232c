// Upload and poller costs against the virtual mouse.
//
//   bench_upload [poller seconds (30)] [upload rounds (3)]
//
// Uploads: a full one (all four groups, twelve macros assigned) and one in
// which a single DPI value changed, with 1 ms reply latency. Each verified
// report costs at least the 10 ms pause after its write plus the reply
// latency, so the floor is reports × (10 ms + latency); the report count is
// printed beside the count the groups require.
//
// Poller: CPU time of the poller thread and of the whole process while the
// poller runs against an idle mouse.

#include "benchsupport.h"

#include "config/appconfig.h"
#include "config/functioncatalogue.h"
#include "config/macrofile.h"
#include "config/paths.h"
#include "device/buttonblock.h"
#include "device/commandset.h"
#include "device/discovery.h"
#include "device/dpitable.h"
#include "device/lightingtable.h"
#include "device/macroimage.h"
#include "device/mouselink.h"
#include "device/mouselist.h"
#include "device/systemblock.h"
#include "device/uploadall.h"
#include "device/uploadplan.h"
#include "device/statuspollerthread.h"
#include "device/senttables.h"
#include "device/uploadworker.h"
#include "sim/virtualmouse.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <pthread.h>
#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <vector>

namespace {

constexpr int kLatencyMs = 1;
constexpr int kMacros = 12;

double cpuSeconds(clockid_t clock)
{
    timespec ts{};
    clock_gettime(clock, &ts);
    return ts.tv_sec + ts.tv_nsec / 1e9;
}

double processCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec + usage.ru_stime.tv_usec / 1e6;
}

// A product with 16 buttons, each on its own key entry, so that twelve
// buttons can carry twelve different macros.
DeviceContext benchContext()
{
    DeviceContext context = loadDeviceContext();
    context.buttonCount = 16;
    for (int i = 0; i < 16; ++i)
        context.keyEntries[i] = uint8_t(i);
    return context;
}

MouseConfig benchRecord()
{
    MouseConfig config;
    makeDefaultConfig(config);
    for (int p = 1; p < kProfileCount; ++p) {
        makeDefaultProfile(config.profiles[p]);
        config.names[p] = QStringLiteral("Profile %1").arg(p + 1);
    }
    for (int m = 0; m < kMacros; ++m) {
        const QString name = QStringLiteral("bench%1").arg(m);
        std::vector<KeyInfo> events;
        for (int e = 0; e < 20; ++e)
            events.push_back({uint8_t(e % 2 ? 0x04 : 0x84), uint8_t(0x04 + m), 0});
        writeMacroFile(name, MacroOptions(), events);
        ButtonInfo &b = config.profiles[0].buttons[m];
        b.Fun = Fun::Macro;
        b.macroname = name;
        b.LoopNumber = 1;
    }
    return config;
}

int requiredReports(const MouseConfig &config, int mask, const DeviceContext &context)
{
    int n = 2 + int(applyAllReports().size());   // the two marks and the apply reports
    if (mask & UploadGroup::System)
        n += int(buildSystemBlock(config, context).size());
    if (mask & UploadGroup::Buttons) {
        const ButtonTable table = buildButtonTable(config, context);
        n += int(buttonTableReports(table).size());
        n += int(buildMacroUpload(table.macros).size());
    }
    if (mask & UploadGroup::Dpi)
        n += int(buildDpiTable(config, context).size());
    if (mask & UploadGroup::Lighting)
        n += int(buildLightingTable(config, context).size());
    return n;
}

void uploadBench(const char *label, VirtualMouse &mouse, const MouseLink &link, const MouseConfig &config, int mask,
                 const DeviceContext &context, int rounds)
{
    const int required = requiredReports(config, mask, context);
    std::vector<double> walls;
    int sent = 0;
    int result = 0;
    for (int r = 0; r < rounds; ++r) {
        mouse.resetCounters();
        QElapsedTimer timer;
        timer.start();
        result = UploadAll(link, config, mask, context, nullptr);
        walls.push_back(timer.nsecsElapsed() / 1e6);
        sent = mouse.writeCount();
    }
    std::sort(walls.begin(), walls.end());
    const double median = walls[walls.size() / 2];
    const double floor = sent * (10.0 + kLatencyMs);
    std::printf("%-22s result %d  reports %4d (required %4d)  wall %8.1f ms (best %8.1f)  floor %8.1f ms  "
                "wall/floor %.3f (target <= 1.02)\n",
                label, result, sent, required, median, walls.front(), floor, median / floor);
}

void pollerBench(VirtualMouse &mouse, MouseLink &link, int seconds)
{
    mouse.resetCounters();
    StatusPollerThread poller(link);
    std::atomic<pthread_t> tid{};
    std::atomic<bool> started{false};
    QObject::connect(&poller, &QThread::started, [&] {
        tid = pthread_self();
        started = true;
    });
    const double processBefore = processCpuSeconds();
    QElapsedTimer wall;
    wall.start();
    poller.start();
    while (!started)
        QThread::msleep(1);
    clockid_t clock{};
    pthread_getcpuclockid(tid, &clock);
    const double threadBefore = cpuSeconds(clock);
    QThread::sleep(static_cast<unsigned long>(seconds));
    const double threadCpu = cpuSeconds(clock) - threadBefore;
    const double elapsed = wall.nsecsElapsed() / 1e9;
    const double processCpu = processCpuSeconds() - processBefore;
    poller.stop();
    std::printf("poller idle %d s: thread CPU %.1f ms = %.3f %% of one core; process CPU %.1f ms = %.3f %% "
                "(target <= 0.5 %%); %d reads, %d reports written\n",
                seconds, threadCpu * 1e3, 100.0 * threadCpu / elapsed, processCpu * 1e3,
                100.0 * processCpu / elapsed, mouse.readCount(), mouse.writeCount());
}

// An "Apply" as the window runs it: the worker saves the settings, encodes
// every table, compares them with what the mouse holds and sends those that
// differ. The mouse is first brought in step with `config` by a whole upload.
struct WorkerRun {
    int result = -1;
    int reports = 0;
    double ms = 0;
};

WorkerRun runWorker(VirtualMouse &mouse, const MouseLink &link, MouseConfig &live, MouseConfig &saved, SentTables &sent)
{
    mouse.resetCounters();
    UploadWorker worker;
    worker.setRecords(&live, &saved);
    worker.setLink(&link);
    worker.setSentTables(&sent, Paths::sentTablesFile());
    QElapsedTimer timer;
    timer.start();
    worker.start();
    worker.wait();
    return {int(worker.result), mouse.writeCount(), timer.nsecsElapsed() / 1e6};
}

void workerBench(VirtualMouse &mouse, const MouseLink &link, const MouseConfig &config, int rounds)
{
    MouseConfig live = config;
    MouseConfig saved;
    SentTables sent;
    runWorker(mouse, link, live, saved, sent);   // in step: everything sent and saved

    std::vector<double> changeMs, sameMs;
    WorkerRun change, same;
    for (int r = 0; r < rounds; ++r) {
        live.profiles[0].dpiLevels[2].x = uint16_t(r % 2 ? 30 : 31);
        change = runWorker(mouse, link, live, saved, sent);
        changeMs.push_back(change.ms);
        same = runWorker(mouse, link, live, saved, sent);
        sameMs.push_back(same.ms);
    }
    std::sort(changeMs.begin(), changeMs.end());
    std::sort(sameMs.begin(), sameMs.end());
    const double changeMedian = changeMs[changeMs.size() / 2];
    const double floor = change.reports * (10.0 + kLatencyMs);
    std::printf("Apply, one DPI change, with saving: result %d, reports %d, %.1f ms; floor %.1f ms; "
                "over the floor %.1f ms (target <= 15 ms)\n",
                change.result, change.reports, changeMedian, floor, changeMedian - floor);
    std::printf("Apply, nothing changed: result %d, reports %d (target 0), %.2f ms (target <= 5 ms)\n", same.result,
                same.reports, sameMs[sameMs.size() / 2]);
}

void quiet(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char *argv[])
{
    qInstallMessageHandler(quiet);
    QCoreApplication app(argc, argv);
    const int pollerSeconds = Bench::countArgument(argc, argv, 1, 30);
    const int rounds = Bench::countArgument(argc, argv, 2, 3);

    Bench::InProcessHome home(MOUSECFG_INSTALLATION_DIR);
    QString why;
    if (!Paths::ensureConfigs(&why)) {
        std::fprintf(stderr, "settings: %s\n", qPrintable(why));
        return 1;
    }
    AppConfig::setDiff(0);

    VirtualMouse mouse;
    mouse.plug(SimLink::Receiver);
    mouse.setReplyLatency(kLatencyMs);
    setHidBackend(&mouse);
    LoadMouseList();
    EnumerateMice();
    MouseLink link;
    link.openByName(AppConfig::currentProductName());
    if (!link.commandHandle()) {
        std::fprintf(stderr, "the virtual mouse could not be opened\n");
        return 1;
    }

    const DeviceContext context = benchContext();
    MouseConfig config = benchRecord();
    std::printf("reply latency %d ms; floor = reports x (10 ms + %d ms)\n", kLatencyMs, kLatencyMs);
    uploadBench("full upload", mouse, link, config, UploadGroup::All, context, rounds);

    MouseConfig changed = config;
    changed.profiles[0].dpiLevels[2].x += 1;
    SentTables held;
    const EncodedUpload before = encodeUpload(config, context);
    noteSent(held, before, groupSelection(before, UploadGroup::All));
    const int mask = changedTables(encodeUpload(changed, context), held).groups;
    std::printf("one DPI value changed: groups %d\n", mask);
    uploadBench("one-DPI-change upload", mouse, link, changed, mask, context, rounds);

    workerBench(mouse, link, config, std::max(rounds, 5));
    pollerBench(mouse, link, pollerSeconds);

    link.close();
    setHidBackend(nullptr);
    return 0;
}
