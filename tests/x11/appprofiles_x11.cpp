// The profile per application on a real X display (its own Xvfb server):
// two client windows of different classes, and the test sets the root
// window's _NET_ACTIVE_WINDOW as a window manager would. The program's
// window runs offscreen; it follows the display on a connection of its own.
// What counts is what the virtual mouse was sent.

#include "test_mainwindowfixture.h"
#include "tracecommands.h"

#include "config/appprofilerules.h"
#include "config/paths.h"
#include "platform/activewindowwatcher.h"
#include "shell/appprofileservice.h"
#include "shell/appprofileswitcher.h"
#include "shell/pagehost.h"
#include "widgets/skinbutton.h"

#include <QElapsedTimer>
#include <QFile>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace {

const int kSelectProfile = 0x44;

// A client of the display that makes windows and plays the window manager.
class XDisplay {
public:
    XDisplay()
    {
        m_c = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_c))
            return;
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data->root;
        m_active = atom("_NET_ACTIVE_WINDOW");
        m_pid = atom("_NET_WM_PID");
    }
    ~XDisplay() { xcb_disconnect(m_c); }
    bool ok() const { return !xcb_connection_has_error(m_c); }

    // A top-level window with WM_CLASS "instance\0Class\0" and, when given,
    // the process id a window manager would read.
    xcb_window_t window(const QByteArray &instance, const QByteArray &windowClass, quint32 pid = 0)
    {
        const xcb_window_t id = xcb_generate_id(m_c);
        xcb_create_window(m_c, XCB_COPY_FROM_PARENT, id, m_root, 0, 0, 100, 100, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                          XCB_COPY_FROM_PARENT, 0, nullptr);
        const QByteArray wmClass = instance + '\0' + windowClass + '\0';
        xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 8,
                            uint32_t(wmClass.size()), wmClass.constData());
        if (pid)
            xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, id, m_pid, XCB_ATOM_CARDINAL, 32, 1, &pid);
        xcb_map_window(m_c, id);
        xcb_flush(m_c);
        return id;
    }

    void activate(xcb_window_t window)
    {
        xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, m_root, m_active, XCB_ATOM_WINDOW, 32, 1, &window);
        xcb_flush(m_c);
    }

private:
    xcb_atom_t atom(const char *name)
    {
        xcb_intern_atom_reply_t *reply =
            xcb_intern_atom_reply(m_c, xcb_intern_atom(m_c, 0, uint16_t(strlen(name)), name), nullptr);
        const xcb_atom_t value = reply ? reply->atom : 0;
        free(reply);
        return value;
    }

    xcb_connection_t *m_c = nullptr;
    xcb_window_t m_root = 0;
    xcb_atom_t m_active = 0;
    xcb_atom_t m_pid = 0;
};

struct Fixture : WindowFixture {
    QString trace;
    XDisplay x;
    xcb_window_t shooter = 0;
    xcb_window_t editor = 0;

    // Rules: ShooterGame focus -> profile 3; the program's own class
    // "mousecfg-itself" -> profile 2; default as given.
    MainWindow &start(const QString &defaultSlot = QStringLiteral("stay"))
    {
        writeRules(defaultSlot);
        shooter = x.window("shooter", "ShooterGame");
        editor = x.window("editor", "EditorApp");
        mouse->plug(SimLink::Receiver);
        MainWindow &w = open();
        trace = env->root() + QStringLiteral("/trace.txt");
        return w;
    }
    void writeRules(const QString &defaultSlot)
    {
        AppProfileRules rules;
        rules.set(QStringLiteral("ShooterGame"), 2, AppProfileRule::Trigger::Focus);
        rules.set(QStringLiteral("mousecfg-itself"), 1, AppProfileRule::Trigger::Focus);
        AppProfileRules::parseDefault(defaultSlot, &rules.defaultSlot);
        QString error;
        QVERIFY2(rules.save(Paths::appProfilesFile(), &error), qPrintable(error));
    }
    void traceFromNow()
    {
        QFile::remove(trace);
        QVERIFY(mouse->setTraceFile(trace));
    }
    int selects() const { return int(writtenCommands(trace).count(kSelectProfile)); }
    AppProfileService &service() { return *window->appProfiles(); }
    // The watcher has seen `focused` focused and the wait has run out.
    void settledOn(xcb_window_t focused)
    {
        QTRY_COMPARE(service().watcher().active().window, quint32(focused));
        QTRY_VERIFY(!service().switcher().settling());
    }
};

} // namespace

class TestAppProfilesX11 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void focusSwitchesAfterTheWait();
    void quickAltTabSendsNothing();
    void noRuleStaysOrTakesTheDefault();
    void ownWindowIsNeutral();
    void switchDuringAnUploadWaitsForIt();
    void unappliedEditsAreDroppedBySwitch();
};

void TestAppProfilesX11::initTestCase()
{
    if (!XDisplay().ok())
        QSKIP("no X display");
}

