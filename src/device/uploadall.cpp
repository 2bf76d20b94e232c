#include "uploadall.h"

#include "buttonblock.h"
#include "commandset.h"
#include "devicestate.h"
#include "dpitable.h"
#include "lightingtable.h"
#include "macroimage.h"
#include "pollercontrol.h"
#include "systemblock.h"
#include "transport.h"
#include "uploadgroups.h"

int sendReports(const ReportList &reports)
{
    for (const ReportBuffer &report : reports) {
        const int result = TransferReport(report.bytes.data(), kReportLength);
        if (result != kTransferOk)
            return result;
    }
    return kTransferOk;
}

namespace {

int sendGroups(const MouseConfig &config, int mask, const DeviceContext &context)
{
    // The button table's macro numbers are written into this copy, never
    // into the caller's record.
    MouseConfig copy = config;

    int result = sendReports({uploadMarkReport(UploadMarkKind::Begin)});
    if (result != kTransferOk)
        return result;

    if (mask & UploadGroup::System) {
        result = sendReports(buildSystemBlock(copy, context));
        if (result != kTransferOk)
            return result;
    }

    // The macros follow the button table that was actually sent: its
    // numbering says which macro goes into which memory slot. Without a
    // button table there is nothing to number and no macro is written.
    MacroNumbering macros;
    if (mask & UploadGroup::Buttons) {
        const ButtonTable table = buildButtonTable(copy, context);
        ProfileData &profile = copy.profiles[activeProfileIndex(copy)];
        for (int j = 0; j < kButtonEntryCount; ++j) {
            if (table.macroNumbers[j] >= 0)
                profile.buttons[j].Res4 = uint8_t(table.macroNumbers[j]);
        }
        result = sendReports(buttonTableReports(table));
        if (result != kTransferOk)
            return result;
        macros = table.macros;
    }
    if (mask & UploadGroup::Dpi) {
        result = sendReports(buildDpiTable(copy, context));
        if (result != kTransferOk)
            return result;
    }
    if (mask & UploadGroup::Lighting) {
        result = sendReports(buildLightingTable(copy, context));
        if (result != kTransferOk)
            return result;
    }

    result = sendReports(applyAllReports());
    if (result != kTransferOk)
        return result;

    result = sendReports(buildMacroUpload(macros));
    if (result != kTransferOk)
        return result;

    return sendReports({uploadMarkReport(UploadMarkKind::End)});
}

} // namespace

int UploadAll(const MouseConfig &config, int mask, PollerControl *poller)
{
    return UploadAll(config, mask, loadDeviceContext(currentSensorMode()), poller);
}

int UploadAll(const MouseConfig &config, int mask, const DeviceContext &context, PollerControl *poller)
{
    // Nothing may read the command handle while the upload uses it.
    if (poller)
        poller->stopPoller();
    const int result = sendGroups(config, mask, context);
    // The poller comes back whatever the result: battery readings and the
    // mouse's own button presses must not be lost until the next plug event.
    if (poller)
        poller->startPoller();
    return result;
}
