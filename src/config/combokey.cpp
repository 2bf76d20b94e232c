#include "combokey.h"

#include "keytables.h"

namespace {

constexpr uint8_t kComboDataL = 0x05;
constexpr uint8_t kPress = 0x80;
constexpr uint8_t kRelease = 0x00;

} // namespace

void insertComboKey(ButtonInfo &button, int n, int keyCode)
{
    if (n < 0 || n > kEventsPerButton - 2)
        return;
    int usage = 0;
    keyCodeToUsage(keyCode, usage);
    auto &events = button.KeyInfo;
    for (int i = kEventsPerButton - 1; i >= n + 2; --i)
        events[size_t(i)] = events[size_t(i - 2)];
    events[size_t(n)] = {uint8_t(usage), kComboDataL, kPress};
    events[size_t(n + 1)] = {uint8_t(usage), kComboDataL, kRelease};
}

void writeCombo(ButtonInfo &button, const std::array<int, kComboEntryCount> &keyCodes)
{
    button.KeyInfo.fill(KeyInfo{});
    int n = 0;
    for (int code : keyCodes) {
        if (code != 0)
            insertComboKey(button, n++, code);
    }
}

ComboEntry comboEntryOf(int keyCode, int *hand)
{
    for (int entry = 0; entry < int(kComboModifierCodes.size()); ++entry) {
        for (int side = 0; side < 2; ++side) {
            if (kComboModifierCodes[size_t(entry)][size_t(side)] == keyCode) {
                if (hand)
                    *hand = side + 1;
                return ComboEntry(entry);
            }
        }
    }
    if (hand)
        *hand = 1;
    return ComboOther;
}
