#include "deviceaccessadvice.h"

#include "mouselink.h"

#include <QCoreApplication>

QString deviceAccessAdvice(const QString &devicePath)
{
    return QCoreApplication::translate("DeviceAccess",
                                       "The mouse is connected, but %1 cannot be opened: no permission.\n"
                                       "Install the udev rule 70-mousecfg.rules into /etc/udev/rules.d/, "
                                       "run \"udevadm control --reload\" as root and plug the mouse in again.")
        .arg(devicePath);
}

QString currentDeviceAccessAdvice(const MouseLink &link)
{
    const QString denied = link.deniedPath();
    if (denied.isEmpty() || link.commandHandle())
        return QString();
    return deviceAccessAdvice(denied);
}
