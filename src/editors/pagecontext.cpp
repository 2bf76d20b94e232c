#include "pagecontext.h"

#include <algorithm>

ProductFacts ProductFacts::fromDescriptor()
{
    ProductFacts facts;
    facts.buttonCount = ProductDescriptor::buttonCount();
    facts.shownButtonCount = ProductDescriptor::shownButtonCount();
    facts.pageMatrixCount =
        std::clamp(ProductDescriptor::pageMatrix(facts.pageMatrix), 0, int(facts.pageMatrix.size()));
    facts.macros = !ProductDescriptor::disableMacro();
    facts.lighting = !ProductDescriptor::ledDisable();
    facts.dpiStageCount = ProductDescriptor::boundedDpiStageCount();
    facts.shortDpiRange3325 = ProductDescriptor::shortDpiRange3325();
    facts.showSleep = ProductDescriptor::showSleep();
    facts.sleepRange = LightingEffects::sleepRange();
    facts.syncMode = ProductDescriptor::syncMode();
    facts.macroDelayUnit = ProductDescriptor::macroDelayUnit();
    return facts;
}
