#pragma once

#include "clicommands.h"

#include <functional>

struct MouseConfig;

// `macro list | import FILE... | export NAME FILE | delete NAME`: the macro
// library through the same operations as the macro page. Returns the exit
// code and has printed its messages.
namespace CliMacro {

// `config`: the settings as stored, for the buttons a deleted macro leaves
// naming it. `upload` sends the stored settings to the mouse and returns its
// exit code: a deleted macro that a button still names must stop playing
// on the mouse too (its slot goes out empty).
int run(const CliCommands::Parsed &parsed, const MouseConfig &config, const std::function<int()> &upload);

} // namespace CliMacro
