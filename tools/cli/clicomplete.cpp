#include "clicomplete.h"

#include "clicommands.h"
#include "clioutput.h"

#include "config/buttonrules.h"
#include "config/keytables.h"
#include "config/lightingeffects.h"
#include "config/macrofile.h"
#include "config/mouseconfig.h"
#include "config/productdescriptor.h"

namespace CliComplete {

namespace {

QStringList numbers(int from, int to)
{
    QStringList list;
    for (int n = from; n <= to; ++n)
        list << QString::number(n);
    return list;
}

QStringList entries()
{
    QStringList list;
    const int buttonCount = ProductDescriptor::buttonCount();
    for (int entry = 0; entry < kButtonEntryCount; ++entry) {
        if (entryReachesMouse(entry, buttonCount))
            list << QString::number(entry + 1);
    }
    return list;
}

QStringList functions(const QString &entryText)
{
    bool ok = false;
    const int entry = entryText.toInt(&ok) - 1;
    const bool macros = !ProductDescriptor::disableMacro();
    if (ok && entry >= kWheelUpEntry)
        return CliCommands::functionWords(true, macros, !ProductDescriptor::ledDisable());
    QStringList list = CliCommands::functionWords(false, macros, !ProductDescriptor::ledDisable());
    list << QStringLiteral("key") << QStringLiteral("combo") << QStringLiteral("fire");
    if (macros) {
        list << QStringLiteral("macro");
        // A recoil file never goes on the first button (the left click).
        if (entry != 0)
            list << QStringLiteral("gunfile");
    }
    return list;
}

// Key names as `button ... key` takes them, blanks typed as '-': only keys
// the mouse can send.
QStringList keys()
{
    const bool french = frenchKeyNames();
    QStringList list{QStringLiteral("ctrl"), QStringLiteral("shift"), QStringLiteral("alt"), QStringLiteral("win")};
    for (int code = 1; code < 256; ++code) {
        int usage = 0;
        const QString name = keyName(code, french);
        if (!name.isEmpty() && keyCodeToUsage(code, usage))
            list << name.toLower().replace(QLatin1Char(' '), QLatin1Char('-'));
    }
    list.removeDuplicates();
    return list;
}

QStringList effects()
{
    QStringList list;
    for (int code : LightingEffects::kMenuOrder)
        list << LightingEffects::typedName(code);
    return list;
}

} // namespace

QStringList words(const QStringList &arguments)
{
    const QString what = arguments.value(0);
    if (what == QLatin1String("stages"))
        return numbers(1, ProductDescriptor::boundedDpiStageCount());
    if (what == QLatin1String("entries"))
        return entries();
    if (what == QLatin1String("functions"))
        return functions(arguments.value(1));
    if (what == QLatin1String("keys"))
        return keys();
    if (what == QLatin1String("effects"))
        return effects();
    if (what == QLatin1String("macros"))
        return listMacros();
    return {};
}

int run(const QStringList &arguments)
{
    const QStringList list = words(arguments);
    if (!list.isEmpty())
        CliOutput::line(list.join(QLatin1Char('\n')));
    return 0;
}

} // namespace CliComplete
