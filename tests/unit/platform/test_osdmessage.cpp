#include "envscope.h"
#include "platform/osdmessage.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

quint32 le32(const QByteArray &block, int offset)
{
    return quint32(quint8(block[offset])) | quint32(quint8(block[offset + 1])) << 8
        | quint32(quint8(block[offset + 2])) << 16 | quint32(quint8(block[offset + 3])) << 24;
}

// The UTF-16LE field as written by hand, zero-filled to 512 bytes.
QByteArray utf16Field(const QString &text)
{
    QByteArray field(512, '\0');
    for (int i = 0; i < text.size(); ++i) {
        field[2 * i] = char(text.at(i).unicode() & 0xff);
        field[2 * i + 1] = char(text.at(i).unicode() >> 8);
    }
    return field;
}

} // namespace

class TestOsdMessage : public QObject {
    Q_OBJECT
private slots:
    void blockLayout_data();
    void blockLayout();
    void longTextsAreCut_data();
    void longTextsAreCut();
    void readsBackWhatItWrote();
    void refusesWrongSizes_data();
    void refusesWrongSizes();
    void oddFieldValuesAreBounded();
    void unterminatedTextIsCut();
    void serverName_data();
    void serverName();
};

void TestOsdMessage::blockLayout_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("theme");
    QTest::addColumn<quint32>("colourRef");

    QTest::newRow("profile, red theme") << QStringLiteral("Profile 3") << QColor(255, 0, 0) << 0x0000ffu;
    QTest::newRow("dpi, cyan theme") << QStringLiteral("DPI 2:1600") << QColor(0, 255, 255) << 0xffff00u;
    QTest::newRow("orange theme") << QStringLiteral("1000 HZ") << QColor(255, 125, 0) << 0x007dffu;
    QTest::newRow("beige theme") << QStringLiteral("x") << QColor(219, 200, 182) << 0xb6c8dbu;
    QTest::newRow("chinese text") << QStringLiteral("配置 1") << QColor(0, 0, 255) << 0xff0000u;
    QTest::newRow("empty text") << QString() << QColor(0, 255, 0) << 0x00ff00u;
}

void TestOsdMessage::blockLayout()
{
    QFETCH(QString, text);
    QFETCH(QColor, theme);
    QFETCH(quint32, colourRef);

    const QByteArray block = OsdMessage::forText(text, theme).toBlock();
    QCOMPARE(block.size(), 1044);
    QCOMPARE(block.mid(0, 512), utf16Field(text));
    QCOMPARE(le32(block, 512), 0u);
    QCOMPARE(le32(block, 516), 1500u);
    QCOMPARE(le32(block, 520), 0u);
    QCOMPARE(le32(block, 524), colourRef);
    QCOMPARE(le32(block, 528), 60u);
    QCOMPARE(block.mid(532, 512), utf16Field(QStringLiteral("Arial")));
    // The colour field in bytes, as the Windows tool lays out a COLORREF.
    QCOMPARE(quint8(block[524]), quint8(theme.red()));
    QCOMPARE(quint8(block[525]), quint8(theme.green()));
    QCOMPARE(quint8(block[526]), quint8(theme.blue()));
    QCOMPARE(quint8(block[527]), quint8(0));
}

void TestOsdMessage::longTextsAreCut_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kept");

    const QString a255(255, QLatin1Char('a'));
    QTest::newRow("255 fits") << a255 << a255;
    QTest::newRow("256 cut") << QString(256, QLatin1Char('b')) << QString(255, QLatin1Char('b'));
    QTest::newRow("1000 cut") << QString(1000, QLatin1Char('c')) << QString(255, QLatin1Char('c'));
    // A character outside the BMP across the limit is dropped whole.
    const QString emoji = QString::fromUtf8("\xf0\x9f\x98\x80");
    QTest::newRow("surrogate pair at the limit") << QString(254, QLatin1Char('d')) + emoji << QString(254, QLatin1Char('d'));
    QTest::newRow("surrogate pair inside") << QString(253, QLatin1Char('e')) + emoji + QStringLiteral("zz")
                                           << QString(253, QLatin1Char('e')) + emoji;
}

void TestOsdMessage::longTextsAreCut()
{
    QFETCH(QString, text);
    QFETCH(QString, kept);

    OsdMessage message;
    message.text = text;
    message.fontFamily = text;
    const QByteArray block = message.toBlock();
    QCOMPARE(block.size(), 1044);
    QCOMPARE(block.mid(0, 512), utf16Field(kept));
    QCOMPARE(block.mid(532, 512), utf16Field(kept));
    // The terminator always survives.
    QCOMPARE(block.mid(510, 2), QByteArray(2, '\0'));
    QCOMPARE(le32(block, 516), 1500u);
}

