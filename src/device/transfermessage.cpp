#include "transfermessage.h"

#include "transport.h"

#include <QCoreApplication>

QString transferFailureText(int result)
{
    if (result == kTransferOk)
        return QString();
    if (result == kTransferMouseOff)
        return QCoreApplication::translate("TransferMessage", "Mouse is sleeping or not connected.");
    return QCoreApplication::translate("TransferMessage", "Send data failed, please try again.");
}
