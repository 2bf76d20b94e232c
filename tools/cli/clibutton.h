#pragma once

#include "clicommands.h"
#include "clisetters.h"

struct ProfileData;

// `button INDEX FUNCTION [ARGS]`: gives one of the 42 button entries a
// function the button page's menus offer, with what its dialog would ask
// for (a key, a combination, a fire key's click or key with times and
// delay, a macro with its loop count and repeat mode), under the page's
// rules.
namespace CliButton {

CliSetters::Outcome assign(const CliCommands::Parsed &parsed, ProfileData &profile);

} // namespace CliButton
