// The DPI page in the main window against the virtual mouse: one row per
// stage of the product, linked and separate axes, the rules that keep a
// stage running, the stage the mouse reports, and what Apply sends.

#include "test_mainwindowfixture.h"

#include "editors/dpipage.h"
#include "editors/dpistagerow.h"
#include "editors/twobarslider.h"
#include "shell/pagehost.h"
#include "widgets/skincheckbox.h"
#include "widgets/skinlabel.h"
#include "widgets/skinbutton.h"
#include "widgets/skinslider.h"

namespace {

QByteArray mouseStage(const SimMemory &m, int stage)
{
    if (m.dpi.size() < size_t(1 + 5 * (stage + 1)))
        return QByteArray();
    return QByteArray(reinterpret_cast<const char *>(m.dpi.data()) + 1 + 5 * stage, 5).toHex(' ');
}

struct DpiFixture : WindowFixture {
    DpiPage *page = nullptr;

    // The window with the mouse holding what it shows, and the DPI tab open.
    MainWindow &start()
    {
        mouse->plug(SimLink::Receiver);
        MainWindow &w = open();
        w.apply();
        w.selectTab(PageTab::Performance);
        page = WindowInside::pages(w).page<DpiPage>();
        return w;
    }
    void clickBox(SkinCheckBox *box) { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2)); }
};

} // namespace

class TestDpiPage : public QObject {
    Q_OBJECT
private slots:
    void rowsFollowTheProduct();
    void linkedRows();
    void relinkingSendsTheValueShown();
    void stagesThatKeepTheMouseRunning();
    void dpiOnlyEditSendsTheDpiTable();
    void stageFromTheMouseKeepsEdits();
    void outOfRangeCodeIsShownAndKept();
};

void TestDpiPage::rowsFollowTheProduct()
{
    DpiFixture f;
    f.start();
    QVERIFY(f.page);
    QVERIFY(f.page->isVisible());
    QCOMPARE(f.page->stageCount(), 6);   // the sample product
    QVERIFY(f.page->row(5) && !f.page->row(6));
    // Sensor 3395: codes 0..519, 50 .. 26000 DPI.
    const DpiStageRow *row = f.page->row(0);
    QCOMPARE(row->slider()->linkedSlider()->minimum(), 0);
    QCOMPARE(row->slider()->linkedSlider()->maximum(), 519);
    QCOMPARE(row->minimumLabel()->text(), QStringLiteral("50"));
    QCOMPARE(row->maximumLabel()->text(), QStringLiteral("26000"));
    QCOMPARE(f.page->activeBox(currentProfile(f.editing()).dpi)->isChecked(), true);
}

void TestDpiPage::linkedRows()
{
    DpiFixture f;
    f.start();
    DpiStageRow *row = f.page->row(2);
    row->setLink(0);
    const int xyBefore = f.page->profileData().dpiLevels[2].xy;

    f.clickBox(row->linkBox());
    QCOMPARE(f.page->profileData().dpiLevels[2].link, uint8_t(1));
    QVERIFY(row->slider()->linkedSlider()->isVisible());
    QVERIFY(!row->slider()->xSlider()->isVisible() && !row->slider()->ySlider()->isVisible());
    QVERIFY(row->dpiLabel()->isVisible() && !row->xLabel()->isVisible());

    // The linked slider sets both axes; xy is never written.
    row->slider()->linkedSlider()->setValue(79);
    QCOMPARE(f.page->profileData().dpiLevels[2].x, 79);
    QCOMPARE(f.page->profileData().dpiLevels[2].y, 79);
    QCOMPARE(row->dpiLabel()->text(), QStringLiteral("DPI : 4000"));
    QCOMPARE(f.page->profileData().dpiLevels[2].xy, xyBefore);

    // Apart again: each slider sets its axis only.
    f.clickBox(row->linkBox());
    QVERIFY(row->slider()->xSlider()->isVisible() && row->slider()->ySlider()->isVisible());
    row->slider()->ySlider()->setValue(39);
    QCOMPARE(f.page->profileData().dpiLevels[2].x, 79);
    QCOMPARE(f.page->profileData().dpiLevels[2].y, 39);
    QCOMPARE(row->yLabel()->text(), QStringLiteral("Y:2000"));
    QCOMPARE(f.page->profileData().dpiLevels[2].link, uint8_t(0));
}

void TestDpiPage::relinkingSendsTheValueShown()
{
    DpiFixture f;
    MainWindow &w = f.start();
    DpiStageRow *row = f.page->row(1);
    if (row->link() == 1)
        f.clickBox(row->linkBox());
    QCOMPARE(row->link(), quint8(0));
    row->slider()->xSlider()->setValue(519);
    row->slider()->ySlider()->setValue(0);

    f.clickBox(row->linkBox());

    // One value: the X the row shows, in the row, the page and on the mouse.
    QCOMPARE(row->dpiLabel()->text(), QStringLiteral("DPI : 26000"));
    QCOMPARE(row->slider()->linkedSlider()->value(), 519);
    const DpiLevel &level = f.page->profileData().dpiLevels[1];
    QCOMPARE(int(level.link), 1);
    QCOMPARE(level.y, level.x);
    BoxWatcher boxes;
    w.apply();
    QVERIFY(boxes.texts.isEmpty());
    QCOMPARE(mouseStage(f.mouse->memory(), 1).mid(3), QByteArray("07 02 07 02"));
    QCOMPARE(currentProfile(f.editing()).dpiLevels[1].y, 519);
}

