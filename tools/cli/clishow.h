#pragma once

#include <QJsonObject>
#include <QStringList>

struct MouseConfig;

// What `show` prints: every setting of one profile and the global options,
// as lines or as one JSON object, from the settings alone.
namespace CliShow {

QJsonObject toJson(const MouseConfig &config, int profileIndex);
QStringList toLines(const MouseConfig &config, int profileIndex);

} // namespace CliShow
