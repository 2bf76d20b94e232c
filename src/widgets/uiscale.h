#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// The one process-wide geometry factor. Every window and dialog gives its
// sizes in design units (the main window is 999 x 640) and multiplies them by
// this factor, truncating, so that the skin keeps its proportions on screens
// of any density. The factor is one of 1.0, 1.25 ... 5.0 (17 levels).
class UiScale {
public:
    static constexpr double kMinimum = 1.0;
    static constexpr double kMaximum = 5.0;
    static constexpr double kStep = 0.25;
    static constexpr int kLevelCount = 17;

    static double factor();
    static int level();

    // Rounded to the nearest step and kept within 1.0..5.0; a value that is
    // not a number leaves 1.0.
    static void setFactor(double factor);
    static void setLevel(int level);

    static double roundToStep(double factor);
    static double factorForLevel(int level);
    static int levelForFactor(double factor);

    // The level for a screen whose logical DPI is `ratio` times 96. The
    // thresholds sit a little above the halfway points, so that a screen at
    // 120 DPI (1.25) is not pushed to 1.5 by rounding noise.
    static int levelForDpiRatio(double ratio);

    // A design length multiplied by the factor and truncated.
    static int scaled(int design);
    static int scaled(int design, double factor);
    static QSize scaled(const QSize &design);
    static QPoint scaled(const QPoint &design);
    static QRect scaled(const QRect &design);
    static QRect scaled(int x, int y, int width, int height);
};
