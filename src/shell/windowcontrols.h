#pragma once

#include <QList>
#include <QRect>
#include <QString>

#include <array>

class QWidget;
class VeskCheckBox;
class VeskLabel;
class VeskLineEdit;
class BatteryBar;
class VeskPushButton;

// The controls of the main window and the layout pass that places them.
//
// Every position is a rectangle of the 999 x 640 design multiplied by the
// scale factor. A control that the layout gives an empty size still exists
// and keeps its function (the per-profile controls of the standard layout),
// it is just not seen.
class WindowControls {
public:
    enum Tab { TabLighting = 0, TabCustomize = 1, TabDpi = 2, TabMacro = 3, TabCount = 4 };
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
    VeskPushButton *spot(int group, int index) const;
    // Where a hot spot sits, or -1/-1 for a button that is none.
    bool findSpot(const VeskPushButton *button, int *group, int *index) const;
    int tabIndex(const VeskPushButton *button) const;
    int indicatorIndex(const VeskPushButton *button) const;

    // Every push button, for the one click dispatcher.
    QList<VeskPushButton *> buttons() const;
    // The buttons an upload or the macro editor's recording locks.
    QList<VeskPushButton *> lockableButtons() const;

    // Title bar.
    VeskPushButton *close = nullptr;
    VeskPushButton *minimise = nullptr;
    VeskPushButton *model = nullptr;
    VeskPushButton *language = nullptr;
    VeskPushButton *firmware = nullptr;

    std::array<VeskPushButton *, TabCount> tabs{};
    std::array<VeskPushButton *, kProfileSlots> indicators{};

    // Profile operations.
    VeskPushButton *profileMenu = nullptr;
    VeskPushButton *add = nullptr;
    VeskPushButton *remove = nullptr;
    VeskPushButton *exportProfile = nullptr;
    VeskPushButton *importProfile = nullptr;
    VeskPushButton *copy = nullptr;
    VeskPushButton *reset = nullptr;
    VeskPushButton *resetAll = nullptr;
    VeskPushButton *load = nullptr;
    VeskPushButton *save = nullptr;
    VeskLineEdit *nameField = nullptr;
    VeskLabel *nameLabel = nullptr;
    VeskPushButton *library = nullptr;

    VeskPushButton *ok = nullptr;
    VeskPushButton *cancel = nullptr;
    VeskPushButton *apply = nullptr;

    // The mouse and its hot spots.
    VeskPushButton *front = nullptr;
    VeskPushButton *side = nullptr;
    VeskLabel *frontPicture = nullptr;
    VeskLabel *sidePicture = nullptr;
    VeskLabel *modelLabel = nullptr;
    std::array<VeskPushButton *, kSpotsPerView> frontSpots{};
    std::array<VeskPushButton *, kSpotsPerView> sideSpots{};
    VeskPushButton *wheelUp = nullptr;
    VeskPushButton *wheelDown = nullptr;

    // Status and decoration.
    BatteryBar *battery = nullptr;
    VeskLabel *charge = nullptr;
    VeskLabel *dongle = nullptr;
    VeskLabel *logo = nullptr;
    VeskLabel *version = nullptr;
    // "Start with the desktop".
    VeskCheckBox *autostart = nullptr;

    // Design rectangles used by more than the layout pass.
    static const QRect kBatteryFrame;
    static const QRect kFrontPicture;
    static const QRect kSidePicture;

private:
    void layoutProfileControls();

    QWidget *m_window = nullptr;
};
