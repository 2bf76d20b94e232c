#include "climacro.h"

#include "clioutput.h"

#include "config/macroassignments.h"
#include "config/macrofile.h"
#include "config/macrolibrary.h"
#include "config/mouseconfig.h"
#include "config/outputtarget.h"
#include "config/paths.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace CliMacro {

namespace {

QString listed(const QStringList &names) { return names.join(QStringLiteral(", ")); }

// A NAME argument: a safe file name that the library lists. 0 when it is.
int checkListed(const QString &name)
{
    QString why;
    if (!Paths::isSafeFileName(name, &why)) {
        CliOutput::error(QStringLiteral("%1: %2").arg(name, why));
        return CliOutput::kDataError;
    }
    if (!listMacros().contains(name)) {
        CliOutput::error(QStringLiteral("%1 is not a macro of the library").arg(name));
        return CliOutput::kDataError;
    }
    return 0;
}

int importFiles(const QStringList &paths)
{
    for (const QString &path : paths) {
        if (!QFileInfo(path).isFile()) {
            CliOutput::error(QStringLiteral("%1: no such file").arg(path));
            return CliOutput::kNoInput;
        }
    }
    if (macroListFull()) {
        CliOutput::error(QStringLiteral("TOO MANY MACROS TO BE CREATE!"));
        return CliOutput::kDataError;
    }
    const MacroLibrary::ImportReport report = MacroLibrary::importFiles(paths);
    for (const QString &name : report.imported)
        CliOutput::line(QStringLiteral("imported: %1").arg(name));
    // What was refused, each with its reason; the worst reason decides the
    // code when nothing was imported.
    int refusal = 0;
    const auto refuse = [&refusal](const QStringList &files, const QString &text, int code) {
        if (files.isEmpty())
            return;
        CliOutput::error(text.arg(listed(files)));
        refusal = std::max(refusal, code);
    };
    refuse(report.existing, QStringLiteral("Macro Exist! %1"), CliOutput::kDataError);
    refuse(report.refused, QStringLiteral("These files cannot be macro names: %1"), CliOutput::kDataError);
    refuse(report.notMacro, QStringLiteral("These files are not macro files: %1"), CliOutput::kDataError);
    if (report.listFull) {
        CliOutput::error(QStringLiteral("TOO MANY MACROS TO BE CREATE!"));
        refusal = std::max(refusal, int(CliOutput::kDataError));
    }
    refuse(report.failed, QStringLiteral("These files could not be imported: %1"), CliOutput::kCantCreate);
    if (refusal == 0)
        return 0;
    // Some went in: the library changed, which 65 ("nothing written") would deny.
    return report.imported.isEmpty() ? refusal : CliOutput::kPartial;
}

int exportMacro(const QString &name, const QString &path, bool force)
{
    if (const int bad = checkListed(name))
        return bad;
    // A folder (or a path ending in '/') receives NAME.MSMACRO, as the macro
    // page's export into a folder names it.
    const bool folder = path.endsWith(QLatin1Char('/')) || QFileInfo(path).isDir();
    const QString target = folder ? QDir(path).filePath(MacroLibrary::withMacroSuffix(name))
                                  : MacroLibrary::withMacroSuffix(path);
    const OutputTarget::Verdict verdict = OutputTarget::check(target, force);
    if (!OutputTarget::writable(verdict)) {
        CliOutput::error(OutputTarget::message(verdict, target, QStringLiteral("--force")));
        return CliOutput::kCantCreate;
    }
    if (!MacroLibrary::exportTo(name, target)) {
        CliOutput::error(QStringLiteral("These files could not be exported: %1").arg(name));
        return CliOutput::kCantCreate;
    }
    CliOutput::line(QStringLiteral("exported: %1").arg(target));
    return 0;
}

int deleteFromLibrary(const QString &name, const MouseConfig &config, const std::function<int()> &upload)
{
    if (const int bad = checkListed(name))
        return bad;
    // As on the macro page: the file and its list slot go; buttons that name
    // the macro keep their entry and play nothing until given another.
    if (!deleteMacro(name)) {
        CliOutput::error(QStringLiteral("%1 could not be deleted: the list in %2 or the file in %3 could not be "
                                        "changed")
                             .arg(name, Paths::configFile(), Paths::macroDir()));
        return CliOutput::kCantCreate;
    }
    CliOutput::line(QStringLiteral("deleted: %1").arg(name));
    const std::vector<MacroAssignment> left = findMacroAssignments(config, name);
    for (const MacroAssignment &button : left)
        CliOutput::error(QStringLiteral("profile %1, button %2 still names %3; it plays nothing until given "
                                        "another function")
                             .arg(button.profile + 1)
                             .arg(button.entry + 1)
                             .arg(name));
    return left.empty() || !upload ? 0 : upload();
}

} // namespace

int run(const CliCommands::Parsed &parsed, const MouseConfig &config, const std::function<int()> &upload)
{
    const QStringList &args = parsed.arguments;
    const QString action = args.value(0);
    const bool force = parsed.isSet(QStringLiteral("force"));
    if (force && action != QLatin1String("export")) {
        CliOutput::usageError(QStringLiteral("--force belongs to macro export"), parsed.command);
        return CliOutput::kUsage;
    }
    if (action == QLatin1String("list") && args.size() == 1) {
        for (const QString &name : listMacros())
            CliOutput::line(name);
        return 0;
    }
    if (action == QLatin1String("import") && args.size() >= 2)
        return importFiles(args.mid(1));
    if (action == QLatin1String("export") && args.size() == 3)
        return exportMacro(args.at(1), args.at(2), force);
    if (action == QLatin1String("delete") && args.size() == 2)
        return deleteFromLibrary(args.at(1), config, parsed.noApply ? std::function<int()>() : upload);
    CliOutput::usageError(QStringLiteral("macro takes list, import FILE..., export NAME FILE|DIR/ or delete NAME"),
                          parsed.command);
    return CliOutput::kUsage;
}

} // namespace CliMacro
