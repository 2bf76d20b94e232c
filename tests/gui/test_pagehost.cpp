// The page host: which profile each page is handed, when pages off the first
// tab are built, where Apply's values go, and that filling never writes —
// with small pages of its own, then with every registered page of the
// window and a record full of values out of range.

#include "test_mainwindowfixture.h"

#include "editors/editorpage.h"
#include "shell/pagehost.h"

#include <QSlider>
#include <QWidget>
#include <QtTest>

#include <cstring>
#include <vector>

namespace {

// A page with one slider (0..100) for the scroll speed; what it was shown and
// what it holds outside the record are kept for the test. Each kind is a page
// of its own, added to the host with one line like the window's pages.
template <PageTab kTab, bool kLighting>
class ProbePage : public QWidget, public EditorPage {
public:
    static int built;
    static PagePlace placement() { return {kTab, QRect(10, 10, 100, 50), kLighting ? "LightingProbe" : "RateProbe", false, kLighting}; }

    ProbePage(PageEvents &, const PageContext &, QWidget *parent)
        : QWidget(parent)
        , m_slider(new QSlider(this))
    {
        ++built;
        m_slider->setRange(0, 100);
        QObject::connect(m_slider, &QSlider::valueChanged, this, [this](int value) {
            if (m_profile)
                m_profile->scrollspeed = uint8_t(value);
        });
    }

    QWidget *widget() override { return this; }
    void show(ProfileData &profile, MouseConfig &, const PageContext &context) override
    {
        m_profile = &profile;
        shown.push_back(&profile);
        model = context.modelName;
        const QSignalBlocker block(m_slider);
        m_slider->setValue(profile.scrollspeed);
    }

    QSlider *slider() const { return m_slider; }
    std::vector<ProfileData *> shown;
    QString model;

private:
    QSlider *m_slider;
    ProfileData *m_profile = nullptr;
};

template <PageTab kTab, bool kLighting>
int ProbePage<kTab, kLighting>::built = 0;

using LightingProbe = ProbePage<PageTab::Lighting, true>;
using RateProbe = ProbePage<PageTab::Performance, false>;

PageContext contextFor(const QString &model)
{
    PageContext context;
    context.modelName = model;
    context.product.shownButtonCount = 5;
    return context;
}

// Every byte of the record set to `fill`, the way a damaged or foreign file
// could leave it; the colours stay valid colours.
void fillRecord(MouseConfig &config, uint8_t fill)
{
    for (ProfileData &p : config.profiles) {
        p.pollrate = p.dpi = p.LedMode = p.LedMoveOFF = p.LedSleepTime = fill;
        p.mousespeed = p.dbclickspeed = p.scrollispage = p.scrollspeed = p.accelenable = p.acee = fill;
        for (DpiLevel &level : p.dpiLevels) {
            level.used = level.link = fill;
            level.x = level.y = level.xy = fill * 1000;
        }
        for (ButtonInfo &button : p.buttons) {
            button.Fun = button.LoopNumber = button.KeyNumber = fill * 1000;
            button.Res1 = button.Res2 = button.Res3 = button.Res4 = fill;
        }
        for (LedModeInfo &mode : p.ledModes) {
            mode.h = mode.s = mode.v = mode.bright = mode.breath = fill * 1000;
            mode.RGB = QColor(12, 34, 56);
        }
    }
    config.AngleValue = config.LiftHigh = config.Sync = config.Count = config.Jitter = config.Debounce = fill;
}

} // namespace

class TestPageHost : public QObject {
    Q_OBJECT
private slots:
    void pagesAreHandedTheirProfileOnEveryShow();
    void fillingClampsButNeverWrites();
    void windowPagesKeepOutOfRangeValues_data();
    void windowPagesKeepOutOfRangeValues();
};

