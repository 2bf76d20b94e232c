#include "lightingeffects.h"

#include "productdescriptor.h"

#include <QCoreApplication>

#include <algorithm>

namespace LightingEffects {

namespace {

// brightness, speed, colour
const Effect kEffects[kCount] = {
    {QT_TRANSLATE_NOOP("LightingPage", "OFF"), false, false, false},
    {QT_TRANSLATE_NOOP("LightingPage", "FULL LIGHTED"), true, false, true},
    {QT_TRANSLATE_NOOP("LightingPage", "BREATHING"), false, true, true},
    {QT_TRANSLATE_NOOP("LightingPage", "7 COLOR BREATHING"), false, true, false},
    {QT_TRANSLATE_NOOP("LightingPage", "RAINBOW"), true, true, false},
    {QT_TRANSLATE_NOOP("LightingPage", "FLASH"), true, true, false},
    {QT_TRANSLATE_NOOP("LightingPage", "Horizontal WAVE"), true, true, false},
    {QT_TRANSLATE_NOOP("LightingPage", "Horizontal GO WITHOUT TRACE"), true, true, false},
    {QT_TRANSLATE_NOOP("LightingPage", "Raindrop"), true, true, false},
    {QT_TRANSLATE_NOOP("LightingPage", "WAVE"), true, true, false},
    {QT_TRANSLATE_NOOP("LightingPage", "GO WITHOUT TRACE"), true, true, false},
    {QT_TRANSLATE_NOOP("LightingPage", "REACTIVE"), true, false, false},
    {QT_TRANSLATE_NOOP("LightingPage", "yo-yo"), true, true, false},
    {QT_TRANSLATE_NOOP("LightingPage", "Marbles"), true, true, false},
};

} // namespace

const Effect *effect(int code) { return code >= 0 && code < kCount ? &kEffects[code] : nullptr; }

QString name(int code)
{
    const Effect *e = effect(code);
    return e ? QCoreApplication::translate("LightingPage", e->name) : QString();
}

namespace {

// Both sides of a comparison in one form, so that a name's own dash
// ("yo-yo") matches as well as a blank typed as one.
QString typedForm(const QString &name)
{
    return name.trimmed().toLower().replace(QLatin1Char(' '), QLatin1Char('-')).replace(QLatin1Char('_'), QLatin1Char('-'));
}

} // namespace

QString typedName(int code)
{
    const Effect *e = effect(code);
    return e ? typedForm(QLatin1String(e->name)) : QString();
}

int codeForName(const QString &name)
{
    const QString wanted = typedForm(name);
    for (int code = 0; code < kCount; ++code) {
        if (wanted == typedName(code))
            return code;
    }
    return -1;
}

SleepRange sleepRange()
{
    int minimum = 0;
    int maximum = 0;
    ProductDescriptor::sleepRange(minimum, maximum);
    minimum = std::clamp(minimum, 0, 255);
    maximum = std::clamp(maximum, 0, 255);
    if (minimum > maximum)
        std::swap(minimum, maximum);
    return {minimum, maximum};
}

bool isOffered(int code) { return std::find(kMenuOrder.begin(), kMenuOrder.end(), code) != kMenuOrder.end(); }

} // namespace LightingEffects
