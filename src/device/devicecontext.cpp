#include "devicecontext.h"

#include "config/profilerules.h"

#include "config/paths.h"
#include "config/settingsfile.h"

DeviceContext loadDeviceContext(uint8_t sensorMode)
{
    DeviceContext context;
    context.dpiStageCount = ProductDescriptor::dpiStageCount();
    context.buttonCount = ProductDescriptor::buttonCount();
    ProductDescriptor::keySlotMatrix(context.keySlots);
    context.scrollRev = ProductDescriptor::scrollRev();
    context.syncMode = ProductDescriptor::syncMode();
    context.sensorMode = sensorMode;

    const auto settings = SettingsFile::openForReading(Paths::configFile());
    context.productName = settings->value(QStringLiteral("Config/CurrentProductName")).toString();
    context.sensorType = SettingsFile::readInt(*settings, QStringLiteral("MouseSenSor/1"));
    // An empty product name would address the group itself, not a key in it.
    if (!context.productName.isEmpty())
        context.ledType = SettingsFile::readInt(*settings, QStringLiteral("MouseLEDMode/") + context.productName);
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
