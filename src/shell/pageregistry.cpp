#include "pageregistry.h"

#include "pagehost.h"

#include "editors/buttonpage.h"
#include "editors/dpipage.h"
#include "editors/lightingpage.h"
#include "editors/macropage.h"
#include "editors/pointeroptionspage.h"
#include "editors/reportratepage.h"

// One line a page, in the order the pages are built and shown a profile.
void registerPages(PageHost &host)
{
    host.add<LightingPage>();
    host.add<ButtonPage>();
    host.add<PointerOptionsPage>();
    host.add<ReportRatePage>();
    host.add<DpiPage>();
    host.add<MacroPage>();
}
