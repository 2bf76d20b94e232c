#include "langconfig.h"

#include "paths.h"
#include "settingsfile.h"

namespace LangConfig {

namespace {

const QString &langIdKey()
{
    static const QString key = QStringLiteral("Config/LangID");
    return key;
}

} // namespace

int langID()
{
    return SettingsFile::readInt(*SettingsFile::openForReading(Paths::langConfigFile()), langIdKey());
}

bool setLangID(int id)
{
    const auto settings = SettingsFile::openForWriting(Paths::langConfigFile());
    settings->setValue(langIdKey(), id);
    return SettingsFile::commit(*settings);
}

} // namespace LangConfig
