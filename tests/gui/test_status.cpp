// The device status half of the main window: battery levels and the
// full-battery voltage, "MOUSE OFF", the connection modes, and what the
// mouse changes with its own buttons (taken in, stored, announced through
// the on-screen display, whose block a local server here receives in place
// of the display program).

#include "test_mainwindowfixture.h"

#include "config/appconfig.h"
#include "config/paths.h"
#include "config/sensortable.h"
#include "device/statusquery.h"
#include "platform/osdclient.h"
#include "platform/osdmessage.h"
#include "shell/devicestatuspanel.h"
#include "shell/osdtexts.h"
#include "shell/statusreporthandler.h"
#include "widgets/skinlabel.h"
#include "widgets/batterybar.h"
#include "widgets/uitheme.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QSettings>
#include <QtEndian>

Q_DECLARE_METATYPE(SimButton)

namespace {

// Stands in for the display program: takes each 1,044-byte block and
// answers that it was shown.
class FakeOsd : public QObject {
public:
    FakeOsd()
    {
        m_server.listen(QStringLiteral("mousecfg-test-osd-%1").arg(QCoreApplication::applicationPid()));
        QObject::connect(&m_server, &QLocalServer::newConnection, [this] {
            while (QLocalSocket *socket = m_server.nextPendingConnection()) {
                auto *buffer = new QByteArray;
                QObject::connect(socket, &QLocalSocket::readyRead, [this, socket, buffer] {
                    buffer->append(socket->readAll());
                    if (buffer->size() >= 1044) {
                        blocks.append(buffer->left(1044));
                        buffer->clear();
                        socket->write("\x01", 1);
                        socket->flush();
                    }
                });
                QObject::connect(socket, &QLocalSocket::disconnected, [socket, buffer] {
                    delete buffer;
                    socket->deleteLater();
                });
            }
        });
    }
    QString name() const { return m_server.fullServerName(); }
    QList<QByteArray> blocks;

private:
    QLocalServer m_server;
};

QString blockText(const QByteArray &block)
{
    const auto *units = reinterpret_cast<const ushort *>(block.constData());
    int length = 0;
    while (length < 256 && units[length] != 0)
        ++length;
    return QString::fromUtf16(units, length);
}

qint32 blockInt(const QByteArray &block, int offset)
{
    return qFromLittleEndian<qint32>(block.constData() + offset);
}

// The record agrees with the mouse, so that a press changes exactly one thing.
void alignWithMouse(MouseConfig &config, const SimMemory &m)
{
    config.ProfileID = uint8_t(m.activeProfile);
    for (int k = 0; k < kProfileCount; ++k) {
        config.profiles[size_t(k)].dpi = uint8_t(m.dpiStage[size_t(k)]);
        config.profiles[size_t(k)].pollrate = uint8_t(m.pollrate[size_t(k)]);
    }
}

} // namespace

class TestStatus : public QObject {
    Q_OBJECT
private slots:
    void batteryLevel_data();
    void batteryLevel();
    void batteryDisplay_data();
    void batteryDisplay();
    void mouseOffLeavesTheLevel();
    void modeFor_data();
    void modeFor();
    void connectionModes_data();
    void connectionModes();

    void mouseButtons_data();
    void mouseButtons();
    void valuesOutOfRangeAreIgnored_data();
    void valuesOutOfRangeAreIgnored();
    void writeStatusZeroMakesTheNextUploadFull_data();
    void writeStatusZeroMakesTheNextUploadFull();
};

void TestStatus::batteryLevel_data()
{
    QTest::addColumn<int>("raw");
    QTest::addColumn<int>("full");
    QTest::addColumn<int>("level");
    QTest::newRow("1000 (4125 mV)") << 1000 << 4200 << 90;
    QTest::newRow("776 (3201 mV)") << 776 << 4200 << 20;
    QTest::newRow("775 (3196.9 mV)") << 775 << 4200 << 10;
    QTest::newRow("994 at full 4100") << 994 << 4100 << 100;
    QTest::newRow("994 at full 4200") << 994 << 4200 << 90;
    QTest::newRow("1019 (4203.4 mV)") << 1019 << 4200 << 100;
    QTest::newRow("970 (4001 mV)") << 970 << 4200 << 80;
    QTest::newRow("946 (3902 mV)") << 946 << 4200 << 70;
    QTest::newRow("922 (3803 mV)") << 922 << 4200 << 60;
    QTest::newRow("897 (3700 mV)") << 897 << 4200 << 50;
    QTest::newRow("849 (3502 mV)") << 849 << 4200 << 40;
    QTest::newRow("825 (3403 mV)") << 825 << 4200 << 30;
    QTest::newRow("257, the start-up reading") << 257 << 4200 << 10;
    QTest::newRow("largest raw value") << 65535 << 4200 << 100;
}

