#pragma once

#include "config/langconfig.h"
#include "platform/languagecatalog.h"

#include <QObject>
#include <QTranslator>

class QAction;
class QMenu;
class SkinButton;

// The user-interface language of the main window: the language list and
// the translator it owns, the drop-down menu on the language button, and
// the switch (stored at once, catalogue reloaded, texts set again by the
// window when the catalogue loaded).
class LanguageController : public QObject {
    Q_OBJECT
public:
    explicit LanguageController(QObject *parent = nullptr);

    // Start-up: the stored language becomes current, its catalogue is loaded
    // and installed. Returns whether it loaded.
    bool startUp();
    // The menu on `button` with one entry per configured language.
    void buildMenu(SkinButton *button);
    // Fewer than two languages: nothing to choose, the button is hidden.
    bool offersChoice() const { return m_catalog.count() >= 2; }

    // Makes language `id` current; false (and nothing changed) for an id the
    // menu does not offer. `loaded` tells whether its catalogue loaded.
    bool switchTo(int id, bool *loaded);

    int currentId() const { return LangConfig::currentLangID(); }
    QString currentName() const { return m_catalog.name(currentId()); }
    const LanguageCatalog &catalog() const { return m_catalog; }
    QTranslator *translator() { return &m_translator; }
    // Qt's own catalogue for the language (file dialogs, standard buttons),
    // when the system has it; empty while the language needs none.
    QTranslator *qtTranslator() { return &m_qtTranslator; }

    // The locale of Qt's catalogue for a language catalogue file name: the
    // two Chinese catalogues "sc" and "tc" have one, English needs none.
    static QString qtLocaleFor(const QString &catalogueFile);
    QMenu *menu() const { return m_menu; }

signals:
    // A menu entry was chosen.
    void languageChosen(int id);

private:
    void loadQtCatalogue(int id);

    LanguageCatalog m_catalog;
    QTranslator m_translator;
    QTranslator m_qtTranslator;
    QMenu *m_menu = nullptr;
};
