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

bool g_haveCurrent = false;
int g_current = 0;

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

int currentLangID()
{
    if (!g_haveCurrent) {
        g_current = langID();
        g_haveCurrent = true;
    }
    return g_current;
}

void setCurrentLangID(int id)
{
    g_current = id;
    g_haveCurrent = true;
}

void forgetCurrentLangID() { g_haveCurrent = false; }

} // namespace LangConfig
