// mousecfg-uhid: the virtual mouse as real kernel HID devices. Each plugged
// link (receiver, cable) becomes a device through /dev/uhid, with hidraw
// nodes that hidapi and udev see as they see the real mouse; the firmware
// model behind them is the in-process virtual mouse's, with its control
// socket and its trace.

#include "uhidlinkserver.h"

#include "sim/simcontrolserver.h"
#include "sim/virtualmouse.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTimer>

#include <csignal>
#include <cstdio>

namespace {

volatile std::sig_atomic_t g_quit = 0;

void onQuitSignal(int)
{
    g_quit = 1;
}

void say(const QString &text)
{
    std::fprintf(stderr, "mousecfg-uhid: %s\n", qPrintable(text));
    std::fflush(stderr);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("mousecfg-uhid"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Serves the virtual mouse through /dev/uhid as kernel HID devices (receiver and cable), "
        "so that the real program finds it through hidraw and udev."));
    parser.addHelpOption();
    const QCommandLineOption links(QStringLiteral("links"), QStringLiteral("links plugged at start (receiver,cable)"),
                                   QStringLiteral("list"), qEnvironmentVariable("MOUSECFG_SIM_LINKS", "receiver"));
    const QCommandLineOption control(QStringLiteral("control"), QStringLiteral("local socket for control commands"),
                                     QStringLiteral("socket"), qEnvironmentVariable("MOUSECFG_SIM_CONTROL"));
    const QCommandLineOption trace(QStringLiteral("trace"), QStringLiteral("append every report and reply to this file"),
                                   QStringLiteral("file"), qEnvironmentVariable("MOUSECFG_SIM_TRACE"));
    const QCommandLineOption motion(QStringLiteral("motion"), QStringLiteral("mouse motion reports per second"),
                                    QStringLiteral("rate"), QStringLiteral("0"));
    parser.addOptions({links, control, trace, motion});
    parser.process(app);

    VirtualMouse mouse;
    mouse.setBattery(980, false);   // about 80 %, as the in-process virtual mouse starts
    if (!parser.value(trace).isEmpty() && !mouse.setTraceFile(parser.value(trace))) {
        say(QStringLiteral("cannot open the trace file %1").arg(parser.value(trace)));
        return 1;
    }
    SimControlServer server(&mouse);
    if (!parser.value(control).isEmpty() && !server.listen(parser.value(control))) {
        say(QStringLiteral("cannot listen on %1: %2").arg(parser.value(control), server.errorString()));
        return 1;
    }
    mouse.setMotionRate(parser.value(motion).toInt());

    UhidLinkServer linkServer(&mouse);
    for (const QString &name : parser.value(links).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString word = name.trimmed().toLower();
        if (word == QLatin1String("receiver"))
            mouse.plug(SimLink::Receiver);
        else if (word == QLatin1String("cable"))
            mouse.plug(SimLink::Cable);
        else {
            say(QStringLiteral("unknown link %1 (receiver or cable)").arg(word));
            return 64;
        }
    }

    std::signal(SIGTERM, onQuitSignal);
    std::signal(SIGINT, onQuitSignal);
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (g_quit)
            app.quit();
        // A link that cannot be served ends the run.
        if (linkServer.failed())
            app.exit(1);
    });
    watch.start(50);
    return app.exec();
}
