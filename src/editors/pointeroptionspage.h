#pragma once

#include "editorpage.h"

#include <QWidget>

#include <array>

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
// Each control writes its own field when the user moves it, and no other:
// a value out of range that a file gave is shown safely and kept. The lift
// distance is one value with the report-rate page's, which follows a click
// here (PageEvents::liftChanged).
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
    void show(ProfileData &profile, MouseConfig &config, const PageContext &context) override;
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
    MouseConfig *m_config = nullptr;
    int m_syncMode = 0;

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
