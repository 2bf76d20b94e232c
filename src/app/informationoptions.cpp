#include "informationoptions.h"

#include <cstdio>
#include <cstring>

namespace InformationOptions {

namespace {

const char kHelp[] =
    "Usage: mousecfg [--hidden]\n"
    "\n"
    "The settings window of the wireless gaming mouse: DPI stages, report rate,\n"
    "buttons, macros, lighting and the sensor options of its five on-board\n"
    "profiles, with its battery and connection in the window and the tray.\n"
    "A second start shows the window of the running one.\n"
    "\n"
    "Options:\n"
    "  --hidden      start in the tray, as the autostart entry does\n"
    "  -h, --help    this text\n"
    "  --version     the program's version\n"
    "\n"
    "Environment:\n"
    "  MOUSECFG_SIMULATE=1   use the virtual mouse instead of the real one\n"
    "  MOUSECFG_HOME=DIR     keep the settings in DIR/Configs\n"
    "  MOUSECFG_DATA=DIR     read the descriptor, skin and translations from DIR\n"
    "  MOUSECFG_DEBUG=1      write the debug log to the error stream\n"
    "\n"
    "The settings live in $XDG_CONFIG_HOME/mousecfg/Configs. The settings\n"
    "without a window: mousecfg-cli(1).\n";

} // namespace

bool handle(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kHelp, stdout);
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::fputs("mousecfg " MOUSECFG_VERSION "\n", stdout);
            return true;
        }
    }
    return false;
}

} // namespace InformationOptions
