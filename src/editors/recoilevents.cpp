#include "recoilevents.h"

#include "config/macrofile.h"
#include "editors/macrorecorder.h"
#include "editors/macrorows.h"

#include <algorithm>

namespace {

constexpr int kLeftButton = 1;

KeyInfo stepRow(int vertical, int horizontal)
{
    KeyInfo row;
    row.map = MacroEvent::Move;
    row.DataH = uint8_t(int8_t(vertical));
    row.DataL = uint8_t(int8_t(horizontal));
    return row;
}

} // namespace

std::vector<KeyInfo> buildRecoilEvents(const std::vector<RecoilBullet> &bullets, int unitMs)
{
    std::vector<KeyInfo> events;
    const int count = std::min<int>(int(bullets.size()), kMaxRecoilBullets);
    for (int i = 0; i < count; ++i) {
        const RecoilBullet &b = bullets[size_t(i)];
        events.push_back(MacroRows::buttonRow(true, kLeftButton));
        events.push_back(MacroRows::buttonRow(false, kLeftButton));
        const int y = std::clamp(b.y, -100, 100);
        const int x = std::clamp(b.x, -100, 100);
        if (y != 0)
            events.push_back(stepRow(y, 0));
        if (x != 0)
            events.push_back(stepRow(0, x));
        events.push_back(MacroRows::delayRowForMs(std::clamp(b.delayMs, 1, 999), unitMs));
    }
    return events;
}
