// The upload against the virtual mouse: which tables an edit makes differ
// from what the mouse holds, what the mouse holds afterwards, the full
// upload after a failure, the mouse-off case, macros edited on disk, and the
// tables of the active profile.

#include "config/appconfig.h"
#include "config/functioncatalogue.h"
#include "config/macrofile.h"
#include "device/pollercontrol.h"
#include "device/transport.h"
#include "device/uploadall.h"
#include "device/uploadplan.h"
#include "device/senttables.h"
#include "device/uploadworker.h"
#include "openedmouse.h"

#include <QtTest>

#include <functional>
#include <memory>

using Edit = std::function<void(MouseConfig &)>;
Q_DECLARE_METATYPE(Edit)

namespace {

// Counts the calls and notes how many reports the mouse had taken when the
// poller was stopped.
class CountingPoller : public PollerControl {
public:
    explicit CountingPoller(VirtualMouse *mouse) : m_mouse(mouse) {}
    void stopPoller() override
    {
        ++stops;
        writesAtStop = m_mouse->writeCount();
    }
    void startPoller() override { ++starts; }
    int stops = 0;
    int starts = 0;
    int writesAtStop = -1;

private:
    VirtualMouse *m_mouse;
};

MouseConfig defaultRecord()
{
    MouseConfig config;
    makeDefaultConfig(config);
    for (int p = 1; p < kProfileCount; ++p) {
        makeDefaultProfile(config.profiles[p]);
        config.names[p] = QStringLiteral("Profile %1").arg(p + 1);
    }
    return config;
}

void assignMacro(ButtonInfo &button, const QString &name)
{
    button.Fun = Fun::Macro;
    button.macroname = name;
    button.Res1 = 0;
    button.LoopNumber = 1;
}

std::vector<KeyInfo> keyEvents(uint8_t first, int count)
{
    std::vector<KeyInfo> events;
    for (int i = 0; i < count; ++i)
        events.push_back({uint8_t(i % 2 ? 0x04 : 0x84), uint8_t(first + i / 2), 0});
    return events;
}

QByteArray hexOf(const std::vector<uint8_t> &bytes, int offset, int count)
{
    return QByteArray(reinterpret_cast<const char *>(bytes.data()) + offset, count).toHex(' ');
}

// The commit counters of the mouse: system, dpi, buttons, lighting, macro.
QVector<int> commits(const VirtualMouse &mouse)
{
    const auto c = mouse.memory().commits;
    return QVector<int>(c.begin(), c.end());
}

} // namespace

class TestUpload : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void changeDetection_data();
    void changeDetection();

    void onlyDpiChanged();
    void nothingChangedSendsNothing();
    void failedUploadMakesNextOneFull();
    void mouseOffSendsNothing();
    void editedMacroFileReachesTheMouse();
    void deletedMacroGoesOutEmpty();
    void activeProfileTablesReachTheMouse();
    void switchingProfileResendsTables();
    void sentTablesSurviveTheProcess();
    void pollerIsStoppedFirstAndAlwaysRestarted();

private:
    int runUpload(bool full = false);
    // A whole upload of m_live: the mouse in step with it, the counters reset.
    void bringInStep();
    // The commits since bringInStep() or the last call with `rebase`.
    QVector<int> newCommits(bool rebase = false);

    std::unique_ptr<OpenedMouse> m_device;
    MouseConfig m_live;
    MouseConfig m_saved;
    SentTables m_tables;
    QVector<int> m_commitBase;
};

void TestUpload::init()
{
    m_device = std::make_unique<OpenedMouse>();
    QVERIFY(m_device->open());

    m_live = defaultRecord();
    m_saved = MouseConfig();
    m_tables.clear();
    QVERIFY(AppConfig::setDiff(0));
}

void TestUpload::cleanup()
{
    m_device.reset();
}

