#include "climacro.h"

#include "clioutput.h"

#include "config/macroassignments.h"
#include "config/macrofile.h"
#include "config/macrolibrary.h"
#include "config/mouseconfig.h"
#include "config/paths.h"

#include <QFileInfo>

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
    int result = 0;
    if (!report.existing.isEmpty()) {
        CliOutput::error(QStringLiteral("Macro Exist! %1").arg(listed(report.existing)));
        result = CliOutput::kDataError;
    }
    if (!report.refused.isEmpty()) {
        CliOutput::error(QStringLiteral("These files cannot be macro names: %1").arg(listed(report.refused)));
        result = CliOutput::kDataError;
    }
    if (report.listFull) {
        CliOutput::error(QStringLiteral("TOO MANY MACROS TO BE CREATE!"));
        result = CliOutput::kDataError;
    }
    if (!report.failed.isEmpty()) {
        CliOutput::error(QStringLiteral("These files could not be imported: %1").arg(listed(report.failed)));
        result = CliOutput::kCantCreate;
    }
    return result;
}

int exportMacro(const QString &name, const QString &path, bool force)
{
    if (const int bad = checkListed(name))
        return bad;
    const QString target = MacroLibrary::withMacroSuffix(path);
    if (QFileInfo::exists(target) && !force) {
        CliOutput::error(QStringLiteral("%1 exists; --force replaces it").arg(target));
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
    deleteMacro(name);
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
        CliOutput::error(QStringLiteral("--force belongs to macro export"));
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
    CliOutput::error(QStringLiteral("macro takes list, import FILE..., export NAME FILE or delete NAME"));
    return CliOutput::kUsage;
}

} // namespace CliMacro
