#pragma once

#include "hidbackend.h"

// Forwards every call to the system hidapi (hidraw back end).
class SystemHidBackend final : public HidBackend {
public:
    int init() override;
    int exit() override;
    std::vector<HidDeviceInfo> enumerate(uint16_t vendorId, uint16_t productId) override;
    HidHandle open(const std::string &path) override;
    int lastOpenError() const override { return m_lastOpenError; }
    void close(HidHandle handle) override;
    int write(HidHandle handle, const unsigned char *data, size_t length) override;
    int readTimeout(HidHandle handle, unsigned char *data, size_t length, int milliseconds) override;

private:
    int m_lastOpenError = 0;
};
