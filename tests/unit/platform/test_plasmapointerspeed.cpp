// The desktop pointer speed on KDE Plasma: on Wayland against a stand-in for
// KWin's input devices on a private session bus, on X11 in a kcminputrc of
// the test's own, edited as text with every other line kept. The mapping is
// GNOME's (tested with the GNOME path).

#include "config/mouseconfig.h"
#include "platform/desktoppointerspeed.h"
#include "platform/plasmainputrc.h"

#include "privatesessionbus.h"
#include "testenvironment.h"

#include <QDBusConnection>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <memory>

namespace {

// One input device as KWin shows it on the bus.
class StandInDevice : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.KWin.InputDevice")
    Q_PROPERTY(QString name READ name)
    Q_PROPERTY(bool pointer READ pointer)
    Q_PROPERTY(bool touchpad READ touchpad)
    Q_PROPERTY(double pointerAcceleration READ pointerAcceleration WRITE setPointerAcceleration)
public:
    StandInDevice(const QString &name, bool pointer, bool touchpad, double initialAcceleration)
        : acceleration(initialAcceleration), m_name(name), m_pointer(pointer), m_touchpad(touchpad)
    {
    }
    QString name() const { return m_name; }
    bool pointer() const { return m_pointer; }
    bool touchpad() const { return m_touchpad; }
    double pointerAcceleration() const { return acceleration; }
    void setPointerAcceleration(double value)
    {
        acceleration = value;
        ++writes;
    }

    double acceleration;
    int writes = 0;

private:
    QString m_name;
    bool m_pointer;
    bool m_touchpad;
};

// KWin's input-device manager with its devices, owning org.kde.KWin.
class StandInKWin : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.KWin.InputDeviceManager")
    Q_PROPERTY(QStringList devicesSysNames READ devicesSysNames)
public:
    explicit StandInKWin(const QDBusConnection &bus)
        : m_bus(bus)
    {
    }
    ~StandInKWin() override
    {
        m_bus.unregisterService(QStringLiteral("org.kde.KWin"));
        m_bus.unregisterObject(kPath, QDBusConnection::UnregisterTree);
    }
    StandInDevice *add(const QString &sysName, const QString &name, bool pointer, bool touchpad, double acceleration)
    {
        auto *device = new StandInDevice(name, pointer, touchpad, acceleration);
        device->setParent(this);
        m_sysNames << sysName;
        m_bus.registerObject(kPath + QLatin1Char('/') + sysName, device, QDBusConnection::ExportAllProperties);
        return device;
    }
    bool serve()
    {
        return m_bus.registerObject(kPath, this, QDBusConnection::ExportAllProperties)
               && m_bus.registerService(QStringLiteral("org.kde.KWin"));
    }
    QStringList devicesSysNames() const { return m_sysNames; }

private:
    const QString kPath = QStringLiteral("/org/kde/KWin/InputDevice");
    QDBusConnection m_bus;
    QStringList m_sysNames;
};

// A Plasma Wayland session whose session bus is `bus`.
void becomePlasmaWayland(const PrivateSessionBus &bus)
{
    DesktopPointerSpeed::setPlasmaBus(bus.connect(QStringLiteral("program")));
    qputenv("XDG_CURRENT_DESKTOP", "KDE");
    qputenv("XDG_SESSION_TYPE", "wayland");
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

Q_DECLARE_METATYPE(DesktopPointerSpeed::Desktop)

class TestPlasmaPointerSpeed : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void editsOneEntryAndKeepsTheRest_data();
    void editsOneEntryAndKeepsTheRest();
    void readsOnlyThePlainKeyOfItsGroup();

    void x11SessionWritesPlasmasSettingsFile();
    void waylandSessionSetsKWinsMice();
    void waylandWithoutKWinKeepsTheProfile();
    void desktopChosenFromTheSession_data();
    void desktopChosenFromTheSession();

private:
    std::unique_ptr<PrivateSessionBus> m_bus;
    QTemporaryDir m_dir;
};

void TestPlasmaPointerSpeed::initTestCase()
{
    QVERIFY(m_dir.isValid());
    DesktopPointerSpeed::setPlasmaSettingsFile(m_dir.filePath(QStringLiteral("kcminputrc")));
}

void TestPlasmaPointerSpeed::cleanup()
{
    QFile::remove(m_dir.filePath(QStringLiteral("kcminputrc")));
    qunsetenv("XDG_CURRENT_DESKTOP");
    qunsetenv("XDG_SESSION_TYPE");
}

