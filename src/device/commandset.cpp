#include "commandset.h"

#include "config/mouseconfig.h"

#include <algorithm>

ReportBuffer chunkReport(uint8_t command, int addr, const uint8_t *data, int length, uint8_t tag)
{
    length = std::clamp(length, 0, kMaxPayload);
    ReportBuffer r = ReportBuffer::command(command, uint8_t(addr & 0xff), uint8_t((addr >> 8) & 0xff),
                                           uint8_t(length), tag);
    std::copy(data, data + length, r.report() + kPayloadOffset);
    return r;
}

ReportBuffer blockEndReport(uint8_t command, uint16_t addr)
{
    const uint8_t end = kBlockEndByte;
    return chunkReport(command, addr, &end, 1, kTagEnd);
}

ReportBuffer uploadMarkReport(UploadMarkKind mark)
{
    return ReportBuffer::command(Command::UploadMark, uint8_t(mark));
}

ReportBuffer applyGroupReport(uint8_t bit)
{
    return ReportBuffer::command(Command::ApplyGroup, 0xF3, bit);
}

ReportList applyAllReports()
{
    ReportList reports;
    for (uint8_t bit : kApplyAllOrder)
        reports.push_back(applyGroupReport(bit));
    return reports;
}

ReportList selectProfileReports(int profile)
{
    const uint8_t index = (profile >= 0 && profile < kProfileCount) ? uint8_t(profile) : 0;
    return {ReportBuffer::command(Command::SelectProfile, index), applyGroupReport(kApplyProfile)};
}

ReportBuffer statusQueryReport()
{
    ReportBuffer r = ReportBuffer::command(Command::StatusQuery);
    r.at(1) = reportChecksum(r.report());
    return r;
}
