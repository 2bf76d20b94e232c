#pragma once

#include "hidbackend.h"

#include <QString>

// The four process-wide device handles through which the mouse is reached:
// the receiver and the cable, each with its mouse collection (opened and
// closed only) and its command collection (every exchange). Null means not
// open. They are plain values written by the main thread; exclusion comes from
// order: the status poller is stopped before they are closed or reopened.
extern HidHandle g_hReceiverMouse;
extern HidHandle g_hReceiverCmd;
extern HidHandle g_hCableMouse;
extern HidHandle g_hCableCmd;

// Opens the handles for the mouse-list entry called `name`: the receiver pair
// when both receiver collections were found, then, independently, the cable
// pair when both cable collections were found. A failed open leaves its handle
// null. Does nothing when the HID library cannot start or the list is empty.
//
// Callers close first (CloseDevices) when they reopen; a handle that is still
// open is replaced without being closed, because a status poller may still be
// reading from it. Such a replaced handle is kept aside and closed by the next
// CloseDevices, when no thread can be using it any more.
void OpenDevicesByName(const QString &name);

// The device path of the current model that the last OpenDevicesByName found
// but was not allowed to open (hidraw nodes belong to root unless a udev rule
// hands them to the user); empty when nothing was refused for that reason.
QString deniedDevicePath();

// Closes each open handle (receiver mouse, receiver command, cable mouse,
// cable command, then any replaced ones) and sets it to null.
void CloseDevices();

// Releases the HID library; once, at program end, after the background
// threads have stopped and CloseDevices has run.
void ShutdownHid();

// The channel for commands and status polling: the cable's command collection
// when it is open, else the receiver's; null when neither is open.
HidHandle CurrentCommandHandle();