void TestPlasmaPointerSpeed::editsOneEntryAndKeepsTheRest_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    const QByteArray key = "XLbInptPointerAcceleration=0.5";
    QTest::newRow("empty file") << QByteArray() << "[Mouse]\n" + key + "\n";
    QTest::newRow("other group only") << QByteArray("[Keyboard]\nRepeatRate=25\n")
                                      << "[Keyboard]\nRepeatRate=25\n\n[Mouse]\n" + key + "\n";
    QTest::newRow("no final newline") << QByteArray("[Keyboard]\nRepeatRate=25")
                                      << "[Keyboard]\nRepeatRate=25\n\n[Mouse]\n" + key + "\n";
    QTest::newRow("replaced in place") << QByteArray("[Mouse]\ncursorTheme=breeze\nXLbInptPointerAcceleration=-0.2\nX11LibInputXAccelProfileFlat=false\n")
                                       << "[Mouse]\ncursorTheme=breeze\n" + key + "\nX11LibInputXAccelProfileFlat=false\n";
    QTest::newRow("added at the group's end") << QByteArray("[Mouse]\ncursorTheme=breeze\n\n[Keyboard]\nNumLock=2\n")
                                              << "[Mouse]\ncursorTheme=breeze\n" + key + "\n\n[Keyboard]\nNumLock=2\n";
    // Plasma's per-device groups of a Wayland session hold the same key:
    // they are not the [Mouse] group and stay as they are.
    QTest::newRow("device group untouched")
        << QByteArray("[Libinput][1133][49291][Logitech G502]\nPointerAcceleration=0.3\nXLbInptPointerAcceleration=0.3\n")
        << "[Libinput][1133][49291][Logitech G502]\nPointerAcceleration=0.3\nXLbInptPointerAcceleration=0.3\n\n[Mouse]\n"
               + key + "\n";
    QTest::newRow("comments and odd lines kept")
        << QByteArray("# mine\n[Mouse]\n  XLbInptPointerAcceleration = 1\nnot an entry\nkey[de]=x\n")
        << "# mine\n[Mouse]\n" + key + "\nnot an entry\nkey[de]=x\n";
}

void TestPlasmaPointerSpeed::editsOneEntryAndKeepsTheRest()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QCOMPARE(PlasmaInputRc::withEntry(before, PlasmaInputRc::group(), PlasmaInputRc::accelerationKey(),
                                      QStringLiteral("0.5")),
             after);
}

void TestPlasmaPointerSpeed::readsOnlyThePlainKeyOfItsGroup()
{
    const QByteArray text = "[Libinput][1][2][x]\nXLbInptPointerAcceleration=0.9\n"
                            "[Mouse]\nXLbInptPointerAcceleration[$i]=0.7\nXLbInptPointerAcceleration= -0.4 \n";
    QCOMPARE(PlasmaInputRc::entry(text, PlasmaInputRc::group(), PlasmaInputRc::accelerationKey()),
             std::optional<QString>(QStringLiteral("-0.4")));
    QCOMPARE(PlasmaInputRc::entry("[Mouse]\n", PlasmaInputRc::group(), PlasmaInputRc::accelerationKey()),
             std::optional<QString>());
}

void TestPlasmaPointerSpeed::x11SessionWritesPlasmasSettingsFile()
{
    qputenv("XDG_CURRENT_DESKTOP", "KDE");
    qputenv("XDG_SESSION_TYPE", "x11");
    const QString file = m_dir.filePath(QStringLiteral("kcminputrc"));
    // Plasma's default, 0, when its settings never touched the mouse.
    QCOMPARE(DesktopPointerSpeed::read(), DesktopPointerSpeed::kDefault);

    QFile seed(file);
    QVERIFY(seed.open(QIODevice::WriteOnly));
    seed.write("[Mouse]\ncursorTheme=breeze_cursors\n\n[Keyboard]\nNumLock=0\n");
    seed.close();
    QVERIFY(DesktopPointerSpeed::apply(15));
    QCOMPARE(readAll(file),
             QByteArray("[Mouse]\ncursorTheme=breeze_cursors\nXLbInptPointerAcceleration=0.5\n\n[Keyboard]\nNumLock=0\n"));
    QCOMPARE(DesktopPointerSpeed::read(), 15);
    QVERIFY(DesktopPointerSpeed::apply(1));
    QCOMPARE(PlasmaInputRc::readAcceleration(file), std::optional<double>(-1.0));
    QCOMPARE(DesktopPointerSpeed::read(), 1);

    // A profile loaded from disk takes the desktop's speed.
    ProfileData profile;
    profile.mousespeed = 12;
    DesktopPointerSpeed::readInto(profile);
    QCOMPARE(int(profile.mousespeed), 1);
}