int TestUpload::runUpload(bool full)
{
    UploadWorker worker;
    worker.full = full;
    worker.setRecords(&m_live, &m_saved);
    worker.setLink(&m_device->link);
    worker.setSentTables(&m_tables);
    QSignalSpy done(&worker, &UploadWorker::uploadDone);
    worker.start();
    worker.wait();
    if (done.count() != 1)
        return -1;
    return worker.result;
}

void TestUpload::bringInStep()
{
    QCOMPARE(runUpload(), 0);
    QCOMPARE(commits(m_device->mouse).mid(0, 4), QVector<int>({1, 1, 1, 1}));
    m_device->mouse.resetCounters();
    newCommits(true);
}

QVector<int> TestUpload::newCommits(bool rebase)
{
    const QVector<int> now = commits(m_device->mouse);
    QVector<int> added = now;
    for (int i = 0; i < added.size() && i < m_commitBase.size(); ++i)
        added[i] -= m_commitBase[i];
    if (rebase)
        m_commitBase = now;
    return added;
}

void TestUpload::changeDetection_data()
{
    QTest::addColumn<QString>("product");
    QTest::addColumn<int>("active");
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("bankBits");   // macro banks, one bit each

    const QString nimbus = QStringLiteral("QORV Nimbus 6");
    const QString kv52 = QStringLiteral("KV52");
    using namespace UploadGroup;
    auto combo = [](uint8_t key) {
        return Edit([key](MouseConfig &c) {
            ButtonInfo &b = c.profiles[c.ProfileID].buttons[4];
            b.Fun = Fun::ComboKey;
            b.KeyInfo[0].map = b.KeyInfo[3].map = 0xE0;   // Ctrl down ... up
            b.KeyInfo[1].map = b.KeyInfo[2].map = key;
        });
    };

    QTest::newRow("nothing") << nimbus << 0 << Edit([](MouseConfig &) {}) << 0 << 0;
    QTest::newRow("rate of another profile") << nimbus << 0 << Edit([](MouseConfig &c) { c.profiles[4].pollrate = 8; }) << System << 0;
    QTest::newRow("debounce") << nimbus << 0 << Edit([](MouseConfig &c) { c.Debounce += 2; }) << System << 0;
    QTest::newRow("stage of the active profile") << nimbus << 1 << Edit([](MouseConfig &c) { c.profiles[1].dpi = 3; }) << System << 0;
    QTest::newRow("stage of another profile") << nimbus << 1 << Edit([](MouseConfig &c) { c.profiles[0].dpi = 3; }) << 0 << 0;
    QTest::newRow("desktop-only field") << nimbus << 0 << Edit([](MouseConfig &c) { c.profiles[0].mousespeed = 7; }) << 0 << 0;
    QTest::newRow("stage link only") << nimbus << 0 << Edit([](MouseConfig &c) { c.profiles[0].dpiLevels[2].link = 1; }) << 0 << 0;
    // Tables of a profile that is not active are not on the mouse.
    QTest::newRow("stage y of profile 4") << nimbus << 0 << Edit([](MouseConfig &c) { c.profiles[4].dpiLevels[7].y = 99; }) << 0 << 0;
    QTest::newRow("button of profile 4") << nimbus << 0 << Edit([](MouseConfig &c) { c.profiles[3].buttons[5].Res2 = 1; }) << 0 << 0;
    QTest::newRow("stage x of the active profile") << nimbus << 0 << Edit([](MouseConfig &c) { c.profiles[0].dpiLevels[1].x = 99; }) << Dpi << 0;
    // A new key combination changes the slot bytes alone.
    QTest::newRow("combination set") << nimbus << 0 << combo(0x06) << Buttons << 0;
    QTest::newRow("combination changed") << nimbus << 0
                                         << Edit([combo](MouseConfig &c) { combo(0x06)(c); combo(0x19)(c); })
                                         << Buttons << 0;
    // Macros: the bytes of their files, in the slots the buttons number.
    QTest::newRow("macro renamed to other events") << nimbus << 0
                                                   << Edit([](MouseConfig &c) { c.profiles[0].buttons[2].macroname = "other"; })
                                                   << 0 << 0b01;
    QTest::newRow("macro renamed to the same events") << nimbus << 0
                                                      << Edit([](MouseConfig &c) { c.profiles[0].buttons[2].macroname = "copy"; })
                                                      << 0 << 0;
    QTest::newRow("macro whose file is gone") << nimbus << 0
                                              << Edit([](MouseConfig &c) { c.profiles[0].buttons[2].macroname = "gone"; })
                                              << 0 << 0b01;
    QTest::newRow("events kept in the record only") << nimbus << 0
                                                    << Edit([](MouseConfig &c) { c.profiles[0].buttons[2].KeyInfo[9].DataL = 5; })
                                                    << 0 << 0;
    QTest::newRow("recoil file renamed") << nimbus << 0
                                         << Edit([](MouseConfig &c) { c.profiles[0].buttons[3].macroname = "other"; })
                                         << 0 << 0b10;
    QTest::newRow("macro and recoil swapped") << nimbus << 0
                                              << Edit([](MouseConfig &c) {
                                                     std::swap(c.profiles[0].buttons[2], c.profiles[0].buttons[3]);
                                                 })
                                              << Buttons << 0b11;
    QTest::newRow("name on a key button") << nimbus << 0
                                          << Edit([](MouseConfig &c) { c.profiles[0].buttons[0].macroname = "x"; })
                                          << 0 << 0;
    QTest::newRow("effect of another profile") << nimbus << 0 << Edit([](MouseConfig &c) { c.profiles[2].LedMode = 1; }) << 0 << 0;
    QTest::newRow("effect of the active profile") << nimbus << 2 << Edit([](MouseConfig &c) { c.profiles[2].LedMode = 1; })
                                                  << System << 0;
    QTest::newRow("an effect's colour") << nimbus << 0
                                        << Edit([](MouseConfig &c) { c.profiles[0].ledModes[1].RGB = QColor(1, 2, 3); })
                                        << Lighting << 0;
    // A product whose lighting lives in profile 0 whatever profile is active.
    QTest::newRow("lighting profile's sleep time") << kv52 << 2 << Edit([](MouseConfig &c) { c.profiles[0].LedSleepTime = 9; }) << System << 0;
    QTest::newRow("lighting profile's light-on-move") << kv52 << 2 << Edit([](MouseConfig &c) { c.profiles[0].LedMoveOFF ^= 1; }) << System << 0;
    QTest::newRow("other product, profile 0 sleep time") << nimbus << 2 << Edit([](MouseConfig &c) { c.profiles[0].LedSleepTime = 9; }) << 0 << 0;
    // Another active profile sends the tables in which it differs (profile
    // 0 has a macro and a recoil button, the others have not).
    QTest::newRow("active profile switched") << nimbus << 0 << Edit([](MouseConfig &c) { c.ProfileID = 3; })
                                             << (System | Buttons) << 0;
    QTest::newRow("active profile switched, other stages")
        << nimbus << 0 << Edit([](MouseConfig &c) { c.profiles[3].dpiLevels[0].x = 55; c.ProfileID = 3; })
        << (System | Dpi | Buttons) << 0;
    QTest::newRow("switched between two alike profiles") << nimbus << 1 << Edit([](MouseConfig &c) { c.ProfileID = 4; })
                                                         << System << 0;
}

