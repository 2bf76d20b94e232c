#pragma once

#include "config/lightingeffects.h"
#include "config/productdescriptor.h"

#include <QString>

// What the product's descriptor says that pages lay themselves out by. The
// same for the whole run: the window reads it once, and a page gets it with
// the context it is built with and every show() after.
struct ProductFacts {
    int buttonCount = 0;                    // the buttons the product has
    int shownButtonCount = 0;               // those the button page shows
    ProductDescriptor::Matrix pageMatrix{}; // the button page's order; 255 hides a button
    int pageMatrixCount = 0;                // entries of pageMatrix in use
    bool macros = true;                     // the product plays macros
    bool lighting = true;                   // the product has lighting
    int dpiStageCount = 0;
    bool shortDpiRange3325 = false;
    bool showSleep = false;                 // the lighting page shows the sleep time
    LightingEffects::SleepRange sleepRange{0, 0};   // its steps
    int syncMode = 0;
    int macroDelayUnit = 10;                // ms a macro delay counts in

    // What the installation's descriptor says.
    static ProductFacts fromDescriptor();
};

// What a page reads besides the records it edits: the product and its
// sensor. Handed to every show() call and valid for that call only.
struct PageContext {
    QString modelName;          // the current product, as the model menu names it
    int sensorType = 0;         // MouseSenSor/1
    ProductFacts product;
};
