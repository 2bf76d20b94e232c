#pragma once

#include <QStringList>

// `complete WHAT [ENTRY]`, not listed in the help: the words the shell
// completion offers that depend on the mouse and the settings, one a line.
// WHAT is stages (the DPI stages of this mouse), entries (the button entries
// it receives), functions ENTRY (what the entry's menu offers), keys (the
// key names as typed), effects, macros. Reads the settings only.
namespace CliComplete {

QStringList words(const QStringList &arguments);
int run(const QStringList &arguments);

} // namespace CliComplete