void TestUpload::changeDetection()
{
    QFETCH(QString, product);
    QFETCH(int, active);
    QFETCH(Edit, edit);
    QFETCH(int, expected);
    QFETCH(int, bankBits);

    MouseConfig sent = defaultRecord();
    sent.ProfileID = uint8_t(active);
    assignMacro(sent.profiles[0].buttons[2], QStringLiteral("burst"));
    sent.profiles[0].buttons[3].Fun = Fun::GunFile;
    sent.profiles[0].buttons[3].macroname = QStringLiteral("recoil");
    MouseConfig live = sent;
    edit(live);

    // Macro files as the upload would read them; "gone" has none.
    const MacroEventSource files = [](const QString &name, MacroEvents &events) {
        const std::vector<KeyInfo> e = keyEvents(name == "burst" || name == "copy" ? 0x10 : name == "recoil" ? 0x20 : 0x30,
                                                 name == "gone" ? 0 : 4);
        std::copy(e.begin(), e.end(), events.begin());
        return int(e.size());
    };
    DeviceContext context = loadDeviceContext();
    context.productName = product;
    const EncodedUpload before = encodeUpload(sent, context, files);
    SentTables held;
    noteSent(held, before, groupSelection(before, UploadGroup::All));
    const UploadSelection selection = changedTables(encodeUpload(live, context, files), held);
    QCOMPARE(selection.groups, expected);
    QCOMPARE(int(selection.macroBanks.to_ulong()), bankBits);
    QVERIFY(!selection.whole);
}

