#include "uilog.h"

Q_LOGGING_CATEGORY(lcUi, "mousecfg.ui", QtInfoMsg)
