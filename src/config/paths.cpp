#include "paths.h"

#include "logging.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDebug>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

namespace Paths {

namespace {

// An override directory, made absolute so that a relative value keeps
// meaning the same place whatever the working directory becomes.
QString envDir(const char *name)
{
    const QByteArray value = qgetenv(name);
    return value.isEmpty() ? QString() : QFileInfo(QString::fromLocal8Bit(value)).absoluteFilePath();
}

bool isPortable(const QString &exeDir)
{
    return QFileInfo::exists(exeDir + QStringLiteral("/DefaultProfile.bin"));
}

// The portable layout keeps its settings beside the program only when they
// can be written there: the folder itself if it exists, else its parent.
bool portableConfigsWritable(const QString &exeDir)
{
    const QFileInfo configs(exeDir + QStringLiteral("/Configs"));
    if (configs.exists())
        return configs.isDir() && configs.isWritable();
    return QFileInfo(exeDir).isWritable();
}

// Copies the files that `to` does not have yet; existing files are never
// overwritten. Config.ini is copied last: its presence marks a finished seed,
// so a seed cut short is completed on the next start.
bool copyTree(const QString &from, const QString &to)
{
    bool ok = QDir().mkpath(to);
    const QString marker = QStringLiteral("Config.ini");
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString relative = QDir(from).relativeFilePath(source);
        const QString target = to + QLatin1Char('/') + relative;
        if (it.fileInfo().isDir())
            ok = QDir().mkpath(target) && ok;
        else if (relative != marker && !QFileInfo::exists(target))
            ok = QFile::copy(source, target) && ok;
    }
    const QString source = from + QLatin1Char('/') + marker;
    const QString target = to + QLatin1Char('/') + marker;
    if (ok && QFileInfo::exists(source) && !QFileInfo::exists(target))
        ok = QFile::copy(source, target);
    return ok;
}

} // namespace

QString executableDir()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
}

QString dataDir() { return dataDirFor(executableDir()); }
QString configsDir() { return configsDirFor(executableDir()); }

QString sessionFile(const QString &suffix)
{
    QString dir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    QString user;
    if (dir.isEmpty() || !QFileInfo(dir).isDir()) {
        dir = QDir::tempPath();
        user = QStringLiteral("-%1").arg(::getuid());
    }
    const QByteArray hash =
        QCryptographicHash::hash(QDir::cleanPath(configsDir()).toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return dir + QStringLiteral("/mousecfg") + user + QLatin1Char('-') + QString::fromLatin1(hash) + QLatin1Char('.')
           + suffix;
}

QString dataDirFor(const QString &exeDir)
{
    const QString overridden = envDir("MOUSECFG_DATA");
    if (!overridden.isEmpty())
        return overridden;
    if (isPortable(exeDir))
        return exeDir;
    // Installed: <prefix>/bin/mousecfg reads <prefix>/share/mousecfg, so a
    // relocated prefix keeps working.
    return QDir::cleanPath(exeDir + QStringLiteral("/../share/mousecfg"));
}

QString configsDirFor(const QString &exeDir)
{
    const QString home = envDir("MOUSECFG_HOME");
    if (!home.isEmpty())
        return home + QStringLiteral("/Configs");
    if (isPortable(exeDir) && portableConfigsWritable(exeDir))
        return exeDir + QStringLiteral("/Configs");
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/mousecfg/Configs");
}

QString cacheDir() { return cacheDirFor(executableDir()); }

QString cacheDirFor(const QString &exeDir)
{
    const QString configs = configsDirFor(exeDir);
    const QString installed = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/mousecfg/Configs");
    if (configs != installed)
        return QFileInfo(configs).absolutePath() + QStringLiteral("/cache");
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/mousecfg");
}

QString sentTablesFile()
{
    return cacheDir() + QStringLiteral("/sent-tables");
}

bool ensureConfigs(QString *error)
{
    const QString target = configsDir();
    const QString shipped = dataDir() + QStringLiteral("/Configs");
    if (QFileInfo::exists(target + QStringLiteral("/Config.ini")) || QDir(target) == QDir(shipped)) {
        QDir().mkpath(target);
        return true;
    }
    if (!QDir().mkpath(target)) {
        if (error)
            *error = QStringLiteral("cannot create the settings folder %1").arg(target);
        return false;
    }
    if (QFileInfo(shipped).isDir() && !copyTree(shipped, target)) {
        if (error)
            *error = QStringLiteral("cannot copy the shipped settings from %1 into %2").arg(shipped, target);
        return false;
    }
    qCDebug(lcConfig) << "settings folder seeded from" << shipped << "into" << target;
    return true;
}

QString descriptorFile() { return dataDir() + QStringLiteral("/DefaultProfile.bin"); }
QString configFile() { return configsDir() + QStringLiteral("/Config.ini"); }
QString langConfigFile() { return configsDir() + QStringLiteral("/LangConfig.ini"); }
QString appProfilesFile() { return configsDir() + QStringLiteral("/AppProfiles.ini"); }
QString profileDir() { return configsDir() + QStringLiteral("/Profile"); }
QString macroDir() { return configsDir() + QStringLiteral("/MacroDB"); }
QString skinDir() { return dataDir() + QStringLiteral("/skin"); }
QString langDir() { return dataDir() + QStringLiteral("/lang"); }

QString productDir(const QString &product)
{
    // An empty product name makes the per-product folder the Configs folder
    // itself; an unsafe one must not lead out of it.
    if (product.isEmpty())
        return configsDir();
    if (!isSafeFileName(product))
        return QString();
    return configsDir() + QLatin1Char('/') + product;
}

bool isSafeFileName(const QString &name, QString *why)
{
    auto refuse = [why](const char *text) {
        if (why)
            *why = QCoreApplication::translate("Paths", text);
        return false;
    };
    if (name.trimmed().isEmpty())
        return refuse("The name is empty.");
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return refuse("The name cannot be \".\" or \"..\".");
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\'))
            return refuse("The name cannot contain / or \\.");
        if (c.category() == QChar::Other_Control || c.unicode() == 0x7f)
            return refuse("The name cannot contain control characters.");
    }
    if (name.toUtf8().size() > 200)
        return refuse("The name is too long.");
    return true;
}

QString fileInDir(const QString &dir, const QString &name, const QString &suffix)
{
    if (dir.isEmpty() || !isSafeFileName(name)) {
        qCDebug(lcConfig) << "refused to build a file path for the name" << name;
        return QString();
    }
    return dir + QLatin1Char('/') + name + suffix;
}

QString profileFile(const QString &name)
{
    return fileInDir(profileDir(), name, QStringLiteral(".prof"));
}

QString macroFile(const QString &name)
{
    return fileInDir(macroDir(), name, QStringLiteral(".MSMACRO"));
}

} // namespace Paths
