#include "osdtexts.h"

#include <QCoreApplication>

namespace OsdTexts {

QString profile(int slotIndex)
{
    return QCoreApplication::translate("MousecfgWidget", "Profile") + QString::asprintf(" %d", slotIndex + 1);
}

QString dpiStage(int stageIndex, int dpi)
{
    return QCoreApplication::translate("MousecfgWidget", "DPI") + QString::asprintf(" %d:%d", stageIndex + 1, dpi);
}

QString reportRate(int rateCode)
{
    switch (rateCode) {
    case 8:
        return QCoreApplication::translate("MousecfgWidget", "125 HZ");
    case 4:
        return QCoreApplication::translate("MousecfgWidget", "250 HZ");
    case 2:
        return QCoreApplication::translate("MousecfgWidget", "500 HZ");
    case 1:
        return QCoreApplication::translate("MousecfgWidget", "1000 HZ");
    default:
        return QString();
    }
}

} // namespace OsdTexts
