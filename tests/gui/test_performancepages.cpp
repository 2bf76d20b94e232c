// The pointer-options and report-rate pages in the main window against the
// virtual mouse: one lift-off value shown and set by both pages, the
// exclusive pairs, the rate menu and codes it has no name for, values out of
// range that display must not rewrite, the scroll amount written at once,
// and the pages' rows fitting their places at both scales and in Chinese.

#include "test_mainwindowfixture.h"

#include "config/productdescriptor.h"
#include "device/systemblock.h"
#include "editors/lightingpage.h"
#include "editors/pointeroptionspage.h"
#include "editors/reportratepage.h"
#include "shell/languagecontroller.h"
#include "shell/statusreporthandler.h"
#include "shell/pagehost.h"
#include "widgets/uiscale.h"
#include "widgets/skincheckbox.h"
#include "widgets/skinlabel.h"
#include "widgets/skinbutton.h"
#include "widgets/skinslider.h"

#include <QAction>
#include <QMenu>
#include <QSpinBox>

class TestPerformancePages : public QObject {
    Q_OBJECT
private slots:
    void liftIsOneValue();
    void exclusivePairs();
    void rateMenu();
    void outOfRangeValuesKept();
    void scrollSpeedAtOnce();
    void rowsFit_data();
    void rowsFit();
};

namespace {

struct Pages {
    PointerOptionsPage *pointer;
    ReportRatePage *rate;
};

Pages performancePages(MainWindow &w)
{
    w.selectTab(PageTab::Performance);
    return {WindowInside::pages(w).page<PointerOptionsPage>(),
            WindowInside::pages(w).page<ReportRatePage>()};
}

QAction *rateAction(ReportRatePage *page, int code)
{
    for (QAction *action : page->rateMenu()->actions()) {
        if (action->data().toInt() == code)
            return action;
    }
    return nullptr;
}

void click(QWidget *widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(4, widget->height() / 2)); }

int applyAndReadSystemByte(MainWindow &w, WindowFixture &f, int index)
{
    BoxWatcher boxes;
    if (w.apply() != 0)
        return -1;
    return f.mouse->memory().system.at(size_t(index));
}

} // namespace

void TestPerformancePages::liftIsOneValue()
{
    WindowFixture f;
    MainWindow &w = f.openWithReceiver();
    Pages p = performancePages(w);
    QVERIFY(p.pointer && p.rate);

    // "1mm" on the pointer page: the record and the report-rate page follow.
    click(p.pointer->onBox(PointerOptionsPage::Lift));
    QCOMPARE(int(f.editing().LiftHigh), 1);
    QVERIFY(p.rate->liftBox(0)->isChecked());
    QVERIFY(!p.rate->liftBox(1)->isChecked());

    // "2 mm" on the report-rate page: the other way round.
    click(p.rate->liftBox(1));
    QCOMPARE(int(f.editing().LiftHigh), 2);
    QVERIFY(p.pointer->offBox(PointerOptionsPage::Lift)->isChecked());
    QVERIFY(!p.pointer->onBox(PointerOptionsPage::Lift)->isChecked());

    // Apply keeps the last click, whichever page had it.
    QCOMPARE(applyAndReadSystemByte(w, f, 5), int(sensorOptionByte(f.editing(), ProductDescriptor::syncMode())));
    QCOMPARE(int(f.editing().LiftHigh), 2);
    QCOMPARE(int(f.stored().LiftHigh), 2);
}

void TestPerformancePages::exclusivePairs()
{
    WindowFixture f;
    MainWindow &w = f.openWithReceiver();
    f.editing().Jitter = 1;
    f.editing().AngleValue = 0;
    w.refreshPages();
    Pages p = performancePages(w);
    SkinCheckBox *on = p.pointer->onBox(PointerOptionsPage::Jitter);
    SkinCheckBox *off = p.pointer->offBox(PointerOptionsPage::Jitter);
    QVERIFY(on->isChecked());

    // The checked box stays checked when clicked.
    click(on);
    QVERIFY(on->isChecked());
    QVERIFY(!off->isChecked());
    click(off);
    QVERIFY(off->isChecked());
    QVERIFY(!on->isChecked());
    click(p.pointer->onBox(PointerOptionsPage::Angle));
    // The clicks edit the record; Apply stores them.
    QCOMPARE(int(f.editing().Jitter), 0);
    QCOMPARE(int(f.editing().AngleValue), 1);
    QCOMPARE(int(f.stored().Jitter), 1);
    QVERIFY(off->isChecked());
    BoxWatcher boxes;
    QCOMPARE(w.apply(), 0);
    QCOMPARE(int(f.stored().Jitter), 0);
    QCOMPARE(int(f.stored().AngleValue), 1);
}

