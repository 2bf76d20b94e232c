#include "macrorows.h"

#include "config/keytables.h"
#include "config/macrofile.h"
#include "editors/macrorecorder.h"

#include <algorithm>
#include <map>

namespace MacroRows {

Kind kindOf(const KeyInfo &row)
{
    switch (row.map) {
    case MacroEvent::KeyDown:
    case MacroEvent::KeyUp: return Kind::Key;
    case MacroEvent::ButtonDown:
    case MacroEvent::ButtonUp: return Kind::Button;
    case MacroEvent::Move: return Kind::Move;
    case MacroEvent::Delay: return Kind::Delay;
    default: return Kind::Other;
    }
}

bool isPress(const KeyInfo &row) { return (row.map & MacroEvent::PressBit) != 0; }

KeyInfo keyRow(bool press, int usage)
{
    KeyInfo row;
    row.map = press ? MacroEvent::KeyDown : MacroEvent::KeyUp;
    row.DataL = uint8_t(usage);
    return row;
}

KeyInfo buttonRow(bool press, int button)
{
    KeyInfo row;
    row.map = press ? MacroEvent::ButtonDown : MacroEvent::ButtonUp;
    row.DataL = uint8_t(button);
    return row;
}

KeyInfo moveRow(Direction direction, int distance)
{
    const int d = std::clamp(distance, 1, kMaxMoveDistance);
    KeyInfo row;
    row.map = MacroEvent::Move;
    switch (direction) {
    case Left: row.DataL = uint8_t(256 - d); break;
    case Right: row.DataL = uint8_t(d); break;
    case Up: row.DataH = uint8_t(256 - d); break;
    case Down: row.DataH = uint8_t(d); break;
    }
    return row;
}

Direction moveDirection(const KeyInfo &row, int *distance)
{
    const int horizontal = int8_t(row.DataL);
    const int vertical = int8_t(row.DataH);
    Direction direction;
    int d;
    if (horizontal != 0) {
        direction = horizontal < 0 ? Left : Right;
        d = horizontal < 0 ? -horizontal : horizontal;
    } else {
        direction = vertical < 0 ? Up : Down;
        d = vertical < 0 ? -vertical : vertical;
    }
    if (distance)
        *distance = d;
    return direction;
}

int delayCount(const KeyInfo &row) { return row.DataH << 8 | row.DataL; }

KeyInfo delayRowForMs(int ms, int unitMs) { return macroDelayRow(std::max(0, ms) / std::max(1, unitMs)); }

bool hasUnreleasedPress(const std::vector<KeyInfo> &rows)
{
    // Count per (kind, value): a release after a press settles it.
    std::map<std::pair<int, int>, int> open;
    for (const KeyInfo &row : rows) {
        const Kind kind = kindOf(row);
        if (kind != Kind::Key && kind != Kind::Button)
            continue;
        int &n = open[{int(kind), row.DataL}];
        if (isPress(row))
            ++n;
        else if (n > 0)
            --n;
    }
    return std::any_of(open.begin(), open.end(), [](const auto &entry) { return entry.second > 0; });
}

} // namespace MacroRows

using namespace MacroRows;

QString MacroRowText::buttonName(int button)
{
    switch (button) {
    case 1: return tr("LEFT CLICK");
    case 2: return tr("RIGHT CLICK");
    case 4: return tr("MIDDLE CLICK");
    case 8: return tr("FORWARD");
    case 16: return tr("BACKWARD");
    default: return QStringLiteral("0x%1").arg(button, 2, 16, QLatin1Char('0'));
    }
}

QString MacroRowText::moveName(Direction direction)
{
    switch (direction) {
    case Left: return tr("MOVE LEFT");
    case Right: return tr("MOVE RIGHT");
    case Up: return tr("MOVE UP");
    case Down: break;
    }
    return tr("MOVE DOWN");
}

QString MacroRowText::pressName(bool press) { return press ? tr("Press") : tr("Release"); }

QString MacroRowText::keyCell(const KeyInfo &row)
{
    switch (kindOf(row)) {
    case Kind::Key: {
        int code = 0;
        // A usage no key has is shown as its number rather than dropped.
        return usageToKeyCode(row.DataL, code) ? keyName(code) : QStringLiteral("#%1").arg(row.DataL);
    }
    case Kind::Button: return buttonName(row.DataL);
    case Kind::Move: return moveName(moveDirection(row));
    case Kind::Delay: return QString();
    case Kind::Other: break;
    }
    return QStringLiteral("%1 %2 %3").arg(row.map).arg(row.DataH).arg(row.DataL);
}

QString MacroRowText::actionCell(const KeyInfo &row)
{
    switch (kindOf(row)) {
    case Kind::Key:
    case Kind::Button: return pressName(isPress(row));
    case Kind::Move: {
        int distance = 0;
        moveDirection(row, &distance);
        return QString::number(distance);
    }
    case Kind::Delay:
    case Kind::Other: break;
    }
    return QString();
}

QString MacroRowText::delayCell(const KeyInfo &row, int unitMs)
{
    return kindOf(row) == Kind::Delay ? QString::number(qint64(delayCount(row)) * unitMs) : QString();
}

QString MacroRowText::iconFile(const KeyInfo &row)
{
    switch (kindOf(row)) {
    case Kind::Key: return isPress(row) ? QStringLiteral("key_down.png") : QStringLiteral("key_up.png");
    case Kind::Button:
    case Kind::Move: return QStringLiteral("mouse_move.png");
    case Kind::Delay: return QStringLiteral("icondelay.png");
    case Kind::Other: break;
    }
    return QString();
}
