#include "profileswitch.h"

#include "commandset.h"
#include "mouselink.h"
#include "transferoutcome.h"
#include "transport.h"

namespace {

int firstFailure(int first, int next)
{
    return first != kTransferOk ? first : next;
}

} // namespace

int SendSelectProfile(const MouseLink &link, int profile)
{
    int result = kTransferOk;
    for (const ReportBuffer &report : selectProfileReports(profile))
        result = firstFailure(result, sendReports(link, {report}));
    return result;
}

int SendApplyAll(const MouseLink &link)
{
    return sendReports(link, applyAllReports());
}

int SendProfileSwitch(const MouseLink &link, int profile)
{
    const int selected = SendSelectProfile(link, profile);
    return firstFailure(selected, SendApplyAll(link));
}

int switchProfileThenSendTables(const MouseLink &link, int profile, const ProfileSwitchSteps &steps)
{
    int result = kTransferMouseOff;
    if (!link.mouseOff())
        result = steps.send ? steps.send(profile) : SendProfileSwitch(link, profile);
    recordTransferOutcome(result);
    if (steps.makeCurrent)
        steps.makeCurrent(profile);
    if (result != kTransferOk || !steps.sendTables)
        return result;
    return steps.sendTables();
}
