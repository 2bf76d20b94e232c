#include "profileexchange.h"

#include "configfile.h"
#include "paths.h"
#include "profilefile.h"
#include "profilekeys.h"
#include "settingsfile.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cstdio>

namespace ProfileExchange {

namespace {

Check checkFile(const QString &path, const QString &product, int groups)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return Check::Missing;
    if (product.isEmpty() || readFileProductName(path) != product)
        return Check::WrongProduct;
    for (int n = 0; n < groups; ++n) {
        if (!hasProfileGroup(path, n))
            return Check::NoProfile;
    }
    return Check::Ok;
}

// A temporary file beside `path` (so that the rename stays on one file
// system), closed and left for the caller to fill and rename.
QString temporaryBeside(const QString &path)
{
    QTemporaryFile file(path + QStringLiteral(".XXXXXX"));
    file.setAutoRemove(false);
    if (!file.open())
        return QString();
    // The temporary file is private; the file it becomes is an ordinary one.
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                        | QFileDevice::ReadOther);
    return file.fileName();
}

bool renameOver(const QString &from, const QString &to)
{
    // rename() replaces the target in one step; QFile::rename refuses an
    // existing target.
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    QFile::remove(from);
    return false;
}

} // namespace

QString withSuffix(const QString &path, const QString &suffix)
{
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + QLatin1Char('.') + suffix;
}

bool hasProfileGroup(const QString &path, int n)
{
    const auto settings = SettingsFile::openForReading(path);
    settings->beginGroup(ProfileKeys::groupName(n));
    for (int k = 0; k < kDpiStageCount; ++k) {
        const QString stage = QStringLiteral("DPI_INFO_%1_").arg(k);
        for (const char *field : {"used", "x", "y"}) {
            if (!settings->contains(stage + QLatin1String(field)))
                return false;
        }
    }
    for (int j = 0; j < kButtonEntryCount; ++j) {
        if (!settings->contains(QStringLiteral("BUTTON_INFO_%1_Fun").arg(j)))
            return false;
    }
    return true;
}

Check checkProfileFile(const QString &path, const QString &product)
{
    return checkFile(path, product, 1);
}

Check checkConfigurationFile(const QString &path, const QString &product)
{
    return checkFile(path, product, kProfileCount);
}

Check loadConfiguration(MouseConfig &config, const QString &product, const QString &path)
{
    const Check check = checkConfigurationFile(path, product);
    if (check != Check::Ok)
        return check;
    MouseConfig loaded = config;
    if (!importConfigFile(loaded, path))
        return Check::Missing;
    config = loaded;
    return Check::Ok;
}

bool saveConfiguration(const MouseConfig &config, const QString &product, const QString &path)
{
    if (path.isEmpty())
        return false;
    const QString temporary = temporaryBeside(path);
    if (temporary.isEmpty())
        return false;
    if (!writeFileProductName(product, temporary) || !exportConfigFile(config, temporary)) {
        QFile::remove(temporary);
        return false;
    }
    return renameOver(temporary, path);
}

bool exportProfile(const QString &name, const QString &product, const QString &path)
{
    const QString source = Paths::profileFile(name);
    if (source.isEmpty() || path.isEmpty())
        return false;
    if (!QFileInfo(source).isFile()) {
        ProfileData factory;
        makeDefaultProfile(factory);
        if (!saveProfileFile(factory, name))
            return false;
    }
    if (!writeFileProductName(product, source))
        return false;
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return replaceFile(path, file.readAll());
}

bool replaceFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace ProfileExchange
