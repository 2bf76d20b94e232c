// What the command line sends, run in-process against the virtual mouse:
// every edit that changes what the mouse holds reaches it, nothing it holds
// already is sent again, and a configuration whose slots share a name is
// refused.

#include "clirun.h"

#include "config/appconfig.h"
#include "config/configfile.h"
#include "config/macrofile.h"
#include "config/paths.h"
#include "device/devicecontext.h"
#include "device/hidbackend.h"
#include "sim/virtualmouse.h"

#include "testenvironment.h"

#include <QSettings>
#include <QtTest>

#include <memory>


class TestCliSends : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void changedCombinationIsSent();
    void identicalBytesAreNotSentAgain();
    void deletedMacroStopsPlaying();
    void loadRefusesSlotsWithOneName();

private:
    int run(const QStringList &arguments)
    {
        m_mouse->resetCounters();
        return runCommandLine(QStringList{"mousecfg-cli"} + arguments, [](bool) {});
    }
    // The bytes of the button block's key entry of button `index` (1-based).
    QByteArray keySlot(int index) const;

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<VirtualMouse> m_mouse;
};

void TestCliSends::init()
{
    m_env = std::make_unique<TestEnvironment>();
    m_mouse = std::make_unique<VirtualMouse>();
    m_mouse->plug(SimLink::Receiver);
    setHidBackend(m_mouse.get());
    QCOMPARE(run({"apply", "--full"}), 0);
}

void TestCliSends::cleanup()
{
    setHidBackend(nullptr);
    m_mouse.reset();
    m_env.reset();
}

QByteArray TestCliSends::keySlot(int index) const
{
    const int slot = loadDeviceContext().keyEntries[size_t(index - 1)];
    const std::vector<uint8_t> &b = m_mouse->memory().buttons;
    return QByteArray(reinterpret_cast<const char *>(b.data()) + 2 + 4 * slot, 4).toHex(' ');
}

void TestCliSends::changedCombinationIsSent()
{
    QCOMPARE(run({"button", "3", "combo", "ctrl+c"}), 0);
    QCOMPARE(keySlot(3), QByteArray("8f 01 06 00"));
    // Only the keys differ from the last combination.
    QCOMPARE(run({"button", "3", "combo", "ctrl+v"}), 0);
    QCOMPARE(keySlot(3), QByteArray("8f 01 19 00"));
    QCOMPARE(run({"apply"}), 0);
    QCOMPARE(m_mouse->writeCount(), 1);   // the status query alone
}

void TestCliSends::identicalBytesAreNotSentAgain()
{
    // Two macros on buttons, as the macro page leaves their files (marked
    // as changed): once sent, they are not sent again.
    QVERIFY(writeMacroFile(QStringLiteral("burst"), MacroOptions{}, {{0x84, 0x04, 0}, {0x04, 0x04, 0}}));
    QVERIFY(addMacroName(QStringLiteral("burst")));
    QVERIFY(writeMacroFile(QStringLiteral("reload"), MacroOptions{}, {{0x84, 0x05, 0}, {0x04, 0x05, 0}}));
    QVERIFY(addMacroName(QStringLiteral("reload")));
    QCOMPARE(run({"button", "3", "macro", "burst"}), 0);
    QCOMPARE(run({"button", "4", "macro", "reload"}), 0);
    // Saved again by the macro editor, unchanged: the files carry the mark.
    QVERIFY(writeMacroFile(QStringLiteral("burst"), MacroOptions{}, {{0x84, 0x04, 0}, {0x04, 0x04, 0}}));
    QVERIFY(writeMacroFile(QStringLiteral("reload"), MacroOptions{}, {{0x84, 0x05, 0}, {0x04, 0x05, 0}}));
    QCOMPARE(run({"apply", "--full"}), 0);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(run({"apply"}), 0);
        QCOMPARE(m_mouse->writeCount(), 1);
    }

    // No block goes out again with the bytes the mouse holds: another
    // profile's settings, an effect or option whose bytes do not change.
    const int other = AppConfig::activeProfileIndex() == 1 ? 3 : 2;
    const QList<QStringList> commands = {
        {"dpi", "2", "1600", "--profile", QString::number(other)},
        {"rate", "250", "--profile", QString::number(other)},
        {"lighting", "off"},
        {"lighting", "off"},
        {"lift", "2"},
        {"angle", "on"},
        {"jitter", "on"},
        {"jitter", "on"},
    };
    for (const QStringList &command : commands) {
        const SimMemory before = m_mouse->memory();
        QCOMPARE(run(command), 0);
        const SimMemory after = m_mouse->memory();
        const std::vector<uint8_t> SimMemory::*blocks[] = {&SimMemory::system, &SimMemory::dpi, &SimMemory::buttons,
                                                           &SimMemory::lighting, &SimMemory::macro};
        for (int b = 0; b < 5; ++b) {
            QVERIFY2(after.commits[size_t(b)] == before.commits[size_t(b)] || after.*blocks[b] != before.*blocks[b],
                     qPrintable(QStringLiteral("%1: block %2 sent unchanged").arg(command.join(' ')).arg(b)));
        }
    }
    // A profile that is not active: nothing of it is on the mouse.
    QCOMPARE(run({"dpi", "1", "800", "--profile", QString::number(other)}), 0);
    QCOMPARE(m_mouse->writeCount(), 1);
}

void TestCliSends::deletedMacroStopsPlaying()
{
    QVERIFY(writeMacroFile(QStringLiteral("burst"), MacroOptions{}, {{0x84, 0x04, 0}, {0x04, 0x04, 0}}));
    QVERIFY(addMacroName(QStringLiteral("burst")));
    QCOMPARE(run({"button", "3", "macro", "burst"}), 0);
    const std::vector<uint8_t> &macro = m_mouse->memory().macro;
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(macro.data()), 9).toHex(' '),
             QByteArray("84 04 00 04 04 00 06 01 00"));

    // The button keeps the name and plays nothing: so must the mouse.
    QCOMPARE(run({"macro", "delete", "burst"}), 0);
    const std::vector<uint8_t> &after = m_mouse->memory().macro;
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(after.data()), 9).toHex(' '),
             QByteArray("06 01 00 00 00 00 00 00 00"));
    QCOMPARE(run({"apply"}), 0);
    QCOMPARE(m_mouse->writeCount(), 1);
}

void TestCliSends::loadRefusesSlotsWithOneName()
{
    const QString file = m_env->root() + QStringLiteral("/twins.conf");
    QCOMPARE(run({"save", file}), 0);
    QSettings(file, QSettings::IniFormat).setValue(AppConfig::slotNameKey(3), AppConfig::slotName(1));
    const QByteArray configBefore = readWholeFile(Paths::configFile());

    QCOMPARE(run({"load", file}), 65);
    QCOMPARE(m_mouse->writeCount(), 0);
    QCOMPARE(readWholeFile(Paths::configFile()), configBefore);
}

QTEST_GUILESS_MAIN(TestCliSends)
#include "test_clisends.moc"
