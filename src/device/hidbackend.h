#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The seam between the device link and the HID library: the few hidapi calls
// the program needs. The system hidapi stands behind it in the product; the
// virtual mouse (sim/) implements it too, so transport, discovery, poller and
// upload run unchanged against either.

struct HidDeviceInfo {
    std::string path;
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    std::wstring serialNumber;
    uint16_t releaseNumber = 0;
    uint16_t usagePage = 0;
    uint16_t usage = 0;
    int interfaceNumber = -1;
};

using HidHandle = void *;

class HidBackend {
public:
    virtual ~HidBackend() = default;

    virtual int init() = 0;                                   // 0 on success
    virtual int exit() = 0;                                   // 0 on success
    // Every collection of the devices with these identities (0 matches any).
    // Stands in for hid_enumerate + hid_free_enumeration.
    virtual std::vector<HidDeviceInfo> enumerate(uint16_t vendorId, uint16_t productId) = 0;
    virtual HidHandle open(const std::string &path) = 0;     // nullptr on failure
    // Why the last failed open() failed, as an errno value: EACCES when the
    // device is there but this user may not open it; 0 when not known.
    virtual int lastOpenError() const { return 0; }
    virtual void close(HidHandle handle) = 0;
    // Bytes written, or -1.
    virtual int write(HidHandle handle, const unsigned char *data, size_t length) = 0;
    // Bytes read, 0 on timeout, or -1.
    virtual int readTimeout(HidHandle handle, unsigned char *data, size_t length, int milliseconds) = 0;
};

// The backend in use: the system hidapi unless another one was installed.
HidBackend &hidBackend();
// Installs a backend (not owned) for the rest of the run; nullptr restores the
// system hidapi.
void setHidBackend(HidBackend *backend);