void TestUpload::onlyDpiChanged()
{
    bringInStep();
    m_live.profiles[0].dpiLevels[1].x = 40;
    m_live.profiles[0].dpiLevels[1].y = 300;
    QCOMPARE(runUpload(), 0);

    const SimMemory m = m_device->mouse.memory();
    // System, buttons, lighting and macros untouched; the DPI table once.
    QCOMPARE(newCommits(), QVector<int>({0, 1, 0, 0, 0}));
    // Stage 1 of the 3395: enabled, x = 40, y = 300 as (low, high) pairs.
    QCOMPARE(hexOf(m.dpi, 1 + 5 * 1, 5), QByteArray("01 28 00 2c 01"));
    QCOMPARE(m.uploadMarks, std::vector<int>({0, 1, 0, 1}));
    QCOMPARE(m.applyGroups, std::vector<int>({0x04, 0x01, 0x02, 0x08, 0x10, 0x04, 0x01, 0x02, 0x08, 0x10}));
    QVERIFY(!m.uploading);
    QCOMPARE(m.rejectedReports, 0);
    QVERIFY(m_saved == m_live);
    QCOMPARE(AppConfig::diff(), 0);
}

void TestUpload::nothingChangedSendsNothing()
{
    bringInStep();
    // Edits that change no byte the mouse holds: another profile's tables,
    // desktop-only fields.
    m_live.profiles[3].dpiLevels[2].x = 99;
    m_live.profiles[0].mousespeed = 3;
    QCOMPARE(runUpload(), 0);
    QCOMPARE(m_device->mouse.writeCount(), 0);
    QCOMPARE(AppConfig::diff(), 0);
}

void TestUpload::failedUploadMakesNextOneFull()
{
    bringInStep();
    m_live.profiles[0].dpiLevels[0].x = 20;
    m_device->mouse.injectFault(SimFault::WriteFail, 1);
    QCOMPARE(runUpload(), int(kTransferWriteFailed));
    QCOMPARE(AppConfig::diff(), 1);
    QVERIFY(m_tables.isEmpty());
    QCOMPARE(newCommits(true), QVector<int>({0, 0, 0, 0, 0}));

    // Nothing changed since, yet everything goes.
    QCOMPARE(runUpload(), 0);
    QCOMPARE(newCommits(true), QVector<int>({1, 1, 1, 1, 0}));
    QCOMPARE(AppConfig::diff(), 0);
    QCOMPARE(m_device->mouse.memory().dpi[2], uint8_t(20));

    // The same when another part says the mouse's memory is not whole.
    QVERIFY(AppConfig::setDiff(1));
    m_device->mouse.resetCounters();
    QCOMPARE(runUpload(), 0);
    QCOMPARE(newCommits(), QVector<int>({1, 1, 1, 1, 0}));
}

void TestUpload::mouseOffSendsNothing()
{
    bringInStep();
    m_live.profiles[0].dpiLevels[0].x = 20;
    m_device->link.setMouseOff(true);
    QCOMPARE(runUpload(true), int(kTransferMouseOff));
    QCOMPARE(m_device->mouse.writeCount(), 0);
    // Nothing reached the mouse: once awake it must get everything, not
    // only what changes after this.
    QCOMPARE(AppConfig::diff(), 1);
    QVERIFY(m_tables.isEmpty());
    // The settings were still saved.
    MouseConfig onDisk;
    AppConfig::loadAll(onDisk);
    QCOMPARE(onDisk.profiles[0].dpiLevels[0].x, 20);
}

