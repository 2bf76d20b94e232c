// The kit's process-wide look: scale factor, colour theme, language fonts and
// the style sheets filled from them.

#include "testenvironment.h"

#include "config/paths.h"
#include "config/langconfig.h"
#include "widgets/languagefont.h"
#include "widgets/uiscale.h"
#include "widgets/uitheme.h"
#include "widgets/batterybar.h"
#include "widgets/filedialoglook.h"
#include "widgets/skinslider.h"
#include "widgets/skinmenustyle.h"

#include <QApplication>
#include <QFileDialog>
#include <QMenu>
#include <QRegularExpression>
#include <QSettings>
#include <QtTest>

class TestWidgetsTheme : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        UiScale::setFactor(1.0);
        LangConfig::forgetCurrentLangID();
    }

    void roundsFactorToQuarterSteps_data()
    {
        QTest::addColumn<double>("requested");
        QTest::addColumn<double>("expected");
        QTest::newRow("exact step") << 1.75 << 1.75;
        QTest::newRow("below half a step") << 1.12 << 1.0;
        QTest::newRow("above half a step") << 1.13 << 1.25;
        QTest::newRow("between steps, nearer the upper") << 2.2 << 2.25;
        QTest::newRow("below the range") << 0.5 << 1.0;
        QTest::newRow("negative") << -3.0 << 1.0;
        QTest::newRow("above the range") << 7.9 << 5.0;
        QTest::newRow("not a number") << std::nan("") << 1.0;
        QTest::newRow("infinite") << HUGE_VAL << 5.0;
    }
    void roundsFactorToQuarterSteps()
    {
        QFETCH(double, requested);
        QFETCH(double, expected);
        UiScale::setFactor(requested);
        QCOMPARE(UiScale::factor(), expected);
        QCOMPARE(UiScale::factorForLevel(UiScale::level()), expected);
    }

    void levelFollowsScreenDpi_data()
    {
        QTest::addColumn<double>("ratio");
        QTest::addColumn<int>("level");
        QTest::newRow("96 dpi") << 1.0 << 0;
        QTest::newRow("just under 1.1") << 1.09 << 0;
        QTest::newRow("120 dpi") << 1.25 << 1;
        QTest::newRow("144 dpi") << 1.5 << 2;
        QTest::newRow("just under 1.6") << 1.59 << 2;
        QTest::newRow("168 dpi") << 1.75 << 3;
        QTest::newRow("192 dpi") << 2.0 << 4;
        QTest::newRow("threshold 2.1") << 2.1 << 5;
        QTest::newRow("threshold 4.8") << 4.8 << 16;
        QTest::newRow("far above") << 12.0 << 16;
        QTest::newRow("zero") << 0.0 << 0;
        QTest::newRow("not a number") << std::nan("") << 0;
    }
    void levelFollowsScreenDpi()
    {
        QFETCH(double, ratio);
        QFETCH(int, level);
        QCOMPARE(UiScale::levelForDpiRatio(ratio), level);
    }

    void levelsCoverOneToFive()
    {
        QCOMPARE(UiScale::factorForLevel(-1), 1.0);
        QCOMPARE(UiScale::factorForLevel(0), 1.0);
        QCOMPARE(UiScale::factorForLevel(4), 2.0);
        QCOMPARE(UiScale::factorForLevel(16), 5.0);
        QCOMPARE(UiScale::factorForLevel(99), 5.0);
        UiScale::setLevel(7);
        QCOMPARE(UiScale::factor(), 2.75);
    }

    void scaledSizesAreTruncated_data()
    {
        QTest::addColumn<double>("factor");
        QTest::addColumn<int>("design");
        QTest::addColumn<int>("expected");
        // The window widths of the first levels: 999, 1248, 1498, 1748.
        QTest::newRow("1.0") << 1.0 << 999 << 999;
        QTest::newRow("1.25") << 1.25 << 999 << 1248;
        QTest::newRow("1.5") << 1.5 << 999 << 1498;
        QTest::newRow("1.75") << 1.75 << 999 << 1748;
        QTest::newRow("small value") << 1.25 << 3 << 3;
        QTest::newRow("negative truncates towards zero") << 1.25 << -5 << -6;
        QTest::newRow("five") << 5.0 << 640 << 3200;
    }
    void scaledSizesAreTruncated()
    {
        QFETCH(double, factor);
        QFETCH(int, design);
        QFETCH(int, expected);
        UiScale::setFactor(factor);
        QCOMPARE(UiScale::scaled(design), expected);
        QCOMPARE(UiScale::scaled(QRect(design, 0, design, 1)), QRect(expected, 0, expected, UiScale::scaled(1)));
    }

    void themeTable_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QColor>("color");
        QTest::newRow("0 red") << 0 << QColor(255, 0, 0);
        QTest::newRow("1 green") << 1 << QColor(0, 255, 0);
        QTest::newRow("2 blue") << 2 << QColor(0, 0, 255);
        QTest::newRow("3 sand") << 3 << QColor(219, 200, 182);
        QTest::newRow("4 magenta") << 4 << QColor(255, 0, 255);
        QTest::newRow("5 cyan") << 5 << QColor(0, 255, 255);
        QTest::newRow("6 orange") << 6 << QColor(255, 125, 0);
        QTest::newRow("7 is past the table") << 7 << QColor(255, 0, 0);
        QTest::newRow("negative") << -1 << QColor(255, 0, 0);
        QTest::newRow("huge") << INT_MAX << QColor(255, 0, 0);
    }
    void themeTable()
    {
        QFETCH(int, id);
        QFETCH(QColor, color);
        QCOMPARE(UiTheme::color(id), color);
    }

    void themeComesFromConfiguration_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QColor>("color");
        QTest::newRow("missing key") << QVariant() << QColor(255, 0, 0);
        QTest::newRow("6") << QVariant(6) << QColor(255, 125, 0);
        QTest::newRow("out of range") << QVariant(12) << QColor(255, 0, 0);
        QTest::newRow("text") << QVariant(QStringLiteral("blue")) << QColor(255, 0, 0);
        QTest::newRow("padded number") << QVariant(QStringLiteral(" 2 ")) << QColor(0, 0, 255);
    }
    void themeComesFromConfiguration()
    {
        QFETCH(QVariant, stored);
        QFETCH(QColor, color);
        TestEnvironment env;
        {
            QSettings config(Paths::configFile(), QSettings::IniFormat);
            if (stored.isValid())
                config.setValue(QStringLiteral("Config/GColorID"), stored);
            else
                config.remove(QStringLiteral("Config/GColorID"));
        }
        QCOMPARE(UiTheme::currentColor(), color);
    }

    void languageFonts_data()
    {
        QTest::addColumn<int>("lang");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("pixels");
        QTest::newRow("english at 1.0") << 0 << 1.0 << QStringLiteral("DejaVu Sans") << 12;
        QTest::newRow("chinese at 1.25") << 1 << 1.25 << QStringLiteral("Noto Sans CJK SC") << 22;
        QTest::newRow("size truncated") << 0 << 1.75 << QStringLiteral("DejaVu Sans") << 21;
        QTest::newRow("no size configured") << 2 << 2.0 << QStringLiteral("Noto Sans CJK TC")
                                            << 2 * LanguageFont::kFallbackPixelSize;
        QTest::newRow("zero size") << 3 << 1.0 << QString() << LanguageFont::kFallbackPixelSize;
        QTest::newRow("language outside the table") << 42 << 1.0 << QString() << LanguageFont::kFallbackPixelSize;
        QTest::newRow("negative language") << -1 << 1.0 << QString() << LanguageFont::kFallbackPixelSize;
    }
    void languageFonts()
    {
        QFETCH(int, lang);
        QFETCH(double, scale);
        QFETCH(QString, family);
        QFETCH(int, pixels);
        TestEnvironment env;
        {
            QSettings config(Paths::configFile(), QSettings::IniFormat);
            config.beginGroup(QStringLiteral("FONT_LIST"));
            config.remove(QString());
            config.setValue(QStringLiteral("FONT_0"), QStringLiteral("DejaVu Sans"));
            config.setValue(QStringLiteral("FONT_SIZE_0"), 12);
            config.setValue(QStringLiteral("FONT_1"), QStringLiteral("Noto Sans CJK SC"));
            config.setValue(QStringLiteral("FONT_SIZE_1"), 18);
            config.setValue(QStringLiteral("FONT_2"), QStringLiteral("Noto Sans CJK TC"));
            config.setValue(QStringLiteral("FONT_SIZE_3"), 0);
        }
        QCOMPARE(LanguageFont::family(lang), family);
        const QFont font = LanguageFont::font(lang, scale);
        QCOMPARE(font.pixelSize(), pixels);
        if (!family.isEmpty())
            QCOMPARE(font.family(), family);
        else
            QCOMPARE(font.family(), QApplication::font().family());
    }

    void currentFontFollowsLanguageId()
    {
        TestEnvironment env;
        {
            QSettings config(Paths::configFile(), QSettings::IniFormat);
            config.setValue(QStringLiteral("FONT_LIST/FONT_2"), QStringLiteral("Noto Sans CJK TC"));
            config.setValue(QStringLiteral("FONT_LIST/FONT_SIZE_2"), 16);
            QSettings lang(Paths::langConfigFile(), QSettings::IniFormat);
            lang.setValue(QStringLiteral("Config/LangID"), 2);
        }
        LangConfig::forgetCurrentLangID();
        UiScale::setFactor(1.5);
        QCOMPARE(LangConfig::currentLangID(), 2);
        QCOMPARE(LanguageFont::current().family(), QStringLiteral("Noto Sans CJK TC"));
        QCOMPARE(LanguageFont::current().pixelSize(), 24);
        QCOMPARE(LanguageFont::current(10).pixelSize(), 15);

        // The language switch changes the process-wide id without a file.
        LangConfig::setCurrentLangID(0);
        QCOMPARE(LanguageFont::current().family(), LanguageFont::family(0));
    }

    void menusTakeWidthFontAndSharedStyle()
    {
        TestEnvironment env;
        UiScale::setFactor(2.0);
        QMenu menu;
        QMenu *sub = menu.addMenu(QStringLiteral("Basic"));
        sub->addAction(QStringLiteral("Cut"));
        UiTheme::styleMenu(&menu, 160);
        QCOMPARE(menu.width(), 320);
        QCOMPARE(sub->width(), 320);
        QCOMPARE(menu.style(), sub->style());
        QCOMPARE(menu.font().pixelSize(), LanguageFont::current().pixelSize());
        // Submenus added after styling take the look when the menu opens.
        QMenu *late = menu.addMenu(QStringLiteral("Media"));
        QVERIFY(late->style() != menu.style());
        emit menu.aboutToShow();
        QCOMPARE(late->style(), menu.style());
        QCOMPARE(late->width(), 320);
        // An entry too long for the design width widens its own menu, never
        // cutting the text short; the other menus keep the design width.
        const QString longText = QStringLiteral("Browser Backward with a much longer translation");
        QMenu *wide = menu.addMenu(QStringLiteral("Windows"));
        wide->addAction(longText);
        emit menu.aboutToShow();
        const int needed = QFontMetrics(wide->font()).horizontalAdvance(longText) + 2 * SkinMenuStyle::sidePadding();
        QVERIFY2(wide->width() >= needed, qPrintable(QString::number(wide->width())));
        QCOMPARE(menu.width(), 320);
        emit wide->aboutToShow();
        QVERIFY(wide->width() >= needed);
    }

    void styleSheetsCarryThemeAndScale()
    {
        const QColor accent(255, 125, 0);
        const QString slider = SkinSlider::styleSheetFor(accent, 2.0);
        QVERIFY(slider.contains(QLatin1String("rgba(255,125,0,255)")));
        QVERIFY(slider.contains(QLatin1String("stop:1 rgb(255,125,0)")));
        QVERIFY(!slider.contains(QRegularExpression(QStringLiteral("%\\d"))));
        // Scale 2 doubles the groove height and the handle width.
        QVERIFY(slider.contains(QLatin1String("groove:horizontal{height:12px")));
        QVERIFY(slider.contains(QLatin1String("width:32px")));

        const QString buttons = UiTheme::dialogButtonStyle(QColor(0, 255, 255));
        QVERIFY(buttons.contains(QLatin1String("border: 1px rgb(0, 255, 255)")));

        QVERIFY(BatteryBar::normalStyle(QColor(1, 2, 3), 32).contains(QLatin1String("rgb(1,2,3)")));
        QVERIFY(BatteryBar::normalStyle(QColor(1, 2, 3), 32).contains(QLatin1String("font-size:32px")));
        QVERIFY(BatteryBar::offStyle(16).contains(QLatin1String("font-size:16px")));
    }

    // The handle is as high as it is wide at every scale the DPI rows use
    // (the X and Y sliders draw at three quarters of the window's scale):
    // a radius above half the height makes Qt draw a square.
    void sliderHandlesStayRound_data()
    {
        QTest::addColumn<double>("scale");
        for (double window = 1.0; window <= 3.0; window += 0.25) {
            QTest::newRow(qPrintable(QStringLiteral("%1").arg(window))) << window;
            QTest::newRow(qPrintable(QStringLiteral("%1 x 0.75").arg(window))) << window * 0.75;
        }
    }
    void sliderHandlesStayRound()
    {
        QFETCH(double, scale);
        const QString sheet = SkinSlider::styleSheetFor(QColor(255, 125, 0), scale);
        const QRegularExpressionMatch groove =
            QRegularExpression(QStringLiteral("groove:horizontal\\{height:(\\d+)px")).match(sheet);
        const QRegularExpressionMatch handle =
            QRegularExpression(QStringLiteral("handle:horizontal\\{width:(\\d+)px;.*margin:-(\\d+)px 0px -(\\d+)px 0px;"
                                              "border-radius:(\\d+)px"))
                .match(sheet);
        QVERIFY(groove.hasMatch() && handle.hasMatch());
        const int height = groove.captured(1).toInt() + handle.captured(2).toInt() + handle.captured(3).toInt();
        const int width = handle.captured(1).toInt();
        QCOMPARE(height, width);
        QVERIFY(2 * handle.captured(4).toInt() <= height);
    }

    // Qt's file dialog grows with the window's scale and takes its font.
    void fileDialogsFollowTheScale()
    {
        QFileDialog atOne;
        FileDialogLook::apply(atOne);
        UiScale::setFactor(2.0);
        QFileDialog atTwo;
        FileDialogLook::apply(atTwo);
        QCOMPARE(atTwo.width(), 2 * atOne.width());
        QCOMPARE(atTwo.height(), 2 * atOne.height());
        QCOMPARE(atTwo.font().pixelSize(), LanguageFont::current().pixelSize());
        QVERIFY(atTwo.font().pixelSize() > atOne.font().pixelSize());
    }

    void batteryBarShowsItsOwnText()
    {
        BatteryBar bar;
        bar.setValue(90);
        QCOMPARE(bar.text(), QStringLiteral("90%"));
        bar.setBarText(QStringLiteral("MOUSE OFF"));
        QCOMPARE(bar.text(), QStringLiteral("MOUSE OFF"));
        bar.setBarText(QString());
        bar.setFormat(QString());
        QCOMPARE(bar.text(), QString());
    }
};

QTEST_MAIN(TestWidgetsTheme)
#include "test_widgets_theme.moc"
