#pragma once

#include "clicommands.h"

#include <QStringList>

#include <functional>

class CliSession;
struct MouseConfig;

// One run of mousecfg-cli from its arguments to its exit code. The caller
// chooses the HID back end: `useVirtualMouse` is called with the --virtual
// switch before the mouse is first looked for.
//
// While the window runs it owns the settings and the mouse: the command is
// handed to it and its answer printed. Otherwise the command runs here,
// under the settings lock, so that commands run at once take turns.
int runCommandLine(const QStringList &arguments, const std::function<void(bool virtualMouse)> &useVirtualMouse);

// The command itself, on the settings and device of `session`: shared by
// the program and by the window that carries out a handed command.
int runParsedCommand(const CliCommands::Parsed &parsed, CliSession &session);

// The profile a per-profile command works on: --profile N, else the active
// one of `config`.
int targetProfile(const CliCommands::Parsed &parsed, const MouseConfig &config);

// Whether the running window carries the command out: all but those that
// only read the files and print.
bool handedToWindow(const CliCommands::Parsed &parsed);

// The arguments as the window must see them: file names made absolute, as
// the window runs in another folder.
QStringList argumentsForWindow(const QStringList &arguments, const CliCommands::Parsed &parsed);
