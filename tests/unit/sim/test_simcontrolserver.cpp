#include "simtesthelpers.h"

#include "sim/simcontrolserver.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QtTest>

using namespace simtest;

// The control socket through which a person or an end-to-end test drives
// the virtual mouse of a running program.
class TestSimControlServer : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_mouse.reset(new VirtualMouse);
        m_mouse->plug(SimLink::Receiver);
        m_server.reset(new SimControlServer(m_mouse.data()));
    }
    void cleanup()
    {
        m_server.reset();
        m_mouse.reset();
    }

    void commands_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("key");     // dump entry that changes ("" none)
        QTest::addColumn<QString>("value");   // its value as compact JSON

        QTest::newRow("battery") << "battery 1000" << "ok" << "battery" << R"({"charging":false,"raw":1000})";
        QTest::newRow("battery charging") << "  Battery 0x3e8   charging\n" << "ok" << "battery"
                                          << R"({"charging":true,"raw":1000})";
        QTest::newRow("sleep") << "sleep" << "ok" << "awake" << "false";
        QTest::newRow("unplug") << "unplug receiver" << "ok" << "links.receiver.plugged" << "false";
        QTest::newRow("plug") << "plug cable" << "ok" << "links.cable.plugged" << "true";
        QTest::newRow("fault with count") << "fault drop 3" << "ok" << "faults.drop" << "3";
        QTest::newRow("fault long name") << "fault wrong-header" << "ok" << "faults.header" << "1";
        QTest::newRow("latency") << "latency 25" << "ok" << "latency" << "25";
        QTest::newRow("write status") << "writestatus 0" << "ok" << "writeStatus" << "0";
        QTest::newRow("sensor mode") << "sensormode 8" << "ok" << "sensorMode" << "8";
        QTest::newRow("press profile") << "press profile" << "ok" << "activeProfile" << "1";
        QTest::newRow("refuse") << "refuse receiver on" << "ok" << "links.receiver.refused" << "true";

        QTest::newRow("battery out of range") << "battery 70000" << "error" << "battery"
                                              << R"({"charging":false,"raw":980})";
        QTest::newRow("battery garbage") << "battery full" << "error" << "" << "";
        QTest::newRow("battery bad flag") << "battery 10 yes" << "error" << "" << "";
        QTest::newRow("unknown link") << "plug usb" << "error" << "" << "";
        QTest::newRow("refuse without on or off") << "refuse cable yes" << "error" << "links.cable.refused" << "false";
        QTest::newRow("unknown fault") << "fault fire" << "error" << "" << "";
        QTest::newRow("zero fault count") << "fault zero 0" << "error" << "faults.zero" << "0";
        QTest::newRow("negative latency") << "latency -5" << "error" << "latency" << "0";
        QTest::newRow("press nothing") << "press" << "error" << "" << "";
        QTest::newRow("press unknown") << "press wheel" << "error" << "" << "";
        QTest::newRow("empty") << "   " << "error" << "" << "";
        QTest::newRow("unknown") << "reboot now" << "error" << "" << "";
    }
    void commands()
    {
        QFETCH(QString, line);
        QFETCH(QString, answer);
        QFETCH(QString, key);
        QFETCH(QString, value);
        const QString reply = m_server->execute(line);
        if (answer == QLatin1String("ok"))
            QCOMPARE(reply, answer);
        else
            QVERIFY2(reply.startsWith(QLatin1String("error: ")), qPrintable(reply));
        QVERIFY(!reply.contains(QLatin1Char('\n')));
        if (key.isEmpty())
            return;
        QJsonValue v = m_mouse->dump();
        for (const QString &part : key.split(QLatin1Char('.')))
            v = v.toObject().value(part);
        const QJsonDocument doc = v.isObject() ? QJsonDocument(v.toObject()) : QJsonDocument(QJsonArray{v});
        QString text = QString::fromUtf8(doc.toJson(QJsonDocument::Compact));
        if (!v.isObject())
            text = text.mid(1, text.size() - 2);
        QCOMPARE(text, value);
    }

    void pressesReachTheProgram()
    {
        HidHandle h = m_mouse->open(VirtualMouse::nodePath(SimLink::Receiver));
        QCOMPARE(m_server->execute(QStringLiteral("press dpi")), QStringLiteral("ok"));
        QCOMPARE(m_server->execute(QStringLiteral("press rate")), QStringLiteral("ok"));
        const QByteArray dpi = readOne(*m_mouse, h);
        const QByteArray rate = readOne(*m_mouse, h);
        QCOMPARE(int(uint8_t(dpi.at(3))), 0x49);
        QCOMPARE(int(uint8_t(dpi.at(5))), 2);    // factory stage 1, next 2
        QCOMPARE(int(uint8_t(rate.at(6))), 2);   // 1000 Hz, next 500 Hz
        QCOMPARE(m_server->execute(QStringLiteral("unplugafter receiver 1")), QStringLiteral("ok"));
        send(*m_mouse, h, framed(0x46, 0));
        QVERIFY(!m_mouse->isPlugged(SimLink::Receiver));
        m_mouse->close(h);
    }

    void socketRoundTrip()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("control"));
        QFile stale(path);   // a socket file left by an earlier run
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.close();
        QVERIFY2(m_server->listen(path), qPrintable(m_server->errorString()));

        QLocalSocket socket;
        socket.connectToServer(path);
        QVERIFY(socket.waitForConnected(2000));
        socket.write("battery 1234 charging\nfault zero 2\ndump\nbogus\n");
        QStringList lines;
        const auto linesRead = [&] {
            while (socket.canReadLine())
                lines << QString::fromUtf8(socket.readLine()).chopped(1);
            return lines.size();
        };
        QTRY_VERIFY_WITH_TIMEOUT(linesRead() >= 4, 3000);
        QCOMPARE(lines[0], QStringLiteral("ok"));
        QCOMPARE(lines[1], QStringLiteral("ok"));
        QVERIFY(lines[3].startsWith(QLatin1String("error: ")));

        QJsonParseError error;
        const QJsonObject dump = QJsonDocument::fromJson(lines[2].toUtf8(), &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(dump.value("battery").toObject().value("raw").toInt(), 1234);
        QCOMPARE(dump.value("battery").toObject().value("charging").toBool(), true);
        QCOMPARE(dump.value("faults").toObject().value("zero").toInt(), 2);
        QCOMPARE(dump.value("activeProfile").toInt(), 0);
        QCOMPARE(dump.value("writeStatus").toInt(), 1);
        const QJsonObject memory = dump.value("memory").toObject();
        QCOMPARE(memory.value("dpi").toString().size(), 2 * SimMemory::kDpiSize);
        QCOMPARE(memory.value("macro").toString().size(), 2 * SimMemory::kMacroSize);
        QCOMPARE(memory.value("system").toString(), QStringLiteral("010101010100000001140101010101011f0106"));
        QCOMPARE(dump.value("links").toObject().value("receiver").toObject().value("path").toString(),
                 QString::fromStdString(VirtualMouse::nodePath(SimLink::Receiver)));

        // A line without end is not buffered for ever.
        socket.write(QByteArray(4096, 'x'));
        QTRY_COMPARE_WITH_TIMEOUT(socket.state(), QLocalSocket::UnconnectedState, 3000);
    }

private:
    QScopedPointer<VirtualMouse> m_mouse;
    QScopedPointer<SimControlServer> m_server;
};

QTEST_GUILESS_MAIN(TestSimControlServer)
#include "test_simcontrolserver.moc"
