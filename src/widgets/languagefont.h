#pragma once

#include <QFont>
#include <QString>

// The font of the user-interface language: family FONT_LIST/FONT_<l> and
// pixel size FONT_LIST/FONT_SIZE_<l> of Configs/Config.ini for language l,
// the size multiplied by the scale factor. Every widget of the kit that
// draws text takes its font from here.
// The current language is LangConfig::currentLangID().
class LanguageFont {
public:
    // Used when the configuration names no size (or a size below 1), so that
    // a missing key never gives an unreadable or invalid font.
    static constexpr int kFallbackPixelSize = 14;

    // Family of language `lang`; empty when not configured.
    static QString family(int lang);
    // Design pixel size of language `lang`, kFallbackPixelSize when missing.
    static int pixelSize(int lang);

    // The font of `lang` with its size multiplied by `scale` (truncated,
    // at least 1 pixel). An unconfigured family keeps the application's.
    static QFont font(int lang, double scale);
    // The font of the current language at the process-wide scale.
    static QFont current();
    // The current language's family at `designPixelSize` times the scale.
    static QFont current(int designPixelSize);
};
