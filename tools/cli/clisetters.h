#pragma once

#include "clicommands.h"

#include <QString>

struct MouseConfig;

// The commands that change one setting: each checks its value with the rule
// the page that edits the setting uses, and changes the record only when
// the value passes.
namespace CliSetters {

struct Outcome {
    int exitCode = 0;   // 0 changed, 64 malformed, 65 a value the rules refuse
    QString message;    // what was refused and why, or what was set
};

bool isSetter(const QString &command);

// `profileIndex`: the profile block the setting goes to (0..4) for the
// per-profile settings.
Outcome apply(const CliCommands::Parsed &parsed, MouseConfig &config, int profileIndex);

} // namespace CliSetters
