#pragma once

#include "devicecontext.h"
#include "macroimage.h"
#include "report.h"
#include "senttables.h"

#include "config/mouseconfig.h"

#include <QByteArray>

#include <bitset>

// Which tables an upload sends is decided by their bytes: each table is
// encoded as it would go out and compared with what the mouse was last sent
// (SentTables). Comparing the encoded bytes, not the record's fields, means
// that every edit that changes what the mouse holds goes out (a new key
// combination, a macro edited or deleted on disk) and nothing the mouse
// already holds goes out again (an edit to a profile that is not active, a
// field the tables do not carry).

// The groups of a whole upload, as a bit mask.
namespace UploadGroup {
constexpr int System = 1;     // system block: rates, wheel speeds, active profile, its stage and lighting effect
constexpr int Dpi = 2;        // DPI table of the active profile
constexpr int Buttons = 4;    // button table of the active profile
constexpr int Lighting = 8;   // lighting table
constexpr int All = 15;
// The order in which an upload sends the tables of the groups.
constexpr int kOrder[] = {System, Buttons, Dpi, Lighting};
} // namespace UploadGroup

// Everything an upload of one record would send, table by table.
struct EncodedUpload {
    ReportList system, buttons, dpi, lighting;
    // The macros in the banks the button table numbers; the other banks are
    // zero.
    MacroImage macros{};
    // How many macro banks the button table refers to (0..12): only these
    // are ever written.
    int numberedBanks = 0;

    // The reports of one group (an UploadGroup bit).
    const ReportList &groupReports(int group) const;
    // The bytes of one SentTables table as they would go out.
    QByteArray tableBytes(int table) const;
};

EncodedUpload encodeUpload(const MouseConfig &config, const DeviceContext &context,
                           const MacroEventSource &source = macroFileEvents());

// The tables one upload sends.
struct UploadSelection {
    int groups = 0;   // UploadGroup bits
    std::bitset<kMacroBankCount> macroBanks;
    // Everything, as the first upload to a mouse: afterwards only the tables
    // written are known.
    bool whole = false;

    bool isEmpty() const { return groups == 0 && macroBanks.none(); }
};

// The tables of `mask` and, with the button table, every numbered macro
// bank in use (the macro memory follows the button table that numbers it).
// With UploadGroup::All this is the whole upload.
UploadSelection groupSelection(const EncodedUpload &upload, int mask);

// The tables whose bytes differ from what `sent` says the mouse holds; the
// whole upload when it knows nothing. A numbered macro bank goes out when
// its bytes differ, even when they are empty (a macro deleted on disk that
// a button still names).
UploadSelection changedTables(const EncodedUpload &upload, const SentTables &sent);

// How many reports sendUpload writes for `selection` when none fails.
int reportCount(const EncodedUpload &upload, const UploadSelection &selection);

// Records in `sent` what a successful upload of `selection` left on the
// mouse.
void noteSent(SentTables &sent, const EncodedUpload &upload, const UploadSelection &selection);
