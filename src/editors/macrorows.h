#pragma once

#include "config/mouseconfig.h"

#include <QCoreApplication>
#include <QString>

#include <vector>

// The kinds of macro rows the editor makes and how each is built and named.
// A row is the event triple itself (type, high, low); nothing else is kept.
namespace MacroRows {

enum class Kind { Key, Button, Move, Delay, Other };
enum Direction { Left, Right, Up, Down };

constexpr int kMaxMoveDistance = 120;
// The mouse buttons a row can press, in the order menus list them.
constexpr int kButtonValues[5] = {1, 4, 2, 8, 16};

Kind kindOf(const KeyInfo &row);
bool isPress(const KeyInfo &row);

KeyInfo keyRow(bool press, int usage);
KeyInfo buttonRow(bool press, int button);
// A movement along one axis, its distance held to 1..120.
KeyInfo moveRow(Direction direction, int distance);
// The direction and distance of a movement row: the horizontal step when it
// is non-zero, else the vertical one.
Direction moveDirection(const KeyInfo &row, int *distance = nullptr);

int delayCount(const KeyInfo &row);
// A delay of `ms` milliseconds in whole units, clamped to what a row holds.
KeyInfo delayRowForMs(int ms, int unitMs);

// Whether some key or button press in `rows` has no release after it.
bool hasUnreleasedPress(const std::vector<KeyInfo> &rows);

} // namespace MacroRows

// The texts of the rows and of the mouse-command panel.
class MacroRowText {
    Q_DECLARE_TR_FUNCTIONS(MacroRowText)
public:
    static QString buttonName(int button);
    static QString moveName(MacroRows::Direction direction);
    static QString pressName(bool press);
    // The "KEY", "ACTION" and "DELAY(ms)" cells of a row; `unitMs` turns
    // delay counts into milliseconds.
    static QString keyCell(const KeyInfo &row);
    static QString actionCell(const KeyInfo &row);
    static QString delayCell(const KeyInfo &row, int unitMs);
    // The skin picture of the row's icon, or empty.
    static QString iconFile(const KeyInfo &row);
};
