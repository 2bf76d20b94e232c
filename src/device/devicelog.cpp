#include "devicelog.h"

Q_LOGGING_CATEGORY(lcDevice, "mousecfg.device", QtInfoMsg)
