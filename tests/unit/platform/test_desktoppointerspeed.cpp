// The desktop pointer speed: the mapping between the profile's 1..20 and
// GNOME's -1..1, and reading and writing the GSettings key through GIO. The
// settings live in GLib's in-memory back end with a schema compiled into a
// temporary folder, so no desktop is ever touched.

#include "platform/desktoppointerspeed.h"

#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

class TestDesktopPointerSpeed : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void mappingRoundTrip_data();
    void mappingRoundTrip();
    void fromGnome_data();
    void fromGnome();

    void writesOnGnomeOnly_data();
    void writesOnGnomeOnly();
    void sameStepIsNotRewritten();

private:
    static double stored();
    static void store(double value);

    QTemporaryDir m_schemas;
};

namespace {

const char kSchemaXml[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<schemalist>
  <schema id="org.gnome.desktop.peripherals.mouse" path="/org/gnome/desktop/peripherals/mouse/">
    <key name="speed" type="d">
      <range min="-1" max="1"/>
      <default>0</default>
    </key>
  </schema>
</schemalist>
)";

} // namespace

void TestDesktopPointerSpeed::initTestCase()
{
    // GLib picks its back end and schema folders once, at the first use.
    qputenv("GSETTINGS_BACKEND", "memory");
    QFile xml(m_schemas.filePath(QStringLiteral("test.gschema.xml")));
    QVERIFY(xml.open(QIODevice::WriteOnly));
    xml.write(kSchemaXml);
    xml.close();
    QProcess compile;
    compile.start(QStringLiteral("glib-compile-schemas"), {m_schemas.path()});
    QVERIFY2(compile.waitForFinished(30000) && compile.exitCode() == 0, compile.readAllStandardError().constData());
    qputenv("GSETTINGS_SCHEMA_DIR", QFile::encodeName(m_schemas.path()));
}

void TestDesktopPointerSpeed::init()
{
    qputenv("XDG_CURRENT_DESKTOP", "ubuntu:GNOME");
    store(0.0);
}

double TestDesktopPointerSpeed::stored()
{
    GSettings *settings = g_settings_new("org.gnome.desktop.peripherals.mouse");
    const double value = g_settings_get_double(settings, "speed");
    g_object_unref(settings);
    return value;
}

void TestDesktopPointerSpeed::store(double value)
{
    GSettings *settings = g_settings_new("org.gnome.desktop.peripherals.mouse");
    g_settings_set_double(settings, "speed", value);
    g_object_unref(settings);
}

void TestDesktopPointerSpeed::mappingRoundTrip_data()
{
    QTest::addColumn<int>("speed");
    QTest::addColumn<double>("gnome");
    for (int v = 1; v <= 20; ++v)
        QTest::addRow("%d", v) << v << (v <= 10 ? (v - 10) / 9.0 : (v - 10) / 10.0);
}

void TestDesktopPointerSpeed::mappingRoundTrip()
{
    QFETCH(int, speed);
    QFETCH(double, gnome);
    QVERIFY(std::fabs(DesktopPointerSpeed::toGnome(speed) - gnome) < 1e-12);
    QCOMPARE(DesktopPointerSpeed::fromGnome(DesktopPointerSpeed::toGnome(speed)), speed);
    // Through the desktop and back.
    QVERIFY(DesktopPointerSpeed::apply(speed));
    QVERIFY(std::fabs(stored() - gnome) < 1e-9);
    QCOMPARE(DesktopPointerSpeed::read(), speed);
}

void TestDesktopPointerSpeed::fromGnome_data()
{
    QTest::addColumn<double>("gnome");
    QTest::addColumn<int>("speed");
    QTest::newRow("slowest") << -1.0 << 1;
    QTest::newRow("below the range") << -5.0 << 1;
    QTest::newRow("above the range") << 3.0 << 20;
    QTest::newRow("a little slower than the middle") << -0.05 << 10;
    QTest::newRow("halfway to the next ninth") << -0.06 << 9;
    QTest::newRow("a little faster than the middle") << 0.04 << 10;
    QTest::newRow("halfway to the next tenth") << 0.05 << 11;
    QTest::newRow("not a number") << std::nan("") << 10;
}

void TestDesktopPointerSpeed::fromGnome()
{
    QFETCH(double, gnome);
    QFETCH(int, speed);
    QCOMPARE(DesktopPointerSpeed::fromGnome(gnome), speed);
}

void TestDesktopPointerSpeed::writesOnGnomeOnly_data()
{
    QTest::addColumn<QByteArray>("desktop");
    QTest::addColumn<int>("speed");
    QTest::addColumn<bool>("written");
    QTest::newRow("GNOME") << QByteArray("GNOME") << 15 << true;
    QTest::newRow("GNOME classic") << QByteArray("GNOME-Classic:GNOME") << 3 << true;
    // Plasma has its own way (test_plasmapointerspeed); Xfce has none.
    QTest::newRow("Xfce") << QByteArray("XFCE") << 15 << false;
    QTest::newRow("no desktop") << QByteArray() << 15 << false;
    QTest::newRow("zero") << QByteArray("GNOME") << 0 << false;
    QTest::newRow("21") << QByteArray("GNOME") << 21 << false;
    QTest::newRow("255") << QByteArray("GNOME") << 255 << false;
}

void TestDesktopPointerSpeed::writesOnGnomeOnly()
{
    QFETCH(QByteArray, desktop);
    QFETCH(int, speed);
    QFETCH(bool, written);
    store(-0.5);
    qputenv("XDG_CURRENT_DESKTOP", desktop);
    QCOMPARE(DesktopPointerSpeed::apply(speed), written);
    if (written)
        QCOMPARE(stored(), DesktopPointerSpeed::toGnome(speed));
    else
        QCOMPARE(stored(), -0.5);
    QCOMPARE(DesktopPointerSpeed::read(), desktop.contains("GNOME") ? DesktopPointerSpeed::fromGnome(stored()) : 0);
}

void TestDesktopPointerSpeed::sameStepIsNotRewritten()
{
    // The desktop's own finer value stays while it is on the step asked for.
    store(0.03);
    QVERIFY(DesktopPointerSpeed::apply(10));
    QCOMPARE(stored(), 0.03);
    QVERIFY(DesktopPointerSpeed::apply(11));
    QCOMPARE(stored(), 0.1);
}

QTEST_GUILESS_MAIN(TestDesktopPointerSpeed)
#include "test_desktoppointerspeed.moc"
