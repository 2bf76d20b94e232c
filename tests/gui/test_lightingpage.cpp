// The lighting page and its colour dialog in the main window against the
// virtual mouse: which controls each effect shows, the menu's order, the
// lighting profile of the "KV52", the sleep controls by descriptor, the
// "MOVE TO LIGHT OFF" box, values out of range, the effect the mouse reports,
// and the colour dialog's editors, swatches, Cancel and APPLY. Edits are
// checked in the record and in what the mouse holds after Apply.

#include "test_mainwindowfixture.h"

#include "editors/coloreditdialog.h"
#include "editors/lightingpage.h"
#include "shell/pagehost.h"
#include "widgets/saturationvaluearea.h"
#include "widgets/skincheckbox.h"
#include "widgets/skinlabel.h"
#include "widgets/skinbutton.h"
#include "widgets/skinslider.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QToolButton>

class TestLightingPage : public QObject {
    Q_OBJECT
private slots:
    void effectMenuOrder();
    void effectControls_data();
    void effectControls();
    void lightingProfileFollowsProduct_data();
    void lightingProfileFollowsProduct();
    void sleepControlsByDescriptor_data();
    void sleepControlsByDescriptor();
    void moveToLightOff();
    void effectFromTheMouse();
    void colourDialogCancelUndoesEverything();
    void colourDialogApplyStoresOpaqueColour_data();
    void colourDialogApplyStoresOpaqueColour();
};

namespace {

LightingPage *lightingPage(MainWindow &w)
{
    return WindowInside::pages(w).page<LightingPage>();
}

QAction *effectAction(LightingPage *page, int code)
{
    for (QAction *action : page->effectMenu()->actions()) {
        if (action->data().toInt() == code)
            return action;
    }
    return nullptr;
}

// Runs `handle` on the colour dialog once the page has opened it (from
// within its modal loop); the click that opens it follows.
void onColourDialog(const std::function<void(ColorEditDialog *)> &handle, bool *ran)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, handle, ran] {
        auto *dialog = qobject_cast<ColorEditDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        timer->stop();
        timer->deleteLater();
        handle(dialog);
        *ran = true;
    });
    timer->start();
}

QByteArray lightingSlot(const SimMemory &m, int slot)
{
    return QByteArray(reinterpret_cast<const char *>(m.lighting.data()) + slot * 8, 8);
}

void setConfigKeys(const TestEnvironment &env, const QVariantMap &keys)
{
    QSettings config(env.configsDir() + QStringLiteral("/Config.ini"), QSettings::IniFormat);
    for (auto it = keys.begin(); it != keys.end(); ++it)
        config.setValue(it.key(), it.value());
}

} // namespace

void TestLightingPage::effectMenuOrder()
{
    WindowFixture f;
    MainWindow &w = f.openWithReceiver();
    LightingPage *page = lightingPage(w);
    QVERIFY(page);
    QStringList texts;
    for (QAction *action : page->effectMenu()->actions())
        texts << action->text();
    QCOMPARE(texts, (QStringList{"FULL LIGHTED", "BREATHING", "7 COLOR BREATHING", "RAINBOW", "WAVE", "REACTIVE",
                                 "GO WITHOUT TRACE", "yo-yo", "Marbles", "OFF"}));
}

void TestLightingPage::effectControls_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("brightness");
    QTest::addColumn<bool>("speed");
    QTest::addColumn<bool>("colour");
    QTest::newRow("off") << 0 << "OFF" << false << false << false;
    QTest::newRow("full") << 1 << "FULL LIGHTED" << true << false << true;
    QTest::newRow("breathing") << 2 << "BREATHING" << false << true << true;
    QTest::newRow("7 colour") << 3 << "7 COLOR BREATHING" << false << true << false;
    QTest::newRow("flash, never offered") << 5 << "FLASH" << true << true << false;
    QTest::newRow("raindrop, never offered") << 8 << "Raindrop" << true << true << false;
    QTest::newRow("reactive") << 11 << "REACTIVE" << true << false << false;
    QTest::newRow("marbles") << 13 << "Marbles" << true << true << false;
    QTest::newRow("14, unknown") << 14 << "" << false << false << false;
    QTest::newRow("200, unknown") << 200 << "" << false << false << false;
}

