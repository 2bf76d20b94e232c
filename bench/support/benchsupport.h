#pragma once

// What every benchmark needs around its measurement: its run count from the
// command line, the statistics it prints, and a settings folder of its own
// (for the program inside the benchmark's process, or for the programs it
// starts), so that no run meets the user's settings or a running copy.

#include <QByteArray>
#include <QFile>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace Bench {

// Argument `index` as a count of at least 1, or `fallback` when not given.
inline int countArgument(int argc, char **argv, int index, int fallback)
{
    return argc > index ? std::max(1, std::atoi(argv[index])) : fallback;
}

// The value at fraction `p` (0..1) of the sorted values, nearest rank; 0
// for none.
inline double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, size_t(p * double(values.size() - 1) + 0.5))];
}

// The middle value (the mean of the middle two for an even count); 0 for
// none.
inline double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

// A temporary settings folder for the program inside this process, with
// the build's installation as its data. Made before the QApplication, which
// it also points at the offscreen platform when no other one is asked for.
class InProcessHome {
public:
    explicit InProcessHome(const QByteArray &installation)
    {
        qputenv("MOUSECFG_DATA", installation);
        qputenv("MOUSECFG_HOME", QFile::encodeName(m_home.path()));
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QString path() const { return m_home.path(); }
    QString filePath(const QString &name) const { return m_home.filePath(name); }

private:
    QTemporaryDir m_home;
};

// Temporary settings and runtime folders for the programs a benchmark
// starts, and the environment that points them there.
class ProgramHome {
public:
    ProgramHome()
    {
        QFile::setPermissions(m_runtime.path(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    QString filePath(const QString &name) const { return m_home.filePath(name); }
    QProcessEnvironment environment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("MOUSECFG_HOME"), m_home.path());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
        return environment;
    }

private:
    QTemporaryDir m_home;
    QTemporaryDir m_runtime;
};

} // namespace Bench
