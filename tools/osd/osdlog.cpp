#include "osdlog.h"

Q_LOGGING_CATEGORY(lcOsd, "mousecfg.osd", QtInfoMsg)
