#pragma once

#include "device/report.h"
#include "sim/virtualmouse.h"

#include <QByteArray>
#include <QMetaType>

#include <vector>

// Drives the virtual mouse the way the program does: framed reports written
// through the HID seam, replies read back with a timeout.
namespace simtest {

inline ReportBuffer framed(uint8_t code, uint8_t p1 = 0, uint8_t p2 = 0, std::vector<uint8_t> payload = {},
                           uint8_t tag = 0)
{
    ReportBuffer r = ReportBuffer::command(code, p1, p2, uint8_t(payload.size()), tag);
    for (size_t i = 0; i < payload.size(); ++i)
        r.at(kPayloadOffset + int(i)) = payload[i];
    r.at(1) = reportChecksum(r.report());
    return r;
}

inline int send(HidBackend &hid, HidHandle h, const ReportBuffer &r)
{
    return hid.write(h, r.report(), kReportLength);
}

// One read; the bytes read (report ID first), empty on timeout, "-" on error.
inline QByteArray readOne(HidBackend &hid, HidHandle h, int timeoutMs = 100)
{
    unsigned char buffer[kReportBufferSize] = {};
    const int n = hid.readTimeout(h, buffer, kReportLength, timeoutMs);
    if (n < 0)
        return QByteArrayLiteral("-");
    return QByteArray(reinterpret_cast<const char *>(buffer), n);
}

inline QByteArray bytesOf(const ReportBuffer &r)
{
    return QByteArray(reinterpret_cast<const char *>(r.report()), kReportLength);
}

// A block written as the program writes it: chunks of up to 24 bytes, the
// first tagged 0xD1, the rest 0xD2, then the end report.
inline void writeBlock(HidBackend &hid, HidHandle h, uint8_t code, const std::vector<uint8_t> &block,
                       bool withEnd = true)
{
    for (size_t off = 0; off < block.size(); off += 24) {
        const size_t n = std::min<size_t>(24, block.size() - off);
        std::vector<uint8_t> chunk(block.begin() + long(off), block.begin() + long(off + n));
        send(hid, h, framed(code, uint8_t(off & 0xFF), uint8_t(off >> 8), chunk, off == 0 ? 0xD1 : 0xD2));
        readOne(hid, h, 0);
    }
    if (withEnd) {
        const int end = code == 0x05 ? 0x0FFF : 0x007F;
        send(hid, h, framed(code, uint8_t(end & 0xFF), uint8_t(end >> 8), {0x1A}, 0xD3));
        readOne(hid, h, 0);
    }
}

} // namespace simtest

Q_DECLARE_METATYPE(ReportBuffer)
