#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Plasma's input settings file, kcminputrc, where Plasma's own mouse
// settings keep the pointer acceleration of an X11 session
// ([Mouse] XLbInptPointerAcceleration, -1..1). The file is KConfig's INI
// dialect, which QSettings would rewrite (escapes, order, groups named with
// brackets such as [Libinput][1133][49291][...]): it is edited as text, one
// entry changed and every other line kept as it was.
namespace PlasmaInputRc {

inline QString group() { return QStringLiteral("Mouse"); }
inline QString accelerationKey() { return QStringLiteral("XLbInptPointerAcceleration"); }

// $XDG_CONFIG_HOME/kcminputrc (~/.config when unset).
QString path();

// The value of `key` in `[group]` of the text; nothing when absent. A
// localised or immutable key (key[de], key[$i]) is not the plain key.
std::optional<QString> entry(const QByteArray &text, const QString &group, const QString &key);
// The text with `key=value` in `[group]`: the entry replaced where it is,
// else added at the group's end, else a new group at the file's end.
QByteArray withEntry(const QByteArray &text, const QString &group, const QString &key, const QString &value);

// The acceleration in the file at `file`; nothing when the file or entry is
// missing or not a number.
std::optional<double> readAcceleration(const QString &file);
// Writes it (atomically); false when the file could not be written.
bool writeAcceleration(const QString &file, double acceleration);

} // namespace PlasmaInputRc
