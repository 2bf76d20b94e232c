#pragma once

#include <QString>
#include <QStringList>

// The desktop's autostart entry for the program:
// $XDG_CONFIG_HOME/autostart/<app id>.desktop (~/.config when unset), which
// session managers run at log-in. The entry starts the program with
// --hidden, in the tray.
namespace AutostartEntry {

// The option the entry passes.
inline QString hiddenOption() { return QStringLiteral("--hidden"); }

// Whether the arguments ask for a start in the tray (--hidden).
bool asksForHidden(const QStringList &arguments);
// Whether a start with these arguments stays in the tray: --hidden asks for
// it, but without a tray nothing could bring the window back.
bool startsHidden(const QStringList &arguments, bool trayAvailable);

QString path();
bool isEnabled();

// Writes the entry for `program` (an absolute path); false with a message
// in `error` when the folder or the file could not be written.
bool enable(const QString &program, QString *error = nullptr);
// Removes the entry; true when it is gone (or was never there).
bool disable(QString *error = nullptr);

// The Exec= value for `program` started with --hidden, quoted as desktop
// entries require when the path holds blanks or reserved characters.
QString execLine(const QString &program);
// The TryExec= value: the program's path with the string escapes of desktop
// entries, so that the entry is ignored once the program is gone.
QString tryExecLine(const QString &program);

} // namespace AutostartEntry
