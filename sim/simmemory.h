#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// What the mouse's firmware holds: the committed memory blocks as the last
// end report left them, and the live state that the blocks, the apply groups
// and the mouse's own buttons set.
struct SimMemory {
    static constexpr int kProfiles = 5;
    // Block sizes: exactly what the program writes, so that a chunk that
    // overruns its block is refused (and shows up as a failed exchange).
    static constexpr int kSystemSize = 19;
    static constexpr int kDpiSize = 1 + 8 * 5;         // stage count, then 8 stages of 5 bytes
    static constexpr int kButtonSize = 98 + 4;         // button block plus its FF FF FF FF tail
    static constexpr int kLightingSize = 10 * 8;       // ten 8-byte lighting blocks
    static constexpr int kMacroSize = 20 * 200;        // 20 macro banks of 200 bytes

    // Committed blocks (commands 0x01..0x05).
    std::vector<uint8_t> system, dpi, buttons, lighting, macro;
    // How many end reports committed each block: system, dpi, buttons, lighting, macro.
    std::array<int, 5> commits{};
    // Group bits (0x01 system, 0x02 DPI, 0x04 buttons, 0x08 lighting,
    // 0x10 macros) of blocks committed but not yet made live by an apply.
    int pendingApply = 0;

    // Live state.
    int activeProfile = 0;
    std::array<int, kProfiles> dpiStage{};     // active DPI stage of each profile (0-based)
    std::array<int, kProfiles> pollrate{};     // report-rate code of each profile (1, 2, 4, 8)
    std::array<int, kProfiles> scrollspeed{};
    int lightingMode = 0;                      // system block byte 18, reported in the status report
    bool uploading = false;                    // between upload marks 0 and 1

    // What the program sent, in order (the most recent few hundred entries).
    std::vector<int> uploadMarks;      // 0x46 position 4
    std::vector<int> applyGroups;      // 0x40 position 5
    std::vector<int> profileSelects;   // 0x44 position 4

    // Reports the firmware threw away (bad frame, unknown command, chunk out
    // of its block, malformed end report), and why the last one was refused.
    int rejectedReports = 0;
    std::string lastRejection;
};
