#include "editorpage.h"

EditorPage::~EditorPage() = default;

PageTab EditorPage::tabOf(Slot slot)
{
    switch (slot) {
    case Lighting: return PageTab::Lighting;
    case Buttons: return PageTab::Customize;
    case Macros: return PageTab::Macro;
    case Performance:
    case ReportRate:
    case Dpi:
    case SlotCount: break;
    }
    return PageTab::Performance;
}

QRect EditorPage::baseGeometryOf(Slot slot)
{
    switch (slot) {
    case Lighting: return QRect(285, 90, 351, 440);
    case Buttons: return QRect(285, 90, 332, 442);   // the scroll area around the page
    case Performance: return QRect(746, 185, 229, 366);
    case ReportRate: return QRect(746, 90, 229, 90);
    case Dpi: return QRect(285, 90, 456, 460);
    case Macros: return QRect(285, 90, 665, 467);
    case SlotCount: break;
    }
    return QRect();
}

const char *EditorPage::objectNameOf(Slot slot)
{
    switch (slot) {
    case Lighting: return "VeskColorWindow";
    case Buttons: return "VeskBtnWindow";
    case Performance: return "VeskPointSpeed";
    case ReportRate: return "VeskReportRate";
    case Dpi: return "VeskDPIWindow";
    case Macros: return "MacroDialog";
    case SlotCount: break;
    }
    return "";
}

int EditorPage::buttonPageHeight(int buttonCount) { return buttonCount > 9 ? 50 * buttonCount + 20 : 440; }
