#include "fullupload.h"

#include "devicelog.h"

#include "config/appconfig.h"

#include <QDebug>

namespace FullUpload {

namespace {

const char *describe(Reason why)
{
    switch (why) {
    case Reason::TransferFailed: return "a transfer failed";
    case Reason::MouseMemoryLost: return "the mouse reports its settings memory lost";
    case Reason::ConnectionChanged: return "a connection came or went";
    case Reason::NotSent: return "settings were saved without being sent";
    }
    return "unknown";
}

} // namespace

bool require(Reason why)
{
    qCDebug(lcDevice, "next upload sends everything: %s", describe(why));
    if (AppConfig::setDiff(1))
        return true;
    qCWarning(lcDevice, "Config/Diff could not be set (%s); the next upload may not send everything", describe(why));
    return false;
}

bool due()
{
    return AppConfig::diff() == 1;
}

bool clear()
{
    return AppConfig::setDiff(0);
}

} // namespace FullUpload
