#pragma once

#include <QLoggingCategory>

// The user interface's diagnostic lines (mousecfg.ui): widgets, pages and
// the window; see config/logging.h.
Q_DECLARE_LOGGING_CATEGORY(lcUi)