void TestUpload::editedMacroFileReachesTheMouse()
{
    assignMacro(m_live.profiles[0].buttons[1], QStringLiteral("burst"));
    QVERIFY(writeMacroFile(QStringLiteral("burst"), MacroOptions(), keyEvents(0x20, 2)));
    bringInStep();

    // Edited in the macro editor: the record does not change, the file does.
    QVERIFY(writeMacroFile(QStringLiteral("burst"), MacroOptions(), keyEvents(0x10, 5)));
    QCOMPARE(runUpload(), 0);
    QCOMPARE(newCommits(), QVector<int>({0, 0, 0, 0, 1}));
    const SimMemory m = m_device->mouse.memory();
    // Five events without delays of their own: a unit delay after the
    // fourth and after the last.
    QCOMPARE(hexOf(m.macro, 0, 24),
             QByteArray("84 10 00 04 10 00 84 11 00 04 11 00 06 01 00 84 12 00 06 01 00 00 00 00"));
    const int slot = loadDeviceContext().keyEntries[1];
    QCOMPARE(hexOf(m.buttons, 2 + 4 * slot, 4), QByteArray("91 00 01 00"));

    // Sent once: the next uploads have nothing to send.
    for (int i = 0; i < 3; ++i) {
        m_device->mouse.resetCounters();
        QCOMPARE(runUpload(), 0);
        QCOMPARE(m_device->mouse.writeCount(), 0);
    }
}

void TestUpload::deletedMacroGoesOutEmpty()
{
    assignMacro(m_live.profiles[0].buttons[1], QStringLiteral("first"));
    assignMacro(m_live.profiles[0].buttons[2], QStringLiteral("second"));
    QVERIFY(writeMacroFile(QStringLiteral("first"), MacroOptions(), keyEvents(0x20, 2)));
    QVERIFY(writeMacroFile(QStringLiteral("second"), MacroOptions(), keyEvents(0x30, 2)));
    bringInStep();

    // The button still names it; the mouse must stop playing it.
    deleteMacro(QStringLiteral("second"));
    QCOMPARE(runUpload(), 0);
    QCOMPARE(newCommits(), QVector<int>({0, 0, 0, 0, 1}));
    const SimMemory m = m_device->mouse.memory();
    QCOMPARE(hexOf(m.macro, 0, 9), QByteArray("84 20 00 04 20 00 06 01 00"));   // slot 0 as it was
    QCOMPARE(hexOf(m.macro, 200, 6), QByteArray("06 01 00 00 00 00"));         // slot 1: nothing to play
    QCOMPARE(m.rejectedReports, 0);
}

void TestUpload::activeProfileTablesReachTheMouse()
{
    // Profile 0 and profile 3 differ everywhere; profile 3 is active.
    m_live.ProfileID = 3;
    ProfileData &p3 = m_live.profiles[3];
    p3.dpiLevels[0].x = 77;
    p3.dpiLevels[0].y = 78;
    p3.LedMode = 1;
    p3.ledModes[1].RGB = QColor(10, 20, 30);
    p3.ledModes[1].bright = 3;
    assignMacro(p3.buttons[0], QStringLiteral("second"));
    assignMacro(p3.buttons[1], QStringLiteral("third"));
    assignMacro(m_live.profiles[0].buttons[1], QStringLiteral("first"));
    QVERIFY(writeMacroFile(QStringLiteral("first"), MacroOptions(), keyEvents(0x20, 2)));
    QVERIFY(writeMacroFile(QStringLiteral("second"), MacroOptions(), keyEvents(0x30, 2)));
    QVERIFY(writeMacroFile(QStringLiteral("third"), MacroOptions(), keyEvents(0x40, 2)));

    QCOMPARE(runUpload(true), 0);
    const SimMemory m = m_device->mouse.memory();
    const DeviceContext context = loadDeviceContext();
    QCOMPARE(m.activeProfile, 3);
    QCOMPARE(int(m.system[6]), 3);
    QCOMPARE(int(m.system[18]), 2);   // effect 1 is slot 1
    QCOMPARE(hexOf(m.dpi, 1, 5), QByteArray("01 4d 00 4e 00"));
    QCOMPARE(hexOf(m.lighting, 8, 8), QByteArray("80 0a 14 1e 01 00 02 03"));
    // Macro numbers follow profile 3's buttons, and so do the macro banks.
    QCOMPARE(hexOf(m.buttons, 2 + 4 * context.keyEntries[0], 4), QByteArray("91 00 01 00"));
    QCOMPARE(hexOf(m.buttons, 2 + 4 * context.keyEntries[1], 4), QByteArray("91 01 01 00"));
    QCOMPARE(hexOf(m.macro, 0, 9), QByteArray("84 30 00 04 30 00 06 01 00"));
    QCOMPARE(hexOf(m.macro, 200, 9), QByteArray("84 40 00 04 40 00 06 01 00"));
    QCOMPARE(hexOf(m.macro, 400, 3), QByteArray("00 00 00"));
}

