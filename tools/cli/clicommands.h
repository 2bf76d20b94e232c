#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The commands of mousecfg-cli and their command lines. Each command has its
// own options and its own --help; the options before the command
// (--virtual, --no-apply, --help) belong to every command.
namespace CliCommands {

struct OptionSpec {
    QString name;          // without dashes
    QString valueName;     // empty: a switch
    QString description;
};

struct CommandSpec {
    QString name;
    QString arguments;     // "STAGE X [Y]" as shown in --help
    QString summary;       // one line for the command list
    QString details;       // more lines for the command's --help
    int minArguments = 0;
    int maxArguments = 0;
    QList<OptionSpec> options;
    bool writes = false;   // takes --no-apply
    bool hidden = false;   // a helper for the shell completion, not listed
};

const QList<CommandSpec> &commands();
const CommandSpec *find(const QString &name);

// A command line taken apart.
struct Parsed {
    QString command;
    QStringList arguments;
    QStringList switches;             // options without a value that were given
    QList<QPair<QString, QString>> values;   // options with a value that were given
    bool virtualMouse = false;
    bool noApply = false;
    bool help = false;                // --help: of the command, or the general one
    bool version = false;             // --version
    QString error;                    // a usage error, one line
    int errorCode = 64;               // 64 malformed, 65 a number out of range

    bool isSet(const QString &option) const;
    QString value(const QString &option) const;
};

Parsed parse(const QStringList &arguments);

// The names of the listed commands, and "--NAME" of every option `spec`
// takes (the general ones included; null: those before a command).
QStringList commandNames();
QStringList optionNames(const CommandSpec *spec);

// The function words `button` takes without more arguments, as typed
// ("browser-home", "dpi+"): those of the buttons' menus, or the wheel's
// (with "key" and "combo" for its two that take a key).
QStringList functionWords(bool wheel, bool macroEnabled, bool ledEnabled);

QString versionText();
QString generalHelp();
QString commandHelp(const CommandSpec &spec);

} // namespace CliCommands
