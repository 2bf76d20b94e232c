#include "simcontrolserver.h"
#include "virtualmouse.h"

#include <QFile>
#include <QJsonDocument>
#include <QSaveFile>
#include <QtGlobal>

#include <cstdlib>

namespace {

QString &statePath()
{
    static QString path;
    return path;
}

VirtualMouse *&installedMouse()
{
    static VirtualMouse *mouse = nullptr;
    return mouse;
}

void saveState()
{
    QSaveFile file(statePath());
    const QByteArray bytes = QJsonDocument(installedMouse()->firmwareState()).toJson(QJsonDocument::Compact);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        qWarning("virtual mouse: cannot write its state to %s", qPrintable(statePath()));
}

void restoreState(VirtualMouse *mouse, const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return;   // a new mouse
    if (!file.open(QIODevice::ReadOnly) || !mouse->restoreFirmwareState(QJsonDocument::fromJson(file.readAll()).object()))
        qWarning("virtual mouse: the state in %s is not usable; starting as new", qPrintable(path));
}

// "writefail 2 at 8; drop; sleep"
void applyFaults(VirtualMouse *mouse, const QString &list)
{
    for (const QString &item : list.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString order = item.simplified().toLower();
        SimFaults::Order fault;
        if (order.isEmpty())
            continue;
        if (order == QLatin1String("sleep"))
            mouse->setAwake(false);
        else if (SimFaults::parseOrder(order, &fault))
            mouse->injectFault(fault.fault, fault.count, fault.at);
        else
            qWarning("virtual mouse: cannot read the fault order \"%s\" in MOUSECFG_SIM_FAULTS", qPrintable(order));
    }
}

} // namespace

VirtualMouse *installVirtualMouseFromEnvironment()
{
    // One mouse for the whole run, never destroyed: the HID backend must
    // outlive every user of the seam, including those torn down late.
    VirtualMouse *&installed = installedMouse();
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

    const QString state = qEnvironmentVariable("MOUSECFG_SIM_STATE");
    if (!state.isEmpty()) {
        restoreState(installed, state);
        statePath() = state;
        std::atexit(saveState);
    }
    applyFaults(installed, qEnvironmentVariable("MOUSECFG_SIM_FAULTS"));

    setHidBackend(installed);
    return installed;
}
