#pragma once

#include "device/discovery.h"
#include "device/hidbackend.h"
#include "device/mouselink.h"
#include "device/mouselist.h"
#include "sim/virtualmouse.h"
#include "testenvironment.h"

#include <QtTest>

#include <initializer_list>

// The mouse as the program finds it, for tests of the device layer: a
// private installation, the virtual mouse installed as the HID backend, and
// a link that open() fills by the configured product name. The destructor
// closes the link and takes the backend away before the mouse goes, so that
// nothing later reaches a destroyed mouse. Only for tests that link the
// device layer and the virtual mouse.
class OpenedMouse {
public:
    OpenedMouse() { setHidBackend(&mouse); }
    ~OpenedMouse()
    {
        link.close();
        setHidBackend(nullptr);
    }
    OpenedMouse(const OpenedMouse &) = delete;
    OpenedMouse &operator=(const OpenedMouse &) = delete;

    // Plugs the links, loads and enumerates the mouse list (a failed
    // enumeration is reported as a failed check) and opens the link. True
    // when a command channel came up; the mouse's counters start from zero.
    bool open(std::initializer_list<SimLink> links = {SimLink::Receiver})
    {
        for (SimLink l : links)
            mouse.plug(l);
        LoadMouseList();
        if (!QTest::qCompare(EnumerateMice(), 0, "EnumerateMice()", "0", __FILE__, __LINE__))
            return false;
        link.openByName(currentProductName());
        mouse.resetCounters();
        return link.commandHandle() != nullptr;
    }

    TestEnvironment env;
    VirtualMouse mouse;
    MouseLink link;
};
