#include "uiscale.h"

#include <cmath>

namespace {

double g_factor = 1.0;

} // namespace

double UiScale::factor() { return g_factor; }

int UiScale::level() { return levelForFactor(g_factor); }

void UiScale::setFactor(double factor) { g_factor = roundToStep(factor); }

void UiScale::setLevel(int level) { g_factor = factorForLevel(level); }

double UiScale::roundToStep(double factor)
{
    if (std::isnan(factor))
        return kMinimum;
    if (factor <= kMinimum)
        return kMinimum;
    if (factor >= kMaximum)
        return kMaximum;
    return std::round(factor / kStep) * kStep;
}

double UiScale::factorForLevel(int level)
{
    if (level <= 0)
        return kMinimum;
    if (level >= kLevelCount - 1)
        return kMaximum;
    return kMinimum + level * kStep;
}

int UiScale::levelForFactor(double factor)
{
    return static_cast<int>((roundToStep(factor) - kMinimum) / kStep + 0.5);
}

int UiScale::levelForDpiRatio(double ratio)
{
    static const double thresholds[kLevelCount - 1] = {
        1.1, 1.4, 1.6, 1.8, 2.1, 2.3, 2.6, 2.8, 3.1, 3.3, 3.6, 3.8, 4.1, 4.3, 4.6, 4.8};
    if (std::isnan(ratio))
        return 0;
    int level = 0;
    while (level < kLevelCount - 1 && ratio >= thresholds[level])
        ++level;
    return level;
}

int UiScale::scaled(int design) { return scaled(design, g_factor); }

int UiScale::scaled(int design, double factor)
{
    // Products of an int and a quarter step are exact in a double, so the
    // truncation never loses a pixel to rounding noise. The clamp keeps the
    // conversion defined for absurd inputs.
    const double product = design * factor;
    if (!(product > -1e9 && product < 1e9))
        return 0;
    return static_cast<int>(product);
}

QSize UiScale::scaled(const QSize &design)
{
    return QSize(scaled(design.width()), scaled(design.height()));
}

QPoint UiScale::scaled(const QPoint &design)
{
    return QPoint(scaled(design.x()), scaled(design.y()));
}

QRect UiScale::scaled(const QRect &design)
{
    return scaled(design.x(), design.y(), design.width(), design.height());
}

QRect UiScale::scaled(int x, int y, int width, int height)
{
    return QRect(scaled(x), scaled(y), scaled(width), scaled(height));
}