void TestLightingPage::effectControls()
{
    QFETCH(int, code);
    QFETCH(QString, name);
    QFETCH(bool, brightness);
    QFETCH(bool, speed);
    QFETCH(bool, colour);

    WindowFixture f;
    MainWindow &w = f.openWithReceiver();
    LightingPage *page = lightingPage(w);
    ProfileData &profile = currentProfile(f.editing());
    profile.LedMode = uint8_t(code);
    // Stored values the sliders cannot show.
    for (LedModeInfo &led : profile.ledModes) {
        led.bright = 9;
        led.breath = 0;
    }
    const MouseConfig before = f.editing();
    w.refreshPages();

    QCOMPARE(page->effectButton()->text(), name);
    QCOMPARE(page->brightnessSlider()->isVisible(), brightness);
    QCOMPARE(page->speedSlider()->isVisible(), speed);
    QCOMPARE(page->colorButton()->isVisible(), colour);
    if (brightness)
        QCOMPARE(page->brightnessSlider()->value(), LightingPage::kBrightnessMax);
    if (speed)
        QCOMPARE(page->speedSlider()->value(), 1);
    // Showing wrote nothing, whatever the values.
    QVERIFY(f.editing() == before);
}

void TestLightingPage::lightingProfileFollowsProduct_data()
{
    QTest::addColumn<QString>("product");
    QTest::addColumn<int>("edited");
    QTest::newRow("KV52 keeps its lighting in profile 0") << "KV52" << 0;
    QTest::newRow("other products edit the active profile") << "QORV Nimbus 6" << 3;
}

void TestLightingPage::lightingProfileFollowsProduct()
{
    QFETCH(QString, product);
    QFETCH(int, edited);

    WindowFixture f;
    setConfigKeys(*f.env, {{"Mouse_List/0", product}, {"Config/CurrentProductName", product},
                           {"Config/ProfileID", 3}});
    MainWindow &w = f.openWithReceiver();
    QCOMPARE(w.currentModel(), product);
    QCOMPARE(int(f.editing().ProfileID), 3);
    const int other = edited == 0 ? 3 : 0;
    f.editing().profiles[size_t(edited)].LedMode = 1;
    f.editing().profiles[size_t(other)].LedMode = 1;
    w.refreshPages();
    const ProfileData untouched = f.editing().profiles[size_t(other)];

    LightingPage *page = lightingPage(w);
    effectAction(page, 2)->trigger();   // BREATHING
    page->speedSlider()->setValue(4);
    page->sleepSlider()->setValue(page->sleepSlider()->maximum());
    QTest::mouseClick(page->moveOffBox(), Qt::LeftButton);

    const ProfileData &p = f.editing().profiles[size_t(edited)];
    QCOMPARE(int(p.LedMode), 2);
    QCOMPARE(p.ledModes[2].breath, 4);
    QCOMPARE(int(p.LedSleepTime), page->sleepSlider()->maximum());
    QVERIFY(f.editing().profiles[size_t(other)] == untouched);

    BoxWatcher boxes;
    QCOMPARE(w.apply(), 0);
    QVERIFY2(boxes.texts.isEmpty(), qPrintable(boxes.texts.join(QLatin1Char('|'))));
    const SimMemory m = f.mouse->memory();
    QCOMPARE(int(uint8_t(lightingSlot(m, 2).at(5))), 4);       // the breathing slot's speed
    QCOMPARE(int(m.system[18]), 3);                            // breathing is slot 2
    QCOMPARE(int(m.system[7]), int(p.LedMoveOFF));
    QCOMPARE(int(m.system[8]), int(p.LedSleepTime));
}

