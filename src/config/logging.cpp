#include "logging.h"

Q_LOGGING_CATEGORY(lcConfig, "mousecfg.config", QtInfoMsg)

namespace Logging {

void enableDebugFromEnvironment()
{
    if (qEnvironmentVariable("MOUSECFG_DEBUG") == QLatin1String("1"))
        enableDebug();
}

void enableDebug() { QLoggingCategory::setFilterRules(QStringLiteral("mousecfg.*.debug=true")); }

} // namespace Logging
