#pragma once

#include <QLoggingCategory>

// The display program's diagnostic lines (mousecfg.osd); see
// config/logging.h.
Q_DECLARE_LOGGING_CATEGORY(lcOsd)