void TestPageHost::pagesAreHandedTheirProfileOnEveryShow()
{
    QWidget window;
    PageHost host(&window);
    host.add<LightingProbe>();
    host.add<RateProbe>();
    LightingProbe::built = RateProbe::built = 0;
    host.build(contextFor(QString()), PageTab::Lighting);
    QCOMPARE(LightingProbe::built, 1);
    QCOMPARE(RateProbe::built, 0);   // off the first tab: not built yet
    QCOMPARE(host.placeOf<RateProbe>()->objectName(), QStringLiteral("RateProbe"));
    QCOMPARE(host.placeOf<RateProbe>()->geometry(), QRect(10, 10, 100, 50));

    MouseConfig config;
    config.ProfileID = 2;
    host.refresh(config, contextFor(QStringLiteral("KV52")));
    auto *lighting = host.page<LightingProbe>();
    QVERIFY(lighting);
    // The "KV52" keeps its lighting in profile 0.
    QCOMPARE(lighting->shown.back(), &config.profiles[0]);

    // Built when its tab is first shown, and shown the last profile then.
    host.showForTab(PageTab::Performance);
    QCOMPARE(RateProbe::built, 1);
    auto *rate = host.page<RateProbe>();
    QVERIFY(rate);
    QCOMPARE(rate->shown.size(), size_t(1));
    QCOMPARE(rate->shown.back(), &config.profiles[2]);
    QCOMPARE(rate->model, QStringLiteral("KV52"));
    QVERIFY(rate->widget()->isVisible() || !window.isVisible());

    // A switch: every show targets the profile current now.
    config.ProfileID = 4;
    host.refresh(config, contextFor(QStringLiteral("KV52")));
    QCOMPARE(rate->shown.back(), &config.profiles[4]);
    QCOMPARE(lighting->shown.back(), &config.profiles[0]);
    // Another product edits the lighting of the active profile.
    host.refresh(config, contextFor(QStringLiteral("QORV Nimbus 6")));
    QCOMPARE(lighting->shown.back(), &config.profiles[4]);
    QCOMPARE(RateProbe::built, 1);
}

void TestPageHost::fillingClampsButNeverWrites()
{
    QWidget window;
    PageHost host(&window);
    host.add<RateProbe>();
    host.build(contextFor(QString()), PageTab::Performance);
    MouseConfig config;
    config.ProfileID = 1;
    config.profiles[1].scrollspeed = 250;
    host.refresh(config, contextFor(QString()));
    auto *rate = host.page<RateProbe>();
    QCOMPARE(rate->slider()->value(), 100);        // shown clamped
    QCOMPARE(int(config.profiles[1].scrollspeed), 250);   // kept
    host.refresh(config, contextFor(QString()));
    QCOMPARE(int(config.profiles[1].scrollspeed), 250);
    // The user's own move writes, into the profile shown last.
    config.ProfileID = 2;
    host.refresh(config, contextFor(QString()));
    rate->slider()->setValue(40);
    QCOMPARE(int(config.profiles[2].scrollspeed), 40);
    QCOMPARE(int(config.profiles[1].scrollspeed), 250);
}

void TestPageHost::windowPagesKeepOutOfRangeValues_data()
{
    QTest::addColumn<int>("fill");
    QTest::newRow("all 0xFF") << 0xFF;
    QTest::newRow("all 0x7F") << 0x7F;
    QTest::newRow("all 9") << 9;
}

void TestPageHost::windowPagesKeepOutOfRangeValues()
{
    QFETCH(int, fill);
    WindowFixture f;
    MainWindow &w = f.openWithReceiver();
    // Every page built, then every page filled from the damaged record.
    for (int tab = 0; tab < kPageTabCount; ++tab)
        WindowInside::pages(w).showForTab(PageTab(tab));
    fillRecord(f.editing(), uint8_t(fill));
    const MouseConfig before = f.editing();
    w.refreshPages();
    for (int tab = 0; tab < kPageTabCount; ++tab) {
        w.selectTab(PageTab(tab));
        w.refreshPages();
    }
    for (int p = 0; p < kProfileCount; ++p)
        QVERIFY2(f.editing().profiles[size_t(p)] == before.profiles[size_t(p)], qPrintable(QString::number(p)));
    QVERIFY(f.editing() == before);
}

QTEST_MAIN(TestPageHost)
#include "test_pagehost.moc"
