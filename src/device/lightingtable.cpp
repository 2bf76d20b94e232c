#include "lightingtable.h"

#include "commandset.h"

#include "config/ledcolor.h"

#include <algorithm>

namespace {

// The effect each block carries.
constexpr int kBlockMode[kLightingBlockCount] = {0, 1, 2, 3, 4, 9, 11, 10, 12, 13};

// The blocks' fixed bytes: effect number (byte 4) and byte 6; byte 5 is the
// speed and byte 7 the brightness unless fixed here (-1: taken from the effect).
struct BlockForm {
    bool colour;   // bytes 1..3 carry the effect colour
    int effect;
    int byte5;     // -1: speed
    int byte6;
    int byte7;     // -1: brightness
};

constexpr BlockForm kForms[kLightingBlockCount] = {
    {false, 0, 0, 0, 0},      // off
    {true, 1, 0, 2, -1},
    {true, 1, -1, 4, 3},
    {false, 1, -1, 1, 3},
    {false, 1, -1, 8, -1},
    {false, 5, -1, 1, -1},
    {false, 7, 0, 0, -1},
    {false, 6, -1, 0, -1},
    {false, 8, -1, 0, -1},
    {false, 9, -1, 0, -1},
};

} // namespace

int lightingBlockForMode(int ledMode)
{
    static constexpr int kModeBlock[kLedModeCount] = {0, 1, 2, 3, 4, 5, 5, 5, 5, 5, 7, 6, 8, 9};
    return (ledMode >= 0 && ledMode < kLedModeCount) ? kModeBlock[ledMode] : 5;
}

LightingBlocks buildLightingBlocks(const ProfileData &profile)
{
    LightingBlocks table{};
    for (int block = 0; block < kLightingBlockCount; ++block) {
        const LedModeInfo &led = profile.ledModes[kBlockMode[block]];
        const BlockForm &form = kForms[block];
        uint8_t *b = table.data() + block * kLightingBlockSize;
        b[0] = 0x80;
        if (form.colour) {
            const QColor rgb = ledColorSent(led.RGB);
            b[1] = uint8_t(rgb.red());
            b[2] = uint8_t(rgb.green());
            b[3] = uint8_t(rgb.blue());
        }
        b[4] = uint8_t(form.effect);
        b[5] = form.byte5 < 0 ? uint8_t(led.breath) : uint8_t(form.byte5);
        b[6] = uint8_t(form.byte6);
        b[7] = form.byte7 < 0 ? uint8_t(led.bright) : uint8_t(form.byte7);
    }
    return table;
}

ReportList buildLightingTable(const MouseConfig &config, const DeviceContext &context)
{
    const LightingBlocks table = buildLightingBlocks(config.profiles[lightingProfileIndex(config, context)]);
    // Three blocks per chunk, the tenth alone.
    ReportList reports;
    for (int offset = 0; offset < int(table.size()); offset += 24) {
        const int length = std::min(24, int(table.size()) - offset);
        reports.push_back(chunkReport(Command::LightingTable, offset, table.data() + offset, length,
                                      offset == 0 ? kTagFirstChunk : kTagNextChunk));
    }
    reports.push_back(blockEndReport(Command::LightingTable));
    return reports;
}
