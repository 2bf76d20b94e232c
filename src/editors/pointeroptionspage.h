#pragma once

#include "editorpage.h"

#include <QWidget>

#include <array>
#include <optional>

class PageEvents;
class QButtonGroup;
class QSpinBox;
class SkinCheckBox;
class SkinLabel;
class SkinSlider;

// The sensor and timing options (VeskPointSpeed): button debounce ("Key
// Response"), wheel scroll amount, and the four two-way choices sync, lift
// distance, angle snapping and jitter filter.
//
// The scroll amount goes into the profile at once. The lift distance is one
// value with the report-rate page's: a click asks the window to store it and
// both pages show it. Sync, angle, jitter and debounce go into the record on
// Apply - only those the user changed, so that a value out of range that a
// file gave is shown safely and kept. A record that replaces the shown one
// (reset, load, profile switch) drops them like every other page's edits.
//
// The order of the four choices follows the product's PROFILE/Sync (which
// of them its firmware reads first); the rows are the same in every order.
class PointerOptionsPage : public QWidget, public EditorPage {
    Q_OBJECT
public:
    static PagePlace placement();
    enum Choice { Sync, Lift, Angle, Jitter, ChoiceCount };

    PointerOptionsPage(PageEvents &events, const PageContext &context, QWidget *parent = nullptr);
    ~PointerOptionsPage() override;

    QWidget *widget() override { return this; }
    void show(ProfileData &profile, const PageContext &context) override;
    void gather(ProfileData &profile, MouseConfig &config) const override;
    void retranslate() override;
    void setScale(double factor) override;
    void showLift(int liftHigh) override;

    // The rows' order for a PROFILE/Sync value (anything above 2 as 2).
    static std::array<Choice, ChoiceCount> choiceOrder(int syncMode);

    // The controls, for the window's tests: the "ON" ("1mm") and "OFF"
    // ("2mm") box of each choice.
    SkinSlider *responseSlider() const { return m_response; }
    QSpinBox *scrollBox() const { return m_scroll; }
    SkinCheckBox *onBox(Choice choice) const { return m_on[size_t(choice)]; }
    SkinCheckBox *offBox(Choice choice) const { return m_off[size_t(choice)]; }
    SkinLabel *caption(Choice choice) const { return m_captions[size_t(choice)]; }

private:
    void onChoiceClicked(Choice choice, bool on);
    void showChoice(Choice choice, bool on);
    void placeControls();

    PageEvents &m_events;
    ProfileData *m_profile = nullptr;
    int m_syncMode = 0;
    // What the user chose and has not applied yet.
    std::array<std::optional<uint8_t>, ChoiceCount> m_chosen{};
    std::optional<uint8_t> m_debounce;

    SkinLabel *m_responseCaption = nullptr;
    SkinLabel *m_responseValue = nullptr;
    SkinSlider *m_response = nullptr;
    SkinLabel *m_scrollCaption = nullptr;
    QSpinBox *m_scroll = nullptr;
    std::array<SkinLabel *, ChoiceCount> m_captions{};
    std::array<SkinCheckBox *, ChoiceCount> m_on{};
    std::array<SkinCheckBox *, ChoiceCount> m_off{};
    std::array<QButtonGroup *, ChoiceCount> m_groups{};
};
