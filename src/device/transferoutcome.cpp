#include "transferoutcome.h"

#include "devicelog.h"
#include "fullupload.h"
#include "transport.h"

#include <QDebug>

bool recordTransferOutcome(int result)
{
    if (result == kTransferOk)
        return true;
    qCDebug(lcDevice, "transfer result %d", result);
    return FullUpload::require(FullUpload::Reason::TransferFailed);
}
