#pragma once

#include "hidbackend.h"
#include "report.h"

#include <cstdint>

// Result codes of a device operation.
enum TransferResult {
    kTransferOk = 0,
    kTransferNoDevice = 1,
    kTransferReadBackFailed = 2,
    kTransferWriteFailed = 4,
    kTransferMouseOff = 5,      // set by the upload, never by TransferReport
};

// Sends one 33-byte report through `handle` (null: no device open) and, for the block writes (0x00..0x0A), the apply
// group (0x40) and the upload mark (0x46), reads the mouse's echo back and
// compares it, rereading and rewriting a bounded number of times.
//
// `buffer` is a report buffer as ReportBuffer holds it: byte 0 unused, the
// report from byte 1 on; at least length + 1 bytes are read from it, and it is
// never changed (the checksum goes into a copy). `length` is 33 in every call.
//
// Returns 0 sent (and verified where that applies), 1 no device open, 2 the
// read-back failed after all retries, 4 the write itself failed.
//
// Blocks its thread for up to several seconds against a mouse that does not
// answer; keep it off the user-interface thread where possible.
int TransferReport(HidHandle handle, const uint8_t *buffer, int length);

class MouseLink;

// Sends the reports in order through the link's command channel (looked up
// for each report); 0, or the result of the first report that failed
// (nothing after it is sent).
int sendReports(const MouseLink &link, const ReportList &reports);