void TestLightingPage::sleepControlsByDescriptor_data()
{
    QTest::addColumn<QVariantMap>("keys");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::newRow("defaults") << QVariantMap{} << true << 1 << 9;
    QTest::newRow("2..5") << QVariantMap{{"SleepMin", 2}, {"SleepMax", 5}} << true << 2 << 5;
    QTest::newRow("the wrong way round") << QVariantMap{{"SleepMin", 7}, {"SleepMax", 3}} << true
                                         << 3 << 7;
    QTest::newRow("beyond a byte") << QVariantMap{{"SleepMin", -4}, {"SleepMax", 900}} << true << 0
                                   << 255;
    QTest::newRow("ShowSleep=0") << QVariantMap{{"ShowSleep", 0}} << false << 1 << 9;
}

void TestLightingPage::sleepControlsByDescriptor()
{
    QFETCH(QVariantMap, keys);
    QFETCH(bool, shown);
    QFETCH(int, minimum);
    QFETCH(int, maximum);

    WindowFixture f;
    f.env->writeDescriptor(keys);
    MainWindow &w = f.openWithReceiver();
    LightingPage *page = lightingPage(w);
    QCOMPARE(page->sleepSlider()->isVisible(), shown);
    QCOMPARE(page->moveOffBox()->isVisible(), shown);
    QCOMPARE(page->sleepValueLabel()->isVisible(), shown);
    if (!shown) {
        QVERIFY(page->sleepSlider()->geometry().isEmpty());
        QVERIFY(page->moveOffBox()->geometry().isEmpty());
    }
    QCOMPARE(page->sleepSlider()->minimum(), minimum);
    QCOMPARE(page->sleepSlider()->maximum(), maximum);
}

void TestLightingPage::moveToLightOff()
{
    WindowFixture f;
    MainWindow &w = f.openWithReceiver();
    LightingPage *page = lightingPage(w);
    ProfileData &profile = currentProfile(f.editing());
    profile.LedMoveOFF = 1;
    profile.LedSleepTime = 0;   // below the slider's range
    w.refreshPages();
    QVERIFY(!page->moveOffBox()->isChecked());
    QCOMPARE(page->sleepValueLabel()->text(), QStringLiteral("0 MINUTE"));
    QCOMPARE(int(profile.LedMoveOFF), 1);
    QCOMPARE(int(profile.LedSleepTime), 0);

    QTest::mouseClick(page->moveOffBox(), Qt::LeftButton);
    QCOMPARE(int(profile.LedMoveOFF), 0);
    QTest::mouseClick(page->moveOffBox(), Qt::LeftButton);
    QCOMPARE(int(profile.LedMoveOFF), 255);
}

void TestLightingPage::effectFromTheMouse()
{
    WindowFixture f;
    MainWindow &w = f.openWithReceiver();
    LightingPage *page = lightingPage(w);
    WindowInside::pages(w).showLightMode(11);
    QCOMPARE(int(currentProfile(f.editing()).LedMode), 11);
    QCOMPARE(page->effectButton()->text(), QStringLiteral("REACTIVE"));
    QVERIFY(!page->speedSlider()->isVisible());
    QVERIFY(page->brightnessSlider()->isVisible());
    // A mode the page does not know changes nothing.
    WindowInside::pages(w).showLightMode(40);
    QCOMPARE(int(currentProfile(f.editing()).LedMode), 11);
    QCOMPARE(page->effectButton()->text(), QStringLiteral("REACTIVE"));
}

