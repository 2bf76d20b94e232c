#include "devicestate.h"

#include <atomic>

namespace {
std::atomic<bool> g_mouseOff{false};
std::atomic<uint8_t> g_sensorMode{0};
} // namespace

bool mouseOff()
{
    return g_mouseOff.load();
}

void setMouseOff(bool off)
{
    g_mouseOff.store(off);
}

uint8_t currentSensorMode()
{
    return g_sensorMode.load();
}

void setCurrentSensorMode(uint8_t mode)
{
    g_sensorMode.store(mode);
}
