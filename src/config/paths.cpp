#include "paths.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace Paths {

namespace {

QString envDir(const char *name)
{
    const QByteArray value = qgetenv(name);
    return value.isEmpty() ? QString() : QDir::cleanPath(QString::fromLocal8Bit(value));
}

bool isPortable(const QString &exeDir)
{
    return QFileInfo::exists(exeDir + QStringLiteral("/DefaultProfile.bin"));
}

bool copyTree(const QString &from, const QString &to)
{
    bool ok = QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(source);
        if (it.fileInfo().isDir())
            ok = QDir().mkpath(target) && ok;
        else if (!QFileInfo::exists(target))
            ok = QFile::copy(source, target) && ok;
    }
    return ok;
}

} // namespace

QString executableDir()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
}

QString dataDir()
{
    const QString overridden = envDir("MOUSECFG_DATA");
    if (!overridden.isEmpty())
        return overridden;
    const QString exeDir = executableDir();
    if (isPortable(exeDir))
        return exeDir;
    return QDir::cleanPath(exeDir + QStringLiteral("/../share/mousecfg"));
}

QString configsDir()
{
    const QString home = envDir("MOUSECFG_HOME");
    if (!home.isEmpty())
        return home + QStringLiteral("/Configs");
    const QString exeDir = executableDir();
    if (isPortable(exeDir) && QFileInfo(exeDir).isWritable())
        return exeDir + QStringLiteral("/Configs");
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/mousecfg/Configs");
}

bool ensureConfigs(QString *error)
{
    const QString target = configsDir();
    const QString shipped = dataDir() + QStringLiteral("/Configs");
    if (QFileInfo::exists(target + QStringLiteral("/Config.ini")) || QDir(target) == QDir(shipped)) {
        QDir().mkpath(target);
        return true;
    }
    bool ok = QFileInfo(shipped).isDir() ? copyTree(shipped, target) : QDir().mkpath(target);
    if (!ok || !QFileInfo(target).isDir()) {
        if (error)
            *error = QStringLiteral("cannot create the settings folder %1").arg(target);
        return false;
    }
    qDebug() << "settings folder seeded from" << shipped << "into" << target;
    return true;
}

QString descriptorFile() { return dataDir() + QStringLiteral("/DefaultProfile.bin"); }
QString configFile() { return configsDir() + QStringLiteral("/Config.ini"); }
QString langConfigFile() { return configsDir() + QStringLiteral("/LangConfig.ini"); }
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
        qDebug() << "refused to build a file path for the name" << name;
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
