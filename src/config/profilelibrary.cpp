#include "profilelibrary.h"

#include "appconfig.h"
#include "logging.h"
#include "mouseconfig.h"
#include "paths.h"
#include "profilenames.h"
#include "settingsfile.h"

#include <QDebug>

#include <algorithm>

namespace ProfileLibrary {

namespace {

const QString &group()
{
    static const QString name = QStringLiteral("PROFILE_LIST");
    return name;
}

} // namespace

QString listFile()
{
    const QString dir = Paths::productDir(AppConfig::currentProductName());
    return dir.isEmpty() ? QString() : dir + QStringLiteral("/Config.ini");
}

QStringList load()
{
    const QString path = listFile();
    if (path.isEmpty())
        return {};
    const auto settings = SettingsFile::openForReading(path);
    settings->beginGroup(group());
    // A fresh installation has no list yet: the library starts as the five
    // slots' own profiles.
    if (!settings->contains(QStringLiteral("Count"))) {
        QStringList names;
        for (int k = 1; k <= kProfileCount; ++k)
            names << ProfileNames::numbered(k);
        return names;
    }
    const int count = std::clamp(SettingsFile::readInt(*settings, QStringLiteral("Count")), 0, kMaxEntries);
    QStringList names;
    int leftOut = 0;
    for (int i = 1; i <= count; ++i) {
        const QString name = settings->value(QString::number(i)).toString();
        if (Paths::isSafeFileName(name))
            names << name;
        else
            ++leftOut;
    }
    // One line, however large a hand-edited Count claims the list to be.
    if (leftOut > 0)
        qCDebug(lcConfig) << "library list" << path << "names" << count << "entries;" << leftOut
                          << "are empty or not file names and were left out";
    return names;
}

bool save(const QStringList &names)
{
    const QString path = listFile();
    if (path.isEmpty() || names.size() > kMaxEntries)
        return false;
    for (const QString &name : names) {
        if (!Paths::isSafeFileName(name)) {
            qCDebug(lcConfig) << "library entry" << name << "refused";
            return false;
        }
    }
    const auto settings = SettingsFile::openForWriting(path);
    // Entries beyond the new count would otherwise linger in the file.
    settings->remove(group());
    settings->beginGroup(group());
    settings->setValue(QStringLiteral("Count"), names.size());
    for (int i = 0; i < names.size(); ++i)
        settings->setValue(QString::number(i + 1), names.at(i));
    settings->endGroup();
    return SettingsFile::commit(*settings);
}

} // namespace ProfileLibrary
