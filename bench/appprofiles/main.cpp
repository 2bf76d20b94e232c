// The profile per application against the virtual mouse, on an X display.
//
//   xvfb-run -a build/bench/bench_appprofiles [switches (10)] [idle seconds (30)]
//
// Focus to switch: a window manager's change of _NET_ACTIVE_WINDOW to a
// window whose class has a rule, until the mouse has taken the switch (its
// memory shows the new profile after the select and the apply-all) and
// until the whole switch path has ended (the new profile's tables sent too).
// The target for the mouse: the wait (300 ms), plus the floor of the
// switch's reports (select and apply-all, 10 ms each: the pause after every
// verified write), plus 30 ms.
//
// Idle: CPU time of the process while the focus watcher follows the display
// and a running rule has /proc scanned every two seconds, nothing else
// running; target at most 0.1 % of one core.

#include "benchsupport.h"
#include "config/appprofilerules.h"
#include "config/paths.h"
#include "device/commandset.h"
#include "device/hidbackend.h"
#include "platform/activewindowwatcher.h"
#include "platform/runningprograms.h"
#include "shell/appprofileservice.h"
#include "shell/appprofileswitcher.h"
#include "shell/mainwindow.h"
#include "sim/virtualmouse.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <sys/resource.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <atomic>
#include <thread>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr int kReportPauseMs = 10;

double processCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec + usage.ru_stime.tv_usec / 1e6;
}

// Plays the window manager: two windows of different classes, and the
// root's _NET_ACTIVE_WINDOW.
struct Display {
    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    xcb_window_t root = 0;
    xcb_atom_t active = 0;

    Display()
    {
        if (xcb_connection_has_error(c))
            return;
        root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
        const char *name = "_NET_ACTIVE_WINDOW";
        xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, strlen(name), name), nullptr);
        active = reply ? reply->atom : 0;
        free(reply);
    }
    ~Display() { xcb_disconnect(c); }
    bool ok() const { return !xcb_connection_has_error(c); }

    xcb_window_t window(const QByteArray &windowClass)
    {
        const xcb_window_t id = xcb_generate_id(c);
        xcb_create_window(c, XCB_COPY_FROM_PARENT, id, root, 0, 0, 50, 50, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                          XCB_COPY_FROM_PARENT, 0, nullptr);
        const QByteArray wmClass = windowClass.toLower() + '\0' + windowClass + '\0';
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 8, wmClass.size(),
                            wmClass.constData());
        xcb_flush(c);
        return id;
    }
    void activate(xcb_window_t window)
    {
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, root, active, XCB_ATOM_WINDOW, 32, 1, &window);
        xcb_flush(c);
    }
};

// Runs the event loop until `done` holds or `limitMs` has passed.
bool waitFor(const std::function<bool()> &done, int limitMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > limitMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    return true;
}

