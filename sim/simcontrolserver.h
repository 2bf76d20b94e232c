#pragma once

#include <QHash>
#include <QLocalServer>
#include <QObject>
#include <QString>

class QLocalSocket;
class VirtualMouse;

// Lets a person or an end-to-end test drive the virtual mouse of a running
// program: one command per line on a local socket, one answer line each
// ("ok", an error text starting with "error:", or for "dump" the JSON).
//
//   press profile|dpi|rate          battery <raw> [charging]
//   sleep | wake                    plug|unplug receiver|cable
//   fault <kind> [count]            latency <ms>
//   writestatus <n>                 sensormode <n>
//   clock <epoch>|+<seconds>|real   the battery history's clock
//   unplugafter receiver|cable <n>  motion <reports per second>
//   refuse receiver|cable on|off    (the node refuses to open: no permission)
//   clearfaults                     resetcounters
//   dump                            help
class SimControlServer : public QObject {
    Q_OBJECT
public:
    SimControlServer(VirtualMouse *mouse, QObject *parent = nullptr);

    // Listens on the socket path, replacing a stale socket file.
    bool listen(const QString &path);
    QString errorString() const { return m_server.errorString(); }

    // Runs one command line and returns its answer line (without newline).
    QString execute(const QString &line);

private:
    void onNewConnection();
    void onReadyRead(QLocalSocket *socket);

    VirtualMouse *m_mouse;
    QLocalServer m_server;
};