void TestStatus::batteryLevel()
{
    QFETCH(int, raw);
    QFETCH(int, full);
    QFETCH(int, level);
    QCOMPARE(::batteryLevel(raw, full), level);
}

void TestStatus::batteryDisplay_data()
{
    QTest::addColumn<QVariant>("batteryFull");
    QTest::addColumn<int>("raw");
    QTest::addColumn<int>("level");
    QTest::newRow("stored full 4100") << QVariant(4100) << 994 << 100;
    QTest::newRow("no stored full") << QVariant() << 994 << 90;
    // A voltage no battery has would show every reading full.
    QTest::newRow("absurd stored full") << QVariant(5) << 994 << 90;
}

void TestStatus::batteryDisplay()
{
    QFETCH(QVariant, batteryFull);
    QFETCH(int, raw);
    QFETCH(int, level);

    WindowFixture f;
    {
        QSettings config(Paths::configFile(), QSettings::IniFormat);
        if (batteryFull.isValid())
            config.setValue(QStringLiteral("Config/BatteryFull"), batteryFull);
        else
            config.remove(QStringLiteral("Config/BatteryFull"));
    }
    MainWindow &w = f.openWithReceiver();
    // The start-up reading 257 shows and stores level 10.
    QCOMPARE(w.lastBatteryLevel(), 10);
    QCOMPARE(AppConfig::battery(), 10);

    WindowInside::statusPanel(w).showBattery(0, quint8(raw & 0xff), quint8(raw >> 8));
    QCOMPARE(WindowInside::controls(w).battery->value(), level);
    QCOMPARE(WindowInside::controls(w).battery->text(), QStringLiteral("%1%").arg(level));
    QCOMPARE(w.lastBatteryLevel(), level);
    QCOMPARE(AppConfig::battery(), level);
    QVERIFY(!f.link().mouseOff());
}

void TestStatus::mouseOffLeavesTheLevel()
{
    WindowFixture f;
    MainWindow &w = f.openWithReceiver();
    WindowInside::statusPanel(w).showBattery(0, 0xe8, 0x03);   // 1000: 90 %
    QCOMPARE(w.lastBatteryLevel(), 90);

    WindowInside::statusPanel(w).showBattery(0, 0, 0);
    BatteryBar *bar = WindowInside::controls(w).battery;
    QCOMPARE(bar->text(), QStringLiteral("MOUSE OFF"));
    QVERIFY(bar->styleSheet().contains(QStringLiteral("rgb(100,100,100)")));
    QCOMPARE(w.lastBatteryLevel(), 90);
    QCOMPARE(AppConfig::battery(), 90);
    QVERIFY(WindowInside::controls(w).charge->isHidden());

    // Any other reading brings the level back.
    WindowInside::statusPanel(w).showBattery(0, 0x10, 0x03);   // 784: 20 %
    QCOMPARE(bar->text(), QStringLiteral("20%"));
}

void TestStatus::modeFor_data()
{
    QTest::addColumn<bool>("receiver");
    QTest::addColumn<bool>("cable");
    QTest::addColumn<bool>("charging");
    QTest::addColumn<int>("mode");
    QTest::newRow("cable and receiver") << true << true << false << 1;
    QTest::newRow("cable only") << false << true << false << 0;
    QTest::newRow("cable only, charging") << false << true << true << 0;
    QTest::newRow("receiver only") << true << false << false << 2;
    QTest::newRow("receiver only, charging") << true << false << true << 1;
    QTest::newRow("nothing") << false << false << false << 3;
    QTest::newRow("nothing, charging") << false << false << true << 3;
}

