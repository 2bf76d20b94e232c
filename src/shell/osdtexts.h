#pragma once

#include <QString>

// The on-screen texts for what the mouse changed with its own buttons. They
// are translated in the main window's context, where "Profile" and "DPI" are
// also its tab and indicator texts, so both read the same.
namespace OsdTexts {

// "Profile 3" for slot index 2.
QString profile(int slotIndex);

// "DPI 2:1600" for stage index 1 set to 1600 DPI.
QString dpiStage(int stageIndex, int dpi);

// "125 HZ", "250 HZ", "500 HZ" or "1000 HZ" for the report-rate codes 8, 4,
// 2 and 1; an empty text for any other code.
QString reportRate(int rateCode);

} // namespace OsdTexts
