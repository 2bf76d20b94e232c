// The window when an upload or a switch goes wrong, or something else
// happens while one runs: the next upload after a failure sends everything,
// the status poller comes back, unsaved settings are said, a second upload
// waits its turn, the mouse's own reports wait for the upload, and a window
// without a tray is never hidden for good.

#include "test_mainwindowfixture.h"

#include "config/appconfig.h"
#include "config/paths.h"
#include "device/transport.h"
#include "shell/applycontroller.h"
#include "shell/profilecontrols.h"
#include "shell/windowcontrols.h"
#include "widgets/skinbutton.h"

#include <QDir>
#include <QSystemTrayIcon>

class TestApplyFaults : public QObject {
    Q_OBJECT

private slots:
    void failedApplyThenFullUploadAndPollerBack();
    void failedProfileSwitchMakesNextUploadFull();
    void unsavedSettingsAreSaid();
    void secondUploadWaitsItsTurn();
    void reportsDuringAnUploadWaitForIt();
    void noTrayOkOnDisconnectEndsTheProgram();

private:
    static int uploadsBegun(const VirtualMouse &mouse)
    {
        const std::vector<int> &marks = mouse.memory().uploadMarks;
        return int(std::count(marks.begin(), marks.end(), 0));
    }
};

void TestApplyFaults::failedApplyThenFullUploadAndPollerBack()
{
    WindowFixture f;
    MainWindow &w = f.openWithReceiver();
    QVERIFY(AppConfig::setDiff(0));
    f.editing().profiles[f.editing().profileIndex()].dpiLevels[1].x += 3;

    // Echoes that keep coming back wrong (status answers carry no payload,
    // so the poller is not hit).
    BoxWatcher watcher;
    f.mouse->injectFault(SimFault::WrongPayload, 3);
    QCOMPARE(w.upload(), int(kTransferReadBackFailed));
    QCOMPARE(watcher.texts, QStringList({"Send data failed, please try again."}));
    QCOMPARE(AppConfig::diff(), 1);

    // The poller is back: a press of the mouse's DPI button reaches the window.
    const int stage = currentProfile(f.editing()).dpi;
    f.mouse->press(SimButton::Dpi);
    QTRY_VERIFY_WITH_TIMEOUT(currentProfile(f.editing()).dpi != stage, 5000);

    // Nothing changed since, yet everything goes again.
    const int commitsBefore = f.mouse->memory().commits[0];
    QCOMPARE(w.upload(), int(kTransferOk));
    QCOMPARE(f.mouse->memory().commits[0], commitsBefore + 1);   // the system block too
    QCOMPARE(AppConfig::diff(), 0);
}

void TestApplyFaults::failedProfileSwitchMakesNextUploadFull()
{
    WindowFixture f;
    MainWindow &w = f.openWithReceiver();
    QVERIFY(AppConfig::setDiff(0));

    // The poller stopped first, so that the fault meets the switch.
    WindowInside::connection(w)->stopStatusThread();
    f.mouse->injectFault(SimFault::WriteFail, 1);
    const int commitsBefore = f.mouse->memory().commits[0];
    {
        BoxWatcher boxes;
        WindowInside::profiles(w).switchSlot(2);
        // Said as an upload says it; the tables wait for the next upload.
        QCOMPARE(boxes.texts, QStringList{QStringLiteral("Send data failed, please try again.")});
    }
    QCOMPARE(int(f.editing().ProfileID), 2);
    QCOMPARE(f.mouse->memory().commits[0], commitsBefore);
    QCOMPARE(AppConfig::diff(), 1);

    // A switch that went through sends the tables, everything this time.
    WindowInside::connection(w)->stopStatusThread();
    BoxWatcher boxes;
    WindowInside::profiles(w).switchSlot(3);
    QVERIFY(boxes.texts.isEmpty());
    QCOMPARE(f.mouse->memory().activeProfile, 3);
    QCOMPARE(f.mouse->memory().commits[0], commitsBefore + 1);
    QCOMPARE(AppConfig::diff(), 0);
}

void TestApplyFaults::unsavedSettingsAreSaid()
{
    WindowFixture f;
    MainWindow &w = f.openWithReceiver();
    const QString blocked = Paths::profileFile(f.editing().names[3]);
    QFile::remove(blocked);
    QVERIFY(QDir().mkpath(blocked));

    BoxWatcher watcher;
    QCOMPARE(w.upload(true), int(kTransferOk));   // the mouse has its settings all the same
    QCOMPARE(watcher.texts, QStringList({ApplyController::unsavedMessage()}));
}

void TestApplyFaults::secondUploadWaitsItsTurn()
{
    WindowFixture f;
    MainWindow &w = f.openWithReceiver();
    f.mouse->setReplyLatency(5);
    const int before = uploadsBegun(*f.mouse);

    // A request reaching the window while the busy dialog runs.
    int queued = 0;
    QTimer::singleShot(0, &w, [&] { queued = w.upload(true); });
    QCOMPARE(w.upload(true), int(kTransferOk));
    QCOMPARE(queued, ApplyController::kQueued);
    QCOMPARE(uploadsBegun(*f.mouse), before + 2);
    QVERIFY(!f.mouse->memory().uploading);
}

void TestApplyFaults::reportsDuringAnUploadWaitForIt()
{
    WindowFixture f;
    MainWindow &w = f.openWithReceiver();
    f.mouse->setReplyLatency(5);
    QCOMPARE(int(f.editing().ProfileID), AppConfig::activeProfileIndex());
    const int active = f.editing().profileIndex();
    const int reported = (active + 1) % kProfileCount;

    // The mouse's own profile button, reported while the worker saves and
    // sends the record.
    int seenDuring = -1;
    QTimer::singleShot(0, &w, [&] {
        w.takeStatusReport(quint8(reported), 0, currentProfile(f.editing()).pollrate, 0);
        seenDuring = f.editing().ProfileID;
    });
    QCOMPARE(w.upload(true), int(kTransferOk));
    QCOMPARE(seenDuring, active);
    QCOMPARE(int(f.editing().ProfileID), reported);
}

void TestApplyFaults::noTrayOkOnDisconnectEndsTheProgram()
{
    if (QSystemTrayIcon::isSystemTrayAvailable())
        QSKIP("this desktop has a tray");
    WindowFixture f;   // no link plugged: the start shows "Dongle Disconnect!"
    BoxWatcher watcher;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(2); });
    guard.start(10000);
    QTimer::singleShot(0, [&] { f.open(); });
    // A hidden window could never come back: OK ends the program instead.
    QCOMPARE(QCoreApplication::exec(), 0);
    QCOMPARE(watcher.texts, QStringList({"Dongle Disconnect!"}));
}

QTEST_MAIN(TestApplyFaults)
#include "test_applyfaults.moc"
