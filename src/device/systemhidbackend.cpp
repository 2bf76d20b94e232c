#include "systemhidbackend.h"

#include <hidapi.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

#include <QtGlobal>

namespace {

// Tests run with MOUSECFG_FORBID_REAL_HID=1: a test that reaches the real
// hidapi by mistake would depend on what is plugged into the machine.
void refuseInTests(const char *call)
{
    if (qEnvironmentVariableIsSet("MOUSECFG_FORBID_REAL_HID")) {
        std::fprintf(stderr, "mousecfg: the system hidapi was reached (%s) while MOUSECFG_FORBID_REAL_HID is set\n", call);
        std::abort();
    }
}

hid_device *device(HidHandle handle) { return static_cast<hid_device *>(handle); }

} // namespace

int SystemHidBackend::init()
{
    refuseInTests("hid_init");
    return hid_init();
}

int SystemHidBackend::exit()
{
    return hid_exit();
}

std::vector<HidDeviceInfo> SystemHidBackend::enumerate(uint16_t vendorId, uint16_t productId)
{
    refuseInTests("hid_enumerate");
    std::vector<HidDeviceInfo> result;
    hid_device_info *list = hid_enumerate(vendorId, productId);
    for (hid_device_info *it = list; it; it = it->next) {
        HidDeviceInfo info;
        info.path = it->path ? it->path : "";
        info.vendorId = it->vendor_id;
        info.productId = it->product_id;
        info.serialNumber = it->serial_number ? it->serial_number : L"";
        info.releaseNumber = it->release_number;
        info.usagePage = it->usage_page;
        info.usage = it->usage;
        info.interfaceNumber = it->interface_number;
        result.push_back(std::move(info));
    }
    hid_free_enumeration(list);
    return result;
}

HidHandle SystemHidBackend::open(const std::string &path)
{
    refuseInTests("hid_open_path");
    hid_device *device = hid_open_path(path.c_str());
    m_lastOpenError = 0;
    // hidapi keeps the reason in a text only: ask the file system whether
    // this user may open the node at all.
    if (!device && ::access(path.c_str(), R_OK | W_OK) != 0)
        m_lastOpenError = errno;
    return device;
}

void SystemHidBackend::close(HidHandle handle)
{
    if (handle)
        hid_close(device(handle));
}

int SystemHidBackend::write(HidHandle handle, const unsigned char *data, size_t length)
{
    return handle ? hid_write(device(handle), data, length) : -1;
}

int SystemHidBackend::readTimeout(HidHandle handle, unsigned char *data, size_t length, int milliseconds)
{
    return handle ? hid_read_timeout(device(handle), data, length, milliseconds) : -1;
}
