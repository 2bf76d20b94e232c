#include "profileswitch.h"

#include "commandset.h"
#include "devicestate.h"
#include "transferoutcome.h"
#include "transport.h"

namespace {

int send(const ReportBuffer &report)
{
    return TransferReport(report.bytes.data(), kReportLength);
}

int firstFailure(int first, int next)
{
    return first != kTransferOk ? first : next;
}

} // namespace

int SendSelectProfile(int profile)
{
    int result = kTransferOk;
    for (const ReportBuffer &report : selectProfileReports(profile))
        result = firstFailure(result, send(report));
    return result;
}

int SendApplyAll()
{
    for (const ReportBuffer &report : applyAllReports()) {
        const int result = send(report);
        if (result != kTransferOk)
            return result;
    }
    return kTransferOk;
}

int SendProfileSwitch(int profile)
{
    const int selected = SendSelectProfile(profile);
    return firstFailure(selected, SendApplyAll());
}

int switchProfileThenSendTables(int profile, const ProfileSwitchSteps &steps)
{
    const int result = mouseOff() ? int(kTransferMouseOff) : steps.send(profile);
    recordTransferOutcome(result);
    if (steps.makeCurrent)
        steps.makeCurrent(profile);
    if (result != kTransferOk || !steps.sendTables)
        return result;
    return steps.sendTables();
}
