#include "firstpaintprobe.h"

#include <QCoreApplication>
#include <QFile>
#include <QTimer>

#include <cstdio>
#include <ctime>

bool FirstPaintProbe::enabled()
{
    return qEnvironmentVariable("MOUSECFG_QUIT_AFTER_SHOW") == QLatin1String("1");
}

void FirstPaintProbe::firstPaint()
{
    if (m_done || !enabled())
        return;
    m_done = true;
    QFile status(QStringLiteral("/proc/self/status"));
    QByteArray rss = "?";
    QByteArray hwm = "?";
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("VmRSS:"))
                rss = line.mid(6).simplified();
            else if (line.startsWith("VmHWM:"))
                hwm = line.mid(6).simplified();
        }
    }
    timespec cpu{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
    std::fprintf(stderr, "mousecfg: first paint; VmRSS %s; VmHWM %s; CPU %lld ms\n", rss.constData(), hwm.constData(),
                 static_cast<long long>(cpu.tv_sec) * 1000 + cpu.tv_nsec / 1000000);
    std::fflush(stderr);
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
}
