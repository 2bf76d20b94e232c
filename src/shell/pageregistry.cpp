#include "pageregistry.h"

#include "pagehost.h"

#include "editors/buttonpage.h"
#include "editors/macropage.h"
#include "editors/dpipage.h"

// One line a page: `host.add<PageClass>();`, the page class stating its slot
// in `static constexpr EditorPage::Slot kSlot` and taking
// (PageEvents &, QWidget *parent) in its constructor.
void registerPages(PageHost &host)
{
    host.add<ButtonPage>();
    host.add<MacroPage>();
    host.add<DpiPage>();
}
