#include "devicecontext.h"

#include "config/profilerules.h"

#include "config/appconfig.h"

DeviceContext loadDeviceContext(uint8_t sensorMode)
{
    DeviceContext context;
    context.dpiStageCount = ProductDescriptor::dpiStageCount();
    context.buttonCount = ProductDescriptor::buttonCount();
    ProductDescriptor::keySlotMatrix(context.keyEntries);
    context.scrollRev = ProductDescriptor::scrollRev();
    context.syncMode = ProductDescriptor::syncMode();
    context.sensorMode = sensorMode;

    context.productName = AppConfig::currentProductName();
    context.sensorType = AppConfig::sensorType();
    context.ledType = AppConfig::ledType();
    return context;
}

int activeProfileIndex(const MouseConfig &config)
{
    return config.profileIndex();
}

int lightingProfileIndex(const MouseConfig &config, const DeviceContext &context)
{
    return lightingProfileIndex(config, context.productName);
}
