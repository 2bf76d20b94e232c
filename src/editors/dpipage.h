#pragma once

#include "editorpage.h"

#include <QWidget>

#include <array>

class PageEvents;
class QButtonGroup;
class SkinCheckBox;
class DpiStageRow;

// DpiPage (VeskDPIWindow): the DPI stages of the current profile, one row
// per stage the product has (1..8), and the active stage as an exclusive
// group of round boxes beside them; each control writes its own field of the
// profile it was shown. Stages the product does not have are neither shown
// nor ever changed.
//
// The stages keep the mouse usable: the last enabled stage cannot be
// disabled, a disabled stage cannot be made active, and disabling the
// active stage makes the nearest enabled one active.
class DpiPage : public QWidget, public EditorPage {
    Q_OBJECT
public:
    static PagePlace placement();
    static constexpr int kRowPitch = 57;   // design units from one row to the next

    DpiPage(PageEvents &events, const PageContext &context, QWidget *parent = nullptr);

    // EditorPage
    QWidget *widget() override { return this; }
    void show(ProfileData &profile, MouseConfig &config, const PageContext &context) override;
    void retranslate() override;
    void setScale(double factor) override;
    void showDpiStage(int stage) override;

    // The profile the page edits (after the first show()).
    const ProfileData &profileData() const { return *m_profile; }
    int stageCount() const { return m_stageCount; }
    DpiStageRow *row(int stage) const;
    SkinCheckBox *activeBox(int stage) const;

signals:
    void pointerEntered(quint8 stage);

public slots:
    void onRadioChanged();
    void onLinkChanged(quint8 link, quint8 stage);
    void onEnableChanged(quint8 enable, quint8 stage);
    void onSliderChanged(int x, int y, quint8 stage);

private:
    void showActiveStage();
    void place();

    ProfileData *m_profile = nullptr;   // until the first show(): nothing to edit
    int m_stageCount = 1;
    bool m_shortRange3325 = false;
    std::array<DpiStageRow *, kDpiStageCount> m_rows{};
    std::array<SkinCheckBox *, kDpiStageCount> m_active{};
    QButtonGroup *m_group;
};
