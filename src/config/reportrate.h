#pragma once

#include <QString>

#include <array>

// The report rates the mouse knows, as the codes stored in `pollrate`: the
// code is the report interval in milliseconds, 8 = 125 Hz, 4 = 250 Hz,
// 2 = 500 Hz, 1 = 1000 Hz, in the order menus list them. Any other code is
// kept as it is but has no name.
constexpr std::array<int, 4> kReportRateCodes = {8, 4, 2, 1};

bool isReportRateCode(int code);

// The rate in Hz of a code; 0 for any other code.
int reportRateHz(int code);

// "125 HZ" ... "1000 HZ", translated; empty for any other code.
QString reportRateText(int code);
