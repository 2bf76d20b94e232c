#include "pageregistry.h"

#include "pagehost.h"

#include "editors/lightingpage.h"
#include "editors/pointeroptionspage.h"
#include "editors/reportratepage.h"

// One line a page: `host.add<PageClass>();`, the page class stating its slot
// in `static constexpr EditorPage::Slot kSlot` and taking
// (PageEvents &, QWidget *parent) in its constructor.
void registerPages(PageHost &host)
{
    host.add<LightingPage>();
    host.add<PointerOptionsPage>();
    host.add<ReportRatePage>();
}
