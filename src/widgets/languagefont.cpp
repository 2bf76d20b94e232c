#include "languagefont.h"

#include "config/appconfig.h"
#include "config/langconfig.h"
#include "uiscale.h"

#include <QGuiApplication>

namespace {

QFont makeFont(const QString &family, int pixels)
{
    QFont font = QGuiApplication::font();
    if (!family.isEmpty())
        font.setFamily(family);
    font.setPixelSize(pixels < 1 ? 1 : pixels);
    return font;
}

} // namespace

QString LanguageFont::family(int lang) { return AppConfig::fontFamily(lang).trimmed(); }

int LanguageFont::pixelSize(int lang)
{
    const uint size = AppConfig::fontSize(lang);
    return size == 0 ? kFallbackPixelSize : int(size);
}

QFont LanguageFont::font(int lang, double scale)
{
    return makeFont(family(lang), UiScale::scaled(pixelSize(lang), scale));
}

QFont LanguageFont::current() { return font(LangConfig::currentLangID(), UiScale::factor()); }

QFont LanguageFont::current(int designPixelSize)
{
    return makeFont(family(LangConfig::currentLangID()), UiScale::scaled(designPixelSize));
}
