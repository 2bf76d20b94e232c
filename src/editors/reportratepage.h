#pragma once

#include "editorpage.h"

#include <QWidget>

class PageEvents;
class QButtonGroup;
class QMenu;
class SkinCheckBox;
class SkinLabel;
class SkinButton;

// The report rate and the lift-off distance (label: VeskReportRate). The
// rate menu offers 125, 250, 500 and 1000 HZ and writes the profile's
// `pollrate`; a rate the mouse's own button sets shows at once. A code
// outside the four shows no label and is kept until a rate is chosen.
//
// The lift-off radio pair ("1 mm" id 0, "2 mm" id 1) shows the one LiftHigh
// of the configuration (2 mm for any value but 1); a click writes it and
// the pointer-options page follows (PageEvents::liftChanged).
class ReportRatePage : public QWidget, public EditorPage {
    Q_OBJECT
public:
    static PagePlace placement();

    ReportRatePage(PageEvents &events, const PageContext &context, QWidget *parent = nullptr);
    ~ReportRatePage() override;

    QWidget *widget() override { return this; }
    void show(ProfileData &profile, MouseConfig &config, const PageContext &context) override;
    void retranslate() override;
    void setScale(double factor) override;
    void showRate(int rateCode) override;
    void showLift(int liftHigh) override;

    SkinButton *rateButton() const { return m_rateButton; }
    QMenu *rateMenu() const { return m_rateMenu; }
    SkinCheckBox *liftBox(int id) const;
    // 1 or 2: the lift-off distance shown.
    int shownLift() const;

private:
    void chooseRate(int code);
    void showRateLabel();
    void onRadioChanged(int id);
    void placeControls();

    PageEvents &m_events;
    ProfileData *m_profile = nullptr;
    MouseConfig *m_config = nullptr;

    SkinLabel *m_rateCaption = nullptr;
    SkinButton *m_rateButton = nullptr;
    QMenu *m_rateMenu = nullptr;
    SkinLabel *m_liftCaption = nullptr;
    QButtonGroup *m_liftGroup = nullptr;
};
