#include "clibutton.h"

#include "clioutput.h"

#include "config/buttonassignment.h"
#include "config/buttonrules.h"
#include "config/combokey.h"
#include "config/functioncatalogue.h"
#include "config/functionmenus.h"
#include "config/keytables.h"
#include "config/macrofile.h"
#include "config/mouseconfig.h"
#include "config/paths.h"
#include "config/productdescriptor.h"

namespace CliButton {

namespace {

using CliSetters::Outcome;
namespace BA = ButtonAssignment;

Outcome malformed(const QString &text) { return {CliOutput::kUsage, text}; }
Outcome refused(const QString &text) { return {CliOutput::kDataError, text}; }

struct ShortName {
    const char *word;
    int code;
};
constexpr ShortName kShortNames[] = {
    {"key", Fun::SingleKey}, {"combo", Fun::ComboKey}, {"fire", Fun::FireKey},
    {"macro", Fun::Macro},   {"gunfile", Fun::GunFile},
};

// Modifier words for combinations, besides the table's LCtr, RShift ...
struct ModifierWord {
    const char *word;
    int code;
};
constexpr ModifierWord kModifierWords[] = {{"ctrl", kComboModifierCodes[ComboCtrl][0]},
                                           {"shift", kComboModifierCodes[ComboShift][0]},
                                           {"alt", kComboModifierCodes[ComboAlt][0]},
                                           {"win", kComboModifierCodes[ComboWin][0]}};

// The repeat modes of the macro select dialog.
struct RepeatWord {
    const char *word;
    int mode;
};
constexpr RepeatWord kRepeatWords[] = {{"count", BA::LoopCount},
                                       {"while-held", BA::RepeatWhileHeld},
                                       {"until-pressed", BA::RepeatUntilPressedAgain}};

int functionCode(const QString &word)
{
    for (const ShortName &name : kShortNames) {
        if (word.compare(QLatin1String(name.word), Qt::CaseInsensitive) == 0)
            return name.code;
    }
    return functionCodeForName(word);
}

// Key names come from one column of the key table for the whole command
// (the French one when the descriptor and the language say so).
int keyCode(const QString &word, bool french)
{
    for (const ModifierWord &modifier : kModifierWords) {
        if (word.compare(QLatin1String(modifier.word), Qt::CaseInsensitive) == 0)
            return modifier.code;
    }
    return keyCodeForName(word, french);
}

// A key the mouse can send: it has a name and a HID usage.
Outcome checkSendable(const QString &word, int code, bool french)
{
    if (code == 0)
        return refused(QStringLiteral("%1 is not a key of the key table").arg(word));
    int usage = 0;
    if (!keyCodeToUsage(code, usage))
        return refused(QStringLiteral("%1 has no keyboard usage: the mouse cannot send it").arg(keyName(code, french)));
    return {};
}

// "ctrl+shift+a", "Num +", "ctrl+num-+": at each place the longest key name
// that ends at a '+' or at the end. False when a part names no key, or the
// text ends in a '+'.
bool splitKeys(const QString &text, bool french, QStringList *words)
{
    int pos = 0;
    while (pos < text.size()) {
        int found = -1;
        for (int end = text.size(); end > pos; --end) {
            if ((end == text.size() || text.at(end) == QLatin1Char('+')) && keyCode(text.mid(pos, end - pos), french) != 0) {
                found = end;
                break;
            }
        }
        if (found < 0)
            return false;
        words->append(text.mid(pos, found - pos));
        pos = found + 1;
        if (pos == text.size())
            return false;   // a trailing '+'
    }
    return true;
}

Outcome combo(const QStringList &args, bool french, std::array<int, kComboEntryCount> *keys)
{
    QStringList words;
    for (const QString &arg : args) {
        if (!splitKeys(arg, french, &words))
            return refused(QStringLiteral("%1 is not a combination of key names joined by +").arg(arg));
    }
    keys->fill(0);
    for (const QString &word : words) {
        const int code = keyCode(word, french);
        const Outcome bad = checkSendable(word, code, french);
        if (bad.exitCode != 0)
            return bad;
        const ComboEntry entry = comboEntryOf(code);
        // A right-hand modifier is stored as its left-hand twin, as the
        // combination dialog stores it.
        const int stored = entry == ComboOther ? code : kComboModifierCodes[size_t(entry)][0];
        int &held = (*keys)[size_t(entry)];
        if (entry == ComboOther && held != 0 && held != stored)
            return refused(QStringLiteral("a combination holds one key besides Shift, Ctrl, Win and Alt"));
        held = stored;
    }
    return {};
}

QString comboText(const std::array<int, kComboEntryCount> &keys, bool french)
{
    QStringList names;
    for (int code : keys) {
        if (code != 0)
            names << keyName(code, french);
    }
    return names.join(QStringLiteral(" + "));
}

// A number option of 1..255, or its default when not given.
bool countOption(const CliCommands::Parsed &parsed, const char *option, int fallback, int *value, Outcome *bad)
{
    if (!parsed.isSet(QLatin1String(option))) {
        *value = fallback;
        return true;
    }
    bool ok = false;
    *value = parsed.value(QLatin1String(option)).toInt(&ok, 10);
    if (!ok)
        *bad = malformed(QStringLiteral("--%1 takes a number").arg(QLatin1String(option)));
    else if (!BA::inCountRange(*value))
        *bad = refused(QStringLiteral("--%1 is %2 to %3").arg(QLatin1String(option)).arg(BA::kCountMin).arg(BA::kCountMax));
    else
        return true;
    return false;
}

// An option given that belongs to another function than `code`.
QString strayOption(const CliCommands::Parsed &parsed, int code)
{
    struct Belonging {
        const char *option;
        bool fire;   // else macro and gunfile
    };
    for (const Belonging b : {Belonging{"times", true}, {"delay", true}, {"loop", false}, {"mode", false}}) {
        const bool belongs = b.fire ? code == Fun::FireKey : isMacroFunction(code);
        if (parsed.isSet(QLatin1String(b.option)) && !belongs)
            return QStringLiteral("--%1 belongs to %2")
                .arg(QLatin1String(b.option), b.fire ? QStringLiteral("fire") : QStringLiteral("macro and gunfile"));
    }
    return QString();
}

// What a function's dialog would ask for, from the words after the
// function: each writes `button` and says what it set, or refuses.
struct Assigning {
    const CliCommands::Parsed &parsed;
    QStringList rest;    // the words after FUNCTION
    bool french;         // the key table's column
    ButtonInfo &button;
    QString &what;
};

Outcome assignKey(Assigning &a)
{
    if (a.rest.size() != 1)
        return malformed(QStringLiteral("key takes one KEY"));
    const int key = keyCode(a.rest.at(0), a.french);
    const Outcome bad = checkSendable(a.rest.at(0), key, a.french);
    if (bad.exitCode != 0)
        return bad;
    BA::setSingleKey(a.button, key);
    a.what += QLatin1Char(' ') + keyName(key, a.french);
    return {};
}

Outcome assignCombo(Assigning &a)
{
    if (a.rest.isEmpty())
        return malformed(QStringLiteral("combo takes KEY[+KEY...]"));
    std::array<int, kComboEntryCount> keys{};
    const Outcome bad = combo(a.rest, a.french, &keys);
    if (bad.exitCode != 0)
        return bad;
    BA::setCombo(a.button, keys);
    a.what += QLatin1Char(' ') + comboText(keys, a.french);
    return {};
}

// fire left|right|middle|KEY, or fire key KEY for the arrow keys named
// like the clicks.
Outcome assignFire(Assigning &a)
{
    const QStringList &rest = a.rest;
    if (rest.isEmpty() || rest.size() > 2 || (rest.size() == 2 && rest.at(0).compare("key", Qt::CaseInsensitive) != 0))
        return malformed(QStringLiteral("fire takes left, right, middle or KEY (key KEY for a key named like a click)"));
    const QString target = rest.last();
    const QStringList clicks{QStringLiteral("left"), QStringLiteral("right"), QStringLiteral("middle")};
    const int click = rest.size() == 1 ? int(clicks.indexOf(target.toLower())) : -1;
    int res1 = 0;
    QString firing;
    if (click >= 0) {
        constexpr int kClickCodes[] = {BA::kFireLeft, BA::kFireRight, BA::kFireMiddle};
        res1 = kClickCodes[click];
        firing = clicks.at(click);
    } else {
        const int key = keyCode(target, a.french);
        const Outcome bad = checkSendable(target, key, a.french);
        if (bad.exitCode != 0)
            return bad;
        res1 = BA::fireKeyUsage(key);
        firing = keyName(key, a.french);
    }
    int times = 0;
    int delay = 0;
    Outcome bad;
    if (!countOption(a.parsed, "times", BA::kFireDefaultTimes, &times, &bad)
        || !countOption(a.parsed, "delay", BA::kFireDefaultDelay, &delay, &bad))
        return bad;
    BA::setFireKey(a.button, res1, times, delay);
    a.what += QStringLiteral(" %1, %2 times, delay %3").arg(firing).arg(times).arg(delay);
    return {};
}

// macro|gunfile NAME [--loop N] [--mode MODE]: a macro the library lists.
Outcome assignMacro(Assigning &a, int code)
{
    if (a.rest.size() != 1)
        return malformed(QStringLiteral("%1 takes the NAME of a macro").arg(QLatin1String(code == Fun::Macro ? "macro" : "gunfile")));
    const QString name = a.rest.at(0);
    QString why;
    if (!Paths::isSafeFileName(name, &why))
        return refused(QStringLiteral("%1: %2").arg(name, why));
    if (!listMacros().contains(name))
        return refused(QStringLiteral("%1 is not a macro of the library (macro list shows them)").arg(name));
    int loops = 0;
    Outcome bad;
    if (!countOption(a.parsed, "loop", BA::kCountMin, &loops, &bad))
        return bad;
    int mode = BA::LoopCount;
    if (a.parsed.isSet(QStringLiteral("mode"))) {
        const QString given = a.parsed.value(QStringLiteral("mode"));
        mode = -1;
        for (const RepeatWord &repeat : kRepeatWords) {
            if (given.compare(QLatin1String(repeat.word), Qt::CaseInsensitive) == 0)
                mode = repeat.mode;
        }
        if (mode < 0)
            return malformed(QStringLiteral("--mode takes count, while-held or until-pressed"));
    }
    BA::setMacro(a.button, code, name, loops, mode);
    a.what += QStringLiteral(" \"%1\", %2").arg(name, QLatin1String(kRepeatWords[mode].word));
    if (mode == BA::LoopCount)
        a.what += QStringLiteral(" %1").arg(loops);
    return {};
}

// Why `code` cannot go to `entry` on this mouse; empty when its menu
// offers it. A recoil file goes wherever a macro may, except the wheel, as
// the page assigns one.
QString notOffered(int entry, int code, const QString &word)
{
    const bool macroEnabled = !ProductDescriptor::disableMacro();
    const bool ledEnabled = !ProductDescriptor::ledDisable();
    const bool wheel = entry >= kWheelUpEntry;
    if (code == 0)
        return QStringLiteral("%1 is not a function of the button menus").arg(word);
    const QString label = QLatin1String(functionName(code));
    if ((isMacroFunction(code) && !macroEnabled) || (code == Fun::LedSwitch && !ledEnabled))
        return QStringLiteral("%1 is switched off for this mouse").arg(label);
    if (code == Fun::GunFile ? !wheel : menuOffers(entry, code, macroEnabled, ledEnabled))
        return QString();
    if (code == Fun::GunFile || menuOffers(0, code, macroEnabled, ledEnabled)
        || menuOffers(kWheelUpEntry, code, macroEnabled, ledEnabled))
        return QStringLiteral("the %1 menu does not offer %2")
            .arg(wheel ? QStringLiteral("wheel's") : QStringLiteral("button's"), label);
    return QStringLiteral("%1 is in no menu of the button page").arg(label);
}

// "1-6, 41, 42": the entries the mouse receives, runs joined.
QString receivedEntries(int buttonCount)
{
    QStringList runs;
    for (int entry = 0; entry < kButtonEntryCount; ++entry) {
        if (!entryReachesMouse(entry, buttonCount))
            continue;
        int last = entry;
        while (last + 1 < kButtonEntryCount && entryReachesMouse(last + 1, buttonCount))
            ++last;
        runs << (last == entry ? QString::number(entry + 1) : QStringLiteral("%1-%2").arg(entry + 1).arg(last + 1));
        entry = last;
    }
    return runs.join(QStringLiteral(", "));
}

} // namespace

Outcome assign(const CliCommands::Parsed &parsed, ProfileData &profile)
{
    const QStringList &args = parsed.arguments;
    bool ok = false;
    const int number = args.at(0).toInt(&ok, 10);
    if (!ok)
        return malformed(QStringLiteral("button takes the entry number 1..%1 first").arg(kButtonEntryCount));
    const int buttonCount = ProductDescriptor::buttonCount();
    const int entry = number - 1;
    if (number < 1 || number > kButtonEntryCount || !entryReachesMouse(entry, buttonCount))
        return refused(QStringLiteral("this mouse has no button entry %1; its entries are %2")
                           .arg(args.at(0), receivedEntries(buttonCount)));
    const int code = functionCode(args.at(1));
    const QString why = notOffered(entry, code, args.at(1));
    if (!why.isEmpty())
        return refused(why);
    const QString stray = strayOption(parsed, code);
    if (!stray.isEmpty())
        return malformed(stray);

    switch (assignmentRefusal(profile.buttons, entry, code, buttonCount, countMacros())) {
    case AssignmentRefusal::LastLeftClick: return refused(QStringLiteral("AT LEAST ONE CLICK FUNCTION TO BE RETAINED."));
    case AssignmentRefusal::GunFileOnFirstButton: return refused(QStringLiteral("Left Button Can not be Gun Function."));
    case AssignmentRefusal::NoMacro:
        return refused(QStringLiteral("the macro library is empty: record a macro or import one first"));
    case AssignmentRefusal::None: break;
    }

    // The entry changes only when everything passed.
    ButtonInfo button = profile.buttons[size_t(entry)];
    QString what = QLatin1String(functionName(code));
    Assigning assigning{parsed, args.mid(2), frenchKeyNames(), button, what};
    Outcome result;
    switch (code) {
    case Fun::SingleKey: result = assignKey(assigning); break;
    case Fun::ComboKey: result = assignCombo(assigning); break;
    case Fun::FireKey: result = assignFire(assigning); break;
    case Fun::Macro:
    case Fun::GunFile: result = assignMacro(assigning, code); break;
    default:
        if (!assigning.rest.isEmpty())
            return malformed(QStringLiteral("%1 takes nothing more").arg(what));
        button.Fun = code;
        break;
    }
    if (result.exitCode != 0)
        return result;
    profile.buttons[size_t(entry)] = button;
    return {0, QStringLiteral("button %1: %2").arg(number).arg(what)};
}

} // namespace CliButton
