// The real program against the virtual mouse, driven from outside through
// the mouse's control socket: the mouse's own DPI and profile buttons are
// pressed and the program is seen to take the changes (it stores the stage
// in the slot's profile file and the active profile in Config.ini), with the
// mouse present from the start or plugged in while the program waits for it.
// A local server here stands in for the on-screen display program, so that
// its texts are seen too and no display program is started.

#include "config/paths.h"
#include "platform/osdmessage.h"
#include "testenvironment.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QSettings>
#include <QtTest>

namespace {

constexpr int kStartTimeoutMs = 30000;

class ControlLink {
public:
    // One try (none once connected): until the program listens, the missing
    // socket refuses at once.
    bool connectTo(const QString &path)
    {
        if (m_socket.state() != QLocalSocket::ConnectedState)
            m_socket.connectToServer(path);
        return m_socket.waitForConnected(200);
    }

    QByteArray send(const QByteArray &line)
    {
        m_socket.write(line + '\n');
        m_socket.flush();
        QByteArray answer;
        QElapsedTimer clock;
        clock.start();
        while (!answer.endsWith('\n') && clock.elapsed() < 5000) {
            if (m_socket.waitForReadyRead(100))
                answer += m_socket.readAll();
        }
        return answer.trimmed();
    }

    QJsonObject dump() { return QJsonDocument::fromJson(send("dump")).object(); }

private:
    QLocalSocket m_socket;
};

// Takes the display blocks and answers that each was shown.
class FakeOsd {
public:
    bool listen(const QString &name)
    {
        QObject::connect(&m_server, &QLocalServer::newConnection, [this] {
            while (QLocalSocket *socket = m_server.nextPendingConnection()) {
                QObject::connect(socket, &QLocalSocket::readyRead, [this, socket] {
                    if (socket->bytesAvailable() < OsdMessage::kBlockSize)
                        return;
                    OsdMessage message;
                    if (OsdMessage::fromBlock(socket->read(OsdMessage::kBlockSize), &message))
                        texts.append(message.text);
                    socket->write("\x01", 1);
                });
                QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
        return m_server.listen(name);
    }
    QStringList texts;

private:
    QLocalServer m_server;
};

int storedStage(const QString &slotName)
{
    const QSettings file(Paths::profileFile(slotName), QSettings::IniFormat);
    return file.value(QStringLiteral("PROFILE_0/dpi"), -1).toInt();
}

int storedProfile()
{
    const QSettings config(Paths::configFile(), QSettings::IniFormat);
    return config.value(QStringLiteral("Config/ProfileID"), -1).toInt();
}

} // namespace

class TestGuiSimulated : public QObject {
    Q_OBJECT
private slots:
    void mouseButtonsReachTheProgram_data();
    void mouseButtonsReachTheProgram();
};

void TestGuiSimulated::mouseButtonsReachTheProgram_data()
{
    QTest::addColumn<QString>("links");
    QTest::addColumn<bool>("plugLater");
    QTest::newRow("receiver from the start") << QStringLiteral("receiver") << false;
    QTest::newRow("receiver plugged in later") << QStringLiteral(",") << true;
}

void TestGuiSimulated::mouseButtonsReachTheProgram()
{
    QFETCH(QString, links);
    QFETCH(bool, plugLater);

    TestEnvironment env;
    const QString runtime = env.root() + QStringLiteral("/run");
    QVERIFY(QDir().mkpath(runtime));
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QString control = runtime + QStringLiteral("/mouse.sock");
    // The display's socket name follows the runtime folder the program gets.
    const QByteArray ownRuntime = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    const QString osdName = OsdMessage::serverName();
    qputenv("XDG_RUNTIME_DIR", ownRuntime);
    FakeOsd osd;
    QVERIFY(osd.listen(osdName));

    QProcess program;
    QProcessEnvironment e = env.childEnvironment(TestEnvironment::SimulatedMouse, runtime);
    e.insert(QStringLiteral("MOUSECFG_SIM_LINKS"), links);
    e.insert(QStringLiteral("MOUSECFG_SIM_CONTROL"), control);
    program.setProcessEnvironment(e);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(TestEnvironment::buildBinDir() + QStringLiteral("/mousecfg"), QStringList());
    QVERIFY(program.waitForStarted(kStartTimeoutMs));
    auto stop = qScopeGuard([&program] {
        program.kill();
        program.waitForFinished(5000);
    });

    ControlLink link;
    QTRY_VERIFY_WITH_TIMEOUT(link.connectTo(control), kStartTimeoutMs);
    if (plugLater) {
        // The program has looked for the mouse and waits for one.
        QTRY_VERIFY_WITH_TIMEOUT(link.dump().value(QStringLiteral("enumerations")).toInt() > 0, 10000);
        QCOMPARE(link.dump().value(QStringLiteral("openHandles")).toInt(), 0);
        QCOMPARE(link.send("plug receiver"), QByteArray("ok"));
    }
    // The program opens the mouse and polls it.
    QTRY_VERIFY_WITH_TIMEOUT(link.dump().value(QStringLiteral("reads")).toInt() > 0, 10000);

    QCOMPARE(link.send("press dpi"), QByteArray("ok"));
    const QJsonObject afterDpi = link.dump();
    const int stage = afterDpi.value(QStringLiteral("profiles")).toArray().at(0).toObject()
                          .value(QStringLiteral("dpiStage")).toInt();
    QTRY_COMPARE_WITH_TIMEOUT(storedStage(QStringLiteral("Profile 1")), stage, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(!osd.texts.isEmpty(), 10000);
    QVERIFY2(osd.texts.first().startsWith(QStringLiteral("DPI %1:").arg(stage + 1)), qPrintable(osd.texts.first()));

    const int shown = osd.texts.size();
    QCOMPARE(link.send("press profile"), QByteArray("ok"));
    QTRY_COMPARE_WITH_TIMEOUT(storedProfile(), 1, 10000);
    // The new profile's own stage and rate may follow at once; the display
    // gets the newest text.
    QTRY_VERIFY_WITH_TIMEOUT(osd.texts.size() > shown, 10000);
    QCOMPARE(program.state(), QProcess::Running);
}

QTEST_MAIN(TestGuiSimulated)
#include "test_gui_simulated.moc"
