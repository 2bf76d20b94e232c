#include "simtesthelpers.h"

#include "testenvironment.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QtTest>

using namespace simtest;

// How a program run picks up the virtual mouse from its environment.
class TestSimEnvironment : public QObject {
    Q_OBJECT

private slots:
    void withoutTheVariableNothingIsInstalled()
    {
        qunsetenv("MOUSECFG_SIMULATE");
        QCOMPARE(installVirtualMouseFromEnvironment(), nullptr);
        qputenv("MOUSECFG_SIMULATE", "0");
        QCOMPARE(installVirtualMouseFromEnvironment(), nullptr);
    }

    void installsTracesAndListens()
    {
        QTemporaryDir dir;
        const QString trace = dir.filePath(QStringLiteral("trace.log"));
        const QString control = dir.filePath(QStringLiteral("control"));
        qputenv("MOUSECFG_SIMULATE", "1");
        qputenv("MOUSECFG_SIM_TRACE", QFile::encodeName(trace));
        qputenv("MOUSECFG_SIM_CONTROL", QFile::encodeName(control));
        qputenv("MOUSECFG_SIM_LINKS", "receiver, cable");

        VirtualMouse *mouse = installVirtualMouseFromEnvironment();
        QVERIFY(mouse);
        QCOMPARE(installVirtualMouseFromEnvironment(), mouse);
        QCOMPARE(&hidBackend(), static_cast<HidBackend *>(mouse));
        QVERIFY(mouse->isPlugged(SimLink::Receiver));
        QVERIFY(mouse->isPlugged(SimLink::Cable));
        QVERIFY(mouse->isAwake());

        // Through the installed seam, as the program reaches it.
        HidBackend &hid = hidBackend();
        HidHandle h = hid.open(VirtualMouse::nodePath(SimLink::Receiver));
        send(hid, h, framed(0x48));
        const QByteArray answer = readOne(hid, h);
        hid.close(h);
        // About 80 %: 980 × 990 / 240 = 4042 mV.
        QCOMPARE(int(uint8_t(answer.at(4)) | uint8_t(answer.at(5)) << 8), 980);
        const QStringList lines = QString::fromLatin1(readWholeFile(trace)).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines[0].startsWith(QLatin1String("> 05 24 fa 48 ")));
        QVERIFY(lines[1].startsWith(QLatin1String("< 05 ")));

        QLocalSocket socket;
        socket.connectToServer(control);
        QVERIFY(socket.waitForConnected(2000));
        socket.write("sleep\ndump\n");
        QStringList replies;
        const auto repliesRead = [&] {
            while (socket.canReadLine())
                replies << QString::fromUtf8(socket.readLine()).trimmed();
            return replies.size();
        };
        QTRY_VERIFY_WITH_TIMEOUT(repliesRead() >= 2, 3000);
        QCOMPARE(replies[0], QStringLiteral("ok"));
        QCOMPARE(QJsonDocument::fromJson(replies[1].toUtf8()).object().value("awake").toBool(true), false);
        setHidBackend(nullptr);
    }
};

QTEST_GUILESS_MAIN(TestSimEnvironment)
#include "test_simenvironment.moc"