void TestPlasmaPointerSpeed::waylandSessionSetsKWinsMice()
{
    PrivateSessionBus bus;
    if (!bus.isRunning())
        QSKIP(qPrintable(bus.error()));
    becomePlasmaWayland(bus);
    StandInKWin kwin(bus.connect(QStringLiteral("kwin")));
    StandInDevice *mouse = kwin.add(QStringLiteral("event4"), QStringLiteral("QORV receiver"), true, false, 0.0);
    StandInDevice *keyboard = kwin.add(QStringLiteral("event2"), QStringLiteral("keyboard"), false, false, 0.25);
    StandInDevice *touchpad = kwin.add(QStringLiteral("event7"), QStringLiteral("touchpad"), true, true, 0.25);
    StandInDevice *second = kwin.add(QStringLiteral("event9"), QStringLiteral("other mouse"), true, false, 0.0);
    QVERIFY(kwin.serve());
    // KWin answers from a thread of its own: the program waits for it on
    // this one, as it waits for the real KWin.
    QThread kwinThread;
    kwin.moveToThread(&kwinThread);
    kwinThread.start();
    const auto stopKWin = qScopeGuard([&] {
        kwinThread.quit();
        kwinThread.wait();
    });

    QCOMPARE(DesktopPointerSpeed::read(), 10);
    QVERIFY(DesktopPointerSpeed::apply(5));
    // Every mouse, with GNOME's mapping; keyboards and touchpads untouched.
    QCOMPARE(mouse->acceleration, DesktopPointerSpeed::toGnome(5));
    QCOMPARE(second->acceleration, DesktopPointerSpeed::toGnome(5));
    QCOMPARE(touchpad->acceleration, 0.25);
    QCOMPARE(keyboard->acceleration, 0.25);
    QCOMPARE(touchpad->writes + keyboard->writes, 0);
    QCOMPARE(DesktopPointerSpeed::read(), 5);

    // A mouse already on the step keeps its finer value.
    mouse->acceleration = DesktopPointerSpeed::toGnome(5) + 0.02;
    const int writes = mouse->writes;
    QVERIFY(DesktopPointerSpeed::apply(5));
    QCOMPARE(mouse->writes, writes);
    // Nothing was written to the X11 settings file.
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("kcminputrc"))));
}

void TestPlasmaPointerSpeed::waylandWithoutKWinKeepsTheProfile()
{
    PrivateSessionBus bus;
    if (!bus.isRunning())
        QSKIP(qPrintable(bus.error()));
    becomePlasmaWayland(bus);
    QVERIFY(!DesktopPointerSpeed::apply(15));
    QCOMPARE(DesktopPointerSpeed::read(), 0);
    ProfileData profile;
    profile.mousespeed = 12;
    DesktopPointerSpeed::readInto(profile);
    QCOMPARE(int(profile.mousespeed), 12);
}

void TestPlasmaPointerSpeed::desktopChosenFromTheSession_data()
{
    using Desktop = DesktopPointerSpeed::Desktop;
    QTest::addColumn<QByteArray>("desktops");
    QTest::addColumn<QByteArray>("session");
    QTest::addColumn<Desktop>("expected");
    QTest::newRow("Plasma on Wayland") << QByteArray("KDE") << QByteArray("wayland") << Desktop::PlasmaWayland;
    QTest::newRow("Plasma on X11") << QByteArray("KDE") << QByteArray("x11") << Desktop::PlasmaX11;
    QTest::newRow("Plasma, session unknown") << QByteArray("KDE") << QByteArray() << Desktop::PlasmaX11;
    QTest::newRow("Plasma in a list") << QByteArray("neon:KDE") << QByteArray("wayland") << Desktop::PlasmaWayland;
    QTest::newRow("Xfce") << QByteArray("XFCE") << QByteArray("x11") << Desktop::None;
    QTest::newRow("nothing") << QByteArray() << QByteArray() << Desktop::None;
    QTest::newRow("a name containing KDE") << QByteArray("KDE-ish") << QByteArray("x11") << Desktop::None;
}

void TestPlasmaPointerSpeed::desktopChosenFromTheSession()
{
    QFETCH(QByteArray, desktops);
    QFETCH(QByteArray, session);
    QFETCH(DesktopPointerSpeed::Desktop, expected);
    qputenv("XDG_CURRENT_DESKTOP", desktops);
    qputenv("XDG_SESSION_TYPE", session);
    QCOMPARE(DesktopPointerSpeed::desktop(), expected);
}

QTEST_GUILESS_MAIN(TestPlasmaPointerSpeed)
#include "test_plasmapointerspeed.moc"
