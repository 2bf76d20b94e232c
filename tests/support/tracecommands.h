#pragma once

#include <QFile>
#include <QList>
#include <QString>

// Command bytes of the reports written to the virtual mouse, in order, as its
// trace file (MOUSECFG_SIM_TRACE, VirtualMouse::setTraceFile) records them,
// without the poller's status queries (0x48).
inline QList<int> writtenCommands(const QString &trace)
{
    QFile file(trace);
    QList<int> commands;
    if (!file.open(QIODevice::ReadOnly))
        return commands;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (!line.startsWith("> "))
            continue;
        // "> " then the report ID and three frame bytes before the command.
        const int command = line.mid(2 + 9, 2).toInt(nullptr, 16);
        if (command != 0x48)
            commands << command;
    }
    return commands;
}
