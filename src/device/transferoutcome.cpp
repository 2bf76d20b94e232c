#include "transferoutcome.h"

#include "devicelog.h"
#include "transport.h"

#include "config/appconfig.h"

#include <QDebug>

bool recordTransferOutcome(int result)
{
    if (result == kTransferOk)
        return true;
    if (AppConfig::setDiff(1))
        return true;
    qCWarning(lcDevice, "result %d: Config/Diff could not be set; the next upload may not send everything", result);
    return false;
}