void TestUpload::switchingProfileResendsTables()
{
    m_live.profiles[2].dpiLevels[0].x = 55;
    bringInStep();
    m_live.ProfileID = 2;
    QCOMPARE(runUpload(), 0);
    // Profile 2 differs from profile 0 in its stages only.
    QCOMPARE(newCommits(), QVector<int>({1, 1, 0, 0, 0}));
    QCOMPARE(int(m_device->mouse.memory().dpi[2]), 55);
    QCOMPARE(int(m_device->mouse.memory().system[6]), 2);
}

void TestUpload::sentTablesSurviveTheProcess()
{
    // What the mouse holds, kept on disk: another process (a new tables
    // object) that reads the file sends nothing for the same record.
    const QString file = m_device->env.root() + QStringLiteral("/cache/sent-tables");
    UploadWorker first;
    first.setRecords(&m_live, &m_saved);
    first.setLink(&m_device->link);
    first.setSentTables(&m_tables, file);
    first.start();
    first.wait();
    QCOMPARE(int(first.result), 0);
    QVERIFY(first.reportsSent > 30);
    QCOMPARE(first.reportsSent, m_device->mouse.writeCount());

    m_device->mouse.resetCounters();
    SentTables other;
    UploadWorker second;
    second.setRecords(&m_live, &m_saved);
    second.setLink(&m_device->link);
    second.setSentTables(&other, file);
    second.start();
    second.wait();
    QCOMPARE(int(second.result), 0);
    QCOMPARE(m_device->mouse.writeCount(), 0);
    QVERIFY(other == m_tables);

    // Another product's record, or none, knows nothing.
    SentTables read;
    read.load(file, QStringLiteral("Another mouse"));
    QVERIFY(read.isEmpty());
    read.load(file, currentProductName());
    QVERIFY(read == m_tables);
}

void TestUpload::pollerIsStoppedFirstAndAlwaysRestarted()
{
    CountingPoller poller(&m_device->mouse);
    QCOMPARE(UploadAll(m_device->link, m_live, UploadGroup::Dpi, loadDeviceContext(0), &poller), 0);
    QCOMPARE(poller.stops, 1);
    QCOMPARE(poller.writesAtStop, 0);
    QCOMPARE(poller.starts, 1);

    // A failed upload brings the poller back too: battery readings and the
    // mouse's own button presses must not be lost until the next plug event.
    CountingPoller failed(&m_device->mouse);
    m_device->mouse.injectFault(SimFault::WriteFail, 1, 5);
    QCOMPARE(UploadAll(m_device->link, m_live, UploadGroup::All, loadDeviceContext(0), &failed), int(kTransferWriteFailed));
    QCOMPARE(failed.stops, 1);
    QCOMPARE(failed.starts, 1);
}

QTEST_GUILESS_MAIN(TestUpload)
#include "test_upload.moc"
