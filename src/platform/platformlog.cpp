#include "platformlog.h"

Q_LOGGING_CATEGORY(lcPlatform, "mousecfg.platform", QtInfoMsg)
