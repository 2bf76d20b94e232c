#include "config/logging.h"
#include "device/macroimage.h"

#include "reportcheck.h"

#include <QtTest>

#include <initializer_list>
#include <map>

namespace {

// Events written as (type, low, high) triples: the order they take in memory.
std::vector<KeyInfo> events(std::initializer_list<std::array<int, 3>> triples)
{
    std::vector<KeyInfo> list;
    for (const auto &t : triples)
        list.push_back(KeyInfo{uint8_t(t[0]), uint8_t(t[1]), uint8_t(t[2])});
    return list;
}

const std::vector<KeyInfo> kFive = events({{0x84, 0x04, 0x00}, {0x04, 0x04, 0x00}, {0x02, 0x05, 0xFB},
                                           {0x81, 0x01, 0x00}, {0x01, 0x01, 0x00}});

QByteArray encoded(const std::vector<KeyInfo> &list, int count = -1)
{
    const std::vector<uint8_t> bytes = encodeMacroBytes(list.data(), count < 0 ? int(list.size()) : count);
    return bytesHex(bytes.begin(), bytes.end());
}

// A macro library in memory that counts how often each macro is read.
struct FakeMacros {
    std::map<QString, std::vector<KeyInfo>> macros;
    std::map<QString, int> reads;

    MacroEventSource source()
    {
        return [this](const QString &name, MacroEvents &out) {
            ++reads[name];
            const auto it = macros.find(name);
            if (it == macros.end())
                return 0;
            std::copy(it->second.begin(), it->second.end(), out.begin());
            return int(it->second.size());
        };
    }
};

MacroNumbering numbering(std::initializer_list<const char *> names)
{
    MacroNumbering n;
    for (const char *name : names)
        n.assign(QString::fromLatin1(name));
    return n;
}

} // namespace

Q_DECLARE_METATYPE(std::vector<KeyInfo>)

class TestMacroImage : public QObject {
    Q_OBJECT
private slots:
    // Some cases check the debug line a fault leaves.
    void initTestCase() { Logging::enableDebug(); }
    void encodings_data();
    void encodings();
    void cutAtOneSlot();
    void chunksOfOneSlot();
    void laterSlotOnly();
    void numbersWithoutMemory();
    void eachMacroReadOnce();
    void nothingToSend();
    void badCounts();
};

void TestMacroImage::encodings_data()
{
    QTest::addColumn<std::vector<KeyInfo>>("list");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("five events") << kFive
                                 << QByteArray("84 04 00 04 04 00 02 05 fb 81 01 00 06 01 00 01 01 00 06 01 00");
    QTest::newRow("four events")
        << std::vector<KeyInfo>(kFive.begin(), kFive.begin() + 4)
        << QByteArray("84 04 00 04 04 00 02 05 fb 81 01 00 06 01 00 06 01 00");
    QTest::newRow("no events") << std::vector<KeyInfo>() << QByteArray("06 01 00");
    QTest::newRow("with its own delay")
        << events({{0x84, 0x04, 0x00}, {0x06, 0x2C, 0x01}, {0x04, 0x04, 0x00}, {0x84, 0x05, 0x00},
                   {0x04, 0x05, 0x00}})
        << QByteArray("84 04 00 06 2c 01 04 04 00 84 05 00 04 05 00");
    QTest::newRow("eight events")
        << events({{1, 1, 0}, {2, 2, 0}, {3, 3, 0}, {4, 4, 0}, {5, 5, 0}, {7, 7, 0}, {8, 8, 0}, {9, 9, 0}})
        << QByteArray("01 01 00 02 02 00 03 03 00 04 04 00 06 01 00 "
                      "05 05 00 07 07 00 08 08 00 09 09 00 06 01 00 06 01 00");
}

void TestMacroImage::encodings()
{
    QFETCH(std::vector<KeyInfo>, list);
    QFETCH(QByteArray, expected);
    QCOMPARE(encoded(list), expected);
}

void TestMacroImage::cutAtOneSlot()
{
    // 63 events with 16 inserted delays would take 237 bytes.
    const std::vector<KeyInfo> many(63, KeyInfo{0x84, 0x04, 0x00});
    const std::vector<uint8_t> bytes = encodeMacroBytes(many.data(), 63);
    QCOMPARE(int(bytes.size()), kMacroBankSize);
    QCOMPARE(bytesHex(bytes.begin() + 180, bytes.end()),
             QByteArray("84 04 00 84 04 00 84 04 00 84 04 00 06 01 00 84 04 00 84 04"));

    // The events as they are, when one of them is a delay: 189 bytes fit.
    std::vector<KeyInfo> withDelay = many;
    withDelay[62] = KeyInfo{0x06, 0x01, 0x00};
    QCOMPARE(int(encodeMacroBytes(withDelay.data(), 63).size()), 189);
}

