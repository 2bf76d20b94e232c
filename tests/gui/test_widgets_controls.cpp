// Colour areas, overlay, skin access and the two painting styles of the
// picture buttons.

#include "testenvironment.h"

#include "config/paths.h"
#include "widgets/skin.h"
#include "widgets/uiscale.h"
#include "widgets/uitheme.h"
#include "widgets/huebar.h"
#include "widgets/dimmingoverlay.h"
#include "widgets/skinbutton.h"
#include "widgets/saturationvaluearea.h"

#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

class TestWidgetsControls : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        UiScale::setFactor(1.0);
        SkinButton::setDefaultColorMode(0);
    }

    void hueBarPicksAlongItsLength()
    {
        HueBar bar;
        bar.resize(20, 360);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        QSignalSpy changed(&bar, &HueBar::hueChanged);
        QTest::mousePress(&bar, Qt::LeftButton, Qt::NoModifier, QPoint(10, 359));
        QCOMPARE(bar.hue(), 359);
        QTest::mouseMove(&bar, QPoint(10, 180));
        QTest::mouseRelease(&bar, Qt::LeftButton, Qt::NoModifier, QPoint(10, 180));
        // Dragging needs the button held; Qt's test move carries no button,
        // so a second press picks the middle.
        QTest::mousePress(&bar, Qt::LeftButton, Qt::NoModifier, QPoint(10, 180));
        QCOMPARE(bar.hue(), 180);
        // Beyond the ends the hue stays within 0..359.
        QTest::mousePress(&bar, Qt::LeftButton, Qt::NoModifier, QPoint(10, -40));
        QCOMPARE(bar.hue(), 0);
        QCOMPARE(changed.count(), 3);
        QCOMPARE(changed.last().at(0).toInt(), 0);

        // Setting it from outside clamps and says nothing.
        bar.setHue(400);
        QCOMPARE(bar.hue(), 359);
        bar.setHue(-5);
        QCOMPARE(bar.hue(), 0);
        QCOMPARE(changed.count(), 3);
    }

    void svAreaPicksSaturationAndValue_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("saturation");
        QTest::addColumn<int>("value");
        // (0, 0) would mean "the middle" to the test library.
        QTest::newRow("top left: white") << QPoint(1, 0) << 0 << 255;
        QTest::newRow("top right: pure hue") << QPoint(510, 0) << 255 << 255;
        QTest::newRow("bottom: black") << QPoint(255, 510) << 127 << 0;
        QTest::newRow("outside clamps") << QPoint(900, -50) << 255 << 255;
    }
    void svAreaPicksSaturationAndValue()
    {
        QFETCH(QPoint, at);
        QFETCH(int, saturation);
        QFETCH(int, value);
        SaturationValueArea area;
        area.resize(511, 511);
        area.setHue(120);
        area.setSaturationValue(10, 10);
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        QSignalSpy changed(&area, &SaturationValueArea::svChanged);
        QTest::mousePress(&area, Qt::LeftButton, Qt::NoModifier, at);
        QCOMPARE(area.saturation(), saturation);
        QCOMPARE(area.value(), value);
        QCOMPARE(area.color(), QColor::fromHsv(120, saturation, value));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toInt(), saturation);
        QCOMPARE(changed.at(0).at(1).toInt(), value);
    }

    void overlayCoversParentAndSwallowsClicks()
    {
        QWidget parent;
        parent.resize(300, 200);
        auto *below = new QPushButton(QStringLiteral("Apply"), &parent);
        below->setGeometry(10, 10, 100, 30);
        auto *overlay = new DimmingOverlay(&parent);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        QCOMPARE(overlay->geometry(), parent.rect());

        parent.resize(500, 400);
        QCOMPARE(overlay->geometry(), QRect(0, 0, 500, 400));

        // A control added later is still covered.
        auto *later = new QPushButton(QStringLiteral("SAVE"), &parent);
        later->setGeometry(150, 10, 100, 30);
        later->show();
        QSignalSpy clickedBelow(below, &QPushButton::clicked);
        QSignalSpy clickedLater(later, &QPushButton::clicked);
        QTest::mouseClick(&parent, Qt::LeftButton, Qt::NoModifier, QPoint(50, 25));
        QTest::mouseClick(&parent, Qt::LeftButton, Qt::NoModifier, QPoint(200, 25));
        QCOMPARE(parent.childAt(QPoint(200, 25)), overlay);
        QCOMPARE(parent.childAt(QPoint(50, 25)), overlay);
        QCOMPARE(clickedBelow.count() + clickedLater.count(), 0);

        overlay->setAlpha(999);
        QCOMPARE(overlay->alpha(), 255);
    }

    void skinPaths_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("relative");
        QTest::newRow("plain") << QStringLiteral("close-1.png") << QStringLiteral("close-1.png");
        QTest::newRow("program's form") << QStringLiteral("/skin/close-1.png") << QStringLiteral("close-1.png");
        QTest::newRow("without slash") << QStringLiteral("skin/bat1.png") << QStringLiteral("bat1.png");
        QTest::newRow("mouse folder") << QStringLiteral("/skin/mouse/KV41/Mouse.png") << QStringLiteral("mouse/KV41/Mouse.png");
    }
    void skinPaths()
    {
        QFETCH(QString, name);
        QFETCH(QString, relative);
        TestEnvironment env;
        QCOMPARE(Skin::path(name), Paths::skinDir() + QLatin1Char('/') + relative);
    }

    void picturesAreScaledOrNull()
    {
        TestEnvironment env;
        const QString lightning = Skin::path(QStringLiteral("lightning.png"));
        QCOMPARE(Skin::designSize(lightning), QSize(26, 40));
        UiScale::setFactor(1.25);
        QCOMPARE(Skin::atScale(lightning).size(), QSize(32, 50));
        QCOMPARE(Skin::picture(lightning, QSize(100, 100), Qt::KeepAspectRatio).size(), QSize(65, 100));
        QCOMPARE(Skin::picture(lightning, QSize(100, 100)).size(), QSize(100, 100));
        QVERIFY(Skin::picture(lightning, QSize()).isNull());
        QVERIFY(Skin::picture(Skin::path(QStringLiteral("missing.png")), QSize(10, 10)).isNull());
        QVERIFY(Skin::picture(QString(), QSize(10, 10)).isNull());
    }

    void colourModesPaintDifferently()
    {
        TestEnvironment env;
        const QStringList tabs = {Skin::path(QStringLiteral("tabbutton-1.png")),
                                  Skin::path(QStringLiteral("tabbutton-3.png")),
                                  Skin::path(QStringLiteral("tabbutton-2.png"))};
        auto paint = [&tabs](int mode, int state) {
            SkinButton button;
            button.setColorMode(mode);
            button.setPictures(tabs);
            button.resize(154, 29);
            button.setState(state);
            return button.grab().toImage();
        };
        // Resting pictures look alike; the selected one is tinted in the
        // theme mode only.
        QCOMPARE(paint(0, 0), paint(3, 0));
        QVERIFY(paint(0, 1) != paint(1, 1));

        // New buttons take the process-wide mode.
        SkinButton::setDefaultColorMode(1);
        QCOMPARE(SkinButton().colorMode(), 1);
    }

    void activeTextTakesThemeColour()
    {
        TestEnvironment env;
        {
            QSettings config(Paths::configFile(), QSettings::IniFormat);
            config.setValue(QStringLiteral("Config/GColorID"), 1);
        }
        SkinButton button(QStringLiteral("DPI"));
        button.setPictures({Skin::path(QStringLiteral("tabbutton-1.png")), Skin::path(QStringLiteral("tabbutton-3.png"))});
        button.resize(154, 29);
        auto hasGreenText = [&button] {
            const QImage image = button.grab().toImage().convertToFormat(QImage::Format_RGB32);
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const QRgb p = image.pixel(x, y);
                    if (qGreen(p) > 200 && qRed(p) < 80 && qBlue(p) < 80)
                        return true;
                }
            }
            return false;
        };
        QVERIFY(!hasGreenText());
        button.setState(1);
        QVERIFY(hasGreenText());
    }
};

QTEST_MAIN(TestWidgetsControls)
#include "test_widgets_controls.moc"