void TestStatus::modeFor()
{
    QFETCH(bool, receiver);
    QFETCH(bool, cable);
    QFETCH(bool, charging);
    QFETCH(int, mode);
    QCOMPARE(DeviceStatusPanel::modeFor(receiver, cable, charging), mode);
}

void TestStatus::connectionModes_data()
{
    QTest::addColumn<bool>("receiver");
    QTest::addColumn<bool>("cable");
    QTest::addColumn<int>("charge");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("barShown");
    QTest::addColumn<bool>("dongleShown");
    QTest::addColumn<QString>("barText");
    QTest::newRow("receiver") << true << false << 0 << 2 << true << true << QStringLiteral("90%");
    QTest::newRow("receiver, charging") << true << false << 1 << 1 << false << true << QStringLiteral("90%");
    QTest::newRow("cable") << false << true << 0 << 0 << false << false << QString();
    QTest::newRow("receiver and cable") << true << true << 1 << 1 << false << true << QString();
}

void TestStatus::connectionModes()
{
    QFETCH(bool, receiver);
    QFETCH(bool, cable);
    QFETCH(int, charge);
    QFETCH(int, mode);
    QFETCH(bool, barShown);
    QFETCH(bool, dongleShown);
    QFETCH(QString, barText);

    WindowFixture f;
    if (receiver)
        f.mouse->plug(SimLink::Receiver);
    if (cable)
        f.mouse->plug(SimLink::Cable);
    MainWindow &w = f.open();
    WindowInside::statusPanel(w).showBattery(quint8(charge), 0xe8, 0x03);   // 1000: 90 %

    QCOMPARE(WindowInside::statusMode(w), mode);
    QCOMPARE(WindowInside::controls(w).battery->isVisible(), barShown);
    QCOMPARE(WindowInside::controls(w).dongle->isVisible(), dongleShown);
    QVERIFY(!WindowInside::controls(w).charge->isVisible());
    // Over the cable the bar stands full, without a number.
    QCOMPARE(WindowInside::controls(w).battery->value(), cable ? 100 : 90);
    QCOMPARE(WindowInside::controls(w).battery->text(), barText);
}

void TestStatus::mouseButtons_data()
{
    QTest::addColumn<SimButton>("button");
    QTest::newRow("dpi") << SimButton::Dpi;
    QTest::newRow("profile") << SimButton::Profile;
    QTest::newRow("rate") << SimButton::Rate;
}

