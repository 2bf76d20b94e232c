#include "uploadall.h"

#include "commandset.h"
#include "pollercontrol.h"
#include "transport.h"

namespace {

int sendSelected(const MouseLink &link, const EncodedUpload &upload, const UploadSelection &selection)
{
    int result = sendReports(link, {uploadMarkReport(UploadMarkKind::Begin)});
    if (result != kTransferOk)
        return result;

    // The order of a whole upload; the macros come after the apply reports,
    // and only the banks the sent (or already held) button table numbers.
    for (int group : UploadGroup::kOrder) {
        if (!(selection.groups & group))
            continue;
        result = sendReports(link, upload.groupReports(group));
        if (result != kTransferOk)
            return result;
    }

    result = sendReports(link, applyAllReports());
    if (result != kTransferOk)
        return result;

    result = sendReports(link, macroBankReports(upload.macros, selection.macroBanks));
    if (result != kTransferOk)
        return result;

    return sendReports(link, {uploadMarkReport(UploadMarkKind::End)});
}

} // namespace

int sendUpload(const MouseLink &link, const EncodedUpload &upload, const UploadSelection &selection, PollerControl *poller)
{
    if (selection.isEmpty())
        return kTransferOk;
    // Nothing may read the command handle while the upload uses it.
    if (poller)
        poller->stopPoller();
    const int result = sendSelected(link, upload, selection);
    // The poller comes back whatever the result: battery readings and the
    // mouse's own button presses must not be lost until the next plug event.
    if (poller)
        poller->startPoller();
    return result;
}

int UploadAll(const MouseLink &link, const MouseConfig &config, int mask, const DeviceContext &context,
              PollerControl *poller)
{
    const EncodedUpload upload = encodeUpload(config, context);
    return sendUpload(link, upload, groupSelection(upload, mask), poller);
}
