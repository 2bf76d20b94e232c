#include "clicommands.h"

#include "cliappprofile.h"
#include "clioutput.h"
#include "clisuggest.h"

#include "config/functioncatalogue.h"
#include "config/functionmenus.h"

#include <algorithm>


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
    const QStringList plain = functionWords(false, true, true);
    const QStringList wheel = functionWords(true, true, true);
    return QStringLiteral(
               "INDEX: an entry the mouse receives, as show lists them: its buttons from 1,\n"
               "41 wheel up, 42 wheel down. Other entries are refused.\n"
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
    list << CommandSpec{QStringLiteral("battery"), QString(),
                        QStringLiteral("battery level, charging, and the time left; with --history the readings"),
                        QStringLiteral("Asks the mouse once and keeps the reading in the battery history, as the\n"
                                       "window does. The time left comes from the discharge since the last\n"
                                       "charge (the time until full while charging); with too little of it\n"
                                       "there is none. --history prints the stored readings of the last\n"
                                       "24 hours (or --since 7d, 30d, any N h or N d up to 365d) without\n"
                                       "asking the mouse."),
                        0, 0,
                        {json, {QStringLiteral("history"), QString(), QStringLiteral("the stored readings")},
                         {QStringLiteral("since"), QStringLiteral("SPAN"),
                          QStringLiteral("with --history: 24h (default), 7d, 30d ...")}},
                        false};
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
                        QStringLiteral("export the whole configuration"),
                        QStringLiteral("Writes a new file; an existing file is replaced only with --force, and\n"
                                       "nothing but a regular file is ever replaced."),
                        1, 1, {{QStringLiteral("force"), QString(), QStringLiteral("replace an existing file")}}, false};
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
                        QStringLiteral("give button entry INDEX a function of the button menus"),
                        buttonDetails(), 2, 8,
                        {profile,
                         {QStringLiteral("times"), QStringLiteral("N"), QStringLiteral("fire: how often, 1..255 (3)")},
                         {QStringLiteral("delay"), QStringLiteral("N"), QStringLiteral("fire: delay between, 1..255 (10)")},
                         {QStringLiteral("loop"), QStringLiteral("N"),
                          QStringLiteral("macro, gunfile: loop count, 1..255 (1)")},
                         {QStringLiteral("mode"), QStringLiteral("MODE"),
                          QStringLiteral("macro, gunfile: count, while-held or until-pressed")}},
                        true};
    list << CommandSpec{QStringLiteral("macro"), QStringLiteral("list | import FILE... | export NAME FILE|DIR/ | delete NAME"),
                        QStringLiteral("the macro library: list, import, export or delete macros"),
                        QStringLiteral("import copies .MSMACRO files into the library under their file names; a\n"
                                       "name the library holds already is refused (\"Macro Exist!\"), and so is\n"
                                       "a file that is no macro file. When some files went in and others not,\n"
                                       "the exit code is 3.\n"
                                       "export copies a macro to FILE (.MSMACRO is added when missing), or into\n"
                                       "the folder DIR as NAME.MSMACRO; an existing file is replaced only with\n"
                                       "--force, and nothing but a regular file is ever replaced.\n"
                                       "delete removes the macro from the list and its file, as the macro page\n"
                                       "does; buttons that name it are listed and play nothing until they are\n"
                                       "given another function. Nothing is sent to the mouse."),
                        1, 64,
                        {{QStringLiteral("force"), QString(), QStringLiteral("export: replace an existing file")}},
                        false};
    list << CliAppProfile::spec();
    list << CommandSpec{QStringLiteral("complete"), QStringLiteral("WHAT [ENTRY]"),
                        QStringLiteral("words for the shell completion"), QString(), 1, 2, {}, false, true};
    return list;
}

} // namespace

QStringList functionWords(bool wheel, bool macroEnabled, bool ledEnabled)
{
    QStringList words;
    if (wheel) {
        for (int code : wheelFunctionMenu()) {
            words << (code == Fun::SingleKey  ? QStringLiteral("key")
                      : code == Fun::ComboKey ? QStringLiteral("combo")
                                              : typedLabel(code));
        }
        return words;
    }
    for (const FunctionMenuSection &section : mainFunctionMenu(macroEnabled, ledEnabled)) {
        for (int code : section.codes) {
            if (!findFunction(code) || findFunction(code)->fields == UsesNoField)
                words << typedLabel(code);
        }
    }
    return words;
}

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

