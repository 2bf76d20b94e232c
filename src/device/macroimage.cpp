#include "macroimage.h"

#include "commandset.h"
#include "devicelog.h"

#include "config/macrofile.h"

#include <QDebug>

#include <algorithm>

namespace {

constexpr uint8_t kDelayEvent = 0x06;
constexpr uint8_t kUnitDelay[3] = {kDelayEvent, 0x01, 0x00};

// A bank is written when any of its first five bytes is non-zero.
constexpr int kBankInUseBytes = 5;

void append(std::vector<uint8_t> &bytes, const KeyInfo &event)
{
    bytes.push_back(event.map);
    bytes.push_back(event.DataL);
    bytes.push_back(event.DataH);
}

std::vector<uint8_t> encodeWhole(const KeyInfo *events, int count)
{
    std::vector<uint8_t> bytes;
    bytes.reserve(kMacroBankSize + 3 * 2);

    const bool ownDelays = std::any_of(events, events + count, [](const KeyInfo &e) { return e.map == kDelayEvent; });
    if (ownDelays) {
        for (int i = 0; i < count; ++i)
            append(bytes, events[i]);
    } else {
        // A macro without delays of its own gets a one-unit delay after
        // every fourth event and after its last one.
        for (int i = 0; i < count; ++i) {
            append(bytes, events[i]);
            if ((i + 1) % 4 == 0)
                bytes.insert(bytes.end(), std::begin(kUnitDelay), std::end(kUnitDelay));
        }
        bytes.insert(bytes.end(), std::begin(kUnitDelay), std::end(kUnitDelay));
    }
    return bytes;
}

} // namespace

bool macroFitsBank(const KeyInfo *events, int count)
{
    return count >= 0 && count <= kEventsPerButton && int(encodeWhole(events, count).size()) <= kMacroBankSize;
}

std::vector<uint8_t> encodeMacroBytes(const KeyInfo *events, int count)
{
    std::vector<uint8_t> bytes = encodeWhole(events, std::clamp(count, 0, kEventsPerButton));
    if (int(bytes.size()) > kMacroBankSize)
        bytes.resize(kMacroBankSize);
    return bytes;
}

void EncodeMacro(const KeyInfo *events, int count, int bank, MacroImage &image)
{
    if (bank < 0 || bank >= kMacroBankCount)
        return;
    const std::vector<uint8_t> bytes = encodeMacroBytes(events, count);
    const auto start = image.begin() + kMacroBankSize * bank;
    std::fill(start, start + kMacroBankSize, 0);
    std::copy(bytes.begin(), bytes.end(), start);
}

MacroImage buildMacroImage(const MacroNumbering &macros, const MacroEventSource &source)
{
    MacroImage image{};
    for (int number = 0; number < macros.size(); ++number) {
        if (number > kMaxMacroNumber) {
            // The button still refers to the number; the mouse has no bank for it.
            qCDebug(lcDevice, "iIndex>=MAX_MACRO_NUMBER_560");
            continue;
        }
        MacroEvents events{};
        const int count = source ? source(macros.name(number), events) : 0;
        EncodeMacro(events.data(), std::clamp(count, 0, kEventsPerButton), number, image);
    }
    return image;
}

bool macroBankInUse(const MacroImage &image, int bank)
{
    if (bank < 0 || bank >= kMacroBankCount)
        return false;
    const uint8_t *start = image.data() + kMacroBankSize * bank;
    return std::any_of(start, start + kBankInUseBytes, [](uint8_t b) { return b != 0; });
}

ReportList macroImageReports(const MacroImage &image)
{
    std::bitset<kMacroBankCount> inUse;
    for (int bank = 0; bank < kMacroBankCount; ++bank)
        inUse[size_t(bank)] = macroBankInUse(image, bank);
    return macroBankReports(image, inUse);
}

ReportList macroBankReports(const MacroImage &image, const std::bitset<kMacroBankCount> &chosen)
{
    ReportList reports;
    for (int bank = 0; bank < kMacroBankCount; ++bank) {
        if (!chosen[size_t(bank)])
            continue;
        const uint8_t *start = image.data() + kMacroBankSize * bank;
        for (int offset = 0; offset < kMacroBankSize; offset += kMacroChunkSize) {
            const int addr = kMacroBankSize * bank + offset;
            // Only the chunk at the very start of the memory opens the write.
            const uint8_t tag = addr == 0 ? kTagFirstChunk : kTagNextChunk;
            reports.push_back(chunkReport(Command::MacroData, addr, start + offset, kMacroChunkSize, tag));
        }
    }
    if (!reports.empty())
        reports.push_back(blockEndReport(Command::MacroData, kMacroEndAddress));
    return reports;
}

MacroEventSource macroFileEvents()
{
    return [](const QString &name, MacroEvents &events) { return readMacroEvents(name, events); };
}

ReportList buildMacroUpload(const MacroNumbering &macros, const MacroEventSource &source)
{
    return macroImageReports(buildMacroImage(macros, source));
}
