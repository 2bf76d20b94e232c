#pragma once

#include <QStringList>

#include <functional>

// One run of mousecfg-cli from its arguments to its exit code. The caller
// chooses the HID back end: `useVirtualMouse` is called with the --virtual
// switch before the mouse is first looked for.
int runCommandLine(const QStringList &arguments, const std::function<void(bool virtualMouse)> &useVirtualMouse);
