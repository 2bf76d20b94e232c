#include "simtesthelpers.h"

#include <QtTest>

#include <algorithm>

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

    void blocksCommitOnlyOnEndReport_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("size");
        QTest::newRow("system") << 0x01 << SimMemory::kSystemSize;
        QTest::newRow("dpi") << 0x02 << SimMemory::kDpiSize;
        QTest::newRow("buttons") << 0x03 << SimMemory::kButtonSize;
        QTest::newRow("lighting") << 0x04 << SimMemory::kLightingSize;
        QTest::newRow("macro") << 0x05 << SimMemory::kMacroSize;
    }
    void blocksCommitOnlyOnEndReport()
    {
        QFETCH(int, command);
        QFETCH(int, size);
        auto blockOf = [command](const SimMemory &m) {
            const std::vector<uint8_t> *blocks[] = {&m.system, &m.dpi, &m.buttons, &m.lighting, &m.macro};
            return *blocks[command - 1];
        };
        const std::vector<uint8_t> before = blockOf(m_mouse->memory());
        std::vector<uint8_t> block(size_t(size), 0);
        for (int i = 0; i < size; ++i)
            block[size_t(i)] = uint8_t(i * 7 + 3);
        if (command == 0x01)
            block[6] = 1;   // a profile that exists

        writeBlock(*m_mouse, m_handle, uint8_t(command), block, false);
        SimMemory m = m_mouse->memory();
        QVERIFY(blockOf(m) == before);
        QCOMPARE(m.commits[size_t(command - 1)], 0);
        QCOMPARE(m.rejectedReports, 0);

        const int end = command == 0x05 ? 0x0FFF : 0x007F;
        send(*m_mouse, m_handle, framed(uint8_t(command), uint8_t(end & 0xFF), uint8_t(end >> 8), {0x1A}, 0xD3));
        m = m_mouse->memory();
        QVERIFY(blockOf(m) == block);
        QCOMPARE(m.commits[size_t(command - 1)], 1);
        QCOMPARE(m.pendingApply, 1 << (command - 1));
    }

    void macroSlotsWithoutFirstChunkKeepTheRest()
    {
        // Only macro bank 1 in use: its chunks all carry 0xD2 and slot 0
        // keeps what an earlier upload left there.
        std::vector<uint8_t> image(400, 0);
        std::fill(image.begin(), image.begin() + 200, 0x11);
        writeBlock(*m_mouse, m_handle, 0x05, image);
        for (int k = 0; k < 10; ++k) {
            const int addr = 200 + 20 * k;
            send(*m_mouse, m_handle,
                 framed(0x05, uint8_t(addr & 0xFF), uint8_t(addr >> 8), std::vector<uint8_t>(20, 0x22), 0xD2));
            QCOMPARE(readOne(*m_mouse, m_handle).size(), kReportLength);
        }
        send(*m_mouse, m_handle, framed(0x05, 0xFF, 0x0F, {0x1A}, 0xD3));
        const SimMemory m = m_mouse->memory();
        QCOMPARE(m.commits[4], 2);
        QVERIFY(std::all_of(m.macro.begin(), m.macro.begin() + 200, [](uint8_t b) { return b == 0x11; }));
        QVERIFY(std::all_of(m.macro.begin() + 200, m.macro.begin() + 400, [](uint8_t b) { return b == 0x22; }));
        QVERIFY(std::all_of(m.macro.begin() + 400, m.macro.end(), [](uint8_t b) { return b == 0; }));
    }

    void uploadIsRecordedAndAppliedGroupByGroup()
    {
        send(*m_mouse, m_handle, framed(0x46, 0));
        QCOMPARE(int(m_mouse->memory().uploading), 1);
        // System block: profile 2 active, its DPI stage 3, report rates 1, 2, 4, 8, 1.
        std::vector<uint8_t> system = {1, 2, 3, 4, 5, 0, 2, 0, 1, 20, 1, 1, 2, 4, 8, 1, 0x1F, 3, 2};
        writeBlock(*m_mouse, m_handle, 0x01, system);
        QCOMPARE(m_mouse->memory().activeProfile, 0);   // committed, not yet live
        for (int bit : {0x04, 0x01, 0x02, 0x08, 0x10})
            send(*m_mouse, m_handle, framed(0x40, 0xF3, uint8_t(bit)));
        send(*m_mouse, m_handle, framed(0x46, 1));

        SimMemory m = m_mouse->memory();
        QCOMPARE(m.activeProfile, 2);
        QCOMPARE(m.dpiStage[2], 3);
        QCOMPARE(std::vector<int>(m.pollrate.begin(), m.pollrate.end()), std::vector<int>({1, 2, 4, 8, 1}));
        QCOMPARE(std::vector<int>(m.scrollspeed.begin(), m.scrollspeed.end()), std::vector<int>({1, 2, 3, 4, 5}));
        QCOMPARE(m.uploadMarks, std::vector<int>({0, 1}));
        QCOMPARE(m.applyGroups, std::vector<int>({4, 1, 2, 8, 16}));
        QCOMPARE(m.pendingApply, 0);
        QCOMPARE(int(m.uploading), 0);

        // A profile switch: select, then apply the system group. The old
        // system block must not take the profile back.
        send(*m_mouse, m_handle, framed(0x44, 4));
        send(*m_mouse, m_handle, framed(0x40, 0xF3, 0x01));
        m = m_mouse->memory();
        QCOMPARE(m.activeProfile, 4);
        QCOMPARE(m.profileSelects, std::vector<int>({4}));
        send(*m_mouse, m_handle, framed(0x44, 5));   // no such profile
        QCOMPARE(m_mouse->memory().activeProfile, 4);
    }

    void writeStatusFollowsUploadMarks()
    {
        auto writeStatus = [this] {
            while (!readOne(*m_mouse, m_handle, 0).isEmpty()) {
            }
            send(*m_mouse, m_handle, framed(0x48));
            return int(uint8_t(readOne(*m_mouse, m_handle).at(7)));
        };
        QCOMPARE(writeStatus(), 1);
        send(*m_mouse, m_handle, framed(0x46, 0));
        QCOMPARE(writeStatus(), 0);   // an upload that never ends leaves it at 0
        send(*m_mouse, m_handle, framed(0x46, 1));
        QCOMPARE(writeStatus(), 1);
        m_mouse->setWriteStatus(0);
        QCOMPARE(writeStatus(), 0);
    }

    void dpiButtonCyclesEnabledStages_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("used");   // one character per stage
        QTest::addColumn<int>("start");
        QTest::addColumn<QList<int>>("stages");
        QTest::newRow("all six") << 6 << "11111100" << 1 << QList<int>{2, 3, 4, 5, 0, 1};
        QTest::newRow("gaps are skipped") << 6 << "10110100" << 0 << QList<int>{2, 3, 5, 0, 2};
        QTest::newRow("count cuts enabled stages") << 3 << "11111111" << 2 << QList<int>{0, 1, 2, 0};
        QTest::newRow("start on a disabled stage") << 8 << "10000001" << 4 << QList<int>{7, 0, 7};
        QTest::newRow("count out of range means 8") << 0 << "00000011" << 0 << QList<int>{6, 7, 6};
        QTest::newRow("single stage stays") << 4 << "00100000" << 2 << QList<int>{2, 2};
    }
    void dpiButtonCyclesEnabledStages()
    {
        QFETCH(int, count);
        QFETCH(QString, used);
        QFETCH(int, start);
        QFETCH(QList<int>, stages);
        std::vector<uint8_t> dpi(SimMemory::kDpiSize, 0);
        dpi[0] = uint8_t(count);
        for (int k = 0; k < 8; ++k) {
            dpi[size_t(1 + 5 * k)] = used[k] == QLatin1Char('1');
            dpi[size_t(2 + 5 * k)] = dpi[size_t(4 + 5 * k)] = uint8_t(10 * (k + 1));
        }
        std::vector<uint8_t> system = m_mouse->memory().system;
        system[17] = uint8_t(start);
        writeBlock(*m_mouse, m_handle, 0x01, system);
        writeBlock(*m_mouse, m_handle, 0x02, dpi);
        // Not live before the apply: the factory table still decides.
        m_mouse->press(SimButton::Dpi);
        QCOMPARE(m_mouse->memory().dpiStage[0], 2);
        send(*m_mouse, m_handle, framed(0x40, 0xF3, 0x01));
        send(*m_mouse, m_handle, framed(0x40, 0xF3, 0x02));
        while (!readOne(*m_mouse, m_handle, 0).isEmpty()) {
        }

        for (int expected : stages) {
            m_mouse->press(SimButton::Dpi);
            const QByteArray report = readOne(*m_mouse, m_handle);
            QCOMPARE(report.size(), kReportLength);
            QCOMPARE(int(uint8_t(report[3])), 0x49);
            QCOMPARE(int(uint8_t(report[5])), expected);
        }
    }

    void profileAndRateButtonsSendStatusReports()
    {
        QByteArray report;
        for (int i = 1; i <= 5; ++i) {
            m_mouse->press(SimButton::Profile);
            report = readOne(*m_mouse, m_handle);
            QCOMPARE(int(uint8_t(report[4])), i % 5);
        }
        QList<int> rates;
        for (int i = 0; i < 5; ++i) {
            m_mouse->press(SimButton::Rate);
            report = readOne(*m_mouse, m_handle);
            rates << int(uint8_t(report[6]));
        }
        QCOMPARE(rates, QList<int>({2, 4, 8, 1, 2}));
        // Profile 0 (wrapped), factory DPI stage 1, rate code 2 (500 Hz),
        // lighting 6; checksum (FA+49+00+01+02+06) mod 256 ^ 66 = 2A.
        QCOMPARE(report.toHex(), QByteArray("052afa4900010206") + QByteArray(50, '0'));
        QVERIFY(readOne(*m_mouse, m_handle, 0).isEmpty());
    }

    void sleepingMouseBehindAwakeReceiver()
    {
        m_mouse->plug(SimLink::Cable);
        HidHandle cable = m_mouse->open(VirtualMouse::nodePath(SimLink::Cable));
        m_mouse->setBattery(1000, false);
        m_mouse->setAwake(false);

        send(*m_mouse, m_handle, framed(0x48));
        QCOMPARE(readOne(*m_mouse, m_handle).mid(4), QByteArray(29, 0));
        QCOMPARE(send(*m_mouse, m_handle, framed(0x46, 0)), -1);
        QCOMPARE(send(*m_mouse, m_handle, framed(0x02, 0, 0, {1}, 0xD1)), -1);
        QCOMPARE(send(*m_mouse, m_handle, framed(0x44, 3)), kReportLength);   // taken, but lost
        QCOMPARE(m_mouse->memory().activeProfile, 0);
        QVERIFY(m_mouse->memory().uploadMarks.empty());

        // Over its cable the mouse is powered and answers.
        send(*m_mouse, cable, framed(0x48));
        QCOMPARE(readOne(*m_mouse, cable).mid(4, 2), QByteArray::fromHex("e803"));
        // Its own button wakes it.
        m_mouse->press(SimButton::Rate);
        QVERIFY(m_mouse->isAwake());
        send(*m_mouse, m_handle, framed(0x46, 0));
        QCOMPARE(readOne(*m_mouse, m_handle).size(), kReportLength);
        m_mouse->close(cable);
    }

private:
    QScopedPointer<VirtualMouse> m_mouse;
    HidHandle m_handle = nullptr;
};


QTEST_GUILESS_MAIN(TestSimFirmware)
#include "test_simfirmware.moc"
