#include "report.h"

#include <cstdio>

ReportBuffer ReportBuffer::command(uint8_t code, uint8_t param1, uint8_t param2, uint8_t length, uint8_t tag)
{
    ReportBuffer r;
    r.at(0) = kReportId;
    r.at(2) = kFrameMarker;
    r.at(3) = code;
    r.at(4) = param1;
    r.at(5) = param2;
    r.at(6) = length;
    r.at(7) = tag;
    return r;
}

uint8_t reportChecksum(const uint8_t *report)
{
    unsigned sum = 0;
    for (int i = 2; i <= 7; ++i)
        sum += report[i];
    return static_cast<uint8_t>((sum & 0xff) ^ 0x66);
}

std::string reportHex(const uint8_t *report)
{
    std::string text;
    text.reserve(kReportLength * 3);
    char hex[4];
    for (int i = 0; i < kReportLength; ++i) {
        std::snprintf(hex, sizeof hex, i ? " %02x" : "%02x", report[i]);
        text += hex;
    }
    return text;
}
