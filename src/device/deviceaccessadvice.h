#pragma once

#include <QString>

// What a user is told when the mouse is plugged in but its device node may
// not be opened by them: which node, and how to install the udev rule that
// hands the mouse to the user at the seat. Shared by the window and the
// command line; translated in the context "DeviceAccess".
QString deviceAccessAdvice(const QString &devicePath);

class MouseLink;

// The advice for the mouse the last open of `link` found but could not
// open for lack of permission; empty when that is not the case (nothing was
// refused, or a command channel is open all the same).
QString currentDeviceAccessAdvice(const MouseLink &link);
