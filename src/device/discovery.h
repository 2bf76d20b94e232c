#pragma once

#include "mouselist.h"

#include <QMetaType>
#include <QString>

#include <cstdint>
#include <string>
#include <vector>

// Finding the mouse among the machine's HID devices and following plug events.
//
// On Linux a hidraw node is one USB interface and carries all of its
// collections: the mouse and the command collection are told apart by their
// usage pairs, and both usually share one node path. hidapi lists one entry
// per usage pair of the node (nested collections may repeat a pair), so
// entries are matched on the usage pair and repeats are dropped. The interface
// paths of the Windows form ("HID#VID_248A&PID_FA02&MI_00&col04#...") name
// their collection in the path instead, and are still understood.

// The USB release number (bcdDevice) of the cable's command collection as last
// seen: set by enumeration and by the cable's arrival, cleared by its removal.
// 0 when no cable is connected; a firmware update needs it.
uint32_t cableReleaseNumber();

// Enumerates the HID devices and records the paths of the collections that
// belong to mouse-list entries. Returns 0, or -1 when the HID library cannot
// start (the list then keeps no paths).
int EnumerateMice();

// The release number of the device at `path`, found by enumerating and
// matching the path (the HID library has no such call); 0 when no device has
// that path.
int hid_get_release_number(const char *path);

// What a plug event did to one mouse-list entry, for the main window to act on.
struct DeviceChange {
    int entry = -1;                  // index into the mouse list
    LinkGroup group = LinkGroup::Receiver;
    bool arrival = false;
    bool mouseCollection = false;    // the event concerned the mouse collection
    bool commandCollection = false;  // ... the command collection
    bool flagsChanged = false;       // a found flag went from clear to set, or set to clear
    // Arrival: both collections of the group are now present, so the group
    // can be opened (also when they already were: a replugged device needs
    // reopening).
    bool groupComplete = false;
    // Removal: no collection of the entry is left; the mouse is gone.
    bool allGone = false;
    // Removal: the entry is the current product and a connection remains; the
    // handles must be closed and reopened so that it is the one used.
    bool remainingMustReopen = false;
};
Q_DECLARE_METATYPE(DeviceChange)

// A path in the Windows interface form, split into identity and collection.
struct InterfacePath {
    bool matched = false;
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    bool command = false;            // col04 (command), else col01 (mouse)
};
InterfacePath parseInterfacePath(const QString &path);

// Applies the arrival or removal of a device path to the mouse list and says
// what changed. `path` is a hidraw node path, or an interface path of the
// Windows form without its "\\?\" prefix. `currentProduct` is the name of the
// product the main window has open (Config/CurrentProductName).
std::vector<DeviceChange> OnDevicePath(const QString &path, bool arrival, const QString &currentProduct);
// The same, with the current product read from the application configuration.
std::vector<DeviceChange> OnDevicePath(const QString &path, bool arrival);

// Config/CurrentProductName of the application configuration.
QString currentProductName();
