#pragma once

#include <QColor>
#include <QString>

class QAbstractSpinBox;
class QMenu;

// The colour theme: Config/GColorID of Configs/Config.ini picks one of seven
// accent colours, which tint the battery bar, button frames, slider handles,
// the on-screen display text and other accents. The style sheets that the
// kit fills from the theme colour live here too, so that every page draws
// its menus, sliders and dialog buttons alike.
class UiTheme {
public:
    static constexpr int kColorCount = 7;

    // Entry `id` of the table; an id outside 0..6 (a hand-edited file) gives
    // entry 0 rather than indexing past the table.
    static QColor color(int id);
    static bool isValidColorId(int id);

    // Config/GColorID as stored (0 when missing).
    static int colorId();
    static QColor currentColor();

    // Gives `menu` and its submenus the shared dark menu style
    // (SkinMenuStyle), a width of `designWidth` times the scale and the
    // language font. Submenus added later are styled when the menu opens.
    static void styleMenu(QMenu *menu, int designWidth);

    // A dark spin box with white text and arrows, through its palette: a
    // style sheet would make the style drop the arrows at small sizes.
    static void styleSpinBox(QAbstractSpinBox *box);

    // Black dialog buttons with white text and an outset frame in `accent`;
    // disabled ones grey.
    static QString dialogButtonStyle(const QColor &accent);
    // The text colour of every control of the kit that cannot be used now.
    static QColor disabledTextColor();
};
