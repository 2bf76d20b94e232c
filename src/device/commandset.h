#pragma once

#include "report.h"

#include <cstdint>

// Command codes of the mouse (report position 3).
namespace Command {
constexpr uint8_t SystemBlock = 0x01;
constexpr uint8_t DpiTable = 0x02;
constexpr uint8_t ButtonTable = 0x03;
constexpr uint8_t LightingTable = 0x04;
constexpr uint8_t MacroData = 0x05;
constexpr uint8_t ApplyGroup = 0x40;
constexpr uint8_t SelectProfile = 0x44;
constexpr uint8_t UploadMark = 0x46;
constexpr uint8_t StatusQuery = 0x48;
constexpr uint8_t StatusReport = 0x49;
} // namespace Command

// Chunk tags of a block write (report position 7).
constexpr uint8_t kTagFirstChunk = 0xD1;
constexpr uint8_t kTagNextChunk = 0xD2;
constexpr uint8_t kTagEnd = 0xD3;

// The end report normally addresses 0x007F; the macro memory is closed at
// 0x0FFF instead.
constexpr uint16_t kBlockEndAddress = 0x007F;
constexpr uint16_t kMacroEndAddress = 0x0FFF;
constexpr uint8_t kBlockEndByte = 0x1A;

// Apply-group bits: 0x01 applies the selected profile; an upload applies all
// five groups, in the order of kApplyAllOrder.
constexpr uint8_t kApplyProfile = 0x01;
constexpr uint8_t kApplyAllOrder[] = {0x04, 0x01, 0x02, 0x08, 0x10};

enum class UploadMarkKind : uint8_t { Begin = 0, End = 1 };

// One chunk of a block write: addr = offset of the chunk in the block,
// n = `length` (at most 25), the payload copied from `data`.
ReportBuffer chunkReport(uint8_t command, int addr, const uint8_t *data, int length, uint8_t tag);
// The report that closes a block write: tag 0xD3, n = 1, payload 0x1A.
ReportBuffer blockEndReport(uint8_t command, uint16_t addr = kBlockEndAddress);

// Begin (0) or end (1) of an upload; verified by header only.
ReportBuffer uploadMarkReport(UploadMarkKind mark);
// Makes the mouse take over one group of what was written.
ReportBuffer applyGroupReport(uint8_t bit);
// The apply reports that follow every upload, in the order the mouse expects.
ReportList applyAllReports();
// Switches the mouse to profile 0..4 and applies it. Out-of-range indices are
// sent as profile 0 rather than as an index the mouse does not have.
ReportList selectProfileReports(int profile);
// The status query of the poller. It is written directly, not through the
// transfer routine, so its checksum is filled in here.
ReportBuffer statusQueryReport();
