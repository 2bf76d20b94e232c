#include "pagehost.h"

#include "widgets/uiscale.h"

#include <QScrollArea>
#include <QWidget>

const QRect PageHost::kButtonArea(285, 90, 332, 442);
const QRect PageHost::kDpiPage(285, 90, 456, 460);
const QRect PageHost::kPointSpeedPage(746, 185, 229, 366);
const QRect PageHost::kReportRatePage(746, 90, 229, 90);
const QRect PageHost::kMacroPage(285, 90, 665, 467);
const QRect PageHost::kLightingPage(285, 90, 351, 440);

namespace {

// The slot of a page whose class is not in the program yet: transparent,
// named after the page it stands for, so that tests and style sheets find it.
QWidget *pageSlot(QWidget *parent, const char *pageClass)
{
    auto *slot = new QWidget(parent);
    slot->setObjectName(QLatin1String(pageClass));
    slot->setAttribute(Qt::WA_TranslucentBackground, true);
    return slot;
}

} // namespace

int PageHost::buttonPageHeight(int buttonCount) { return buttonCount > 9 ? 50 * buttonCount + 20 : 440; }

void PageHost::build(QWidget *window, ProfileData &current, int buttonCount)
{
    (void)current;   // handed to the pages that edit the current profile in place
    m_buttonCount = buttonCount;

    // The button page scrolls when the product has many buttons; the area is
    // invisible around it.
    m_buttonArea = new QScrollArea(window);
    m_buttonArea->setObjectName(QStringLiteral("buttonArea"));
    m_buttonArea->setWindowFlags(Qt::FramelessWindowHint);
    m_buttonArea->setFrameShape(QFrame::NoFrame);
    m_buttonArea->setStyleSheet(QStringLiteral("QScrollArea{background-color:transparent;margin:0px;border:0px}"));
    m_buttonArea->viewport()->setStyleSheet(QStringLiteral("background-color:transparent;margin:0px;"));
    m_buttonArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_buttonArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    // VeskBtnWindow takes this slot (with `current`).
    m_buttonPage = pageSlot(nullptr, "VeskBtnWindow");
    m_buttonArea->setWidget(m_buttonPage);
    // VeskDPIWindow takes this slot (with `current`).
    m_dpiPage = pageSlot(window, "VeskDPIWindow");
    // VeskPointSpeed takes this slot (with `current`).
    m_pointSpeedPage = pageSlot(window, "VeskPointSpeed");
    // VeskReportRate takes this slot (with `current`).
    m_reportRatePage = pageSlot(window, "VeskReportRate");
    // MacroDialog takes this slot.
    m_macroPage = pageSlot(window, "MacroDialog");
    // VeskColorWindow takes this slot (with the scale factor).
    m_lightingPage = pageSlot(window, "VeskColorWindow");
}

void PageHost::layout()
{
    m_buttonArea->setGeometry(UiScale::scaled(kButtonArea));
    m_buttonPage->setFixedSize(UiScale::scaled(kButtonPageWidth), UiScale::scaled(buttonPageHeight(m_buttonCount)));
    m_dpiPage->setGeometry(UiScale::scaled(kDpiPage));
    m_pointSpeedPage->setGeometry(UiScale::scaled(kPointSpeedPage));
    m_reportRatePage->setGeometry(UiScale::scaled(kReportRatePage));
    m_macroPage->setGeometry(UiScale::scaled(kMacroPage));
    m_lightingPage->setGeometry(UiScale::scaled(kLightingPage));
}

void PageHost::showForTab(int tab)
{
    m_lightingPage->setVisible(tab == 0);
    m_buttonArea->setVisible(tab == 1);
    m_buttonPage->setVisible(tab == 1);
    m_dpiPage->setVisible(tab == 2);
    m_pointSpeedPage->setVisible(tab == 2);
    m_reportRatePage->setVisible(tab == 2);
    m_macroPage->setVisible(tab == 3);
}

void PageHost::refresh(MouseConfig &config, const QString &modelName, int sensorType)
{
    ProfileData &profile = currentProfile(config);
    if (m_hooks.showLighting)
        m_hooks.showLighting(modelName == QLatin1String("KV52") ? config.profiles[0] : profile);
    if (m_hooks.showButtons)
        m_hooks.showButtons(profile);
    if (m_hooks.showPerformance)
        m_hooks.showPerformance(profile, config);
    if (m_hooks.showReportRate)
        m_hooks.showReportRate(profile, config.LiftHigh);
    if (m_hooks.showDpi)
        m_hooks.showDpi(profile, sensorType);
}

void PageHost::gather(MouseConfig &config)
{
    ProfileData &profile = currentProfile(config);
    if (m_hooks.gatherDpi)
        m_hooks.gatherDpi(profile);
    if (m_hooks.gatherPerformance)
        m_hooks.gatherPerformance(profile, config);
    if (m_hooks.gatherReportRate)
        m_hooks.gatherReportRate(profile);
}
