#pragma once

#include <QLoggingCategory>

// The device layer's diagnostic lines (mousecfg.device); see config/logging.h.
Q_DECLARE_LOGGING_CATEGORY(lcDevice)
