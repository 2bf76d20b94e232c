#pragma once

// `mousecfg --help` and `mousecfg --version`: printed on standard output
// before any window or display is touched, so that they work from a text
// console and can make the manual page at build time.
namespace InformationOptions {

// Prints the help or the version when the arguments ask for one and
// returns true: the program then exits with 0.
bool handle(int argc, char *argv[]);

} // namespace InformationOptions