void TestStatus::mouseButtons()
{
    QFETCH(SimButton, button);

    WindowFixture f;
    MainWindow &w = f.openWithReceiver();
    FakeOsd osd;
    WindowInside::osdClient(w)->setServerName(osd.name());
    // Into both records: what the mouse runs is no unapplied edit.
    const SimMemory start = f.mouse->memory();
    w.settings().changeBoth([&start](MouseConfig &config) { alignWithMouse(config, start); });
    // The poller's first query is answered; a report that came during that
    // read would be taken for the answer.
    QTRY_VERIFY_WITH_TIMEOUT(f.mouse->readCount() > 0, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(firstAnswerTaken(w), kFirstAnswerTimeoutMs);

    f.mouse->press(button);
    const SimMemory after = f.mouse->memory();
    const int profile = after.activeProfile;
    QString expected;
    switch (button) {
    case SimButton::Dpi: {
        const int stage = after.dpiStage[size_t(profile)];
        const int dpi = dpiCodeToDpi(f.editing().profiles[size_t(profile)].dpiLevels[size_t(stage)].y,
                                     AppConfig::sensorType());
        expected = OsdTexts::dpiStage(stage, dpi);
        break;
    }
    case SimButton::Profile:
        expected = QStringLiteral("Profile %1").arg(profile + 1);
        break;
    case SimButton::Rate:
        expected = OsdTexts::reportRate(after.pollrate[size_t(profile)]);
        break;
    }

    QTRY_COMPARE_WITH_TIMEOUT(osd.blocks.size(), 1, 3000);
    const QByteArray block = osd.blocks.first();
    QCOMPARE(block.size(), 1044);
    QCOMPARE(blockText(block), expected);
    QCOMPARE(blockInt(block, 512), 0);
    QCOMPARE(blockInt(block, 516), 1500);
    QCOMPARE(blockInt(block, 520), 0);
    QCOMPARE(blockInt(block, 524), 0 + 255 * 256 + 255 * 65536);   // theme 5: (0, 255, 255)
    QCOMPARE(blockInt(block, 528), 60);
    QCOMPARE(QString::fromUtf16(reinterpret_cast<const ushort *>(block.constData() + 532), 5), QStringLiteral("Arial"));

    // The record follows the mouse.
    QCOMPARE(int(f.editing().ProfileID), profile);
    const ProfileData &current = f.editing().profiles[size_t(profile)];
    QCOMPARE(int(current.dpi), after.dpiStage[size_t(profile)]);
    QCOMPARE(int(current.pollrate), after.pollrate[size_t(profile)]);
    QCOMPARE(AppConfig::activeProfileIndex(), profile);
    if (button == SimButton::Dpi) {
        // The stage is kept in the slot's file for the next start.
        const QSettings slotFile(Paths::profileFile(f.editing().names[size_t(profile)]), QSettings::IniFormat);
        QCOMPARE(slotFile.value(QStringLiteral("PROFILE_0/dpi")).toInt(), after.dpiStage[size_t(profile)]);
    }
}

void TestStatus::valuesOutOfRangeAreIgnored_data()
{
    QTest::addColumn<int>("profile");
    QTest::addColumn<int>("stage");
    QTest::addColumn<int>("rate");
    QTest::newRow("profile 5") << 5 << 0 << 1;
    QTest::newRow("profile 255") << 255 << 0 << 1;
    QTest::newRow("stage 8") << 0 << 8 << 1;
    QTest::newRow("stage 200") << 0 << 200 << 1;
    QTest::newRow("rate 16") << 0 << 0 << 16;
    QTest::newRow("rate 0") << 0 << 0 << 0;
    QTest::newRow("rate 3") << 0 << 0 << 3;
}

void TestStatus::valuesOutOfRangeAreIgnored()
{
    QFETCH(int, profile);
    QFETCH(int, stage);
    QFETCH(int, rate);

    WindowFixture f;
    MainWindow &w = f.openWithReceiver();
    FakeOsd osd;
    WindowInside::osdClient(w)->setServerName(osd.name());
    f.editing().ProfileID = 0;
    f.editing().profiles[0].dpi = 0;
    f.editing().profiles[0].pollrate = 1;
    const MouseConfig before = f.editing();

    // As a status report, and straight to the slot of the bad value.
    WindowInside::statusReports(w).refreshStatus(quint8(profile), quint8(stage), quint8(rate), 0);
    if (profile != 0)
        WindowInside::statusReports(w).refreshProfile(quint8(profile));
    if (stage != 0)
        WindowInside::statusReports(w).refreshDpiStage(quint8(stage));
    if (rate != 1)
        WindowInside::statusReports(w).refreshRate(quint8(rate));

    QVERIFY(f.editing() == before);
    // A text sent after them arrives alone: none went out before it.
    w.showOsd(QStringLiteral("marker"));
    QTRY_COMPARE(osd.blocks.size(), 1);
    QCOMPARE(osd.blocks.first(), OsdMessage::forText(QStringLiteral("marker"), UiTheme::currentColor()).toBlock());
}

void TestStatus::writeStatusZeroMakesTheNextUploadFull_data()
{
    QTest::addColumn<int>("writeStatus");
    QTest::addColumn<int>("diff");
    QTest::newRow("memory whole") << 1 << 0;
    QTest::newRow("memory lost") << 0 << 1;
}

void TestStatus::writeStatusZeroMakesTheNextUploadFull()
{
    QFETCH(int, writeStatus);
    QFETCH(int, diff);
    // The poller's first answer carries the write status.
    WindowFixture f;
    f.mouse->plug(SimLink::Receiver);
    f.mouse->setWriteStatus(uint8_t(writeStatus));
    QVERIFY(AppConfig::setDiff(0));
    MainWindow &w = f.open();
    // 980 reads as 80 %: the answer has arrived.
    QTRY_COMPARE_WITH_TIMEOUT(w.lastBatteryLevel(), 80, 10000);
    QTRY_COMPARE(AppConfig::diff(), diff);
}

QTEST_MAIN(TestStatus)
#include "test_status.moc"
