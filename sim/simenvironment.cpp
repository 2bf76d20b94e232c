#include "simcontrolserver.h"
#include "virtualmouse.h"

#include <QtGlobal>

VirtualMouse *installVirtualMouseFromEnvironment()
{
    // One mouse for the whole run, never destroyed: the HID backend must
    // outlive every user of the seam, including those torn down late.
    static VirtualMouse *installed = nullptr;
    if (installed)
        return installed;
    if (qEnvironmentVariable("MOUSECFG_SIMULATE") != QLatin1String("1"))
        return nullptr;

    installed = new VirtualMouse;
    installed->setBattery(980, false);   // about 80 %

    const QString trace = qEnvironmentVariable("MOUSECFG_SIM_TRACE");
    if (!trace.isEmpty() && !installed->setTraceFile(trace))
        qWarning("virtual mouse: cannot open the trace file %s", qPrintable(trace));

    const QString control = qEnvironmentVariable("MOUSECFG_SIM_CONTROL");
    if (!control.isEmpty()) {
        auto *server = new SimControlServer(installed, installed);
        if (!server->listen(control))
            qWarning("virtual mouse: cannot listen on %s: %s", qPrintable(control), qPrintable(server->errorString()));
    }

    const QString links = qEnvironmentVariable("MOUSECFG_SIM_LINKS", QStringLiteral("receiver"));
    for (const QString &name : links.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString word = name.trimmed().toLower();
        if (word == QLatin1String("receiver"))
            installed->plug(SimLink::Receiver);
        else if (word == QLatin1String("cable"))
            installed->plug(SimLink::Cable);
        else
            qWarning("virtual mouse: unknown link %s in MOUSECFG_SIM_LINKS", qPrintable(word));
    }

    setHidBackend(installed);
    return installed;
}
