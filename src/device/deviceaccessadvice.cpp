#include "deviceaccessadvice.h"

#include "devicehandles.h"

#include <QCoreApplication>

QString deviceAccessAdvice(const QString &devicePath)
{
    return QCoreApplication::translate("DeviceAccess",
                                       "The mouse is connected, but %1 cannot be opened: no permission.\n"
                                       "Install the udev rule 70-mousecfg.rules into /etc/udev/rules.d/, "
                                       "run \"udevadm control --reload\" as root and plug the mouse in again.")
        .arg(devicePath);
}

QString currentDeviceAccessAdvice()
{
    const QString denied = deniedDevicePath();
    if (denied.isEmpty() || CurrentCommandHandle())
        return QString();
    return deviceAccessAdvice(denied);
}
