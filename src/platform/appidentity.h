#pragma once

#include <QString>

// How the desktop knows the program: the reverse-domain id that names its
// desktop entry (<id>.desktop), its AppStream data, its icon and its
// autostart entry, and the short name notifications carry.
namespace AppIdentity {

inline QString appId() { return QStringLiteral("io.github.mousecfg"); }
inline QString appName() { return QStringLiteral("mousecfg"); }

} // namespace AppIdentity
