#pragma once

#include "clicommands.h"

// `app-profile list [--json] | add APP SLOT [--running] | remove APP |
// default stay|SLOT`: the rules that choose a profile by application, in
// the file the window's dialog edits (the window takes a change at once).
// Nothing is sent to the mouse. Returns the exit code and has printed its
// messages.
namespace CliAppProfile {

CliCommands::CommandSpec spec();
int run(const CliCommands::Parsed &parsed);

} // namespace CliAppProfile
