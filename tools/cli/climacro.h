#pragma once

#include "clicommands.h"

struct MouseConfig;

// `macro list | import FILE... | export NAME FILE | delete NAME`: the macro
// library through the same operations as the macro page. Returns the exit
// code and has printed its messages.
namespace CliMacro {

// `config`: the settings as stored, for the buttons a deleted macro leaves
// naming it.
int run(const CliCommands::Parsed &parsed, const MouseConfig &config);

} // namespace CliMacro
