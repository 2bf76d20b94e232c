// Times loadAll and saveAll of a full set of five slot profiles (8,453 keys
// each) and prints them beside the floor: reading or writing the same bytes
// with QFile alone.
//
//   bench_configio [rounds]

#include "benchsupport.h"

#include "config/appconfig.h"
#include "config/mouseconfig.h"
#include "config/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Every field set, with values of the widths a real profile holds, so that
// the files have their real size.
void fillProfile(ProfileData &p, int seed)
{
    makeDefaultProfile(p);
    p.dpi = uint8_t(seed % 6);
    for (int i = 0; i < kDpiStageCount; ++i)
        p.dpiLevels[i] = DpiLevel{1, uint8_t(i % 2), 100 + i + seed, 200 + i, 300 + i};
    for (int j = 0; j < kButtonEntryCount; ++j) {
        ButtonInfo &b = p.buttons[j];
        b.Fun = 200;
        b.LoopNumber = j;
        b.KeyNumber = kEventsPerButton;
        b.Res1 = uint8_t(j + seed);
        b.macroname = QStringLiteral("Macro %1").arg(j);
        for (int e = 0; e < kEventsPerButton; ++e)
            b.KeyInfo[e] = KeyInfo{uint8_t(e % 3), uint8_t(e + j), uint8_t(255 - e)};
    }
    for (int m = 0; m < kLedModeCount; ++m)
        p.ledModes[m].RGB = QColor(m * 10, 255 - m, seed * 20, 200);
    p.ProfileName = QStringLiteral("Profile %1").arg(seed + 1);
}

// Median wall time of `rounds` runs, and the median processor time of the
// same runs: on a busy machine or disk the two tell apart what the code
// costs and what waiting for the disk's syncs costs.
struct Timing {
    double wallMs;
    double cpuMs;
};

Timing measure(int rounds, const std::function<void()> &work)
{
    std::vector<double> wall, cpu;
    for (int r = 0; r < rounds; ++r) {
        QElapsedTimer timer;
        timespec before{}, after{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &before);
        timer.start();
        work();
        wall.push_back(timer.nsecsElapsed() / 1e6);
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &after);
        cpu.push_back((after.tv_sec - before.tv_sec) * 1e3 + (after.tv_nsec - before.tv_nsec) / 1e6);
    }
    return {Bench::median(wall), Bench::median(cpu)};
}

QStringList setFiles()
{
    QStringList files{Paths::configFile()};
    for (int k = 0; k < kProfileCount; ++k)
        files << Paths::profileFile(QStringLiteral("Profile %1").arg(k + 1));
    return files;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int rounds = Bench::countArgument(argc, argv, 1, 15);

    QTemporaryDir home;
    qputenv("MOUSECFG_HOME", QFile::encodeName(home.path()));
    qputenv("MOUSECFG_DATA", QFile::encodeName(home.path() + QStringLiteral("/data")));
    QDir().mkpath(Paths::configsDir());

    MouseConfig config;
    makeDefaultConfig(config);
    for (int k = 0; k < kProfileCount; ++k)
        fillProfile(config.profiles[k], k);
    if (!AppConfig::saveAll(config)) {
        std::fprintf(stderr, "bench_configio: cannot write the profile set below %s\n", qPrintable(home.path()));
        return 1;
    }

    qint64 bytes = 0;
    std::vector<QByteArray> contents;
    for (const QString &file : setFiles()) {
        QFile f(file);
        f.open(QIODevice::ReadOnly);
        contents.push_back(f.readAll());
        bytes += contents.back().size();
    }

    MouseConfig loaded;
    const Timing load = measure(rounds, [&] { AppConfig::loadAll(loaded); });
    // Unchanged profile files are left alone, so saving what was loaded
    // writes only Config.ini; the second figure changes every profile first.
    const Timing saveSame = measure(rounds, [&] { AppConfig::saveAll(loaded); });
    int round = 0;
    MouseConfig changing = loaded;
    const Timing saveOne = measure(rounds, [&] {
        ++round;
        changing.profiles[2].buttons[0].KeyInfo[0].DataL = uint8_t(round);
        AppConfig::saveAll(changing);
    });
    const Timing saveFive = measure(rounds, [&] {
        ++round;
        for (ProfileData &p : changing.profiles)
            p.buttons[0].KeyInfo[0].DataL = uint8_t(round);
        AppConfig::saveAll(changing);
    });
    const Timing read = measure(rounds, [&] {
        for (const QString &file : setFiles()) {
            QFile f(file);
            f.open(QIODevice::ReadOnly);
            f.readAll();
        }
    });
    const QString scratch = home.path() + QStringLiteral("/scratch");
    QDir().mkpath(scratch);
    const Timing write = measure(rounds, [&] {
        for (size_t i = 0; i < contents.size(); ++i) {
            QSaveFile f(scratch + QStringLiteral("/%1").arg(i));
            f.open(QIODevice::WriteOnly);
            f.write(contents[i]);
            f.commit();
        }
    });

    std::printf("profile set: Config.ini + 5 profile files, %lld bytes; medians of %d rounds, wall (processor)\n",
                static_cast<long long>(bytes), rounds);
    auto row = [](const char *what, const Timing &t, const char *note) {
        std::printf("%-36s %8.2f ms (%6.2f ms)  %s\n", what, t.wallMs, t.cpuMs, note);
    };
    row("loadAll", load, "target <= 40 ms");
    row("  floor: QFile read of the bytes", read, "");
    row("saveAll, all five profiles changed", saveFive, "target <= 60 ms");
    row("saveAll, one profile changed", saveOne, "");
    row("saveAll, nothing changed", saveSame, "");
    row("  floor: QSaveFile write of the bytes", write, "six files, each synced to disk");
    std::printf("round trip %s\n", loaded == config ? "identical" : "DIFFERS");
    return loaded == config ? 0 : 1;
}
