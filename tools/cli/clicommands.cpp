#include "clicommands.h"

#include "cliappprofile.h"

#include "config/functioncatalogue.h"
#include "config/functionmenus.h"

#include <QCommandLineParser>

namespace CliCommands {

namespace {

// A function label as typed on the command line: "Browser Home" gives
// "browser-home", "DPI +" gives "dpi+".
QString typedLabel(int code)
{
    return QString::fromLatin1(functionName(code))
        .toLower()
        .replace(QStringLiteral(" +"), QStringLiteral("+"))
        .replace(QStringLiteral(" -"), QStringLiteral("-"))
        .replace(QLatin1Char(' '), QLatin1Char('-'));
}

// Lines of at most 78 characters from the words, each indented by two.
QString wrapped(const QStringList &words)
{
    QString text;
    QString line = QStringLiteral("  ");
    for (const QString &word : words) {
        if (line.size() + word.size() + 2 > 78) {
            text += line.trimmed().prepend(QStringLiteral("  ")) + QLatin1Char('\n');
            line = QStringLiteral("  ");
        }
        line += word + QStringLiteral(", ");
    }
    line.chop(2);
    return text + line + QLatin1Char('\n');
}

QString buttonDetails()
{
    QStringList plain;
    for (const FunctionMenuSection &section : mainFunctionMenu(true, true)) {
        for (int code : section.codes) {
            if (!findFunction(code) || findFunction(code)->fields == UsesNoField)
                plain << typedLabel(code);
        }
    }
    QStringList wheel;
    for (int code : wheelFunctionMenu()) {
        wheel << (code == Fun::SingleKey  ? QStringLiteral("key")
                  : code == Fun::ComboKey ? QStringLiteral("combo")
                                          : typedLabel(code));
    }
    return QStringLiteral(
               "INDEX: 1..20 the buttons over the front picture, 21..40 those over the side\n"
               "picture, 41 wheel up, 42 wheel down (as show numbers them).\n"
               "FUNCTION: a text of the button page's menus in any letter case, blanks typed\n"
               "as '-' or left out (\"Play/Pause\", play/pause, dpi+, dpi-switch):\n")
           + wrapped(plain)
           + QStringLiteral("The wheel (41, 42) takes only:\n") + wrapped(wheel)
           + QStringLiteral("led-switch and macro only where the mouse has them. Functions that take more:\n"
                            "  key KEY        one key (SINGLE KEY)\n"
                            "  combo KEY[+KEY...]\n"
                            "                 COMBO KEY: Shift, Ctrl, Win, Alt and one other key,\n"
                            "                 e.g. combo ctrl+shift+a (or combo ctrl shift a)\n"
                            "  fire left|right|middle|KEY [--times N] [--delay N]\n"
                            "                 FIRE KEY: a click or a key fired N times with a delay;\n"
                            "                 fire key KEY for the arrow keys Left and Right\n"
                            "  macro NAME [--loop N] [--mode MODE]\n"
                            "                 a macro of the library (Macro Manager). MODE: count\n"
                            "                 (play --loop times), while-held (repeat while the button\n"
                            "                 is held), until-pressed (repeat until it is pressed again)\n"
                            "  gunfile NAME [--loop N] [--mode MODE]\n"
                            "                 a recoil file of the library (GunFile Manager); not on\n"
                            "                 button 1 (\"Left Button Can not be Gun Function.\")\n"
                            "KEY: a name of the key table as the key dialogs show it (A, F1, Space,\n"
                            "Page Up, Num 1, LCtr, RShift, LWindows ...), any letter case; ctrl, shift,\n"
                            "alt and win name the left-hand modifiers. The mouse buttons have no key.\n"
                            "The last left click is never taken away (\"AT LEAST ONE CLICK FUNCTION TO\n"
                            "BE RETAINED.\").");
}

QList<CommandSpec> buildCommands()
{
    const OptionSpec json{QStringLiteral("json"), QString(), QStringLiteral("print JSON")};
    const OptionSpec profile{QStringLiteral("profile"), QStringLiteral("N"),
                             QStringLiteral("profile 1..5 instead of the active one")};
    QList<CommandSpec> list;
    list << CommandSpec{QStringLiteral("status"), QString(),
                        QStringLiteral("connection, battery, charging, profile, DPI stage, report rate"),
                        QStringLiteral("Asks the mouse once; profile, stage and rate come from the settings\n"
                                       "unless the mouse just reported them."),
                        0, 0, {json}, false};
    list << CommandSpec{QStringLiteral("show"), QString(),
                        QStringLiteral("every setting of the active (or given) profile"),
                        QStringLiteral("DPI stages and the active stage, report rate, lift, debounce, scroll,\n"
                                       "angle snapping, jitter filter, motion sync, lighting, and the button\n"
                                       "assignments by name (macro names included). Reads the settings only."),
                        0, 0, {json, profile}, false};
    list << CommandSpec{QStringLiteral("apply"), QString(), QStringLiteral("send the stored settings to the mouse"),
                        QStringLiteral("Only what changed, or everything with --full."), 0, 0,
                        {{QStringLiteral("full"), QString(), QStringLiteral("send everything")}}, false};
    list << CommandSpec{QStringLiteral("save"), QStringLiteral("FILE.conf"),
                        QStringLiteral("export the whole configuration"), QString(), 1, 1, {}, false};
    list << CommandSpec{QStringLiteral("load"), QStringLiteral("FILE.conf"),
                        QStringLiteral("import a whole configuration and send it"), QString(), 1, 1, {}, false};
    list << CommandSpec{QStringLiteral("profile"), QStringLiteral("N"),
                        QStringLiteral("make on-board profile N (1..5) the active one"), QString(), 1, 1, {}, false};
    list << CommandSpec{QStringLiteral("dpi"), QStringLiteral("STAGE X [Y] | STAGE on|off | active STAGE"),
                        QStringLiteral("set a DPI stage's value, switch it on or off, or make it active"),
                        QStringLiteral("X and Y are DPI values the sensor offers (Y = X when left out).\n"
                                       "The last enabled stage cannot be switched off; only an enabled\n"
                                       "stage can be made active. Stages are counted from 1."),
                        2, 3, {profile}, true};
    list << CommandSpec{QStringLiteral("rate"), QStringLiteral("125|250|500|1000"),
                        QStringLiteral("report rate in Hz"), QString(), 1, 1, {profile}, true};
    list << CommandSpec{QStringLiteral("lift"), QStringLiteral("1|2"), QStringLiteral("lift-off distance in mm"),
                        QString(), 1, 1, {}, true};
    list << CommandSpec{QStringLiteral("debounce"), QStringLiteral("N"),
                        QStringLiteral("button response time, 1..255"), QString(), 1, 1, {}, true};
    list << CommandSpec{QStringLiteral("scroll"), QStringLiteral("N"),
                        QStringLiteral("lines per wheel notch, 1..20"), QString(), 1, 1, {profile}, true};
    for (const QString &name : {QStringLiteral("angle"), QStringLiteral("jitter"), QStringLiteral("sync")}) {
        const QString what = name == QLatin1String("angle")    ? QStringLiteral("angle snapping")
                             : name == QLatin1String("jitter") ? QStringLiteral("jitter filter")
                                                               : QStringLiteral("motion sync");
        list << CommandSpec{name, QStringLiteral("on|off"), what, QString(), 1, 1, {}, true};
    }
    list << CommandSpec{QStringLiteral("lighting"), QStringLiteral("EFFECT"),
                        QStringLiteral("lighting effect and its colour, brightness, speed, sleep, move-off"),
                        QStringLiteral("EFFECT is one of the lighting page's effects: off, full-lighted, breathing,\n"
                                       "7-color-breathing, rainbow, wave, reactive, go-without-trace, yo-yo, marbles.\n"
                                       "The options apply to the effects that use them, as on the page."),
                        1, 1,
                        {{QStringLiteral("colour"), QStringLiteral("#rrggbb"), QStringLiteral("the effect's colour")},
                         {QStringLiteral("brightness"), QStringLiteral("N"), QStringLiteral("1..3")},
                         {QStringLiteral("speed"), QStringLiteral("N"), QStringLiteral("1..5")},
                         {QStringLiteral("sleep"), QStringLiteral("N"), QStringLiteral("minutes until the light sleeps")},
                         {QStringLiteral("move-off"), QStringLiteral("on|off"),
                          QStringLiteral("light off while the mouse moves")}},
                        true};
    list << CommandSpec{QStringLiteral("button"), QStringLiteral("INDEX FUNCTION [ARGS]"),
                        QStringLiteral("give button entry INDEX (1..42) a function of the button menus"),
                        buttonDetails(), 2, 8,
                        {profile,
                         {QStringLiteral("times"), QStringLiteral("N"), QStringLiteral("fire: how often, 1..255 (3)")},
                         {QStringLiteral("delay"), QStringLiteral("N"), QStringLiteral("fire: delay between, 1..255 (10)")},
                         {QStringLiteral("loop"), QStringLiteral("N"),
                          QStringLiteral("macro, gunfile: loop count, 1..255 (1)")},
                         {QStringLiteral("mode"), QStringLiteral("MODE"),
                          QStringLiteral("macro, gunfile: count, while-held or until-pressed")}},
                        true};
    list << CommandSpec{QStringLiteral("macro"), QStringLiteral("list | import FILE... | export NAME FILE | delete NAME"),
                        QStringLiteral("the macro library: list, import, export or delete macros"),
                        QStringLiteral("import copies .MSMACRO files into the library under their file names; a\n"
                                       "name the library holds already is refused (\"Macro Exist!\").\n"
                                       "export copies a macro to FILE (.MSMACRO is added when missing); an\n"
                                       "existing file is replaced only with --force.\n"
                                       "delete removes the macro from the list and its file, as the macro page\n"
                                       "does; buttons that name it are listed and play nothing until they are\n"
                                       "given another function. Nothing is sent to the mouse."),
                        1, 64,
                        {{QStringLiteral("force"), QString(), QStringLiteral("export: replace an existing file")}},
                        false};
    list << CliAppProfile::spec();
    return list;
}

int toInt(const QString &text, bool *ok) { return text.toInt(ok, 10); }

} // namespace

const QList<CommandSpec> &commands()
{
    static const QList<CommandSpec> list = buildCommands();
    return list;
}

const CommandSpec *find(const QString &name)
{
    for (const CommandSpec &spec : commands()) {
        if (spec.name == name)
            return &spec;
    }
    return nullptr;
}

bool Parsed::isSet(const QString &option) const
{
    if (switches.contains(option))
        return true;
    for (const auto &pair : values) {
        if (pair.first == option)
            return true;
    }
    return false;
}

QString Parsed::value(const QString &option) const
{
    for (const auto &pair : values) {
        if (pair.first == option)
            return pair.second;
    }
    return QString();
}

Parsed parse(const QStringList &arguments)
{
    Parsed parsed;
    const QString program = arguments.value(0, QStringLiteral("mousecfg-cli"));

    // The options of every command, up to the command word.
    QCommandLineParser general;
    general.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption virtualMouse(QStringLiteral("virtual"), QString());
    const QCommandLineOption noApply(QStringLiteral("no-apply"), QString());
    general.addOptions({help, virtualMouse, noApply});
    if (!general.parse(arguments)) {
        parsed.error = general.errorText();
        return parsed;
    }
    parsed.help = general.isSet(help);
    parsed.virtualMouse = general.isSet(virtualMouse);
    parsed.noApply = general.isSet(noApply);
    const QStringList rest = general.positionalArguments();
    if (rest.isEmpty()) {
        if (!parsed.help)
            parsed.error = QStringLiteral("no command given");
        return parsed;
    }
    parsed.command = rest.first();
    const CommandSpec *spec = find(parsed.command);
    if (!spec) {
        parsed.error = QStringLiteral("unknown command %1").arg(parsed.command);
        return parsed;
    }

    // The command's own options, anywhere after it.
    QCommandLineParser own;
    own.addOptions({help, virtualMouse});
    if (spec->writes)
        own.addOption(noApply);
    QList<QCommandLineOption> specific;
    for (const OptionSpec &option : spec->options)
        specific << QCommandLineOption(option.name, option.description, option.valueName);
    own.addOptions(specific);
    if (!own.parse(QStringList{program} + rest.mid(1))) {
        parsed.error = QStringLiteral("%1: %2").arg(parsed.command, own.errorText());
        return parsed;
    }
    parsed.help = parsed.help || own.isSet(help);
    parsed.virtualMouse = parsed.virtualMouse || own.isSet(virtualMouse);
    parsed.noApply = parsed.noApply || (spec->writes && own.isSet(noApply));
    for (int i = 0; i < specific.size(); ++i) {
        if (!own.isSet(specific[i]))
            continue;
        if (spec->options[i].valueName.isEmpty())
            parsed.switches << spec->options[i].name;
        else
            parsed.values << qMakePair(spec->options[i].name, own.value(specific[i]));
    }
    parsed.arguments = own.positionalArguments();
    if (parsed.help)
        return parsed;

    if (parsed.noApply && !spec->writes)
        parsed.error = QStringLiteral("--no-apply belongs to the commands that change a setting");
    else if (parsed.arguments.size() < spec->minArguments || parsed.arguments.size() > spec->maxArguments)
        parsed.error = QStringLiteral("%1 takes %2").arg(parsed.command,
                                                         spec->arguments.isEmpty() ? QStringLiteral("no argument")
                                                                                   : spec->arguments);
    else if (parsed.isSet(QStringLiteral("profile"))) {
        bool ok = false;
        const int n = toInt(parsed.value(QStringLiteral("profile")), &ok);
        if (!ok || n < 1 || n > 5)
            parsed.error = QStringLiteral("--profile takes a number from 1 to 5");
    }
    return parsed;
}

QString generalHelp()
{
    QString text = QStringLiteral("Usage: mousecfg-cli [--virtual] [--no-apply] COMMAND [ARGUMENTS] [OPTIONS]\n"
                                  "       mousecfg-cli COMMAND --help\n\nCommands:\n");
    for (const CommandSpec &spec : commands()) {
        const QString head = spec.arguments.isEmpty() ? spec.name : spec.name + QLatin1Char(' ') + spec.arguments;
        text += QStringLiteral("  %1\n      %2\n").arg(head, spec.summary);
    }
    text += QStringLiteral(
        "\nOptions:\n"
        "  --virtual     use the virtual mouse (the same as MOUSECFG_SIMULATE=1)\n"
        "  --no-apply    only write the settings; the next apply sends them\n"
        "  -h, --help    this text, or a command's own with COMMAND --help\n"
        "\n"
        "Profiles and DPI stages are counted from 1.\n"
        "Exit codes: 0 done, 1 no mouse, 2 the mouse did not confirm, 4 write failed,\n"
        "5 mouse sleeping or off, 64 usage, 65 a value the mouse does not take or a file\n"
        "not for this mouse (nothing written), 66 file not found, 73 file not written.\n");
    return text;
}

QString commandHelp(const CommandSpec &spec)
{
    QString text = QStringLiteral("Usage: mousecfg-cli %1%2 [OPTIONS]\n\n%3.\n")
                       .arg(spec.name, spec.arguments.isEmpty() ? QString() : QLatin1Char(' ') + spec.arguments,
                            spec.summary.left(1).toUpper() + spec.summary.mid(1));
    if (!spec.details.isEmpty())
        text += spec.details + QLatin1Char('\n');
    text += QStringLiteral("\nOptions:\n");
    for (const OptionSpec &option : spec.options) {
        const QString head = option.valueName.isEmpty() ? QStringLiteral("--") + option.name
                                                        : QStringLiteral("--%1 %2").arg(option.name, option.valueName);
        text += QStringLiteral("  %1%2\n").arg(head.leftJustified(16), option.description);
    }
    if (spec.writes)
        text += QStringLiteral("  %1only write the settings; the next apply sends them\n")
                    .arg(QStringLiteral("--no-apply").leftJustified(16));
    text += QStringLiteral("  %1the virtual mouse\n").arg(QStringLiteral("--virtual").leftJustified(16));
    text += QStringLiteral("  %1this text\n").arg(QStringLiteral("-h, --help").leftJustified(16));
    return text;
}

} // namespace CliCommands
