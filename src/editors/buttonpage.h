#pragma once

#include "editorpage.h"

#include "config/buttonrules.h"

#include <QWidget>

#include <array>
#include <memory>

class ButtonMenus;
class PageEvents;
class QLabel;
class QMenu;
class SkinButton;

// The button assignment page (object name "VeskBtnWindow"): one button per
// programmable mouse button, each with a drop-down menu of functions.
// Choosing a function writes it into the matching entry of the profile shown;
// the functions that need more open a dialog first (single key, combination,
// fire key, sniper, macro or recoil file).
//
// Entries come in three groups: the first row (entries 0..19, over the front
// picture), the second row (20..39, over the side picture) and the wheel
// (40 up, 41 down). The front view shows the first row and the wheel, the
// side view the second row.
class ButtonPage : public QWidget, public EditorPage {
    Q_OBJECT
public:
    static PagePlace placement();
    enum Group { FirstRow = 0, SecondRow = 1, Wheel = 2 };
    static constexpr int kRowSize = 20;
    static constexpr int kNoSelection = 0xFF;

    ButtonPage(PageEvents &events, const PageContext &context, QWidget *parent = nullptr);
    ~ButtonPage() override;

    QWidget *widget() override { return this; }
    void show(ProfileData &profile, MouseConfig &config, const PageContext &context) override;
    void retranslate() override;
    void setScale(double factor) override;
    void selectButton(int index, int group) override;
    void showView(bool frontView) override;

    // The selection the next function applies to; (kNoSelection,
    // kNoSelection) for none.
    void setSelection(int group, int index);
    int selectedGroup() const { return m_group; }
    int selectedIndex() const { return m_index; }
    // Shows the rows of `group` (0 or 2: first row and wheel; 1: second row).
    void showGroup(int group);

    // Applies function `code` to the selected entry, opening its dialog
    // where it has one. Does nothing without a selection.
    void applyFunction(int code);

    SkinButton *buttonWidget(int group, int index) const;
    QString labelOf(int entry) const;
    QMenu *mainMenu() const;
    QMenu *wheelMenu() const;
    const ButtonMenus &menus() const { return *m_menus; }

    // The entry a group and index stand for; -1 when they stand for none.
    static int entryOf(int group, int index);

private:
    void buildButtons();
    void layoutButtons();
    void refreshLabels();
    void applyFonts();
    void clearSelection();
    void onHover(SkinButton *button, bool over);
    void onPressed(SkinButton *button);
    bool findWidget(const SkinButton *button, int *group, int *index) const;

    // The functions with a dialog; each returns false when the dialog was
    // cancelled or the result could not be applied.
    void applyMacro(int entry, int code);
    void applySingleKey(int entry);
    void applyComboKey(int entry);
    void applyFireKey(int entry);
    void applySniper(int entry);
    // The entry to write after a dialog: null (with a debug line) when the
    // page was shown another profile while the dialog was open.
    QWidget *dialogParent();
    ButtonInfo *aimedEntry(const ProfileData *aimed, int entry) const;

    PageEvents &m_events;
    std::unique_ptr<ButtonMenus> m_menus;
    ProfileData *m_profile = nullptr;
    int m_sensorType = 0;
    ProductFacts m_product;
    int m_buttonCount = 0;   // what the descriptor says: which entries reach the mouse
    int m_group = FirstRow;
    int m_index = 0;
    int m_shownGroup = FirstRow;
    std::array<SkinButton *, kRowSize> m_firstRow{};
    std::array<SkinButton *, kRowSize> m_secondRow{};
    std::array<SkinButton *, 2> m_wheel{};
    std::array<QLabel *, kRowSize> m_firstNumbers{};
    std::array<QLabel *, kRowSize> m_secondNumbers{};
    std::array<QLabel *, 2> m_wheelMarks{};
};
