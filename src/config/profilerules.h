#pragma once

#include "config/mouseconfig.h"

#include <QString>

// Rules about which profile block a setting lives in, shared by the pages,
// the upload and the command line so that all of them edit and send the
// same block.

// The profile whose lighting the pages edit and the upload sends. The
// "KV52" keeps one lighting set in profile 0 whatever profile is active;
// every other product uses the active profile's.
int lightingProfileIndex(const MouseConfig &config, const QString &productName);

inline ProfileData &lightingProfile(MouseConfig &config, const QString &productName)
{
    return config.profiles[size_t(lightingProfileIndex(config, productName))];
}