void TestMacroImage::chunksOfOneSlot()
{
    FakeMacros fake;
    fake.macros[QStringLiteral("five")] = kFive;
    const ReportList r = buildMacroUpload(numbering({"five"}), fake.source());
    QCOMPARE(int(r.size()), 11);
    COMPARE_REPORT(r[0], "05 00 fa 05 00 00 14 d1 84 04 00 04 04 00 02 05 fb 81 01 00 06 01 00 01 01 00 06 01");
    COMPARE_REPORT(r[1], "05 00 fa 05 14 00 14 d2");
    COMPARE_REPORT(r[9], "05 00 fa 05 b4 00 14 d2");
    COMPARE_REPORT(r[10], "05 00 fa 05 ff 0f 01 d3 1a");
}

void TestMacroImage::laterSlotOnly()
{
    // Slot 0 empty: it is not sent, and so no chunk opens with 0xD1.
    MacroImage image{};
    EncodeMacro(kFive.data(), 2, 1, image);
    const ReportList r = macroImageReports(image);
    QCOMPARE(int(r.size()), 11);
    COMPARE_REPORT(r[0], "05 00 fa 05 c8 00 14 d2 84 04 00 04 04 00 06 01 00");
    COMPARE_REPORT(r[9], "05 00 fa 05 7c 01 14 d2");
    COMPARE_REPORT(r[10], "05 00 fa 05 ff 0f 01 d3 1a");

    // A slot counts as used by its first five bytes alone.
    MacroImage late{};
    late[2 * kMacroBankSize + 5] = 0x84;
    QVERIFY(macroImageReports(late).empty());
    late[2 * kMacroBankSize + 4] = 0x01;
    QCOMPARE(int(macroImageReports(late).size()), 11);
}

void TestMacroImage::numbersWithoutMemory()
{
    FakeMacros fake;
    MacroNumbering n;
    for (int i = 0; i < 13; ++i)
        n.assign(QStringLiteral("m%1").arg(i));
    QTest::ignoreMessage(QtDebugMsg, "iIndex>=MAX_MACRO_NUMBER_560");
    const ReportList r = buildMacroUpload(n, fake.source());
    QCOMPARE(fake.reads.count(QStringLiteral("m12")), size_t(0));
    QCOMPARE(int(r.size()), 12 * 10 + 1);
    COMPARE_REPORT(r[0], "05 00 fa 05 00 00 14 d1 06 01 00");
    COMPARE_REPORT(r[110], "05 00 fa 05 98 08 14 d2 06 01 00");
    COMPARE_REPORT(r[119], "05 00 fa 05 4c 09 14 d2");
}

void TestMacroImage::eachMacroReadOnce()
{
    FakeMacros fake;
    fake.macros[QStringLiteral("a")] = kFive;
    fake.macros[QStringLiteral("b")] = events({{0x81, 0x02, 0x00}});
    MacroNumbering n = numbering({"a", "b", "a", "b", "a"});
    const MacroImage image = buildMacroImage(n, fake.source());
    QCOMPARE(fake.reads[QStringLiteral("a")], 1);
    QCOMPARE(fake.reads[QStringLiteral("b")], 1);
    QCOMPARE(bytesHex(image.begin() + kMacroBankSize, image.begin() + kMacroBankSize + 7),
             QByteArray("81 02 00 06 01 00 00"));
    // A macro without a file uploads as a single one-unit delay.
    const MacroImage missing = buildMacroImage(numbering({"missing"}), fake.source());
    QCOMPARE(bytesHex(missing.begin(), missing.begin() + 4), QByteArray("06 01 00 00"));
}

void TestMacroImage::nothingToSend()
{
    FakeMacros fake;
    QVERIFY(buildMacroUpload(MacroNumbering(), fake.source()).empty());
    QVERIFY(fake.reads.empty());
}

void TestMacroImage::badCounts()
{
    // A source that claims more events than it can hold, or fewer than none.
    const MacroEventSource tooMany = [](const QString &, MacroEvents &out) {
        out.fill(KeyInfo{0x06, 0x01, 0x00});
        return 500;
    };
    const MacroImage image = buildMacroImage(numbering({"x"}), tooMany);
    QCOMPARE(bytesHex(image.begin() + 186, image.begin() + 192), QByteArray("06 01 00 00 00 00"));

    const MacroEventSource negative = [](const QString &, MacroEvents &) { return -4; };
    const MacroImage none = buildMacroImage(numbering({"x"}), negative);
    QCOMPARE(bytesHex(none.begin(), none.begin() + 4), QByteArray("06 01 00 00"));

    // A slot the image does not have is left alone.
    MacroImage untouched{};
    EncodeMacro(kFive.data(), 5, kMacroBankCount, untouched);
    EncodeMacro(kFive.data(), 5, -1, untouched);
    QVERIFY(std::all_of(untouched.begin(), untouched.end(), [](uint8_t b) { return b == 0; }));
}

QTEST_GUILESS_MAIN(TestMacroImage)
#include "test_macroimage.moc"
