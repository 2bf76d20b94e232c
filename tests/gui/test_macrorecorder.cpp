// The pure parts of the macro editor: the recorder fed (code, flags, ms),
// the recoil burst builder, and the rename rule for button assignments.

#include "config/functioncatalogue.h"
#include "config/keytables.h"
#include "config/macroassignments.h"
#include "config/productdescriptor.h"
#include "editors/macrorecorder.h"
#include "editors/macrorows.h"
#include "editors/recoilevents.h"

#include "testenvironment.h"

#include <QtTest>

struct Key {
    int code;
    int flags;
    qint64 ms;
};
Q_DECLARE_METATYPE(Key)
Q_DECLARE_METATYPE(RecoilBullet)

namespace {

constexpr int kA = 30, kS = 31, kShift = 42;   // set-1 codes
constexpr int kRelease = MacroRecorder::kReleaseFlag;

using Rows = QVector<QVector<int>>;   // each row: type, high, low

Rows rowsOf(const std::vector<KeyInfo> &events)
{
    Rows rows;
    for (const KeyInfo &e : events)
        rows.append({e.map, e.DataH, e.DataL});
    return rows;
}

int usageOf(int code)
{
    int usage = 0;
    keyCodeToUsage(code, usage);
    return usage;
}

std::vector<KeyInfo> record(int mode, const QVector<Key> &keys, int defaultMs = 50, int unit = 10)
{
    MacroRecorder recorder;
    recorder.start(mode, defaultMs, unit);
    std::vector<KeyInfo> rows;
    for (const Key &k : keys)
        recorder.feed(k.code, k.flags, k.ms, rows);
    return rows;
}

} // namespace

class TestMacroRecorder : public QObject {
    Q_OBJECT

private slots:
    void recording_data();
    void recording();
    void rowLimits_data();
    void rowLimits();
    void recoilBurst_data();
    void recoilBurst();
    void renameFollowsEveryProfile();
    void delayUnit_data();
    void delayUnit();
};

void TestMacroRecorder::recording_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QVector<Key>>("keys");
    QTest::addColumn<Rows>("expected");
    QTest::addColumn<QVector<int>>("held");

    const int a = usageOf(kA), s = usageOf(kS), shift = usageOf(kShift);
    QTest::newRow("A 300 ms, recorded delays") << 1 << QVector<Key>{{kA, 0, 1000}, {kA, kRelease, 1300}}
                                               << Rows{{0x84, 0, a}, {6, 0, 30}, {4, 0, a}} << QVector<int>{};
    // The first event may come at clock 0: it is still the first, and the
    // next delay is measured from it.
    QTest::newRow("first event at clock 0") << 1 << QVector<Key>{{kA, 0, 0}, {kA, kRelease, 120}}
                                            << Rows{{0x84, 0, a}, {6, 0, 12}, {4, 0, a}} << QVector<int>{};
    QTest::newRow("short gap is one unit") << 1 << QVector<Key>{{kA, 0, 5}, {kA, kRelease, 8}}
                                           << Rows{{0x84, 0, a}, {6, 0, 1}, {4, 0, a}} << QVector<int>{};
    QTest::newRow("long gap clamps, never wraps")
        << 1 << QVector<Key>{{kA, 0, 0}, {kA, kRelease, 10LL * 70000}}
        << Rows{{0x84, 0, a}, {6, 0xff, 0xff}, {4, 0, a}} << QVector<int>{};
    QTest::newRow("default delay") << 2 << QVector<Key>{{kA, 0, 0}, {kA, kRelease, 999}}
                                   << Rows{{0x84, 0, a}, {6, 0, 5}, {4, 0, a}} << QVector<int>{};
    QTest::newRow("no delays") << 0 << QVector<Key>{{kA, 0, 0}, {kA, kRelease, 999}}
                               << Rows{{0x84, 0, a}, {4, 0, a}} << QVector<int>{};
    QTest::newRow("held key repeats once")
        << 0 << QVector<Key>{{kShift, 0, 0}, {kShift, 0, 30}, {kShift, 0, 60}, {kA, 0, 70}, {kA, kRelease, 80},
                             {kShift, kRelease, 90}}
        << Rows{{0x84, 0, shift}, {0x84, 0, a}, {4, 0, a}, {4, 0, shift}} << QVector<int>{};
    QTest::newRow("release of a key held before START")
        << 0 << QVector<Key>{{kS, kRelease, 0}, {kA, 0, 10}, {kA, kRelease, 20}}
        << Rows{{4, 0, s}, {0x84, 0, a}, {4, 0, a}} << QVector<int>{};
    QTest::newRow("key still held") << 0 << QVector<Key>{{kA, 0, 0}, {kS, 0, 10}, {kS, kRelease, 20}}
                                    << Rows{{0x84, 0, a}, {0x84, 0, s}, {4, 0, s}} << QVector<int>{kA};
    QTest::newRow("code without usage ignored") << 0 << QVector<Key>{{200, 0, 0}, {kA, 0, 10}}
                                                << Rows{{0x84, 0, a}} << QVector<int>{kA};
}

void TestMacroRecorder::recording()
{
    QFETCH(int, mode);
    QFETCH(QVector<Key>, keys);
    QFETCH(Rows, expected);
    QFETCH(QVector<int>, held);

    MacroRecorder recorder;
    recorder.start(mode, 50, 10);
    std::vector<KeyInfo> rows;
    for (const Key &k : keys)
        recorder.feed(k.code, k.flags, k.ms, rows);
    QCOMPARE(rowsOf(rows), expected);
    QCOMPARE(QVector<int>(recorder.heldKeys().begin(), recorder.heldKeys().end()), held);
}

