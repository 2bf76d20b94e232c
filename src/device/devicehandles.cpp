#include "devicehandles.h"

#include "mouselist.h"

#include <cerrno>
#include <vector>

HidHandle g_hReceiverMouse = nullptr;
HidHandle g_hReceiverCmd = nullptr;
HidHandle g_hCableMouse = nullptr;
HidHandle g_hCableCmd = nullptr;

namespace {

// Handles replaced by an open without a close before it (see the header).
std::vector<HidHandle> g_replacedHandles;

std::string g_deniedPath;

void openInto(HidHandle &handle, const std::string &path)
{
    if (handle)
        g_replacedHandles.push_back(handle);
    handle = hidBackend().open(path);
    if (!handle) {
        const int error = hidBackend().lastOpenError();
        if (error == EACCES || error == EPERM)
            g_deniedPath = path;
    }
}

void closeHandle(HidHandle &handle)
{
    if (handle) {
        hidBackend().close(handle);
        handle = nullptr;
    }
}

} // namespace

void OpenDevicesByName(const QString &name)
{
    g_deniedPath.clear();
    if (hidBackend().init() != 0)
        return;
    MouseList &list = mouseList();
    if (list.count == 0)
        return;
    const QByteArray wanted = MouseListEntry::storedName(name);
    for (int i = 0; i < list.count; ++i) {
        const MouseListEntry &entry = list.entries[i];
        if (entry.name != wanted)
            continue;
        if (entry.groupPresent(LinkGroup::Receiver)) {
            openInto(g_hReceiverMouse, entry.collection(MouseCollection::ReceiverMouse).path);
            openInto(g_hReceiverCmd, entry.collection(MouseCollection::ReceiverCommand).path);
        }
        if (entry.groupPresent(LinkGroup::Cable)) {
            openInto(g_hCableMouse, entry.collection(MouseCollection::CableMouse).path);
            openInto(g_hCableCmd, entry.collection(MouseCollection::CableCommand).path);
        }
        return;
    }
}

QString deniedDevicePath()
{
    return QString::fromStdString(g_deniedPath);
}

void CloseDevices()
{
    closeHandle(g_hReceiverMouse);
    closeHandle(g_hReceiverCmd);
    closeHandle(g_hCableMouse);
    closeHandle(g_hCableCmd);
    for (HidHandle &handle : g_replacedHandles)
        closeHandle(handle);
    g_replacedHandles.clear();
}

void ShutdownHid()
{
    hidBackend().exit();
}

HidHandle CurrentCommandHandle()
{
    return g_hCableCmd ? g_hCableCmd : g_hReceiverCmd;
}
