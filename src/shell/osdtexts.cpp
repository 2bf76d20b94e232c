#include "osdtexts.h"

#include "config/reportrate.h"

#include <QCoreApplication>

namespace OsdTexts {

QString profile(int slotIndex)
{
    return QCoreApplication::translate("MainWindow", "Profile") + QString::asprintf(" %d", slotIndex + 1);
}

QString dpiStage(int stageIndex, int dpi)
{
    return QCoreApplication::translate("MainWindow", "DPI") + QString::asprintf(" %d:%d", stageIndex + 1, dpi);
}

QString reportRate(int rateCode) { return reportRateText(rateCode); }

} // namespace OsdTexts
