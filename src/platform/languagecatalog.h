#pragma once

#include <QString>
#include <QStringList>

class QTranslator;

// The user-interface languages: the list the installation provides in
// Config.ini (FONT_LIST/LANGNUM, LangName_<i>, LangFile_<i>, FONT_<i>,
// FONT_SIZE_<i> for i = 0..9) and the loading of a language's catalogue.
// The current language id is LangConfig::currentLangID(); start-up and the
// switch set it.
//
// Catalogues are read from <data>/lang/<LangFile>.qm; when that file is
// missing or unreadable, from the catalogue of that name built into the
// program (:/lang/en.qm, :/lang/sc.qm, :/lang/tc.qm), so a damaged
// installation still speaks the three shipped languages.
class LanguageCatalog {
public:
    static constexpr int kEntryCount = 10;

    // Reads the list from Config.ini.
    LanguageCatalog();
    void reload();

    // How many languages the menu offers: LANGNUM, bounded to 0..10.
    int count() const { return m_count; }
    // Names and files are read for all ten entries whatever LANGNUM says; an id
    // outside 0..9 gives an empty text and size 0.
    QString name(int id) const;
    QString file(int id) const;
    QString fontFamily(int id) const;
    int fontPixelSize(int id) const;
    // The menu entries: the names of languages 0 .. count() - 1.
    QStringList menuNames() const;

    // Config/LangID of LangConfig.ini, 0 when missing.
    static int storedId();
    static bool storeId(int id);

    // <data>/lang/<file>.qm, or empty when the language has no file or its
    // file name would lead out of the folder.
    QString catalogueFile(int id) const;
    // :/lang/<file>.qm, or empty for such names.
    QString builtInCatalogue(int id) const;

    // Loads language id's catalogue into the translator (the disk first, then
    // the built-in one), replacing what it held. Returns false when neither
    // loads; the translator is then untouched, so the texts stay as they were.
    bool loadInto(QTranslator *translator, int id) const;

    // Start-up: the stored id becomes current; its catalogue is loaded and, when
    // that succeeds, the translator is installed. Returns whether it loaded.
    bool startUp(QTranslator *translator);

    // Language switch: id becomes current and is written to LangConfig.ini at
    // once (even when its catalogue is missing); the catalogue is loaded and,
    // when that succeeds, the translator is installed again. Returns whether
    // it loaded: only then must the caller set its texts again.
    bool switchTo(int id, QTranslator *translator);

private:
    bool validId(int id) const { return id >= 0 && id < kEntryCount; }

    int m_count = 0;
    QString m_names[kEntryCount];
    QString m_files[kEntryCount];
    QString m_fonts[kEntryCount];
    int m_fontSizes[kEntryCount] = {};
};
