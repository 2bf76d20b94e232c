#include "config/mouseconfig.h"
#include "config/productdescriptor.h"
#include "testenvironment.h"

#include <QtTest>

class TestDescriptor : public QObject {
    Q_OBJECT

private slots:
    void maskedSizes_data();
    void maskedSizes();
    void defaultsWithoutFile();
    void numbersMustBeDecimal();
    void pageMatrix();
    void keySlotMatrixOfAbsentFileLeavesTable();
};

void TestDescriptor::maskedSizes_data()
{
    QTest::addColumn<int>("buttonCount");
    QTest::addColumn<int>("mouseDpi");
    QTest::addColumn<int>("dpiCount");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("stages");
    QTest::addColumn<int>("boundedButtons");
    QTest::addColumn<int>("boundedStages");

    QTest::newRow("plain") << 6 << 0 << 1 << 6 << 7 << 6 << 7;
    QTest::newRow("masked") << 6 << 2 << 3 << 4 << 7 << 4 << 7;
    QTest::newRow("sample model") << 13 << 11 << 0 << 6 << 6 << 6 << 6;
    QTest::newRow("sixteen buttons") << 16 << 0 << 24 << 16 << 8 << 16 << 8;
    // Counts a file may hold that no array can: the bounded forms are what
    // the loops over the 16-entry matrices and 8 stages use.
    QTest::newRow("seventeen buttons") << 17 << 0 << 0 << 17 << 17 << 16 << 8;
    QTest::newRow("no stages") << 5 << 0 << 5 << 5 << 0 << 5 << 1;
    QTest::newRow("negative") << -1 << 0 << 0 << -1 << -1 << 0 << 1;
    QTest::newRow("huge") << 0x7fffffff << 0 << 1 << 0x7fffffff << 0x7ffffffe << 16 << 8;
}

void TestDescriptor::maskedSizes()
{
    QFETCH(int, buttonCount);
    QFETCH(int, mouseDpi);
    QFETCH(int, dpiCount);
    TestEnvironment env(TestEnvironment::Empty);
    env.writeDescriptor({{QStringLiteral("ButtonCount"), buttonCount},
                         {QStringLiteral("MouseDpi"), mouseDpi},
                         {QStringLiteral("DPICount"), dpiCount}});
    QTEST(ProductDescriptor::buttonCount(), "buttons");
    QTEST(ProductDescriptor::dpiStageCount(), "stages");
    QTEST(ProductDescriptor::boundedButtonCount(), "boundedButtons");
    QTEST(ProductDescriptor::boundedDpiStageCount(), "boundedStages");
}

void TestDescriptor::defaultsWithoutFile()
{
    TestEnvironment env(TestEnvironment::Empty);
    const ProductDescriptor::UsbIds ids = ProductDescriptor::usbIds();
    QCOMPARE(ids.vid1, 9354);
    QCOMPARE(ids.pid1, 64002);
    QCOMPARE(ids.vid2, 9354);
    QCOMPARE(ids.pid2, 64257);
    int minimum = 0, maximum = 0;
    ProductDescriptor::sleepRange(minimum, maximum);
    QCOMPARE(minimum, 1);
    QCOMPARE(maximum, 9);
    QCOMPARE(ProductDescriptor::minDelay(), 10);
    QCOMPARE(ProductDescriptor::frenchLanguage(), -1);
    QVERIFY(ProductDescriptor::showSleep());
    QVERIFY(ProductDescriptor::productName().isEmpty());
    QCOMPARE(ProductDescriptor::boundedDpiStageCount(), 1);
    ProfileData p;
    QCOMPARE(ProductDescriptor::readProfileDefaults(p), -1);
}

void TestDescriptor::numbersMustBeDecimal()
{
    TestEnvironment env(TestEnvironment::Empty);
    env.writeFile(QStringLiteral("data/DefaultProfile.bin"),
                  "[PROFILE]\nvid1=0x248a\npid1= 64003 \nvid2=1e3\nMinDelay=abc\n");
    const ProductDescriptor::UsbIds ids = ProductDescriptor::usbIds();
    QCOMPARE(ids.vid1, 0);
    QCOMPARE(ids.pid1, 64003);   // blanks around a number are tolerated
    QCOMPARE(ids.vid2, 0);
    QCOMPARE(ProductDescriptor::minDelay(), 0);
}

void TestDescriptor::pageMatrix()
{
    TestEnvironment env(TestEnvironment::Empty);
    QVariantMap keys{{QStringLiteral("ButtonCount"), 16}, {QStringLiteral("MouseDpi"), 0}};
    for (int i = 0; i < kDescriptorButtonCount; ++i)
        keys.insert(QStringLiteral("BUTTON_INFO_%1_Matrix2").arg(i), 255);
    env.writeDescriptor(keys);
    ProductDescriptor::Matrix table{};
    QCOMPARE(ProductDescriptor::pageMatrix(table), 16);
    QCOMPARE(int(table[15]), 255);
    QCOMPARE(ProductDescriptor::shownButtonCount(), 0);

    // Only the first buttonCount entries count; a count beyond the matrix
    // is bounded rather than read past it.
    keys.insert(QStringLiteral("BUTTON_INFO_0_Matrix2"), 0);
    keys.insert(QStringLiteral("BUTTON_INFO_15_Matrix2"), 3);
    keys.insert(QStringLiteral("ButtonCount"), 200);
    env.writeDescriptor(keys);
    QCOMPARE(ProductDescriptor::shownButtonCount(), 2);
}

void TestDescriptor::keySlotMatrixOfAbsentFileLeavesTable()
{
    TestEnvironment env(TestEnvironment::Empty);
    ProductDescriptor::Matrix table;
    table.fill(7);
    QCOMPARE(ProductDescriptor::keySlotMatrix(table), -1);
    QCOMPARE(int(table[0]), 7);

    env.writeDescriptor({{QStringLiteral("BUTTON_INFO_3_Matrix"), 0x1ff}});
    QCOMPARE(ProductDescriptor::keySlotMatrix(table), 0);
    QCOMPARE(int(table[3]), 0xff);
    QCOMPARE(int(table[0]), 0);
}

QTEST_GUILESS_MAIN(TestDescriptor)
#include "test_descriptor.moc"
