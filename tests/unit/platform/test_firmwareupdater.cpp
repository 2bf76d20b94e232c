#include "platform/firmwareupdater.h"

#include "testenvironment.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QtTest>

namespace {

// What the caller saw, in order.
struct Recorder {
    QStringList events;
    QStringList launched;
    bool answer = true;

    FirmwareUpdater::Callbacks callbacks()
    {
        FirmwareUpdater::Callbacks c;
        c.ask = [this](const QString &question) {
            events << QStringLiteral("ask: ") + question;
            return answer;
        };
        c.warn = [this](const QString &warning) { events << QStringLiteral("warn: ") + warning; };
        c.stopPoller = [this] { events << QStringLiteral("stop poller"); };
        c.startPoller = [this] { events << QStringLiteral("start poller"); };
        c.exitProcess = [this] { events << QStringLiteral("exit"); };
        // Started for real; the paths tell which updater was started.
        c.launch = [this](const QString &path) {
            launched << path;
            return QProcess::startDetached(path, QStringList());
        };
        return c;
    }
};

enum Updater { NoFile, NotExecutable, NotAProgram, Runs };

// The test environment links skin/ to the build's skin; updaters written
// through that link would land in the build tree. A private folder instead.
void privateSkinFolder(const TestEnvironment &env)
{
    const QString skin = env.dataDir() + QStringLiteral("/skin");
    if (QFileInfo(skin).isSymLink())
        QFile::remove(skin);
    QDir().mkpath(skin);
}

// Puts an updater of the given kind at the path for the language. A working
// one leaves a marker file named after itself, so the test sees which ran.
void installUpdater(const TestEnvironment &env, int languageId, Updater kind)
{
    const QString path = FirmwareUpdater::updaterPath(languageId);
    QVERIFY(!QFileInfo(env.dataDir() + QStringLiteral("/skin")).isSymLink());
    if (kind == NoFile)
        return;
    const QString relative = QDir(env.root()).relativeFilePath(path);
    const QByteArray body = kind == NotAProgram ? QByteArray("\x7f" "ELF garbage")
                                                : QByteArray("#!/bin/sh\ntouch \"$0.ran\"\n");
    env.writeFile(relative, body);
    QFile::Permissions permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    if (kind != NotExecutable)
        permissions |= QFileDevice::ExeOwner;
    QFile::setPermissions(path, permissions);
}

} // namespace

class TestFirmwareUpdater : public QObject {
    Q_OBJECT
private slots:
    void updaterPathFollowsTheLanguage_data();
    void updaterPathFollowsTheLanguage();
    void handOff_data();
    void handOff();
};

void TestFirmwareUpdater::updaterPathFollowsTheLanguage_data()
{
    QTest::addColumn<int>("languageId");
    QTest::addColumn<QString>("file");
    QTest::newRow("English") << 0 << QStringLiteral("K905-4417-20230727-en.exe");
    QTest::newRow("Simplified Chinese") << 1 << QStringLiteral("K905-4417-20230727.exe");
    QTest::newRow("Traditional Chinese") << 2 << QStringLiteral("K905-4417-20230727.exe");
    QTest::newRow("out of range") << 42 << QStringLiteral("K905-4417-20230727.exe");
}

void TestFirmwareUpdater::updaterPathFollowsTheLanguage()
{
    QFETCH(int, languageId);
    QFETCH(QString, file);
    TestEnvironment env;
    QCOMPARE(FirmwareUpdater::updaterPath(languageId), env.dataDir() + QStringLiteral("/skin/mouse/bin/") + file);
}

