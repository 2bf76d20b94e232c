#pragma once

#include <cstdint>

// Two single-byte facts about the mouse that cross threads without a lock:
// the status poller (or whoever reads the status) writes them, the upload
// worker reads them. Each is one atomic byte.

// Set while the last battery reading was all zero: the receiver answered for
// a mouse that is asleep or switched off. An upload then sends nothing.
bool mouseOff();
void setMouseOff(bool off);

// Byte 10 of the mouse's last status answer (0 until one arrives). Sensor
// 3395 reports mode 8 while it runs in a mode whose highest DPI step is 399;
// the DPI encoding of an upload takes it into account.
uint8_t currentSensorMode();
void setCurrentSensorMode(uint8_t mode);
