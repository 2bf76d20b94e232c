#pragma once

#include <QLoggingCategory>

// Diagnostic lines go through one logging category per layer:
// mousecfg.config, mousecfg.device, mousecfg.platform, mousecfg.ui (the
// widgets, pages and window) and one per companion program. Debug lines are
// off by default, so that a program started from a terminal prints only the
// warnings a user should act on. MOUSECFG_DEBUG=1 turns every mousecfg debug
// line on; QT_LOGGING_RULES (e.g. "mousecfg.device.debug=true") selects
// categories and has the last word.
Q_DECLARE_LOGGING_CATEGORY(lcConfig)

namespace Logging {

// Called once by each program's main() right after its application object
// exists.
void enableDebugFromEnvironment();

// Turns every mousecfg debug line on (tests that check a debug line).
void enableDebug();

} // namespace Logging