void TestLightingPage::colourDialogCancelUndoesEverything()
{
    WindowFixture f;
    MainWindow &w = f.openWithReceiver();
    LightingPage *page = lightingPage(w);
    ProfileData &profile = currentProfile(f.editing());
    profile.LedMode = 1;
    profile.ledModes[1].RGB = QColor(10, 20, 30);
    w.refreshPages();

    bool ran = false;
    QColor previewWhileOpen;
    onColourDialog(
        [&](ColorEditDialog *dialog) {
            // Shown in step: the preset in every editor.
            QCOMPARE(dialog->hexEdit()->text(), QStringLiteral("#0A141E"));
            QCOMPARE(dialog->redBox()->value(), 10);
            // An RGB edit moves HSV and the text.
            dialog->redBox()->setValue(255);
            QCOMPARE(dialog->hexEdit()->text(), QStringLiteral("#FF141E"));
            QCOMPARE(dialog->hueBox()->value(), QColor(255, 20, 30).hsvHue());
            // An HSV edit moves RGB.
            dialog->valueBox()->setValue(0);
            QCOMPARE(dialog->color(), QColor(0, 0, 0));
            // Text that is no colour is ignored.
            QTest::keyClicks(dialog->hexEdit(), QStringLiteral("zz"));
            QCOMPARE(dialog->color(), QColor(0, 0, 0));
            dialog->hexEdit()->selectAll();
            QTest::keyClicks(dialog->hexEdit(), QStringLiteral("#12345G"));
            QCOMPARE(dialog->color(), QColor(0, 0, 0));
            // A pick in the saturation/value field moves the boxes and keeps
            // the hue: the top right corner is the pure hue.
            const int hue = dialog->hueBox()->value();
            QTest::mouseClick(dialog->svArea(), Qt::LeftButton, {}, QPoint(dialog->svArea()->width() - 1, 0));
            QCOMPARE(dialog->saturationBox()->value(), 255);
            QCOMPARE(dialog->valueBox()->value(), 255);
            QCOMPARE(dialog->hueBox()->value(), hue);
            QCOMPARE(dialog->color().name(), QColor::fromHsv(hue, 255, 255).name());
            // A swatch loads its colour into every editor.
            QTest::mouseClick(dialog->swatch(4), Qt::LeftButton);
            QCOMPARE(dialog->color(), QColor(255, 255, 0));
            QCOMPARE(dialog->hexEdit()->text(), QStringLiteral("#FFFF00"));
            QCOMPARE(dialog->hueBox()->value(), 60);
            previewWhileOpen = page->shownColor();
            QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
        },
        &ran);
    QTest::mouseClick(page->colorButton(), Qt::LeftButton);
    QVERIFY(ran);
    QCOMPARE(previewWhileOpen, QColor(255, 255, 0));
    QCOMPARE(page->shownColor(), QColor(10, 20, 30));
    QCOMPARE(profile.ledModes[1].RGB, QColor(10, 20, 30));
}

void TestLightingPage::colourDialogApplyStoresOpaqueColour_data()
{
    QTest::addColumn<QColor>("stored");
    QTest::addColumn<QColor>("shown");
    QTest::newRow("opaque") << QColor(1, 2, 3) << QColor(1, 2, 3);
    QTest::newRow("with alpha") << QColor(200, 100, 50, 7) << QColor(200, 100, 50);
    QTest::newRow("invalid") << QColor() << QColor(0, 0, 0);
}

void TestLightingPage::colourDialogApplyStoresOpaqueColour()
{
    QFETCH(QColor, stored);
    QFETCH(QColor, shown);

    WindowFixture f;
    MainWindow &w = f.openWithReceiver();
    LightingPage *page = lightingPage(w);
    ProfileData &profile = currentProfile(f.editing());
    profile.LedMode = 2;
    profile.ledModes[2].RGB = stored;
    w.refreshPages();
    QCOMPARE(page->shownColor(), shown);
    QCOMPARE(profile.ledModes[2].RGB, stored);

    bool ran = false;
    QColor preset;
    onColourDialog(
        [&](ColorEditDialog *dialog) {
            preset = dialog->color();
            dialog->hexEdit()->selectAll();
            QTest::keyClicks(dialog->hexEdit(), QStringLiteral("3366cc"));
            QTest::mouseClick(dialog->applyButton(), Qt::LeftButton);
        },
        &ran);
    QTest::mouseClick(page->colorButton(), Qt::LeftButton);
    QVERIFY(ran);
    QCOMPARE(preset, shown);
    QCOMPARE(profile.ledModes[2].RGB, QColor(0x33, 0x66, 0xcc));
    QCOMPARE(profile.ledModes[2].RGB.alpha(), 255);
    QCOMPARE(page->shownColor(), QColor(0x33, 0x66, 0xcc));

    BoxWatcher boxes;
    QCOMPARE(w.apply(), 0);
    QCOMPARE(lightingSlot(f.mouse->memory(), 2).mid(1, 3), QByteArray("\x33\x66\xcc", 3));
}

QTEST_MAIN(TestLightingPage)
#include "test_lightingpage.moc"
