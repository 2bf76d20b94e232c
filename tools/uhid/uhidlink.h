#pragma once

#include "device/hidbackend.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <thread>

class QSocketNotifier;
class VirtualMouse;
struct uhid_event;

// One link of the virtual mouse (receiver or cable) served as a real kernel
// HID device through /dev/uhid. The device carries the mouse's report
// descriptor (mouse, consumer control, system control and command
// collections); every output report the kernel hands over is written to the
// virtual mouse's node, and everything the node sends back (replies, status
// reports, mouse motion) goes to the kernel as an input report, so hidraw
// readers see the same traffic as the in-process virtual mouse's readers.
//
// Output reports are taken on the thread that owns the object (its event
// loop watches /dev/uhid); a pump thread carries the node's input reports.
class UhidLink : public QObject {
    Q_OBJECT
public:
    struct Identity {
        QString name;     // device name, "receiver" or "cable" is appended
        QString node;     // the virtual mouse's node path of this link
        QString serial;
        uint16_t vendorId = 0;
        uint16_t productId = 0;
        uint16_t release = 0;
    };

    UhidLink(VirtualMouse *mouse, Identity identity, QObject *parent = nullptr);
    ~UhidLink() override;   // destroys the kernel device

    // Creates the kernel device; false with errorString() when /dev/uhid
    // cannot be opened or refuses the device.
    bool create();
    QString errorString() const { return m_error; }

    // The mouse's report descriptor as the kernel gets it.
    static QByteArray reportDescriptor();

    int outputReports() const { return m_outputs; }
    int inputReports() const { return m_inputs; }

private:
    void onUhidReadable();
    void pump();
    bool send(const uhid_event &event);
    void destroy();

    VirtualMouse *m_mouse;
    Identity m_identity;
    QString m_error;
    int m_fd = -1;
    QSocketNotifier *m_notifier = nullptr;
    HidHandle m_handle = nullptr;
    std::thread m_pump;
    std::atomic<bool> m_stop{false};
    std::mutex m_writeMutex;   // the pump and the owning thread both write events
    std::atomic<int> m_outputs{0};
    std::atomic<int> m_inputs{0};
};
