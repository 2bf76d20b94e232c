#include "reportrate.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

// In the order of kReportRateCodes. The window's context: the on-screen
// display and the report-rate page show the same words.
const char *const kRateTexts[] = {
    QT_TRANSLATE_NOOP("MainWindow", "125 HZ"),
    QT_TRANSLATE_NOOP("MainWindow", "250 HZ"),
    QT_TRANSLATE_NOOP("MainWindow", "500 HZ"),
    QT_TRANSLATE_NOOP("MainWindow", "1000 HZ"),
};
static_assert(std::size(kRateTexts) == kReportRateCodes.size(), "one text per report rate");

int indexOf(int code)
{
    const auto it = std::find(kReportRateCodes.begin(), kReportRateCodes.end(), code);
    return it == kReportRateCodes.end() ? -1 : int(it - kReportRateCodes.begin());
}

} // namespace

bool isReportRateCode(int code) { return indexOf(code) >= 0; }

int reportRateHz(int code) { return isReportRateCode(code) ? 1000 / code : 0; }

QString reportRateText(int code)
{
    const int index = indexOf(code);
    return index < 0 ? QString() : QCoreApplication::translate("MainWindow", kRateTexts[index]);
}