void TestPerformancePages::rateMenu()
{
    WindowFixture f;
    MainWindow &w = f.openWithReceiver();
    ProfileData &profile = currentProfile(f.editing());
    profile.pollrate = 16;
    w.refreshPages();
    Pages p = performancePages(w);
    QCOMPARE(p.rate->rateButton()->text(), QString());
    QStringList texts;
    for (QAction *action : p.rate->rateMenu()->actions())
        texts << action->text();
    QCOMPARE(texts, (QStringList{"125 HZ", "250 HZ", "500 HZ", "1000 HZ"}));

    // A lift-off click does not bring back a stale rate, and Apply keeps the
    // unknown code until a rate is chosen.
    click(p.rate->liftBox(0));
    QCOMPARE(int(profile.pollrate), 16);
    const int active = f.editing().profileIndex();
    QCOMPARE(applyAndReadSystemByte(w, f, 11 + active), 16);

    rateAction(p.rate, 2)->trigger();
    QCOMPARE(p.rate->rateButton()->text(), QStringLiteral("500 HZ"));
    click(p.pointer->offBox(PointerOptionsPage::Lift));
    QCOMPARE(p.rate->rateButton()->text(), QStringLiteral("500 HZ"));
    QCOMPARE(applyAndReadSystemByte(w, f, 11 + active), 2);

    // The mouse's own rate button moves the label.
    WindowInside::statusReports(w).refreshRate(8);
    QCOMPARE(p.rate->rateButton()->text(), QStringLiteral("125 HZ"));
}

void TestPerformancePages::outOfRangeValuesKept()
{
    WindowFixture f;
    MainWindow &w = f.openWithReceiver();
    f.editing().Debounce = 0;
    f.editing().Sync = 7;
    f.editing().LiftHigh = 0;
    currentProfile(f.editing()).scrollspeed = 0;
    w.refreshPages();
    Pages p = performancePages(w);
    QCOMPARE(p.pointer->responseSlider()->value(), 1);
    QVERIFY(p.pointer->onBox(PointerOptionsPage::Sync)->isChecked());
    QVERIFY(p.pointer->offBox(PointerOptionsPage::Lift)->isChecked());
    QVERIFY(p.rate->liftBox(1)->isChecked());
    QCOMPARE(p.rate->shownLift(), 2);
    QCOMPARE(p.pointer->scrollBox()->value(), 1);

    BoxWatcher boxes;
    QCOMPARE(w.apply(), 0);
    QCOMPARE(int(f.editing().Debounce), 0);
    QCOMPARE(int(f.editing().Sync), 7);
    QCOMPARE(int(f.editing().LiftHigh), 0);
    QCOMPARE(int(currentProfile(f.editing()).scrollspeed), 0);

    // A move of the slider is the user's: it writes, and Apply sends it.
    p.pointer->responseSlider()->setValue(40);
    QCOMPARE(int(f.editing().Debounce), 40);
    QCOMPARE(int(f.stored().Debounce), 0);
    QCOMPARE(w.apply(), 0);
    QCOMPARE(int(f.editing().Debounce), 40);
    QCOMPARE(int(f.mouse->memory().system.at(9)), 40);
}

void TestPerformancePages::scrollSpeedAtOnce()
{
    WindowFixture f;
    MainWindow &w = f.openWithReceiver();
    currentProfile(f.editing()).scrollspeed = 5;
    w.refreshPages();
    Pages p = performancePages(w);
    p.pointer->scrollBox()->stepUp();
    QCOMPARE(int(currentProfile(f.editing()).scrollspeed), 6);
    p.pointer->scrollBox()->setValue(99);
    QCOMPARE(int(currentProfile(f.editing()).scrollspeed), 20);
}

void TestPerformancePages::rowsFit_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("syncMode");
    QTest::newRow("1.0 English sync 0") << 0 << 0 << 0;
    QTest::newRow("1.0 English sync 1") << 0 << 0 << 1;
    QTest::newRow("2.0 English sync 2") << 4 << 0 << 2;
    QTest::newRow("1.0 Simplified Chinese") << 0 << 1 << 2;
    QTest::newRow("2.0 Traditional Chinese") << 4 << 2 << 0;
}

void TestPerformancePages::rowsFit()
{
    QFETCH(int, level);
    QFETCH(int, language);
    QFETCH(int, syncMode);

    WindowFixture f;
    f.env->writeDescriptor({{"Sync", syncMode}});
    MainWindow &w = f.openWithReceiver();
    w.switchLanguage(language);
    UiScale::setLevel(level);
    WindowInside::pages(w).layout();
    Pages p = performancePages(w);
    LightingPage *lighting = WindowInside::pages(w).page<LightingPage>();
    for (QWidget *page : {static_cast<QWidget *>(p.pointer), static_cast<QWidget *>(p.rate),
                          static_cast<QWidget *>(lighting)}) {
        QList<QRect> taken;
        for (QWidget *child : page->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
            if (!child->isVisibleTo(page) || child->inherits("QMenu"))
                continue;
            const QRect r = child->geometry();
            QVERIFY2(page->rect().contains(r), qPrintable(child->objectName() + QLatin1String(" leaves its page")));
            for (const QRect &other : taken)
                QVERIFY2(!other.intersects(r), qPrintable(child->objectName() + QLatin1String(" overlaps")));
            taken << r;
            // Texts are not cut.
            QString text;
            if (auto *label = qobject_cast<QLabel *>(child))
                text = label->text();
            else if (auto *button = qobject_cast<QAbstractButton *>(child))
                text = button->text();
            const int room = qobject_cast<QCheckBox *>(child) ? r.width() - UiScale::scaled(20 + 8) : r.width();
            QVERIFY2(child->fontMetrics().horizontalAdvance(text) <= room, qPrintable(text + QLatin1String(" is cut")));
        }
    }
    UiScale::setLevel(0);
}

QTEST_MAIN(TestPerformancePages)
#include "test_performancepages.moc"
