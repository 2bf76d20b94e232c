#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// One 33-byte output report in the 64-byte zero-filled buffer that the
// transfer routine takes: buffer byte 0 is not sent, the report proper starts
// at buffer byte 1. Report positions (what `at` indexes):
//   0 report ID 0x05 | 1 checksum | 2 marker 0xFA | 3 command | 4, 5 parameters
//   (block writes: offset low, high) | 6 payload length n | 7 chunk tag | 8..32 payload
constexpr int kReportLength = 33;
constexpr int kReportBufferSize = 64;
constexpr uint8_t kReportId = 0x05;
constexpr uint8_t kFrameMarker = 0xFA;
constexpr int kPayloadOffset = 8;
constexpr int kMaxPayload = 25;

struct ReportBuffer {
    std::array<uint8_t, kReportBufferSize> bytes{};

    ReportBuffer() = default;
    // A report with ID, marker and command filled in, everything else zero.
    static ReportBuffer command(uint8_t code, uint8_t param1 = 0, uint8_t param2 = 0, uint8_t length = 0,
                                uint8_t tag = 0);

    uint8_t &at(int pos) { return bytes[pos + 1]; }
    uint8_t at(int pos) const { return bytes[pos + 1]; }
    uint8_t commandCode() const { return at(3); }
    // The report proper: report positions 0..32.
    const uint8_t *report() const { return bytes.data() + 1; }
    uint8_t *report() { return bytes.data() + 1; }

    bool operator==(const ReportBuffer &o) const { return bytes == o.bytes; }
    bool operator!=(const ReportBuffer &o) const { return bytes != o.bytes; }
};

using ReportList = std::vector<ReportBuffer>;

// (sum of report positions 2..7, modulo 256) XOR 0x66: the marker, command and
// parameter bytes, never the payload.
uint8_t reportChecksum(const uint8_t *report);

// "05 24 fa 48 ..." : the 33 report bytes in lower-case hex, for traces.
std::string reportHex(const uint8_t *report);
