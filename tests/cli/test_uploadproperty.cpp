// Random edits, seeded, through the command line's setters and straight into
// the record (macros assigned, macro files rewritten or deleted, the active
// profile switched), each followed by an upload to the virtual mouse. After
// every upload the mouse holds what a whole upload of the same record gives
// to a new mouse, and exactly the tables whose bytes differed from what it
// held went out: none twice, none missed.

#include "clicommands.h"
#include "clisetters.h"

#include "config/appconfig.h"
#include "config/functioncatalogue.h"
#include "config/macrofile.h"
#include "config/paths.h"
#include "device/commandset.h"
#include "device/uploadplan.h"
#include "device/uploadworker.h"
#include "openedmouse.h"
#include "sim/simfirmware.h"

#include <QRandomGenerator>
#include <QtTest>

#include <memory>

namespace {

constexpr int kRounds = 150;
const QStringList kMacroNames = {"m0", "m1", "m2", "m3"};

// What a new mouse holds after a whole upload of `upload`: the same reports
// fed straight to a firmware model, without the transport.
SimMemory wholeUploadMemory(const EncodedUpload &upload)
{
    SimFirmware firmware;
    auto feed = [&firmware](const ReportList &reports) {
        for (ReportBuffer report : reports) {
            report.at(1) = reportChecksum(report.report());
            SimFirmware::Report bytes{};
            std::copy_n(report.report(), bytes.size(), bytes.begin());
            firmware.receive(bytes, true);
        }
    };
    feed({uploadMarkReport(UploadMarkKind::Begin)});
    for (int group : UploadGroup::kOrder)
        feed(upload.groupReports(group));
    feed(applyAllReports());
    feed(macroImageReports(upload.macros));
    feed({uploadMarkReport(UploadMarkKind::End)});
    return firmware.memory();
}

QByteArray region(const std::vector<uint8_t> &block, int from, int length)
{
    return QByteArray(reinterpret_cast<const char *>(block.data()) + from, length);
}

} // namespace

class TestUploadProperty : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void randomEditsSendExactlyWhatDiffers();

private:
    void randomEdit(QRandomGenerator &random);
    void setter(const QStringList &arguments, int profile);

    std::unique_ptr<OpenedMouse> m_device;
    MouseConfig m_live;
    MouseConfig m_saved;
    SentTables m_tables;
};

void TestUploadProperty::init()
{
    m_device = std::make_unique<OpenedMouse>();
    QVERIFY(m_device->open());
    AppConfig::loadAll(m_live);
    m_saved = m_live;
}

void TestUploadProperty::cleanup()
{
    m_device.reset();
}

void TestUploadProperty::setter(const QStringList &arguments, int profile)
{
    // Values the rules refuse leave the record as it is, as they would on
    // the command line.
    CliSetters::apply(CliCommands::parse(QStringList{"mousecfg-cli"} + arguments), m_live, profile);
}

void TestUploadProperty::randomEdit(QRandomGenerator &random)
{
    const int profile = random.bounded(kProfileCount);
    const QString letter(QChar('a' + random.bounded(26)));
    const QString button = QString::number(2 + random.bounded(4));
    const QString &macro = kMacroNames[random.bounded(kMacroNames.size())];
    switch (random.bounded(10)) {
    case 0:
        setter({"dpi", QString::number(1 + random.bounded(4)), QString::number(100 * (1 + random.bounded(32)))}, profile);
        break;
    case 1:
        setter({"rate", QStringList{"125", "250", "500", "1000"}[random.bounded(4)]}, profile);
        break;
    case 2:
        setter({QStringList{"angle", "jitter", "sync"}[random.bounded(3)], random.bounded(2) ? "on" : "off"}, profile);
        break;
    case 3:
        setter({"lighting", QStringList{"off", "full-lighted", "breathing", "rainbow", "wave"}[random.bounded(5)]}, profile);
        break;
    case 4:
        setter({"button", button, "combo", "ctrl+" + letter}, m_live.profileIndex());
        break;
    case 5:
        setter({"button", button, "key", letter}, m_live.profileIndex());
        break;
    case 6:
        m_live.ProfileID = uint8_t(profile);
        break;
    case 7: {
        ButtonInfo &b = m_live.profiles[m_live.profileIndex()].buttons[size_t(button.toInt() - 1)];
        b.Fun = Fun::Macro;
        b.macroname = macro;
        b.Res1 = 0;
        b.LoopNumber = 1;
        break;
    }
    case 8: {
        std::vector<KeyInfo> events;
        const uint8_t key = uint8_t(4 + random.bounded(26));
        for (int i = 0, n = 1 + random.bounded(6); i < n; ++i)
            events.push_back({uint8_t(i % 2 ? 0x04 : 0x84), key, 0});
        QVERIFY(writeMacroFile(macro, MacroOptions(), events));
        break;
    }
    case 9:
        QFile::remove(Paths::macroFile(macro));
        break;
    }
}

void TestUploadProperty::randomEditsSendExactlyWhatDiffers()
{
    QRandomGenerator random(20261207);
    const std::vector<uint8_t> SimMemory::*blocks[] = {&SimMemory::system, &SimMemory::buttons, &SimMemory::dpi,
                                                       &SimMemory::lighting};
    for (int round = 0; round < kRounds; ++round) {
        if (round > 0) {
            for (int n = 1 + random.bounded(2); n > 0; --n)
                randomEdit(random);
        }
        const SimMemory before = m_device->mouse.memory();
        m_device->mouse.resetCounters();
        UploadWorker worker;
        worker.setRecords(&m_live, &m_saved);
        worker.setLink(&m_device->link);
        worker.setSentTables(&m_tables);
        worker.start();
        worker.wait();
        QCOMPARE(int(worker.result), 0);

        const EncodedUpload encoded = encodeUpload(m_live, loadDeviceContext(m_device->link.sensorMode()));
        const SimMemory reference = wholeUploadMemory(encoded);
        const SimMemory after = m_device->mouse.memory();
        const QString where = QStringLiteral("round %1").arg(round);
        int expected = 0;
        bool anyTable = false;
        for (int i = 0; i < 4; ++i) {
            QVERIFY2(after.*blocks[i] == reference.*blocks[i], qPrintable(where + QStringLiteral(", block %1").arg(i)));
            if (round > 0 && before.*blocks[i] != reference.*blocks[i]) {
                expected += int(encoded.groupReports(UploadGroup::kOrder[i]).size());
                anyTable = true;
            }
        }
        int slotsSent = 0;
        for (int slot = 0; slot < encoded.numberedBanks; ++slot) {
            const int from = kMacroBankSize * slot;
            QVERIFY2(region(after.macro, from, kMacroBankSize) == region(reference.macro, from, kMacroBankSize),
                     qPrintable(where + QStringLiteral(", macro bank %1").arg(slot)));
            if (region(before.macro, from, kMacroBankSize) != region(reference.macro, from, kMacroBankSize))
                ++slotsSent;
        }
        QCOMPARE(after.activeProfile, reference.activeProfile);
        QCOMPARE(after.pollrate, reference.pollrate);
        if (round == 0)
            continue;   // the first upload sends everything
        if (anyTable || slotsSent > 0)
            expected += 2 + int(applyAllReports().size()) + (slotsSent ? slotsSent * 10 + 1 : 0);
        QVERIFY2(m_device->mouse.writeCount() == expected,
                 qPrintable(where + QStringLiteral(": %1 reports, %2 expected").arg(m_device->mouse.writeCount()).arg(expected)));
    }
}

QTEST_GUILESS_MAIN(TestUploadProperty)
#include "test_uploadproperty.moc"
