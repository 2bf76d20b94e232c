// Times the macro editor page offscreen in a private configuration folder:
//
// - recording: a key event (as X11 or Wayland delivers it, with its native
//   scan code) sent to the program until its row is in the table: median
//   and 95th percentile against the target of 5 ms;
// - a 63-row macro loaded into the page, saved by SAVE and reloaded by
//   CANCEL: medians against the target of 20 ms, beside the file layer alone.
//
//   bench_macros [rounds]

#include "benchsupport.h"

#include "config/macrofile.h"
#include "config/paths.h"
#include "editors/macropage.h"
#include "editors/macrorows.h"
#include "editors/macrotablemodel.h"
#include "editors/pageevents.h"
#include "widgets/skincheckbox.h"
#include "widgets/skinbutton.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QListWidget>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace {

// Wall time of one run; the processor time goes to `cpu`. On a busy machine
// the two tell apart what the code costs and what waiting for the disk to
// sync the written file costs.
std::vector<double> *g_cpu = nullptr;

double timedMs(const std::function<void()> &work)
{
    QElapsedTimer timer;
    const std::clock_t cpuStart = std::clock();
    timer.start();
    work();
    const double wall = double(timer.nsecsElapsed()) / 1e6;
    if (g_cpu)
        g_cpu->push_back(double(std::clock() - cpuStart) * 1000.0 / CLOCKS_PER_SEC);
    return wall;
}

void report(const char *what, const std::vector<double> &samples, const std::vector<double> &cpu, double target)
{
    std::printf("%-40s median %7.3f ms  p95 %7.3f ms  processor %7.3f ms  (target < %.0f ms)\n", what,
                Bench::percentile(samples, 0.5), Bench::percentile(samples, 0.95), Bench::percentile(cpu, 0.5), target);
}

struct Series {
    std::vector<double> wall, cpu;
    void add(const std::function<void()> &work)
    {
        g_cpu = &cpu;
        wall.push_back(timedMs(work));
        g_cpu = nullptr;
    }
};

void sendKey(QWidget *target, QEvent::Type type, int evdev, ulong timestamp)
{
    QKeyEvent event(type, 0, Qt::NoModifier, quint32(evdev + 8), 0, 0);
    event.setTimestamp(timestamp);
    QCoreApplication::sendEvent(target, &event);
}

} // namespace

int main(int argc, char **argv)
{
    Bench::InProcessHome home(MOUSECFG_INSTALLATION_DIR);
    QApplication app(argc, argv);
    const int rounds = Bench::countArgument(argc, argv, 1, 200);
    Paths::ensureConfigs();

    PageEvents events;
    PageContext context;
    context.product = ProductFacts::fromDescriptor();
    MacroPage page(events, context);
    page.show();
    page.onClicked(page.button(MacroPage::New));
    page.delayBox(1)->click();

    // Presses only: a release is handed on when the next key arrives (or
    // 30 ms later), by design, so that X11's unflagged auto-repeat can be
    // told from a real release; the press that follows carries its cost.
    Series record;
    ulong clock = 1000;
    const int keys[] = {30, 31, 32, 33, 34, 35};
    while (int(record.wall.size()) < rounds) {
        page.onClicked(page.button(MacroPage::Start));
        for (int i = 0; i < 12 && int(record.wall.size()) < rounds; ++i) {
            const int key = keys[i % 6];
            const int before = page.model()->count();
            record.add([&] {
                sendKey(&page, QEvent::KeyPress, key, clock += 80);
                if (page.model()->count() == before)
                    std::fprintf(stderr, "key %d gave no row\n", key);
            });
            sendKey(&page, QEvent::KeyRelease, key, clock += 60);
        }
        page.onClicked(page.button(MacroPage::Stop));
    }
    report("key event -> row in the table", record.wall, record.cpu, 5);

    // A full 63-row macro: keys and delays.
    std::vector<KeyInfo> rows;
    for (int i = 0; rows.size() < size_t(kEventsPerButton); ++i) {
        rows.push_back(MacroRows::keyRow(i % 2 == 0, 4 + (i / 2) % 26));
        if (rows.size() < size_t(kEventsPerButton))
            rows.push_back(MacroRows::delayRowForMs(30 + i, 10));
    }
    MacroOptions options;
    options.DelayType = 1;
    options.DefaultDelay = 10;
    options.LoopTime = 1;
    writeMacroFile(QStringLiteral("full"), options, rows);
    addMacroName(QStringLiteral("full"));
    page.onClicked(page.button(MacroPage::New));   // a second macro to switch from

    QListWidget *list = page.macroList();
    auto indexOf = [list](const QString &name) {
        return list->model()->index(list->row(list->findItems(name, Qt::MatchExactly).first()), 0);
    };
    Series load, save, reload, fileWrite, fileRead;
    const int fileRounds = std::max(20, rounds / 4);
    for (int r = 0; r < fileRounds; ++r) {
        page.itemClicked(indexOf(QStringLiteral("name_2")));
        load.add([&] { page.itemClicked(indexOf(QStringLiteral("full"))); });
        if (page.model()->count() != kEventsPerButton)
            std::fprintf(stderr, "loaded %d rows\n", page.model()->count());
        save.add([&] { page.onClicked(page.button(MacroPage::Save)); });
        reload.add([&] { page.onClicked(page.button(MacroPage::Cancel)); });
        fileWrite.add([&] { writeMacroFile(QStringLiteral("full"), options, rows); });
        MacroOptions o;
        std::vector<KeyInfo> e;
        fileRead.add([&] { readMacroFile(QStringLiteral("full"), o, e); });
    }
    report("63-row macro: load into the page", load.wall, load.cpu, 20);
    report("63-row macro: SAVE", save.wall, save.cpu, 20);
    report("63-row macro: reload (CANCEL)", reload.wall, reload.cpu, 20);
    report("  file layer alone: writeMacroFile", fileWrite.wall, fileWrite.cpu, 20);
    report("  file layer alone: readMacroFile", fileRead.wall, fileRead.cpu, 20);
    return 0;
}
