#include "autostartentry.h"

#include "appidentity.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace AutostartEntry {

namespace {

// Characters that make an Exec= argument need quotes, and the ones that
// must then be escaped inside them.
const QString kReserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
const QString kEscapedInQuotes = QStringLiteral("\"`$\\");

QString quoted(const QString &argument)
{
    bool needsQuotes = argument.isEmpty();
    for (QChar c : argument)
        needsQuotes = needsQuotes || kReserved.contains(c);
    QString out = argument;
    if (needsQuotes) {
        out = QStringLiteral("\"");
        for (QChar c : argument) {
            if (kEscapedInQuotes.contains(c))
                out += QLatin1Char('\\');
            out += c;
        }
        out += QLatin1Char('"');
        // The value's own string unescaping runs before the Exec quoting: a
        // backslash must be doubled once more to survive it.
        out.replace(QLatin1String("\\"), QLatin1String("\\\\"));
    }
    // '%' introduces field codes.
    out.replace(QLatin1String("%"), QLatin1String("%%"));
    return out;
}

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

} // namespace

bool asksForHidden(const QStringList &arguments) { return arguments.mid(1).contains(hiddenOption()); }

bool startsHidden(const QStringList &arguments, bool trayAvailable)
{
    return trayAvailable && asksForHidden(arguments);
}

QString path()
{
    // GenericConfigLocation follows XDG_CONFIG_HOME, else ~/.config.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/autostart/")
           + AppIdentity::appId() + QStringLiteral(".desktop");
}

bool isEnabled() { return QFileInfo(path()).isFile(); }

QString execLine(const QString &program) { return quoted(program) + QLatin1Char(' ') + hiddenOption(); }

QString tryExecLine(const QString &program)
{
    // A plain string value: only its own escapes apply, no quoting.
    QString out;
    for (QChar c : program) {
        if (c == QLatin1Char('\\'))
            out += QLatin1String("\\\\");
        else if (c == QLatin1Char('\n'))
            out += QLatin1String("\\n");
        else if (c == QLatin1Char('\t'))
            out += QLatin1String("\\t");
        else if (c == QLatin1Char('\r'))
            out += QLatin1String("\\r");
        else
            out += c;
    }
    return out;
}

bool enable(const QString &program, QString *error)
{
    const QString file = path();
    if (!QDir().mkpath(QFileInfo(file).absolutePath())) {
        setError(error, QStringLiteral("cannot create %1").arg(QFileInfo(file).absolutePath()));
        return false;
    }
    QString entry;
    entry += QStringLiteral("[Desktop Entry]\n");
    entry += QStringLiteral("Type=Application\n");
    entry += QStringLiteral("Name=") + AppIdentity::appName() + QLatin1Char('\n');
    entry += QStringLiteral("Comment=Mouse configuration in the tray\n");
    // Without the program (removed with its package) the session manager
    // skips the entry instead of failing at every log-in.
    entry += QStringLiteral("TryExec=") + tryExecLine(program) + QLatin1Char('\n');
    entry += QStringLiteral("Exec=") + execLine(program) + QLatin1Char('\n');
    entry += QStringLiteral("Icon=") + AppIdentity::appId() + QLatin1Char('\n');
    entry += QStringLiteral("Terminal=false\n");
    entry += QStringLiteral("X-GNOME-Autostart-enabled=true\n");

    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(entry.toUtf8()) < 0 || !out.commit()) {
        setError(error, QStringLiteral("cannot write %1: %2").arg(file, out.errorString()));
        return false;
    }
    return true;
}

bool disable(QString *error)
{
    const QString file = path();
    if (!QFileInfo::exists(file))
        return true;
    if (!QFile::remove(file)) {
        setError(error, QStringLiteral("cannot remove %1").arg(file));
        return false;
    }
    return true;
}

} // namespace AutostartEntry
