#include "languagefont.h"

#include "config/paths.h"
#include "config/settingsfile.h"
#include "uiscale.h"

#include <QGuiApplication>

namespace {

bool g_haveLanguage = false;
int g_language = 0;

QFont makeFont(const QString &family, int pixels)
{
    QFont font = QGuiApplication::font();
    if (!family.isEmpty())
        font.setFamily(family);
    font.setPixelSize(pixels < 1 ? 1 : pixels);
    return font;
}

} // namespace

int LanguageFont::languageId()
{
    if (!g_haveLanguage) {
        g_language = readLanguageId();
        g_haveLanguage = true;
    }
    return g_language;
}

void LanguageFont::setLanguageId(int id)
{
    g_language = id;
    g_haveLanguage = true;
}

void LanguageFont::resetLanguageId() { g_haveLanguage = false; }

int LanguageFont::readLanguageId()
{
    const auto settings = SettingsFile::openForReading(Paths::langConfigFile());
    return SettingsFile::readInt(*settings, QStringLiteral("Config/LangID"), 0);
}

QString LanguageFont::family(int lang)
{
    const auto settings = SettingsFile::openForReading(Paths::configFile());
    return settings->value(QStringLiteral("FONT_LIST/FONT_%1").arg(lang)).toString().trimmed();
}

int LanguageFont::pixelSize(int lang)
{
    const auto settings = SettingsFile::openForReading(Paths::configFile());
    const int size = SettingsFile::readInt(*settings, QStringLiteral("FONT_LIST/FONT_SIZE_%1").arg(lang), 0);
    return size < 1 ? kFallbackPixelSize : size;
}

QFont LanguageFont::font(int lang, double scale)
{
    return makeFont(family(lang), UiScale::scaled(pixelSize(lang), scale));
}

QFont LanguageFont::current() { return font(languageId(), UiScale::factor()); }

QFont LanguageFont::current(int designPixelSize)
{
    return makeFont(family(languageId()), UiScale::scaled(designPixelSize));
}