void switchBench(Display &x, int switches)
{
    AppProfileRules rules;
    rules.set(QStringLiteral("GameOne"), 2, AppProfileRule::Trigger::Focus);
    rules.set(QStringLiteral("GameTwo"), 4, AppProfileRule::Trigger::Focus);
    QString error;
    if (!rules.save(Paths::appProfilesFile(), &error)) {
        std::printf("rules not written: %s\n", qPrintable(error));
        return;
    }
    const xcb_window_t one = x.window("GameOne");
    const xcb_window_t two = x.window("GameTwo");

    VirtualMouse mouse;
    setHidBackend(&mouse);
    mouse.plug(SimLink::Receiver);
    {
        MainWindow window(&mouse);
        window.show();
        waitFor([&] { return window.lastBatteryLevel() > 10; }, 10000);
        AppProfileSwitcher &switcher = window.appProfiles()->switcher();
        QElapsedTimer clock;
        double doneAt = 0;
        QObject::connect(&switcher, &AppProfileSwitcher::switched, [&] { doneAt = clock.nsecsElapsed() / 1e6; });

        // The mouse's memory is watched from a thread of its own: the window
        // sends from behind a modal busy dialog.
        std::atomic<int> wantedSlot{-1};
        std::atomic<qint64> selectedNs{0};
        std::atomic<qint64> appliedNs{0};
        std::atomic<bool> stop{false};
        const int applyReports = int(applyAllReports().size());
        const int switchReports = 1 + applyReports;
        std::thread watch([&] {
            int writesAtSelect = 0;
            while (!stop) {
                const int slot = wantedSlot;
                if (slot >= 0 && selectedNs == 0 && mouse.memory().activeProfile == slot) {
                    selectedNs = clock.nsecsElapsed();
                    writesAtSelect = mouse.writeCount();
                }
                // The apply-all reports follow the select.
                if (selectedNs != 0 && appliedNs == 0 && mouse.writeCount() >= writesAtSelect + applyReports)
                    appliedNs = clock.nsecsElapsed();
                std::this_thread::sleep_for(std::chrono::microseconds(200));
            }
        });
        const double target = AppProfileSwitcher::kSettleMs + switchReports * kReportPauseMs + 30.0;
        std::vector<double> atMouse, applied, whole;
        int reports = 0;
        for (int i = 0; i < switches; ++i) {
            const int slot = i % 2 ? 4 : 2;
            mouse.resetCounters();
            doneAt = 0;
            selectedNs = 0;
            appliedNs = 0;
            clock.start();
            wantedSlot = slot;
            x.activate(i % 2 ? two : one);
            if (!waitFor([&] { return doneAt > 0 && appliedNs > 0; }, 10000)) {
                std::printf("switch %d did not happen\n", i + 1);
                break;
            }
            wantedSlot = -1;
            reports = mouse.writeCount();
            atMouse.push_back(selectedNs / 1e6);
            applied.push_back(appliedNs / 1e6);
            whole.push_back(doneAt);
        }
        stop = true;
        watch.join();
        if (!whole.empty()) {
            std::printf("focus change -> select at the mouse: median %.1f ms, worst %.1f ms\n", Bench::median(atMouse),
                        *std::max_element(atMouse.begin(), atMouse.end()));
            std::printf("focus change -> select and apply-all at the mouse: median %.1f ms, worst %.1f ms; floor %d ms "
                        "(wait) + %d reports x %d ms = %d ms, target <= %.0f ms\n",
                        Bench::median(applied), *std::max_element(applied.begin(), applied.end()),
                        AppProfileSwitcher::kSettleMs, switchReports, kReportPauseMs,
                        AppProfileSwitcher::kSettleMs + switchReports * kReportPauseMs, target);
            std::printf("focus change -> switch path ended (the new tables too, %d reports with the poller's): "
                        "median %.1f ms, worst %.1f ms; floor %d ms\n",
                        reports, Bench::median(whole), *std::max_element(whole.begin(), whole.end()),
                        AppProfileSwitcher::kSettleMs + reports * kReportPauseMs);
        }
    }
    setHidBackend(nullptr);
}

void idleBench(int seconds)
{
    ActiveWindowWatcher watcher;
    if (!watcher.start()) {
        std::printf("idle: %s\n", qPrintable(watcher.reason()));
        return;
    }
    RunningPrograms running;
    running.setWatching(true);
    QTimer::singleShot(0, [] {});
    QCoreApplication::processEvents();
    const double before = processCpuSeconds();
    QElapsedTimer wall;
    wall.start();
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    const double cpu = processCpuSeconds() - before;
    const double elapsed = wall.nsecsElapsed() / 1e9;
    std::printf("idle %d s, focus watcher on and /proc scanned every %d ms (%d programs): process CPU %.1f ms = "
                "%.3f %% of one core (target <= 0.1 %%)\n",
                seconds, RunningPrograms::kScanIntervalMs, int(running.names().size()), cpu * 1e3,
                100.0 * cpu / elapsed);
}

void quiet(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char **argv)
{
    qInstallMessageHandler(quiet);
    Bench::InProcessHome home(MOUSECFG_INSTALLATION_DIR);
    QApplication app(argc, argv);
    const int switches = Bench::countArgument(argc, argv, 1, 10);
    const int idleSeconds = Bench::countArgument(argc, argv, 2, 30);
    Display x;
    if (!x.ok()) {
        std::printf("no X display: run under xvfb-run -a\n");
        return 1;
    }
    QString error;
    if (!Paths::ensureConfigs(&error)) {
        std::printf("%s\n", qPrintable(error));
        return 1;
    }
    switchBench(x, switches);
    idleBench(idleSeconds);
    return 0;
}
