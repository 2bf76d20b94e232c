#include "reportrate.h"

#include <QCoreApplication>

bool isReportRateCode(int code) { return code == 8 || code == 4 || code == 2 || code == 1; }

QString reportRateText(int code)
{
    // The window's context: the on-screen display and the report-rate page
    // show the same words.
    switch (code) {
    case 8:
        return QCoreApplication::translate("MainWindow", "125 HZ");
    case 4:
        return QCoreApplication::translate("MainWindow", "250 HZ");
    case 2:
        return QCoreApplication::translate("MainWindow", "500 HZ");
    case 1:
        return QCoreApplication::translate("MainWindow", "1000 HZ");
    default:
        return QString();
    }
}