void TestFirmwareUpdater::handOff_data()
{
    QTest::addColumn<int>("languageId");
    QTest::addColumn<quint32>("cableRelease");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<int>("updater");
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("events");

    const QString ask = QStringLiteral("ask: Do you want to upgrade the firmware?");
    const QString cable = QStringLiteral("warn: To update the firmware, please connect to the computer with a cable.");
    const QString stop = QStringLiteral("stop poller");
    const QString start = QStringLiteral("start poller");

    QTest::newRow("no cable: told, nothing asked or stopped")
        << 0 << 0u << true << int(Runs) << int(FirmwareUpdater::CableRequired) << QStringList{cable};
    QTest::newRow("declined: nothing changes")
        << 0 << 0x0102u << false << int(Runs) << int(FirmwareUpdater::Declined) << QStringList{ask};
    QTest::newRow("English updater runs, then the process ends")
        << 0 << 0x0102u << true << int(Runs) << int(FirmwareUpdater::Started) << QStringList{ask, stop, QStringLiteral("exit")};
    QTest::newRow("other updater for another language")
        << 2 << 1u << true << int(Runs) << int(FirmwareUpdater::Started) << QStringList{ask, stop, QStringLiteral("exit")};
    // The process keeps running and keeps its edits; the poller is left alone.
    QTest::newRow("missing updater: warned, keeps running")
        << 1 << 1u << true << int(NoFile) << int(FirmwareUpdater::UpdaterMissing) << QStringList{ask, QStringLiteral("warn")};
    QTest::newRow("updater not executable: warned, keeps running")
        << 0 << 1u << true << int(NotExecutable) << int(FirmwareUpdater::UpdaterNotExecutable) << QStringList{ask, QStringLiteral("warn")};
    // Found and executable, but the system cannot run it: the poller was
    // stopped for the hand-off and must come back.
    QTest::newRow("updater fails to start: poller restarted")
        << 0 << 1u << true << int(NotAProgram) << int(FirmwareUpdater::StartFailed) << QStringList{ask, stop, start, QStringLiteral("warn")};
}

void TestFirmwareUpdater::handOff()
{
    QFETCH(int, languageId);
    QFETCH(quint32, cableRelease);
    QFETCH(bool, accept);
    QFETCH(int, updater);
    QFETCH(int, result);
    QFETCH(QStringList, events);

    TestEnvironment env;
    privateSkinFolder(env);
    installUpdater(env, languageId, Updater(updater));
    // The updater of the other language is always a working one: the test
    // must see that it is not the one started.
    const int otherLanguage = languageId == 0 ? 1 : 0;
    installUpdater(env, otherLanguage, Runs);

    Recorder recorder;
    recorder.answer = accept;
    QCOMPARE(int(FirmwareUpdater::start(languageId, cableRelease, recorder.callbacks())), result);

    QStringList seen = recorder.events;
    // Failure warnings carry the path; compare their kind and check the path.
    for (QString &event : seen) {
        if (event.startsWith(QStringLiteral("warn: The firmware updater"))) {
            QVERIFY2(event.contains(FirmwareUpdater::updaterPath(languageId)), qPrintable(event));
            event = QStringLiteral("warn");
        }
    }
    QCOMPARE(seen, events);

    // Only this language's updater is started, and only once the user has
    // agreed and the file looks runnable; an updater that must not run is
    // never launched, so there is no marker to wait for.
    const bool launchExpected = result == FirmwareUpdater::Started || result == FirmwareUpdater::StartFailed;
    QCOMPARE(recorder.launched, launchExpected ? QStringList{FirmwareUpdater::updaterPath(languageId)} : QStringList());
    const QString marker = FirmwareUpdater::updaterPath(languageId) + QStringLiteral(".ran");
    if (result == FirmwareUpdater::Started)
        QTRY_VERIFY2(QFileInfo::exists(marker), "the updater did not run");
    QVERIFY(!QFileInfo::exists(FirmwareUpdater::updaterPath(otherLanguage) + QStringLiteral(".ran")));
    if (result != FirmwareUpdater::Started)
        QVERIFY(!QFileInfo::exists(marker));
}

QTEST_GUILESS_MAIN(TestFirmwareUpdater)
#include "test_firmwareupdater.moc"
