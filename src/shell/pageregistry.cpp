#include "pageregistry.h"

#include "pagehost.h"

#include "editors/buttonpage.h"
#include "editors/macropage.h"
#include "editors/dpipage.h"
#include "editors/lightingpage.h"
#include "editors/pointeroptionspage.h"
#include "editors/reportratepage.h"

// One line a page: `host.add<PageClass>();`, the page class stating its slot
// in `static constexpr EditorPage::Slot kSlot` and taking
// (PageEvents &, QWidget *parent) in its constructor.
void registerPages(PageHost &host)
{
    host.add<ButtonPage>();
    host.add<MacroPage>();
    host.add<DpiPage>();
    host.add<LightingPage>();
    host.add<PointerOptionsPage>();
    host.add<ReportRatePage>();
}
