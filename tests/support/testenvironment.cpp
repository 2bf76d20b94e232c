#include "testenvironment.h"

#include "config/paths.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QtTest>

namespace {

enum class Mirror { Copy, Link };

// The files of `from` (and of its subfolders) in `to`, as copies or as
// links to them.
void mirrorTree(const QString &from, const QString &to, Mirror how = Mirror::Copy)
{
    if (!QFileInfo(from).isDir())
        return;
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(source);
        if (it.fileInfo().isDir())
            QDir().mkpath(target);
        else if (how == Mirror::Link)
            QFile::link(source, target);
        else
            QFile::copy(source, target);
    }
}

} // namespace

TestEnvironment::TestEnvironment(Installation installation)
    : m_oldData(qgetenv("MOUSECFG_DATA"))
    , m_oldHome(qgetenv("MOUSECFG_HOME"))
{
    if (!m_dir.isValid())
        qFatal("cannot create a temporary directory");
    QDir().mkpath(dataDir());
    QDir().mkpath(homeDir());
    qputenv("MOUSECFG_DATA", QFile::encodeName(dataDir()));
    qputenv("MOUSECFG_HOME", QFile::encodeName(homeDir()));

    if (installation == CopyInstallation) {
        const QString built = qEnvironmentVariable("MOUSECFG_TEST_INSTALLATION");
        if (!QFile::copy(built + QStringLiteral("/DefaultProfile.bin"), dataDir() + QStringLiteral("/DefaultProfile.bin")))
            qFatal("the build's installation data is missing in '%s'", qPrintable(built));
        mirrorTree(built + QStringLiteral("/Configs"), dataDir() + QStringLiteral("/Configs"));
        // The build's skin and translations, in folders of this test's own:
        // a test that writes there (a broken catalogue, a missing picture)
        // must never reach the build's output, which the package ships. The
        // pictures are linked one by one (they are many and only read); the
        // few catalogues are copied.
        const QString bin = buildBinDir();
        mirrorTree(bin + QStringLiteral("/skin"), dataDir() + QStringLiteral("/skin"), Mirror::Link);
        mirrorTree(bin + QStringLiteral("/lang"), dataDir() + QStringLiteral("/lang"));
        Paths::ensureConfigs();
    } else {
        QDir().mkpath(configsDir());
    }
}

TestEnvironment::~TestEnvironment()
{
    auto restore = [](const char *name, const QByteArray &old) {
        if (old.isNull())
            qunsetenv(name);
        else
            qputenv(name, old);
    };
    restore("MOUSECFG_DATA", m_oldData);
    restore("MOUSECFG_HOME", m_oldHome);
}

QString TestEnvironment::dataDir() const { return m_dir.path() + QStringLiteral("/data"); }
QString TestEnvironment::homeDir() const { return m_dir.path() + QStringLiteral("/home"); }
QString TestEnvironment::configsDir() const { return homeDir() + QStringLiteral("/Configs"); }

void TestEnvironment::writeDescriptor(const QVariantMap &keys) const
{
    removeDescriptor();
    QSettings descriptor(dataDir() + QStringLiteral("/DefaultProfile.bin"), QSettings::IniFormat);
    for (auto it = keys.begin(); it != keys.end(); ++it)
        descriptor.setValue(QStringLiteral("PROFILE/") + it.key(), it.value());
}

void TestEnvironment::removeDescriptor() const
{
    QFile::remove(dataDir() + QStringLiteral("/DefaultProfile.bin"));
}

QString TestEnvironment::writeFile(const QString &relativePath, const QByteArray &bytes) const
{
    const QString path = m_dir.path() + QLatin1Char('/') + relativePath;
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    file.write(bytes);
    return path;
}

QProcessEnvironment TestEnvironment::childEnvironment(ChildMouse mouse, const QString &runtimeDir) const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("MOUSECFG_DATA"), dataDir());
    env.insert(QStringLiteral("MOUSECFG_HOME"), homeDir());
    env.insert(QStringLiteral("MOUSECFG_FORBID_REAL_HID"), QStringLiteral("1"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    if (mouse == SimulatedMouse)
        env.insert(QStringLiteral("MOUSECFG_SIMULATE"), QStringLiteral("1"));
    else
        env.remove(QStringLiteral("MOUSECFG_SIMULATE"));
    if (!runtimeDir.isEmpty())
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
    return env;
}

QString TestEnvironment::buildBinDir()
{
    const QString bin = qEnvironmentVariable("MOUSECFG_TEST_BIN");
    return bin.isEmpty() ? QCoreApplication::applicationDirPath() + QStringLiteral("/../bin") : bin;
}

ProgramRun runProgram(const QString &name, const QStringList &arguments, const QProcessEnvironment &env, int timeoutMs)
{
    QProcess process;
    if (!env.isEmpty())
        process.setProcessEnvironment(env);
    process.start(TestEnvironment::buildBinDir() + QLatin1Char('/') + name, arguments);
    ProgramRun run;
    if (!process.waitForFinished(timeoutMs) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished(5000);
        return run;
    }
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

QByteArray readWholeFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList loadedGraphicsDrivers()
{
    QStringList drivers;
    const QList<QByteArray> lines = readWholeFile(QStringLiteral("/proc/self/maps")).split('\n');
    for (const QByteArray &line : lines) {
        const QByteArray file = line.mid(line.lastIndexOf(' ') + 1);
        const QByteArray name = file.mid(file.lastIndexOf('/') + 1);
        const bool driver = name.contains("_dri.so") || name.startsWith("libGLX_mesa") || name.startsWith("libEGL_mesa")
            || name.startsWith("libgallium");
        if (driver && !drivers.contains(QString::fromLocal8Bit(file)))
            drivers << QString::fromLocal8Bit(file);
    }
    return drivers;
}

QMap<QString, QByteArray> filesBelow(const QString &dir)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(dir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(path, readWholeFile(path));
    }
    return files;
}
