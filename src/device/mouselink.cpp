#include "mouselink.h"

#include "mouselist.h"

#include <algorithm>
#include <cerrno>

MouseLink::~MouseLink()
{
    close();
}

void MouseLink::openInto(HidHandle &handle, const std::string &path)
{
    if (handle && !borrowed(handle))
        m_replaced.push_back(handle);
    handle = hidBackend().open(path);
    if (!handle) {
        const int error = hidBackend().lastOpenError();
        if (error == EACCES || error == EPERM)
            m_deniedPath = path;
    }
}

void MouseLink::closeHandle(HidHandle &handle)
{
    if (handle && !borrowed(handle))
        hidBackend().close(handle);
    handle = nullptr;
}

void MouseLink::openByName(const QString &name)
{
    m_deniedPath.clear();
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
            openInto(m_receiverMouse, entry.collection(MouseCollection::ReceiverMouse).path);
            openInto(m_receiverCommand, entry.collection(MouseCollection::ReceiverCommand).path);
        }
        if (entry.groupPresent(LinkGroup::Cable)) {
            openInto(m_cableMouse, entry.collection(MouseCollection::CableMouse).path);
            openInto(m_cableCommand, entry.collection(MouseCollection::CableCommand).path);
        }
        return;
    }
}

void MouseLink::close()
{
    closeHandle(m_receiverMouse);
    closeHandle(m_receiverCommand);
    closeHandle(m_cableMouse);
    closeHandle(m_cableCommand);
    for (HidHandle &handle : m_replaced)
        closeHandle(handle);
    m_replaced.clear();
    m_borrowed.clear();
}

void MouseLink::useCommandHandle(HidHandle handle, bool cable)
{
    HidHandle &held = cable ? m_cableCommand : m_receiverCommand;
    closeHandle(held);
    held = handle;
    if (handle)
        m_borrowed.push_back(handle);
}

bool MouseLink::borrowed(HidHandle handle) const
{
    return std::find(m_borrowed.begin(), m_borrowed.end(), handle) != m_borrowed.end();
}

void MouseLink::takeStatus(const StatusAnswer &answer)
{
    setMouseOff(answer.mouseOff());
    // An all-zero reading comes from the receiver, not from the mouse: its
    // sensor mode says nothing about the mouse then.
    if (!answer.mouseOff())
        setSensorMode(answer.sensorMode);
}