void TestMacroRecorder::rowLimits_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("holdFirst");
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("allReleased");

    // Taps of A: the tables fill to 40 and 63 rows, every press released.
    QTest::newRow("no delays") << 0 << false << 40 << true;
    QTest::newRow("recorded delays") << 1 << false << 63 << true;
    QTest::newRow("default delays") << 2 << false << 63 << true;
    // Shift held through the taps: the limit keeps room for its release.
    QTest::newRow("held key, no delays") << 0 << true << 40 << true;
    QTest::newRow("held key, delays") << 1 << true << 63 << true;
}

void TestMacroRecorder::rowLimits()
{
    QFETCH(int, mode);
    QFETCH(bool, holdFirst);
    QFETCH(int, rows);
    QFETCH(bool, allReleased);

    QVector<Key> keys;
    qint64 t = 0;
    if (holdFirst)
        keys.append({kShift, 0, t += 20});
    for (int i = 0; i < 100; ++i) {
        keys.append({kA, 0, t += 20});
        keys.append({kA, kRelease, t += 20});
    }
    if (holdFirst)
        keys.append({kShift, kRelease, t += 20});
    const std::vector<KeyInfo> recorded = record(mode, keys);
    QCOMPARE(int(recorded.size()), rows);
    QCOMPARE(!MacroRows::hasUnreleasedPress(recorded), allReleased);
}

void TestMacroRecorder::recoilBurst_data()
{
    QTest::addColumn<QVector<RecoilBullet>>("bullets");
    QTest::addColumn<Rows>("expected");

    QTest::newRow("x only, press before release")
        << QVector<RecoilBullet>{{100, 0, -7}}
        << Rows{{0x81, 0, 1}, {0x01, 0, 1}, {2, 0, 249}, {6, 0, 10}};
    QTest::newRow("y before x") << QVector<RecoilBullet>{{50, 4, 3}}
                                << Rows{{0x81, 0, 1}, {0x01, 0, 1}, {2, 4, 0}, {2, 0, 3}, {6, 0, 5}};
    QTest::newRow("delays below a unit and at the top")
        << QVector<RecoilBullet>{{5, 0, 0}, {999, -100, 0}}
        << Rows{{0x81, 0, 1}, {0x01, 0, 1}, {6, 0, 0}, {0x81, 0, 1}, {0x01, 0, 1}, {2, 156, 0}, {6, 0, 99}};
    QTest::newRow("out of range held to range")
        << QVector<RecoilBullet>{{5000, 300, -300}}
        << Rows{{0x81, 0, 1}, {0x01, 0, 1}, {2, 100, 0}, {2, 0, 156}, {6, 0, 99}};
}

void TestMacroRecorder::recoilBurst()
{
    QFETCH(QVector<RecoilBullet>, bullets);
    QFETCH(Rows, expected);
    QCOMPARE(rowsOf(buildRecoilEvents(std::vector<RecoilBullet>(bullets.begin(), bullets.end()), 10)), expected);

    // Five bullets of Y 5 every 100 ms: four events each.
    const std::vector<KeyInfo> five = buildRecoilEvents(std::vector<RecoilBullet>(5, RecoilBullet{100, 5, 0}));
    QCOMPARE(five.size(), size_t(20));
    QVERIFY(!MacroRows::hasUnreleasedPress(five));
}

void TestMacroRecorder::renameFollowsEveryProfile()
{
    MouseConfig config;
    config.profiles[0].buttons[3].Fun = Fun::Macro;
    config.profiles[0].buttons[3].macroname = QStringLiteral("old");
    config.profiles[4].buttons[41].Fun = Fun::GunFile;
    config.profiles[4].buttons[41].macroname = QStringLiteral("old");
    // A stale name on a button that no longer plays a macro stays as it is.
    config.profiles[2].buttons[0].Fun = Fun::Left;
    config.profiles[2].buttons[0].macroname = QStringLiteral("old");
    config.profiles[1].buttons[5].Fun = Fun::Macro;
    config.profiles[1].buttons[5].macroname = QStringLiteral("other");

    QCOMPARE(renameMacroAssignments(config, QStringLiteral("old"), QStringLiteral("new")), 2);
    QCOMPARE(config.profiles[0].buttons[3].macroname, QStringLiteral("new"));
    QCOMPARE(config.profiles[4].buttons[41].macroname, QStringLiteral("new"));
    QCOMPARE(config.profiles[2].buttons[0].macroname, QStringLiteral("old"));
    QCOMPARE(config.profiles[1].buttons[5].macroname, QStringLiteral("other"));
}

void TestMacroRecorder::delayUnit_data()
{
    QTest::addColumn<QVariant>("minDelay");
    QTest::addColumn<int>("unit");
    QTest::newRow("missing") << QVariant() << 10;
    QTest::newRow("20") << QVariant(20) << 20;
    QTest::newRow("zero") << QVariant(0) << 10;
    QTest::newRow("negative") << QVariant(-5) << 10;
}

void TestMacroRecorder::delayUnit()
{
    QFETCH(QVariant, minDelay);
    QFETCH(int, unit);
    TestEnvironment env;
    QVariantMap keys{{QStringLiteral("Name"), QStringLiteral("X")}};
    if (minDelay.isValid())
        keys.insert(QStringLiteral("MinDelay"), minDelay);
    env.writeDescriptor(keys);
    QCOMPARE(ProductDescriptor::macroDelayUnit(), unit);
}

QTEST_GUILESS_MAIN(TestMacroRecorder)
#include "test_macrorecorder.moc"
