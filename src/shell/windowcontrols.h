#pragma once

#include "editors/pagetab.h"

#include <QList>
#include <QRect>
#include <QString>

#include <array>

class QWidget;
class SkinCheckBox;
class SkinLabel;
class SkinLineEdit;
class BatteryBar;
class SkinButton;

// The controls of the main window and the layout pass that places them.
//
// Every position is a rectangle of the 999 x 640 design multiplied by the
// scale factor. A control that the layout gives an empty size still exists
// and keeps its function (the per-profile controls of the standard layout),
// it is just not seen.
class WindowControls {
public:
    // Hot-spot groups: over the front picture, over the side picture, and
    // the two wheel arrows.
    enum SpotGroup { FrontSpots = 0, SideSpots = 1, WheelArrows = 2, SpotGroupCount = 3 };
    static constexpr int kSpotsPerView = 20;
    static constexpr int kProfileSlots = 5;

    // Creates every control as a child of `window`.
    void build(QWidget *window);

    // The layout pass: geometry at the process-wide scale factor, fonts of
    // the current language. The descriptor's switches hide the tabs of the
    // features the product does not have.
    void layout(bool disableMacro, bool ledDisable);

    // With the profile controls shown (Config/ProfileControls), the layout
    // places the indicators, the name field with its label and the library
    // button and the small profile buttons under the tab column; without,
    // they keep an empty size and take neither focus nor keys.
    bool profileControlsShown = false;

    // Every text of the controls, in the current language.
    void retranslate(const QString &productVersion);
    // "Profile" and " %d" with the number: "Profile 3".
    static QString numbered(const QString &word, const QString &format, int number);

    // The pictures of the two wheel arrows, which depend on the model.
    void setArrowPictures(const QString &modelName);
    static bool usesStrongArrows(const QString &modelName);

    // Spot `index` of `group`, or null when either is out of range.
    SkinButton *spot(int group, int index) const;
    // Where a hot spot sits, or -1/-1 for a button that is none.
    bool findSpot(const SkinButton *button, int *group, int *index) const;

    // Every push button (their fonts follow the language).
    QList<SkinButton *> buttons() const;
    // The buttons an upload or the macro editor's recording locks.
    QList<SkinButton *> lockableButtons() const;

    // Title bar.
    SkinButton *close = nullptr;
    SkinButton *minimise = nullptr;
    SkinButton *model = nullptr;
    SkinButton *language = nullptr;
    SkinButton *firmware = nullptr;

    std::array<SkinButton *, kPageTabCount> tabs{};
    std::array<SkinButton *, kProfileSlots> indicators{};

    // Profile operations.
    SkinButton *profileMenu = nullptr;
    SkinButton *add = nullptr;
    SkinButton *remove = nullptr;
    SkinButton *exportProfile = nullptr;
    SkinButton *importProfile = nullptr;
    SkinButton *copy = nullptr;
    SkinButton *reset = nullptr;
    SkinButton *resetAll = nullptr;
    SkinButton *load = nullptr;
    SkinButton *save = nullptr;
    SkinLineEdit *nameField = nullptr;
    SkinLabel *nameLabel = nullptr;
    SkinButton *library = nullptr;

    SkinButton *ok = nullptr;
    SkinButton *cancel = nullptr;
    SkinButton *apply = nullptr;

    // The mouse and its hot spots.
    SkinButton *front = nullptr;
    SkinButton *side = nullptr;
    SkinLabel *frontPicture = nullptr;
    SkinLabel *sidePicture = nullptr;
    SkinLabel *modelLabel = nullptr;
    std::array<SkinButton *, kSpotsPerView> frontSpots{};
    std::array<SkinButton *, kSpotsPerView> sideSpots{};
    SkinButton *wheelUp = nullptr;
    SkinButton *wheelDown = nullptr;

    // Status and decoration.
    BatteryBar *battery = nullptr;
    SkinLabel *charge = nullptr;
    SkinLabel *dongle = nullptr;
    SkinLabel *logo = nullptr;
    SkinLabel *version = nullptr;
    // "Start with the desktop".
    SkinCheckBox *autostart = nullptr;

    // Design rectangles used by more than the layout pass.
    static const QRect kBatteryFrame;
    static const QRect kFrontPicture;
    static const QRect kSidePicture;

private:
    void layoutProfileControls();

    QWidget *m_window = nullptr;
};
