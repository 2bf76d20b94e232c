#include "languagecatalog.h"

#include "config/paths.h"
#include "config/settingsfile.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFileInfo>
#include <QTranslator>

namespace {

int g_currentId = 0;

const QString kLangIdKey = QStringLiteral("Config/LangID");

} // namespace

LanguageCatalog::LanguageCatalog()
{
    reload();
}

void LanguageCatalog::reload()
{
    const auto settings = SettingsFile::openForReading(Paths::configFile());
    m_count = qBound(0, SettingsFile::readInt(*settings, QStringLiteral("FONT_LIST/LANGNUM")), kSlots);
    for (int i = 0; i < kSlots; ++i) {
        m_names[i] = settings->value(QStringLiteral("FONT_LIST/LangName_%1").arg(i)).toString();
        m_files[i] = settings->value(QStringLiteral("FONT_LIST/LangFile_%1").arg(i)).toString();
        m_fonts[i] = settings->value(QStringLiteral("FONT_LIST/FONT_%1").arg(i)).toString();
        // A pixel size is unsigned; a negative or absurd one reads as 0 (unset).
        const int size = SettingsFile::readInt(*settings, QStringLiteral("FONT_LIST/FONT_SIZE_%1").arg(i));
        m_fontSizes[i] = size > 0 && size <= 1000 ? size : 0;
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

int LanguageCatalog::currentId()
{
    return g_currentId;
}

void LanguageCatalog::setCurrentId(int id)
{
    g_currentId = id;
}

int LanguageCatalog::storedId()
{
    const auto settings = SettingsFile::openForReading(Paths::langConfigFile());
    return SettingsFile::readInt(*settings, kLangIdKey, 0);
}

bool LanguageCatalog::storeId(int id)
{
    const auto settings = SettingsFile::openForWriting(Paths::langConfigFile());
    settings->setValue(kLangIdKey, id);
    settings->sync();
    if (settings->status() != QSettings::NoError) {
        qDebug() << "cannot write the language id to" << Paths::langConfigFile();
        return false;
    }
    return true;
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
    // QTranslator::load() empties the translator before it reads, so a failed
    // load never leaves the previous language behind.
    const QString onDisk = catalogueFile(id);
    if (!onDisk.isEmpty() && translator->load(onDisk))
        return true;
    const QString builtIn = builtInCatalogue(id);
    if (!builtIn.isEmpty() && QFileInfo::exists(builtIn) && translator->load(builtIn)) {
        qDebug() << "language" << id << "taken from the built-in catalogue" << builtIn;
        return true;
    }
    qDebug() << "no catalogue for language" << id << file(id);
    return false;
}

bool LanguageCatalog::startUp(QTranslator *translator)
{
    setCurrentId(storedId());
    const bool loaded = loadInto(translator, currentId());
    if (loaded)
        QCoreApplication::installTranslator(translator);
    return loaded;
}

bool LanguageCatalog::switchTo(int id, QTranslator *translator)
{
    setCurrentId(id);
    const bool loaded = loadInto(translator, id);
    storeId(id);
    if (loaded)
        QCoreApplication::installTranslator(translator);
    return loaded;
}