namespace {

// The options every command takes besides its own.
const QStringList &generalOptions()
{
    static const QStringList names{QStringLiteral("help"), QStringLiteral("version"), QStringLiteral("virtual"),
                                   QStringLiteral("no-apply")};
    return names;
}

// "-800": a negative number, which a setter refuses as out of range, not
// three short options.
bool negativeNumber(const QString &word)
{
    bool ok = false;
    return word.size() > 1 && word.startsWith(QLatin1Char('-')) && (word.toLongLong(&ok), ok);
}

QString dashed(const QString &name) { return QStringLiteral("--") + name; }

} // namespace

QStringList commandNames()
{
    QStringList names;
    for (const CommandSpec &spec : commands()) {
        if (!spec.hidden)
            names << spec.name;
    }
    return names;
}

QStringList optionNames(const CommandSpec *spec)
{
    QStringList names;
    for (const QString &name : generalOptions()) {
        if (spec == nullptr || name != QLatin1String("no-apply") || spec->writes)
            names << dashed(name);
    }
    if (spec) {
        for (const OptionSpec &option : spec->options)
            names << dashed(option.name);
    }
    return names;
}

Parsed parse(const QStringList &arguments)
{
    Parsed parsed;
    const CommandSpec *spec = nullptr;
    const auto fail = [&parsed](const QString &text) {
        if (parsed.error.isEmpty())
            parsed.error = text;
    };
    bool optionsEnded = false;
    for (int i = 1; i < arguments.size() && parsed.error.isEmpty(); ++i) {
        const QString &word = arguments.at(i);
        if (optionsEnded || word == QLatin1String("-") || !word.startsWith(QLatin1Char('-'))
            || (spec && negativeNumber(word))) {
            if (!spec) {
                spec = find(word);
                parsed.command = word;
                if (!spec)
                    fail(CliSuggest::withHint(QStringLiteral("unknown command \"%1\"").arg(word), word, commandNames()));
            } else {
                parsed.arguments << word;
            }
            continue;
        }
        if (word == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (word == QLatin1String("-h")) {
            parsed.help = true;
            continue;
        }
        // --name, --name=value or --name value.
        const int equals = int(word.indexOf(QLatin1Char('=')));
        const QString name = word.mid(2, equals < 0 ? -1 : equals - 2);
        const bool inline_ = equals >= 0;
        if (!word.startsWith(QLatin1String("--")) || !optionNames(spec).contains(dashed(name))) {
            const QString where = spec ? QStringLiteral("%1: ").arg(spec->name) : QString();
            if (spec && name == QLatin1String("no-apply") && !spec->writes)
                fail(where + QStringLiteral("--no-apply belongs to the commands that change a setting"));
            else
                fail(CliSuggest::withHint(where + QStringLiteral("unknown option %1").arg(word.left(equals < 0 ? -1 : equals)),
                                          word.left(equals < 0 ? -1 : equals), optionNames(spec)));
            continue;
        }
        const OptionSpec *option = nullptr;
        if (spec) {
            for (const OptionSpec &candidate : spec->options) {
                if (candidate.name == name)
                    option = &candidate;
            }
        }
        if (!option || option->valueName.isEmpty()) {
            if (inline_)
                fail(QStringLiteral("%1 takes no value").arg(dashed(name)));
            else if (name == QLatin1String("help"))
                parsed.help = true;
            else if (name == QLatin1String("version"))
                parsed.version = true;
            else if (name == QLatin1String("virtual"))
                parsed.virtualMouse = true;
            else if (name == QLatin1String("no-apply"))
                parsed.noApply = true;
            else if (parsed.switches.contains(name))
                fail(QStringLiteral("%1 is given twice").arg(dashed(name)));
            else
                parsed.switches << name;
            continue;
        }
        if (!inline_ && i + 1 >= arguments.size()) {
            fail(QStringLiteral("%1 takes %2").arg(dashed(name), option->valueName));
            continue;
        }
        if (parsed.isSet(name)) {
            fail(QStringLiteral("%1 is given twice").arg(dashed(name)));
            continue;
        }
        parsed.values << qMakePair(name, inline_ ? word.mid(equals + 1) : arguments.at(++i));
    }
    if (!parsed.error.isEmpty() || parsed.help || parsed.version)
        return parsed;
    if (!spec) {
        fail(QStringLiteral("no command given"));
        return parsed;
    }
    if (parsed.noApply && !spec->writes) {
        fail(QStringLiteral("--no-apply belongs to the commands that change a setting"));
        return parsed;
    }
    if (parsed.arguments.size() < spec->minArguments || parsed.arguments.size() > spec->maxArguments) {
        fail(QStringLiteral("%1 takes %2").arg(parsed.command, spec->arguments.isEmpty() ? QStringLiteral("no argument")
                                                                                         : spec->arguments));
    } else if (parsed.isSet(QStringLiteral("profile"))) {
        bool ok = false;
        const int n = parsed.value(QStringLiteral("profile")).toInt(&ok, 10);
        if (!ok || n < 1 || n > 5) {
            fail(QStringLiteral("--profile takes a number from 1 to 5"));
            // A number that names no profile is a value out of range.
            parsed.errorCode = ok ? CliOutput::kDataError : CliOutput::kUsage;
        }
    }
    return parsed;
}

QString versionText()
{
    return QStringLiteral("mousecfg-cli " MOUSECFG_VERSION);
}

QString generalHelp()
{
    QString text = QStringLiteral("Usage: mousecfg-cli [--virtual] [--no-apply] COMMAND [ARGUMENTS] [OPTIONS]\n"
                                  "       mousecfg-cli COMMAND --help\n\nCommands:\n");
    for (const CommandSpec &spec : commands()) {
        if (spec.hidden)
            continue;
        const QString head = spec.arguments.isEmpty() ? spec.name : spec.name + QLatin1Char(' ') + spec.arguments;
        text += QStringLiteral("  %1\n      %2\n").arg(head, spec.summary);
    }
    text += QStringLiteral(
        "\nOptions:\n"
        "  --virtual     use the virtual mouse (the same as MOUSECFG_SIMULATE=1)\n"
        "  --no-apply    only write the settings; the next apply sends them\n"
        "  -h, --help    this text, or a command's own with COMMAND --help\n"
        "  --version     the program's version\n"
        "\n"
        "Profiles and DPI stages are counted from 1.\n"
        "Exit codes: 0 done, 1 no mouse, 2 the mouse did not confirm, 3 some files\n"
        "imported, others not, 4 write failed, 5 mouse sleeping or off, 64 usage,\n"
        "65 a value the mouse does not take or a file not for this mouse (nothing\n"
        "written), 66 file not found, 73 file not written.\n");
    return text;
}

QString commandHelp(const CommandSpec &spec)
{
    QString text = QStringLiteral("Usage: mousecfg-cli %1%2 [OPTIONS]\n\n%3.\n")
                       .arg(spec.name, spec.arguments.isEmpty() ? QString() : QLatin1Char(' ') + spec.arguments,
                            spec.summary.left(1).toUpper() + spec.summary.mid(1));
    if (!spec.details.isEmpty())
        text += spec.details + QLatin1Char('\n');
    QList<QPair<QString, QString>> rows;
    for (const OptionSpec &option : spec.options)
        rows << qMakePair(option.valueName.isEmpty() ? dashed(option.name)
                                                     : QStringLiteral("--%1 %2").arg(option.name, option.valueName),
                          option.description);
    if (spec.writes)
        rows << qMakePair(QStringLiteral("--no-apply"), QStringLiteral("only write the settings; the next apply sends them"));
    rows << qMakePair(QStringLiteral("--virtual"), QStringLiteral("the virtual mouse"));
    rows << qMakePair(QStringLiteral("-h, --help"), QStringLiteral("this text"));
    // The descriptions start in one column, two blanks after the longest head.
    int width = 0;
    for (const auto &row : rows)
        width = std::max(width, int(row.first.size()));
    text += QStringLiteral("\nOptions:\n");
    for (const auto &row : rows)
        text += QStringLiteral("  %1  %2\n").arg(row.first.leftJustified(width), row.second);
    return text;
}

} // namespace CliCommands
