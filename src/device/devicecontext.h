#pragma once

#include "config/mouseconfig.h"
#include "config/productdescriptor.h"

#include <QString>

#include <cstdint>

// What the command builders need to know about the installation and the mouse
// besides the settings record. Kept as a plain value so that the builders stay
// pure (record and context in, reports out) and can be tested without files.
struct DeviceContext {
    int sensorType = 0;          // MouseSenSor/1: decides the DPI register encoding
    int ledType = 0;             // MouseLEDMode/<product>
    int dpiStageCount = 0;       // descriptor value as stored; the DPI table bounds it itself
    int buttonCount = 0;         // descriptor value as stored; the button table bounds it itself
    ProductDescriptor::Matrix keyEntries{};   // device key entry of descriptor button i
    int scrollRev = 0;           // 1: wheel up and down swap their device key entries
    int syncMode = 0;            // PROFILE/Sync: how the sensor option byte is built
    uint8_t sensorMode = 0;      // byte 10 of the mouse's last status answer
    QString productName;         // Config/CurrentProductName
};

// Fills the context from the installation: the product descriptor and
// Configs/Config.ini. `sensorMode` is the value the status poller last saw.
DeviceContext loadDeviceContext(uint8_t sensorMode = 0);

// The profile whose DPI and button tables go to the mouse: the active one
// (profile 0 when the stored index is out of range).
int activeProfileIndex(const MouseConfig &config);

// The profile whose lighting goes to the mouse: the rule the lighting page
// edits by (config/profilerules.h), for the context's product.
int lightingProfileIndex(const MouseConfig &config, const DeviceContext &context);