void TestOsdMessage::readsBackWhatItWrote()
{
    OsdMessage sent;
    sent.text = QStringLiteral("DPI 8:26000 \u6a21\u5f0f");
    sent.duration = 2500;
    sent.colour = 0x123456;
    sent.fontSize = 42;
    sent.fontFamily = QStringLiteral("Noto Sans CJK SC");

    OsdMessage received;
    QString why;
    QVERIFY(OsdMessage::fromBlock(sent.toBlock(), &received, &why));
    QCOMPARE(received.text, sent.text);
    QCOMPARE(received.duration, 2500);
    QCOMPARE(received.colour, 0x123456u);
    QCOMPARE(received.fontSize, 42);
    QCOMPARE(received.fontFamily, sent.fontFamily);
    QCOMPARE(OsdMessage::colourFromRef(received.colour), QColor(0x56, 0x34, 0x12));
}

void TestOsdMessage::refusesWrongSizes_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("empty") << 0;
    QTest::newRow("one short") << 1043;
    QTest::newRow("one long") << 1045;
    QTest::newRow("two blocks") << 2088;
}

void TestOsdMessage::refusesWrongSizes()
{
    QFETCH(int, size);
    QByteArray block = OsdMessage::forText(QStringLiteral("x"), Qt::red).toBlock();
    block.resize(size);
    OsdMessage out;
    out.text = QStringLiteral("untouched");
    QString why;
    QVERIFY(!OsdMessage::fromBlock(block, &out, &why));
    QVERIFY(why.contains(QString::number(size)));
    QCOMPARE(out.text, QStringLiteral("untouched"));
}

void TestOsdMessage::oddFieldValuesAreBounded()
{
    OsdMessage odd;
    odd.text = QStringLiteral("x");
    odd.duration = -5;
    odd.colour = 0xff00ff00;     // a high byte a COLORREF never has
    odd.fontSize = 0;
    odd.fontFamily = QString();
    OsdMessage out;
    QVERIFY(OsdMessage::fromBlock(odd.toBlock(), &out));
    QCOMPARE(out.duration, 0);
    QCOMPARE(out.colour, 0x00ff00u);
    QCOMPARE(out.fontSize, 60);
    QCOMPARE(out.fontFamily, QStringLiteral("Arial"));

    odd.duration = 1000000;
    odd.fontSize = 100000;
    QVERIFY(OsdMessage::fromBlock(odd.toBlock(), &out));
    QCOMPARE(out.duration, 60000);
    QCOMPARE(out.fontSize, 400);
}

void TestOsdMessage::unterminatedTextIsCut()
{
    QByteArray block = OsdMessage::forText(QString(), Qt::red).toBlock();
    for (int i = 0; i < 512; i += 2) {
        block[i] = 'z';
        block[i + 1] = 0;
    }
    OsdMessage out;
    QVERIFY(OsdMessage::fromBlock(block, &out));
    QCOMPARE(out.text, QString(255, QLatin1Char('z')));
    QCOMPARE(out.duration, 1500);
}

void TestOsdMessage::serverName_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("base");
    QTest::newRow("osd title") << QString::fromLatin1(OsdMessage::kWindowTitle) << QStringLiteral("qorv-wireless-mouse-osd");
    QTest::newRow("separators collapse") << QStringLiteral("  A//b..C  ") << QStringLiteral("a-b-c");
    QTest::newRow("nothing usable") << QStringLiteral("/../") << QStringLiteral("osd");
}

void TestOsdMessage::serverName()
{
    QFETCH(QString, title);
    QFETCH(QString, base);

    QTemporaryDir runtime;
    EnvScope env("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    QCOMPARE(OsdMessage::serverNameFor(title), runtime.path() + QLatin1Char('/') + base + QStringLiteral(".socket"));

    // Without a runtime directory: a plain name that QLocalServer puts in
    // the temporary directory; no path separator may sneak in.
    env.set("XDG_RUNTIME_DIR", QByteArray());
    const QString plain = OsdMessage::serverNameFor(title);
    QVERIFY(plain.startsWith(base + QLatin1Char('-')));
    QVERIFY(!plain.contains(QLatin1Char('/')));
}

QTEST_GUILESS_MAIN(TestOsdMessage)
#include "test_osdmessage.moc"
