#include "languagecontroller.h"

#include "widgets/uilog.h"
#include "widgets/uitheme.h"
#include "widgets/skinbutton.h"

#include <QCoreApplication>
#include <QDebug>
#include <QLibraryInfo>
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
    loadQtCatalogue(id);
    return loaded;
}

QString LanguageController::qtLocaleFor(const QString &catalogueFile)
{
    const QString file = catalogueFile.toLower();
    if (file == QLatin1String("sc"))
        return QStringLiteral("zh_CN");
    if (file == QLatin1String("tc"))
        return QStringLiteral("zh_TW");
    return QString();
}

void LanguageController::loadQtCatalogue(int id)
{
    // The dialogs Qt draws itself (the file dialogs) speak the program's
    // language, not the desktop's: their texts come from Qt's catalogue of
    // that language, or stay English where the system has none.
    QCoreApplication::removeTranslator(&m_qtTranslator);
    const QString locale = qtLocaleFor(m_catalog.file(id));
    if (locale.isEmpty()) {
        m_qtTranslator.load(QString());
        return;
    }
    const QString folder = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
    if (m_qtTranslator.load(QStringLiteral("qtbase_") + locale, folder)
        || m_qtTranslator.load(QStringLiteral("qt_") + locale, folder)) {
        QCoreApplication::installTranslator(&m_qtTranslator);
    } else {
        qCDebug(lcUi) << "no Qt catalogue for" << locale << "in" << folder << "; file dialogs stay in English";
    }
}

void LanguageController::buildMenu(SkinButton *button)
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
    loadQtCatalogue(id);
    if (loaded)
        *loaded = ok;
    return true;
}
