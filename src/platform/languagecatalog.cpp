#include "languagecatalog.h"

#include "platformlog.h"

#include "config/appconfig.h"
#include "config/langconfig.h"
#include "config/paths.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFileInfo>
#include <QTranslator>

LanguageCatalog::LanguageCatalog()
{
    reload();
}

void LanguageCatalog::reload()
{
    static_assert(AppConfig::kLanguageEntries == kEntryCount, "one language table size");
    AppConfig::LanguageTable table;
    AppConfig::loadLanguageTable(table);
    m_count = table.count;
    for (int i = 0; i < kEntryCount; ++i) {
        m_names[i] = table.names[size_t(i)];
        m_files[i] = table.files[size_t(i)];
        m_fonts[i] = AppConfig::fontFamily(i);
        m_fontSizes[i] = int(AppConfig::fontSize(i));
    }
}

QString LanguageCatalog::name(int id) const
{
    return validId(id) ? m_names[id] : QString();
}

QString LanguageCatalog::file(int id) const
{
    return validId(id) ? m_files[id] : QString();
}

QString LanguageCatalog::fontFamily(int id) const
{
    return validId(id) ? m_fonts[id] : QString();
}

int LanguageCatalog::fontPixelSize(int id) const
{
    return validId(id) ? m_fontSizes[id] : 0;
}

QStringList LanguageCatalog::menuNames() const
{
    QStringList names;
    for (int i = 0; i < m_count; ++i)
        names.append(m_names[i]);
    return names;
}

int LanguageCatalog::storedId()
{
    return LangConfig::langID();
}

bool LanguageCatalog::storeId(int id)
{
    if (LangConfig::setLangID(id))
        return true;
    qCWarning(lcPlatform) << "cannot write the language id to" << Paths::langConfigFile();
    return false;
}

QString LanguageCatalog::catalogueFile(int id) const
{
    const QString base = file(id);
    if (base.isEmpty())
        return QString();
    return Paths::fileInDir(Paths::langDir(), base, QStringLiteral(".qm"));
}

QString LanguageCatalog::builtInCatalogue(int id) const
{
    const QString base = file(id);
    if (base.isEmpty() || !Paths::isSafeFileName(base))
        return QString();
    return QStringLiteral(":/lang/") + base + QStringLiteral(".qm");
}

bool LanguageCatalog::loadInto(QTranslator *translator, int id) const
{
    if (!translator)
        return false;
    // QTranslator::load() empties the translator before it reads: a catalogue
    // is tried on a scratch translator first, so that one that does not load
    // leaves the texts as they were rather than half of the program in the
    // source language.
    auto loads = [](const QString &path) {
        QTranslator probe;
        return !path.isEmpty() && QFileInfo::exists(path) && probe.load(path);
    };
    const QString onDisk = catalogueFile(id);
    if (loads(onDisk) && translator->load(onDisk))
        return true;
    const QString builtIn = builtInCatalogue(id);
    if (loads(builtIn) && translator->load(builtIn)) {
        qCDebug(lcPlatform) << "language" << id << "taken from the built-in catalogue" << builtIn;
        return true;
    }
    qCDebug(lcPlatform) << "no catalogue for language" << id << file(id) << "; the texts stay as they were";
    return false;
}

bool LanguageCatalog::startUp(QTranslator *translator)
{
    const int id = storedId();
    LangConfig::setCurrentLangID(id);
    const bool loaded = loadInto(translator, id);
    if (loaded)
        QCoreApplication::installTranslator(translator);
    return loaded;
}

bool LanguageCatalog::switchTo(int id, QTranslator *translator)
{
    LangConfig::setCurrentLangID(id);
    const bool loaded = loadInto(translator, id);
    storeId(id);
    if (loaded)
        QCoreApplication::installTranslator(translator);
    return loaded;
}
