#pragma once

#include "config/mouseconfig.h"

#include <QFont>
#include <QString>

// What a page reads besides the profile it edits: the whole configuration
// (global options such as lift-off distance, the slot names), the product
// and its sensor, the scale factor and the language. Handed to every
// show() call and valid for that call only.
struct PageContext {
    const MouseConfig *config = nullptr;
    QString modelName;          // the current product, as the model menu names it
    int sensorType = 0;         // MouseSenSor/1
    double scale = 1.0;         // the window's scale factor
    int languageId = 0;         // index into the language table
    QFont languageFont;         // the language's font at the window's scale
};
