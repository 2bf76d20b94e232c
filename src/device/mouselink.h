#pragma once

#include "hidbackend.h"
#include "statusquery.h"

#include <QString>

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

// The open connection to one mouse: the device handles through which it is
// reached and two facts its last status answer gave.
//
// The receiver and the cable each have a mouse collection (opened and closed
// only) and a command collection (every exchange). Null means not open. The
// handles are written by the thread that owns the link (the window's or the
// command's main thread); exclusion comes from order: the status poller is
// stopped before they are closed or reopened, and an upload runs while no
// one reopens them.
//
// Whoever hears the mouse's status answer (the poller, or the command line's
// own query) records it here; an upload on another thread reads it. Those
// two facts are atomic bytes.
class MouseLink {
public:
    MouseLink() = default;
    ~MouseLink();
    MouseLink(const MouseLink &) = delete;
    MouseLink &operator=(const MouseLink &) = delete;

    // Opens the handles for the mouse-list entry called `name`: the receiver
    // pair when both receiver collections were found, then, independently,
    // the cable pair when both cable collections were found. A failed open
    // leaves its handle null. Does nothing when the HID library cannot start
    // or the list is empty.
    //
    // Callers close first when they reopen; a handle that is still open is
    // replaced without being closed, because a status poller may still be
    // reading from it. Such a replaced handle is kept aside and closed by the
    // next close(), when no thread can be using it any more.
    void openByName(const QString &name);
    // Closes each open handle (receiver mouse, receiver command, cable mouse,
    // cable command, then any replaced ones) and sets it to null.
    void close();

    // The device path of the current model that the last openByName found
    // but was not allowed to open (hidraw nodes belong to root unless a udev
    // rule hands them to the user); empty when nothing was refused for that
    // reason.
    QString deniedPath() const { return QString::fromStdString(m_deniedPath); }

    // The channel for commands and status polling: the cable's command
    // collection when it is open, else the receiver's; null when neither is.
    HidHandle commandHandle() const { return m_cableCommand ? m_cableCommand : m_receiverCommand; }
    bool cableOpen() const { return m_cableCommand != nullptr; }
    bool receiverOpen() const { return m_receiverCommand != nullptr; }
    HidHandle receiverMouseHandle() const { return m_receiverMouse; }
    HidHandle receiverCommandHandle() const { return m_receiverCommand; }
    HidHandle cableMouseHandle() const { return m_cableMouse; }
    HidHandle cableCommandHandle() const { return m_cableCommand; }
    // Puts a handle that was opened elsewhere in as the cable's (or the
    // receiver's) command channel; the link does not close it. For callers
    // that reach a mouse by a path of their own.
    void useCommandHandle(HidHandle handle, bool cable);

    // What the last status answer said: the mouse is off (the receiver
    // answered all zero; an upload then sends nothing) and, while it is on,
    // its sensor mode (byte 10; sensor 3395 reports 8 in a mode whose
    // highest DPI step is 399, which the DPI encoding takes into account).
    void takeStatus(const StatusAnswer &answer);
    bool mouseOff() const { return m_mouseOff.load(); }
    void setMouseOff(bool off) { m_mouseOff.store(off); }
    uint8_t sensorMode() const { return m_sensorMode.load(); }
    void setSensorMode(uint8_t mode) { m_sensorMode.store(mode); }

private:
    void openInto(HidHandle &handle, const std::string &path);
    void closeHandle(HidHandle &handle);
    bool borrowed(HidHandle handle) const;

    HidHandle m_receiverMouse = nullptr;
    HidHandle m_receiverCommand = nullptr;
    HidHandle m_cableMouse = nullptr;
    HidHandle m_cableCommand = nullptr;
    // Handles put in from elsewhere: never closed here.
    std::vector<HidHandle> m_borrowed;
    std::vector<HidHandle> m_replaced;
    std::string m_deniedPath;
    std::atomic<bool> m_mouseOff{false};
    std::atomic<uint8_t> m_sensorMode{0};
};
