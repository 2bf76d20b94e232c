#include "uploadplan.h"

#include "buttonblock.h"
#include "commandset.h"
#include "dpitable.h"
#include "lightingtable.h"
#include "systemblock.h"

#include <algorithm>

static_assert(SentTables::kMacroBanks == kMacroBankCount, "one SentTables table per macro memory bank");

namespace {

QByteArray reportBytes(const ReportList &reports)
{
    QByteArray bytes;
    bytes.reserve(int(reports.size()) * kReportLength);
    for (const ReportBuffer &report : reports)
        bytes.append(reinterpret_cast<const char *>(report.report()), kReportLength);
    return bytes;
}

// Each group bit with the table that carries it.
constexpr std::pair<int, int> kGroupTables[] = {
    {UploadGroup::System, SentTables::System},
    {UploadGroup::Buttons, SentTables::Buttons},
    {UploadGroup::Dpi, SentTables::Dpi},
    {UploadGroup::Lighting, SentTables::Lighting},
};

} // namespace

const ReportList &EncodedUpload::groupReports(int group) const
{
    switch (group) {
    case UploadGroup::System:
        return system;
    case UploadGroup::Buttons:
        return buttons;
    case UploadGroup::Dpi:
        return dpi;
    default:
        return lighting;
    }
}

QByteArray EncodedUpload::tableBytes(int table) const
{
    for (const auto &[group, groupTable] : kGroupTables) {
        if (table == groupTable)
            return reportBytes(groupReports(group));
    }
    const int bank = table - SentTables::FirstMacroBank;
    if (bank < 0 || bank >= kMacroBankCount)
        return QByteArray();
    return QByteArray(reinterpret_cast<const char *>(macros.data()) + kMacroBankSize * bank, kMacroBankSize);
}

EncodedUpload encodeUpload(const MouseConfig &config, const DeviceContext &context, const MacroEventSource &source)
{
    EncodedUpload upload;
    upload.system = buildSystemBlock(config, context);
    const ButtonTable table = buildButtonTable(config, context);
    upload.buttons = buttonTableReports(table);
    upload.dpi = buildDpiTable(config, context);
    upload.lighting = buildLightingTable(config, context);
    upload.macros = buildMacroImage(table.macros, source);
    upload.numberedBanks = std::min(table.macros.size(), kMaxMacroNumber + 1);
    return upload;
}

UploadSelection groupSelection(const EncodedUpload &upload, int mask)
{
    UploadSelection selection;
    selection.groups = mask & UploadGroup::All;
    selection.whole = selection.groups == UploadGroup::All;
    if (mask & UploadGroup::Buttons) {
        for (int bank = 0; bank < upload.numberedBanks; ++bank)
            selection.macroBanks[size_t(bank)] = macroBankInUse(upload.macros, bank);
    }
    return selection;
}

UploadSelection changedTables(const EncodedUpload &upload, const SentTables &sent)
{
    if (sent.isEmpty())
        return groupSelection(upload, UploadGroup::All);
    UploadSelection selection;
    for (const auto &[group, table] : kGroupTables) {
        if (upload.tableBytes(table) != sent.bytes(table))
            selection.groups |= group;
    }
    for (int bank = 0; bank < upload.numberedBanks; ++bank) {
        const int table = SentTables::macroBank(bank);
        selection.macroBanks[size_t(bank)] = upload.tableBytes(table) != sent.bytes(table);
    }
    return selection;
}

int reportCount(const EncodedUpload &upload, const UploadSelection &selection)
{
    if (selection.isEmpty())
        return 0;
    int count = 2 + int(applyAllReports().size());   // the two upload marks and the apply reports
    for (int group : UploadGroup::kOrder) {
        if (selection.groups & group)
            count += int(upload.groupReports(group).size());
    }
    return count + int(macroBankReports(upload.macros, selection.macroBanks).size());
}

void noteSent(SentTables &sent, const EncodedUpload &upload, const UploadSelection &selection)
{
    // After a whole upload the mouse holds what it was sent and, in the
    // banks no button numbered, whatever it held before.
    if (selection.whole)
        sent.clear();
    for (const auto &[group, table] : kGroupTables) {
        if (selection.groups & group)
            sent.set(table, upload.tableBytes(table));
    }
    for (int bank = 0; bank < kMacroBankCount; ++bank) {
        if (selection.macroBanks[size_t(bank)])
            sent.set(SentTables::macroBank(bank), upload.tableBytes(SentTables::macroBank(bank)));
    }
}
