#pragma once

#include "config/mouseconfig.h"

#include <QRect>
#include <QString>

#include <functional>

class QScrollArea;
class QWidget;

// The places of the editing pages in the main window, and what the window
// asks of them: show a profile, hand back what the user edited, show a value
// the mouse changed by itself.
//
// Each page stands in its slot at its base geometry. A slot whose page class
// is not part of the program yet holds a plain transparent widget of the
// page's size; the page class takes its place in build() and fills in the
// hooks that concern it. An empty hook is skipped, so the window works the
// same with or without a page.
class PageHost {
public:
    // Base geometries of the 999 x 640 design.
    static const QRect kButtonArea;       // scroll area of the button page
    static const QRect kDpiPage;
    static const QRect kPointSpeedPage;
    static const QRect kReportRatePage;
    static const QRect kMacroPage;
    static const QRect kLightingPage;
    static constexpr int kButtonPageWidth = 332;

    // The button page is 332 x 440, or taller when the product has more
    // buttons than fit: 50 units per button plus 20.
    static int buttonPageHeight(int buttonCount);

    struct Hooks {
        // Page refresh, in the order the window runs it.
        std::function<void(ProfileData &profile)> showLighting;
        std::function<void(ProfileData &profile)> showButtons;
        std::function<void(ProfileData &profile, const MouseConfig &config)> showPerformance;
        std::function<void(ProfileData &profile, int liftHigh)> showReportRate;
        std::function<void(ProfileData &profile, int sensorType)> showDpi;

        // Gathering for Apply: the pages' values into the record.
        std::function<void(ProfileData &profile)> gatherDpi;
        std::function<void(ProfileData &profile, MouseConfig &config)> gatherPerformance;
        std::function<void(ProfileData &profile)> gatherReportRate;

        // What the mouse changed with its own buttons.
        std::function<void(int stage)> showDpiStage;
        std::function<void(int rateCode, int liftHigh)> showRate;
        std::function<void(int mode)> showLightMode;

        // Hot spots: the button chosen over the picture, the view shown.
        std::function<void(int index, int group)> selectButton;
        std::function<void(bool frontView)> showView;

        // The desktop pointer settings of a profile that became current.
        std::function<void(const ProfileData &profile)> applyPointerSettings;
        // The desktop pointer speed read into a freshly loaded profile.
        std::function<void(ProfileData &profile)> readPointerSpeed;
    };

    // Creates the pages in their order (button, DPI, pointer and sensor
    // options, report rate, macro editor, lighting) as children of `window`.
    void build(QWidget *window, ProfileData &current, int buttonCount);
    // Base geometry at the process-wide scale factor.
    void layout();

    // Page refresh from the current profile of `config`. The lighting page
    // of the "KV52" edits the first profile whatever slot is active.
    void refresh(MouseConfig &config, const QString &modelName, int sensorType);
    // Gathering for Apply into the current profile of `config`.
    void gather(MouseConfig &config);

    // The pages of tab 0 (lighting), 1 (buttons), 2 (DPI, pointer and
    // sensor options, report rate) or 3 (macros) are shown, the others hidden.
    void showForTab(int tab);

    Hooks &hooks() { return m_hooks; }

    QScrollArea *buttonArea() const { return m_buttonArea; }
    QWidget *buttonPage() const { return m_buttonPage; }
    QWidget *dpiPage() const { return m_dpiPage; }
    QWidget *pointSpeedPage() const { return m_pointSpeedPage; }
    QWidget *reportRatePage() const { return m_reportRatePage; }
    QWidget *macroPage() const { return m_macroPage; }
    QWidget *lightingPage() const { return m_lightingPage; }

private:
    Hooks m_hooks;
    int m_buttonCount = 0;
    QScrollArea *m_buttonArea = nullptr;
    QWidget *m_buttonPage = nullptr;
    QWidget *m_dpiPage = nullptr;
    QWidget *m_pointSpeedPage = nullptr;
    QWidget *m_reportRatePage = nullptr;
    QWidget *m_macroPage = nullptr;
    QWidget *m_lightingPage = nullptr;
};
