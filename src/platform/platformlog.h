#pragma once

#include <QLoggingCategory>

// The platform layer's diagnostic lines (mousecfg.platform); see config/logging.h.
Q_DECLARE_LOGGING_CATEGORY(lcPlatform)
