#include "device/devicecontext.h"
#include "device/macroimage.h"

#include "config/paths.h"
#include "reportcheck.h"
#include "testenvironment.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QtTest>

namespace {

void setConfigValues(const QVariantMap &values)
{
    QSettings config(Paths::configFile(), QSettings::IniFormat);
    for (auto it = values.begin(); it != values.end(); ++it)
        config.setValue(it.key(), it.value());
}

void writeMacro(const QString &name, const QList<std::array<int, 3>> &events)
{
    const QString path = Paths::macroFile(name);
    QDir().mkpath(QFileInfo(path).path());
    QSettings file(path, QSettings::IniFormat);
    file.setValue(QStringLiteral("Setting/Count"), events.size());
    for (int i = 0; i < events.size(); ++i) {
        file.setValue(QStringLiteral("Setting/Map_%1").arg(i), QString::number(events[i][0]));
        file.setValue(QStringLiteral("Setting/DataH_%1").arg(i), QString::number(events[i][1]));
        file.setValue(QStringLiteral("Setting/DataL_%1").arg(i), QString::number(events[i][2]));
    }
}

} // namespace

class TestDeviceContext : public QObject {
    Q_OBJECT
private slots:
    void sampleInstallation();
    void otherProduct();
    void noDescriptor();
    void profilesSent();
    void macrosFromFiles();
};

void TestDeviceContext::sampleInstallation()
{
    TestEnvironment env;
    const DeviceContext ctx = loadDeviceContext(8);
    QCOMPARE(ctx.sensorType, 3395);
    QCOMPARE(ctx.ledType, 1);
    QCOMPARE(ctx.productName, QStringLiteral("QORV Nimbus 6"));
    QCOMPARE(ctx.buttonCount, 6);
    QCOMPARE(ctx.dpiStageCount, 6);
    QCOMPARE(ctx.keyEntries, (ProductDescriptor::Matrix{0, 1, 2, 3, 4, 5}));
    QCOMPARE(ctx.scrollRev, 0);
    QCOMPARE(ctx.syncMode, 1);
    QCOMPARE(int(ctx.sensorMode), 8);
}

void TestDeviceContext::otherProduct()
{
    TestEnvironment env;
    env.writeDescriptor({{"ButtonCount", 6}, {"MouseDpi", 2}, {"DPICount", 3}, {"ScrollRev", 1}, {"Sync", 2},
                         {"BUTTON_INFO_0_Matrix", 7}, {"BUTTON_INFO_3_Matrix", 30}});
    setConfigValues({{"Config/CurrentProductName", "KV52"}, {"MouseSenSor/1", 3212}, {"MouseLEDMode/KV52", 3}});
    const DeviceContext ctx = loadDeviceContext();
    QCOMPARE(ctx.productName, QStringLiteral("KV52"));
    QCOMPARE(ctx.sensorType, 3212);
    QCOMPARE(ctx.ledType, 3);
    QCOMPARE(ctx.buttonCount, 4);
    QCOMPARE(ctx.dpiStageCount, 7);
    QCOMPARE(ctx.keyEntries, (ProductDescriptor::Matrix{7, 0, 0, 30}));
    QCOMPARE(ctx.scrollRev, 1);
    QCOMPARE(ctx.syncMode, 2);
    QCOMPARE(int(ctx.sensorMode), 0);
}

void TestDeviceContext::noDescriptor()
{
    TestEnvironment env;
    env.removeDescriptor();
    setConfigValues({{"Config/CurrentProductName", ""}});
    const DeviceContext ctx = loadDeviceContext();
    QCOMPARE(ctx.buttonCount, 0);
    QCOMPARE(ctx.dpiStageCount, 0);
    QCOMPARE(ctx.keyEntries, ProductDescriptor::Matrix{});
    QCOMPARE(ctx.syncMode, 0);
    QCOMPARE(ctx.ledType, 0);
}

void TestDeviceContext::profilesSent()
{
    MouseConfig c;
    DeviceContext ctx;
    c.ProfileID = 3;
    QCOMPARE(activeProfileIndex(c), 3);
    QCOMPARE(lightingProfileIndex(c, ctx), 3);
    ctx.productName = QStringLiteral("KV52");
    QCOMPARE(lightingProfileIndex(c, ctx), 0);
    ctx.productName = QStringLiteral("KV520");
    QCOMPARE(lightingProfileIndex(c, ctx), 3);
    c.ProfileID = 5;
    QCOMPARE(activeProfileIndex(c), 0);
    QCOMPARE(lightingProfileIndex(c, ctx), 0);
}

void TestDeviceContext::macrosFromFiles()
{
    TestEnvironment env;
    // Stored as type, high, low; the mouse takes type, low, high.
    writeMacro(QStringLiteral("stored"), {{0x84, 0, 4}, {0x06, 1, 44}, {0x04, 0, 4}});
    MacroNumbering numbers;
    numbers.assign(QStringLiteral("stored"));
    numbers.assign(QStringLiteral("not there"));
    numbers.assign(QStringLiteral("../outside"));

    const ReportList r = buildMacroUpload(numbers);
    QCOMPARE(int(r.size()), 31);
    COMPARE_REPORT(r[0], "05 00 fa 05 00 00 14 d1 84 04 00 06 2c 01 04 04 00");
    COMPARE_REPORT(r[10], "05 00 fa 05 c8 00 14 d2 06 01 00");
    COMPARE_REPORT(r[20], "05 00 fa 05 90 01 14 d2 06 01 00");
    COMPARE_REPORT(r[30], "05 00 fa 05 ff 0f 01 d3 1a");
}

QTEST_GUILESS_MAIN(TestDeviceContext)
#include "test_devicecontext.moc"
