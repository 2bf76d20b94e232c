#include "uploadplan.h"

#include "buttonblock.h"
#include "commandset.h"
#include "dpitable.h"
#include "lightingtable.h"
#include "systemblock.h"

#include <algorithm>

static_assert(SentTables::kMacroSlots == kMacroSlotCount, "one SentTables table per macro memory slot");

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
    const int slot = table - SentTables::FirstMacroSlot;
    if (slot < 0 || slot >= kMacroSlotCount)
        return QByteArray();
    return QByteArray(reinterpret_cast<const char *>(macros.data()) + kMacroSlotSize * slot, kMacroSlotSize);
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
    upload.numberedSlots = std::min(table.macros.size(), kMaxMacroNumber + 1);
    return upload;
}

UploadSelection groupSelection(const EncodedUpload &upload, int mask)
{
    UploadSelection selection;
    selection.groups = mask & UploadGroup::All;
    selection.whole = selection.groups == UploadGroup::All;
    if (mask & UploadGroup::Buttons) {
        for (int slot = 0; slot < upload.numberedSlots; ++slot)
            selection.macroSlots[size_t(slot)] = macroSlotInUse(upload.macros, slot);
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
    for (int slot = 0; slot < upload.numberedSlots; ++slot) {
        const int table = SentTables::macroSlot(slot);
        selection.macroSlots[size_t(slot)] = upload.tableBytes(table) != sent.bytes(table);
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
    return count + int(macroSlotReports(upload.macros, selection.macroSlots).size());
}

void noteSent(SentTables &sent, const EncodedUpload &upload, const UploadSelection &selection)
{
    // After a whole upload the mouse holds what it was sent and, in the
    // slots no button numbered, whatever it held before.
    if (selection.whole)
        sent.clear();
    for (const auto &[group, table] : kGroupTables) {
        if (selection.groups & group)
            sent.set(table, upload.tableBytes(table));
    }
    for (int slot = 0; slot < kMacroSlotCount; ++slot) {
        if (selection.macroSlots[size_t(slot)])
            sent.set(SentTables::macroSlot(slot), upload.tableBytes(SentTables::macroSlot(slot)));
    }
}
