#include "simtesthelpers.h"

#include <QtTest>

using namespace simtest;

// The firmware side of the protocol, reached through the HID seam only.
class TestSimFirmware : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_mouse.reset(new VirtualMouse);
        m_mouse->plug(SimLink::Receiver);
        m_handle = m_mouse->open(VirtualMouse::nodePath(SimLink::Receiver));
        QVERIFY(m_handle);
    }
    void cleanup()
    {
        m_mouse->close(m_handle);
        m_mouse.reset();
    }

    void echoRules_data()
    {
        QTest::addColumn<ReportBuffer>("report");
        QTest::addColumn<bool>("answered");
        QTest::newRow("system chunk") << framed(0x01, 0, 0, {1, 2, 3}, 0xD1) << true;
        QTest::newRow("dpi chunk") << framed(0x02, 0, 0, {6}, 0xD1) << true;
        QTest::newRow("button chunk") << framed(0x03, 2, 0, std::vector<uint8_t>(24, 0x90), 0xD2) << true;
        QTest::newRow("lighting chunk") << framed(0x04, 72, 0, std::vector<uint8_t>(8, 0x80), 0xD2) << true;
        QTest::newRow("macro chunk") << framed(0x05, 0xE8, 0x03, std::vector<uint8_t>(20, 0x84), 0xD2) << true;
        QTest::newRow("end report") << framed(0x03, 0x7F, 0, {0x1A}, 0xD3) << true;
        QTest::newRow("apply group") << framed(0x40, 0xF3, 0x04) << true;
        QTest::newRow("upload mark") << framed(0x46, 1) << true;
        QTest::newRow("select profile") << framed(0x44, 2) << false;
        QTest::newRow("unknown high command") << framed(0x50) << false;
        QTest::newRow("unknown low command") << framed(0x07) << false;
        ReportBuffer badSum = framed(0x46, 0);
        badSum.at(1) ^= 1;
        QTest::newRow("bad checksum") << badSum << false;
        QTest::newRow("chunk past the block") << framed(0x01, 10, 0, std::vector<uint8_t>(10, 1), 0xD1) << false;
        QTest::newRow("macro end at block address") << framed(0x05, 0x7F, 0, {0x1A}, 0xD3) << false;
        QTest::newRow("end without marker") << framed(0x02, 0x7F, 0, {0x00}, 0xD3) << false;
        QTest::newRow("apply without F3") << framed(0x40, 0x00, 0x01) << false;
    }
    void echoRules()
    {
        QFETCH(ReportBuffer, report);
        QFETCH(bool, answered);
        QCOMPARE(send(*m_mouse, m_handle, report), kReportLength);
        const QByteArray reply = readOne(*m_mouse, m_handle, 30);
        if (answered)
            QCOMPARE(reply, bytesOf(report));   // header and payload, byte for byte
        else
            QCOMPARE(reply, QByteArray());
    }

    void statusAnswerCarriesBatteryAndState()
    {
        m_mouse->setBattery(0x03D4, true);
        m_mouse->setSensorMode(8);
        send(*m_mouse, m_handle, framed(0x46, 1));   // a finished upload: write status 1
        readOne(*m_mouse, m_handle);
        const ReportBuffer query = framed(0x48);
        QCOMPARE(bytesOf(query).left(4), QByteArray::fromHex("0524fa48"));
        send(*m_mouse, m_handle, query);
        const QByteArray reply = readOne(*m_mouse, m_handle);
        QCOMPARE(reply.size(), kReportLength);
        // Battery 0x03D4 low byte first, charging, write status 1, sensor
        // mode at position 10; checksum (FA+48+D4+03+01+01) ^ 66 = 7D.
        QCOMPARE(reply.left(11).toHex(), QByteArray("057dfa48d4030101000008"));
        QCOMPARE(reply.mid(11), QByteArray(22, 0));
    }

private:
    QScopedPointer<VirtualMouse> m_mouse;
    HidHandle m_handle = nullptr;
};


QTEST_GUILESS_MAIN(TestSimFirmware)
#include "test_simfirmware.moc"
