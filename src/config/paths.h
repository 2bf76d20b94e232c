#pragma once

#include <QString>

// Every place the program reads or writes comes from here.
//
// Read-only data (descriptor, skin, translations, companion programs): the
// executable's directory when DefaultProfile.bin stands beside it (build tree,
// portable install), else <prefix>/share/mousecfg; MOUSECFG_DATA overrides.
//
// Writable configuration (Configs/...): beside the executable in a portable
// install whose directory is writable, else $XDG_CONFIG_HOME/mousecfg/Configs;
// MOUSECFG_HOME=<dir> puts it in <dir>/Configs. Outside the portable layout it
// is seeded from the shipped Configs on first use.
namespace Paths {

QString executableDir();
QString dataDir();
QString configsDir();

// The same choices for a program living in `exeDir` (the environment
// overrides still apply).
QString dataDirFor(const QString &exeDir);
QString configsDirFor(const QString &exeDir);
QString cacheDirFor(const QString &exeDir);

// Creates the writable Configs directory and copies the shipped defaults into
// it when it has no Config.ini yet; files already there are never
// overwritten. Returns false (with a reason) when the directory cannot be
// created or the defaults cannot be copied.
bool ensureConfigs(QString *error = nullptr);

QString descriptorFile();        // <data>/DefaultProfile.bin
QString configFile();            // <Configs>/Config.ini
QString langConfigFile();        // <Configs>/LangConfig.ini
QString appProfilesFile();       // <Configs>/AppProfiles.ini
QString profileDir();            // <Configs>/Profile
QString macroDir();              // <Configs>/MacroDB
QString productDir(const QString &product);   // <Configs>/<product>; empty when unsafe
QString skinDir();               // <data>/skin
// Files the program may rebuild (scaled pictures, the record of what the
// mouse holds): "cache" beside Configs in the portable layout and under
// MOUSECFG_HOME, else $XDG_CACHE_HOME/mousecfg.
QString cacheDir();
QString sentTablesFile();        // <cache>/sent-tables: the tables last sent to the mouse
QString langDir();               // <data>/lang
// A file of this user's session that belongs to one settings folder (its
// lock, the running window's socket): in $XDG_RUNTIME_DIR, else the temp
// dir with the user id in the name, named from a hash of configsDir(), so
// that two settings folders (a test's, the user's) never meet.
QString sessionFile(const QString &suffix);

// A name that becomes a file name must stay inside its directory: no path
// separators, no "." or "..", no control characters, not empty. Returns false
// and a message fit for the user otherwise.
bool isSafeFileName(const QString &name, QString *why = nullptr);

// <dir>/<name><suffix>, or an empty string when the name is not safe.
QString fileInDir(const QString &dir, const QString &name, const QString &suffix);

QString profileFile(const QString &name);   // <Configs>/Profile/<name>.prof, or empty
QString macroFile(const QString &name);     // <Configs>/MacroDB/<name>.MSMACRO, or empty

} // namespace Paths
