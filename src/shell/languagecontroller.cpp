#include "languagecontroller.h"

#include "widgets/uilog.h"
#include "widgets/uitheme.h"
#include "widgets/veskpushbutton.h"

#include <QCoreApplication>
#include <QDebug>
#include <QMenu>

namespace {

const int kMenuDesignWidth = 150;

} // namespace

LanguageController::LanguageController(QObject *parent)
    : QObject(parent)
{
}

bool LanguageController::startUp()
{
    int id = LanguageCatalog::storedId();
    if (m_catalog.count() > 0 && (id < 0 || id >= m_catalog.count())) {
        // A hand-edited or stale id would pick no catalogue and no font.
        qCDebug(lcUi) << "stored language" << id << "is not configured; using language 0";
        id = 0;
    }
    LangConfig::setCurrentLangID(id);
    const bool loaded = m_catalog.loadInto(&m_translator, id);
    if (loaded)
        QCoreApplication::installTranslator(&m_translator);
    return loaded;
}

void LanguageController::buildMenu(VeskPushButton *button)
{
    if (!m_menu) {
        m_menu = new QMenu(button);
        button->setMenu(m_menu);
    }
    m_menu->clear();
    const QStringList names = m_catalog.menuNames();
    for (int i = 0; i < names.size(); ++i) {
        QAction *action = m_menu->addAction(names.at(i));
        connect(action, &QAction::triggered, this, [this, i] { emit languageChosen(i); });
    }
    UiTheme::styleMenu(m_menu, kMenuDesignWidth);
}

bool LanguageController::switchTo(int id, bool *loaded)
{
    if (id < 0 || id >= m_catalog.count()) {
        qCDebug(lcUi) << "no language" << id << "in the menu";
        if (loaded)
            *loaded = false;
        return false;
    }
    const bool ok = m_catalog.switchTo(id, &m_translator);
    if (loaded)
        *loaded = ok;
    return true;
}
