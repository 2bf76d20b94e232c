#include "device/commandset.h"

#include "reportcheck.h"

#include <QtTest>

class TestCommandSet : public QObject {
    Q_OBJECT
private slots:
    void checksum();
    void smallCommands_data();
    void smallCommands();
    void applyAllOrder();
    void selectProfile_data();
    void selectProfile();
    void chunks();
};

void TestCommandSet::checksum()
{
    // The status query goes out without the transfer routine, checksum included.
    COMPARE_REPORT(statusQueryReport(), "05 24 fa 48");

    // Marker, command and the four parameter bytes count; the payload does not.
    ReportBuffer end = blockEndReport(Command::DpiTable);
    QCOMPARE(int(reportChecksum(end.report())), 0x29);
    end.at(8) = 0x55;
    end.at(20) = 0x99;
    QCOMPARE(int(reportChecksum(end.report())), 0x29);
}

void TestCommandSet::smallCommands_data()
{
    QTest::addColumn<ReportBuffer>("report");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("upload begins") << uploadMarkReport(UploadMarkKind::Begin) << QByteArray("05 00 fa 46 00 00 00 00");
    QTest::newRow("upload ends") << uploadMarkReport(UploadMarkKind::End) << QByteArray("05 00 fa 46 01 00 00 00");
    QTest::newRow("apply group 0x08") << applyGroupReport(0x08) << QByteArray("05 00 fa 40 f3 08 00 00");
    QTest::newRow("end of a block") << blockEndReport(Command::LightingTable)
                                    << QByteArray("05 00 fa 04 7f 00 01 d3 1a");
    QTest::newRow("end of the macro memory") << blockEndReport(Command::MacroData, kMacroEndAddress)
                                             << QByteArray("05 00 fa 05 ff 0f 01 d3 1a");
}

void TestCommandSet::smallCommands()
{
    QFETCH(ReportBuffer, report);
    QFETCH(QByteArray, expected);
    COMPARE_REPORT(report, expected);
}

void TestCommandSet::applyAllOrder()
{
    const ReportList reports = applyAllReports();
    QCOMPARE(int(reports.size()), 5);
    const char *expected[] = {"05 00 fa 40 f3 04", "05 00 fa 40 f3 01", "05 00 fa 40 f3 02", "05 00 fa 40 f3 08",
                              "05 00 fa 40 f3 10"};
    for (int i = 0; i < 5; ++i)
        COMPARE_REPORT(reports[i], expected[i]);
}

void TestCommandSet::selectProfile_data()
{
    QTest::addColumn<int>("profile");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("first") << 0 << QByteArray("05 00 fa 44 00");
    QTest::newRow("last") << 4 << QByteArray("05 00 fa 44 04");
    QTest::newRow("past the last") << 5 << QByteArray("05 00 fa 44 00");
    QTest::newRow("negative") << -1 << QByteArray("05 00 fa 44 00");
}

void TestCommandSet::selectProfile()
{
    QFETCH(int, profile);
    QFETCH(QByteArray, expected);
    const ReportList reports = selectProfileReports(profile);
    QCOMPARE(int(reports.size()), 2);
    COMPARE_REPORT(reports[0], expected);
    COMPARE_REPORT(reports[1], "05 00 fa 40 f3 01");
}

void TestCommandSet::chunks()
{
    const uint8_t data[30] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15,
                              16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30};
    COMPARE_REPORT(chunkReport(Command::MacroData, 0x094C, data, 3, kTagNextChunk),
                   "05 00 fa 05 4c 09 03 d2 01 02 03");
    // A payload never runs past the report.
    COMPARE_REPORT(chunkReport(Command::ButtonTable, 2, data, 30, kTagNextChunk),
                   "05 00 fa 03 02 00 19 d2 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e 0f 10 11 12 13 14 15 16 17 18 19");
}

QTEST_GUILESS_MAIN(TestCommandSet)
#include "test_commandset.moc"
