#include "profilerules.h"

int lightingProfileIndex(const MouseConfig &config, const QString &productName)
{
    return productName == QLatin1String("KV52") ? 0 : config.profileIndex();
}