void TestDpiPage::stagesThatKeepTheMouseRunning()
{
    DpiFixture f;
    MainWindow &w = f.start();
    // Only stages 1 and 3 enabled, 3 active.
    ProfileData &profile = currentProfile(f.editing());
    for (int k = 0; k < kDpiStageCount; ++k)
        profile.dpiLevels[size_t(k)].used = (k == 1 || k == 3) ? 1 : 0;
    profile.dpi = 3;
    w.refreshPages();
    QVERIFY(!f.page->activeBox(0)->isEnabled());

    // A disabled stage cannot be made active.
    f.clickBox(f.page->activeBox(0));
    QCOMPARE(int(f.page->profileData().dpi), 3);

    // Disabling the active stage makes the nearest enabled one active.
    f.clickBox(f.page->row(3)->enableBox());
    QCOMPARE(int(f.page->profileData().dpi), 1);
    QVERIFY(f.page->activeBox(1)->isChecked());
    QVERIFY(!f.page->activeBox(3)->isEnabled());

    // The last enabled stage stays enabled.
    f.clickBox(f.page->row(1)->enableBox());
    QCOMPARE(f.page->profileData().dpiLevels[1].used, uint8_t(1));
    QVERIFY(f.page->row(1)->enableBox()->isChecked());

    // Enabling a stage lets it be chosen.
    f.clickBox(f.page->row(4)->enableBox());
    f.clickBox(f.page->activeBox(4));
    QCOMPARE(int(f.page->profileData().dpi), 4);
}

void TestDpiPage::dpiOnlyEditSendsTheDpiTable()
{
    DpiFixture f;
    MainWindow &w = f.start();
    const std::array<int, 5> commits = f.mouse->memory().commits;
    const DpiLevel hidden = currentProfile(f.editing()).dpiLevels[7];

    DpiStageRow *row = f.page->row(1);
    row->setLink(1);
    row->slider()->linkedSlider()->setValue(100);
    BoxWatcher boxes;
    QTest::mouseClick(WindowInside::controls(w).apply, Qt::LeftButton);

    QVERIFY(boxes.texts.isEmpty());
    const SimMemory m = f.mouse->memory();
    QCOMPARE(m.commits[0], commits[0]);       // system block not sent
    QCOMPARE(m.commits[1], commits[1] + 1);   // DPI table sent
    QCOMPARE(m.commits[2], commits[2]);
    QCOMPARE(m.commits[3], commits[3]);
    QCOMPARE(mouseStage(m, 1), QByteArray("01 64 00 64 00"));
    QVERIFY(currentProfile(f.editing()).dpiLevels[7] == hidden);
}

void TestDpiPage::stageFromTheMouseKeepsEdits()
{
    DpiFixture f;
    f.start();
    f.page->row(4)->setLink(1);
    f.page->row(4)->slider()->linkedSlider()->setValue(200);
    const int before = currentProfile(f.editing()).dpi;

    f.mouse->press(SimButton::Dpi);

    QTRY_VERIFY(int(currentProfile(f.editing()).dpi) != before);
    const int stage = currentProfile(f.editing()).dpi;
    QVERIFY(f.page->activeBox(stage)->isChecked());
    QCOMPARE(int(f.page->profileData().dpi), stage);
    QCOMPARE(f.page->profileData().dpiLevels[4].x, 200);
    QCOMPARE(f.page->row(4)->slider()->linkedSlider()->value(), 200);
}

void TestDpiPage::outOfRangeCodeIsShownAndKept()
{
    DpiFixture f;
    MainWindow &w = f.start();
    currentProfile(f.editing()).dpiLevels[0].x = 900;
    currentProfile(f.editing()).dpiLevels[0].y = 900;
    currentProfile(f.editing()).dpi = 9;   // no such stage
    w.refreshPages();
    QCOMPARE(f.page->row(0)->slider()->xSlider()->value(), 519);
    QCOMPARE(f.page->row(0)->slider()->linkedSlider()->value(), 519);
    for (int k = 0; k < f.page->stageCount(); ++k)
        QVERIFY(!f.page->activeBox(k)->isChecked());
    QCOMPARE(currentProfile(f.editing()).dpiLevels[0].x, 900);
    QCOMPARE(int(currentProfile(f.editing()).dpi), 9);
}

QTEST_MAIN(TestDpiPage)
#include "test_dpipage.moc"
