#pragma once

#include "config/lightingeffects.h"

#include "editorpage.h"

#include <QColor>
#include <QWidget>

class PageEvents;
class QLabel;
class QMenu;
class QPushButton;
class SkinCheckBox;
class SkinLabel;
class SkinButton;
class SkinSlider;

// The lighting page (VeskColorWindow), first tab of the window: the effect,
// the brightness, speed and colour of that effect, the lighting sleep time
// and "MOVE TO LIGHT OFF" of the profile block it is handed - the lighting
// profile, the same block the upload sends. Every edit goes into that block
// at once; the page sends nothing itself.
//
// An effect code the page does not know (above 13) shows no effect controls
// and no name and is kept; only choosing an effect from the menu replaces it.
class LightingPage : public QWidget, public EditorPage {
    Q_OBJECT
public:
    static PagePlace placement();
    static constexpr int kBrightnessMax = LightingEffects::kBrightnessMax;
    static constexpr int kSpeedMax = LightingEffects::kSpeedMax;

    LightingPage(PageEvents &events, const PageContext &context, QWidget *parent = nullptr);
    ~LightingPage() override;

    QWidget *widget() override { return this; }
    void show(ProfileData &profile, MouseConfig &config, const PageContext &context) override;
    void retranslate() override;
    void setScale(double factor) override;
    // The mouse changed the effect with its own button.
    void showLightMode(int mode) override;

    // The controls, for the window's tests.
    SkinButton *effectButton() const { return m_effectButton; }
    QMenu *effectMenu() const { return m_effectMenu; }
    SkinSlider *brightnessSlider() const { return m_brightness; }
    SkinSlider *speedSlider() const { return m_speed; }
    SkinSlider *sleepSlider() const { return m_sleep; }
    QPushButton *colorButton() const { return m_colorButton; }
    SkinLabel *sleepValueLabel() const { return m_sleepValue; }
    SkinCheckBox *moveOffBox() const { return m_moveOff; }
    // The colour the colour button shows now.
    QColor shownColor() const { return m_shownColor; }

private:
    void buildEffectMenu();
    void chooseEffect(int code);
    void onSliderChanged(int value);
    void onMoveOffClicked(bool checked);
    void editColor();
    void showEffect();
    void showColor(const QColor &color);
    void showSleepValue();
    void placeControls();

    ProfileData *m_profile = nullptr;
    bool m_showSleep = true;
    QColor m_shownColor;

    SkinLabel *m_effectLabel = nullptr;
    SkinLabel *m_brightnessLabel = nullptr;
    SkinLabel *m_speedLabel = nullptr;
    SkinLabel *m_colorLabel = nullptr;
    SkinLabel *m_sleepLabel = nullptr;
    SkinLabel *m_sleepValue = nullptr;
    SkinSlider *m_brightness = nullptr;
    SkinSlider *m_speed = nullptr;
    SkinSlider *m_sleep = nullptr;
    QPushButton *m_colorButton = nullptr;
    SkinButton *m_effectButton = nullptr;
    SkinCheckBox *m_moveOff = nullptr;
    QMenu *m_effectMenu = nullptr;
};