void TestAppProfilesX11::focusSwitchesAfterTheWait()
{
    Fixture f;
    MainWindow &w = f.start();
    QTRY_VERIFY(WindowInside::connection(w)->hasStatusThread());
    QVERIFY(f.service().focusFollowed());
    f.traceFromNow();

    QElapsedTimer clock;
    clock.start();
    f.x.activate(f.shooter);
    QTRY_COMPARE_WITH_TIMEOUT(f.mouse->memory().activeProfile, 2, 5000);
    // Not before the wait ran out.
    QVERIFY2(clock.elapsed() >= AppProfileSwitcher::kSettleMs, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(int(f.editing().ProfileID), 2);
    QCOMPARE(f.selects(), 1);
    // The indicator follows, the status line has nothing to say.
    QCOMPARE(WindowInside::controls(w).indicators[2]->state(), 1);
    QCOMPARE(WindowInside::controls(w).indicators[0]->state(), 0);
    QVERIFY(f.service().statusText().isEmpty());
}

void TestAppProfilesX11::quickAltTabSendsNothing()
{
    Fixture f;
    MainWindow &w = f.start();
    QTRY_VERIFY(WindowInside::connection(w)->hasStatusThread());
    f.traceFromNow();

    // Through the game and on to the editor before the wait runs out.
    f.x.activate(f.shooter);
    f.x.activate(f.editor);
    f.settledOn(f.editor);
    QCOMPARE(f.selects(), 0);
    QCOMPARE(f.mouse->memory().activeProfile, 0);
}

void TestAppProfilesX11::noRuleStaysOrTakesTheDefault()
{
    Fixture f;
    MainWindow &w = f.start();
    QTRY_VERIFY(WindowInside::connection(w)->hasStatusThread());
    f.x.activate(f.shooter);
    QTRY_COMPARE_WITH_TIMEOUT(f.mouse->memory().activeProfile, 2, 5000);
    f.traceFromNow();

    // No rule, default "stay": the game's profile stays.
    f.x.activate(f.editor);
    f.settledOn(f.editor);
    QCOMPARE(f.selects(), 0);
    QCOMPARE(f.mouse->memory().activeProfile, 2);

    // The rules file changes beside the window (as the command line writes
    // it): the default is profile 5 now.
    f.writeRules(QStringLiteral("5"));
    QTRY_COMPARE(f.service().switcher().rules().defaultSlot, 4);
    QTRY_COMPARE_WITH_TIMEOUT(f.mouse->memory().activeProfile, 4, 5000);
    QCOMPARE(f.selects(), 1);
}

void TestAppProfilesX11::ownWindowIsNeutral()
{
    Fixture f;
    MainWindow &w = f.start(QStringLiteral("4"));
    QTRY_VERIFY(WindowInside::connection(w)->hasStatusThread());
    f.x.activate(f.shooter);
    QTRY_COMPARE_WITH_TIMEOUT(f.mouse->memory().activeProfile, 2, 5000);
    f.traceFromNow();

    // A window of this very process, with a class a rule names: neither that
    // rule nor the default applies while the user edits profiles in it.
    const xcb_window_t own = f.x.window("mousecfg-itself", "mousecfg-itself", quint32(QCoreApplication::applicationPid()));
    f.x.activate(own);
    QTRY_COMPARE(f.service().watcher().active().window, quint32(own));
    QTRY_VERIFY(!f.service().switcher().settling());
    QCOMPARE(f.selects(), 0);
    QCOMPARE(f.mouse->memory().activeProfile, 2);
}

void TestAppProfilesX11::switchDuringAnUploadWaitsForIt()
{
    Fixture f;
    MainWindow &w = f.start();
    QTRY_VERIFY(WindowInside::connection(w)->hasStatusThread());
    f.traceFromNow();
    // Slow replies: the upload outlasts the wait.
    f.mouse->setReplyLatency(15);

    QTimer::singleShot(0, &w, [&f] { f.x.activate(f.shooter); });
    QCOMPARE(w.upload(true), 0);
    f.mouse->setReplyLatency(0);
    // The wait ran out while the upload ran: nothing went between its
    // reports, the switch came after its closing mark.
    QTRY_COMPARE_WITH_TIMEOUT(f.mouse->memory().activeProfile, 2, 5000);
    const QList<int> commands = writtenCommands(f.trace);
    const int select = int(commands.indexOf(kSelectProfile));
    constexpr int kUploadMark = 0x46;
    const int uploadEnd = int(commands.indexOf(kUploadMark, commands.indexOf(kUploadMark) + 1));
    QVERIFY(uploadEnd > 0);
    QVERIFY(select > uploadEnd);
    QVERIFY(!commands.mid(select + 1).contains(kSelectProfile));
}

void TestAppProfilesX11::unappliedEditsAreDroppedBySwitch()
{
    Fixture f;
    MainWindow &w = f.start();
    QTRY_VERIFY(WindowInside::connection(w)->hasStatusThread());
    f.traceFromNow();
    const ProfileData stored = currentProfile(f.stored());
    // An edit the lighting page makes in place, not applied yet.
    currentProfile(f.editing()).LedMode ^= 1;

    // A sleeping mouse: no switch, and the line says why.
    f.mouse->setAwake(false);
    f.link().setMouseOff(true);
    f.x.activate(f.shooter);
    f.settledOn(f.shooter);
    QCOMPARE(f.selects(), 0);
    QVERIFY2(f.service().statusText().contains(QStringLiteral("asleep")), qPrintable(f.service().statusText()));

    // Awake: the rule's switch happens; the edit is gone, and the line says so.
    f.mouse->setAwake(true);
    f.link().setMouseOff(false);
    f.x.activate(f.editor);
    f.settledOn(f.editor);
    f.x.activate(f.shooter);
    f.settledOn(f.shooter);
    QTRY_COMPARE(int(f.editing().ProfileID), 2);
    QCOMPARE(f.selects(), 1);
    QVERIFY(f.editing().profiles[0] == stored);
    QCOMPARE(f.service().statusText(), QStringLiteral("Unapplied changes to Profile 1 were discarded"));
}

QTEST_MAIN(TestAppProfilesX11)
#include "appprofiles_x11.moc"
