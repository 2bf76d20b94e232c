// Key names, the key-usage table and the button function catalogue.

#include "config/functioncatalogue.h"
#include "config/keytables.h"
#include "config/paths.h"
#include "testenvironment.h"

#include <QSet>
#include <QSettings>
#include <QtTest>

class TestKeyTables : public QObject {
    Q_OBJECT

private slots:
    void namesByColumn_data();
    void namesByColumn();
    void frenchColumnRule_data();
    void frenchColumnRule();
    void everyKeyCodeIsNamedOrEmpty();
    void lookups_data();
    void lookups();
    void usageTableIsOneToOne();
    void catalogueEntries_data();
    void catalogueEntries();
    void catalogueShape();
};

void TestKeyTables::namesByColumn_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("french");

    QTest::newRow("keypad del") << 224 << "Num De" << "Num Del";
    QTest::newRow("left ctrl") << 29 << "LCtr" << "LCtrl";
    QTest::newRow("right ctrl") << 238 << "RCtr" << "RCtrl";
    QTest::newRow("Q is A on AZERTY") << 16 << "Q" << "a";
    QTest::newRow("A is Q on AZERTY") << 30 << "A" << "q";
    QTest::newRow("double quote") << 4 << "3" << "\"";
    QTest::newRow("backslash") << 43 << "\\" << "*";
    QTest::newRow("e acute (UTF-8)") << 3 << "2" << QString(QChar(0xe9));
    QTest::newRow("u grave (UTF-8)") << 40 << "'" << QString(QChar(0xf9));
    QTest::newRow("superscript two (UTF-8)") << 41 << "`" << QString(QChar(0xb2));
    QTest::newRow("same in both: =") << 13 << "=" << "=";
    QTest::newRow("same in both: F12") << 88 << "F12" << "F12";
    QTest::newRow("mouse button") << 242 << "Middle Button" << "Middle Button";
    QTest::newRow("beyond the table") << 300 << "" << "";
    QTest::newRow("zero") << 0 << "" << "";
    QTest::newRow("negative") << -1 << "" << "";
}

void TestKeyTables::namesByColumn()
{
    QFETCH(int, code);
    QFETCH(QString, first);
    QFETCH(QString, french);
    QCOMPARE(keyName(code, false), first);
    QCOMPARE(keyName(code, true), french);
}

// The French column is used only when the descriptor names a French language
// index and that index is the current language.
void TestKeyTables::frenchColumnRule_data()
{
    QTest::addColumn<QVariant>("frenchIndex");   // invalid: key absent
    QTest::addColumn<QVariant>("langId");        // invalid: LangConfig.ini absent
    QTest::addColumn<QString>("name16");

    QTest::newRow("no French layout, language 0") << QVariant(-1) << QVariant(0) << "Q";
    QTest::newRow("no French layout, language -1") << QVariant(-1) << QVariant(-1) << "Q";
    QTest::newRow("French is language 2, current 2") << QVariant(2) << QVariant(2) << "a";
    QTest::newRow("French is language 2, current 0") << QVariant(2) << QVariant(0) << "Q";
    QTest::newRow("French is language 0, current 0") << QVariant(0) << QVariant(0) << "a";
    QTest::newRow("key absent reads as -1") << QVariant() << QVariant(0) << "Q";
    QTest::newRow("language file absent reads as 0") << QVariant(0) << QVariant() << "a";
}

void TestKeyTables::frenchColumnRule()
{
    QFETCH(QVariant, frenchIndex);
    QFETCH(QVariant, langId);
    QFETCH(QString, name16);

    TestEnvironment env(TestEnvironment::Empty);
    QVariantMap descriptor{{QStringLiteral("ProductName"), QStringLiteral("Test Mouse")}};
    if (frenchIndex.isValid())
        descriptor.insert(QStringLiteral("french"), frenchIndex);
    env.writeDescriptor(descriptor);
    if (langId.isValid())
        QSettings(Paths::langConfigFile(), QSettings::IniFormat).setValue(QStringLiteral("Config/LangID"), langId);

    QCOMPARE(keyName(16), name16);
    QCOMPARE(frenchKeyNames(), name16 == QLatin1String("a"));
    QCOMPARE(keyName(300), QString());
}

void TestKeyTables::everyKeyCodeIsNamedOrEmpty()
{
    QSet<int> named;
    for (int c = 1; c <= 83; ++c)
        named.insert(c);
    for (int c : {87, 88, 91, 92, 93})
        named.insert(c);
    for (int c = 224; c <= 242; ++c)
        named.insert(c);

    for (int code = -2; code <= 300; ++code) {
        const bool hasName = !keyName(code, false).isEmpty();
        if (hasName != named.contains(code))
            QFAIL(qPrintable(QStringLiteral("key code %1 %2 a name").arg(code).arg(hasName ? "has" : "lacks")));
        // The French column falls back to the first one, never to nothing.
        QCOMPARE(keyName(code, true).isEmpty(), !hasName);
    }
    QCOMPARE(keyName(59, false), QStringLiteral("F1"));
    QCOMPARE(keyName(68, false), QStringLiteral("F10"));
}

void TestKeyTables::lookups_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("codeKnown");
    QTest::addColumn<int>("usage");
    QTest::addColumn<bool>("usageKnown");

    // code, has a usage, usage, usage maps back
    QTest::newRow("A") << 30 << true << 4 << true;
    QTest::newRow("Enter") << 28 << true << 40 << true;
    QTest::newRow("left ctrl") << 29 << true << 224 << true;
    QTest::newRow("right alt") << 239 << true << 230 << true;
    QTest::newRow("keypad del") << 224 << true << 99 << true;
    QTest::newRow("App") << 93 << true << 101 << true;
    QTest::newRow("left mouse button") << 240 << false << 50 << false;
    QTest::newRow("middle mouse button") << 242 << false << 100 << false;
    QTest::newRow("unnamed code") << 84 << false << 0 << false;
    QTest::newRow("out of range") << 1000 << false << 232 << false;
    QTest::newRow("negative") << -30 << false << -4 << false;
}

void TestKeyTables::lookups()
{
    QFETCH(int, code);
    QFETCH(bool, codeKnown);
    QFETCH(int, usage);
    QFETCH(bool, usageKnown);

    int gotUsage = -777;
    QCOMPARE(keyCodeToUsage(code, gotUsage), codeKnown);
    QCOMPARE(gotUsage, codeKnown ? usage : -777);

    int gotCode = -777;
    QCOMPARE(usageToKeyCode(usage, gotCode), usageKnown);
    QCOMPARE(gotCode, usageKnown ? code : -777);
}

void TestKeyTables::usageTableIsOneToOne()
{
    const auto &table = keyUsageTable();
    QSet<int> codes;
    QSet<int> usages;
    for (const KeyUsagePair &pair : table) {
        QVERIFY2(!codes.contains(pair.code), qPrintable(QStringLiteral("code %1 twice").arg(pair.code)));
        QVERIFY2(!usages.contains(pair.usage), qPrintable(QStringLiteral("usage %1 twice").arg(pair.usage)));
        codes.insert(pair.code);
        usages.insert(pair.usage);

        // Keyboard/keypad page: 4 (a) .. 101 (application), 224..231 modifiers.
        QVERIFY((pair.usage >= 4 && pair.usage <= 101) || (pair.usage >= 224 && pair.usage <= 231));
        QVERIFY2(!keyName(pair.code, false).isEmpty(), qPrintable(QString::number(pair.code)));

        int usage = 0;
        int code = 0;
        QVERIFY(keyCodeToUsage(pair.code, usage));
        QCOMPARE(usage, pair.usage);
        QVERIFY(usageToKeyCode(pair.usage, code));
        QCOMPARE(code, pair.code);
    }
    QCOMPARE(codes.size(), 104);
    // Every named keyboard key has a usage; only the three mouse buttons lack one.
    for (int code = 0; code <= 300; ++code) {
        if (!keyName(code, false).isEmpty() && code < 240)
            QVERIFY2(codes.contains(code), qPrintable(QStringLiteral("named key %1 has no usage").arg(code)));
    }
}

void TestKeyTables::catalogueEntries_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("known");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("groupTitle");
    QTest::addColumn<uint>("fields");

    QTest::newRow("never assigned") << 0 << false << "" << "" << 0u;
    QTest::newRow("Left") << 1 << true << "Left" << "" << 0u;
    QTest::newRow("single key") << 6 << true << "SINGLE KEY" << "Advance" << uint(UsesRes1);
    QTest::newRow("combo key") << 7 << true << "COMBO KEY" << "Advance" << uint(UsesKeyInfo);
    QTest::newRow("fire key") << 12 << true << "FIRE KEY" << "Advance"
                              << uint(UsesRes1 | UsesLoopNumber | UsesKeyNumber);
    QTest::newRow("unnamed 13") << 13 << true << "" << "" << 0u;
    QTest::newRow("gap 14") << 14 << false << "" << "" << 0u;
    QTest::newRow("Button Off") << 16 << true << "Button Off" << "" << 0u;
    QTest::newRow("Save") << 24 << true << "Save" << "Basic" << 0u;
    QTest::newRow("Mail") << 38 << true << "Mail" << "Windows" << 0u;
    QTest::newRow("Play/Pause") << 39 << true << "Play/Pause" << "Media" << 0u;
    QTest::newRow("DPI -") << 49 << true << "DPI -" << "DPI" << 0u;
    QTest::newRow("Rate +") << 50 << true << "Rate +" << "Polling Rate" << 0u;
    QTest::newRow("Scroll Down") << 53 << true << "Scroll Down" << "" << 0u;
    QTest::newRow("SNIPER") << 55 << true << "SNIPER" << "" << uint(UsesRes1);
    QTest::newRow("gap 56") << 56 << false << "" << "" << 0u;
    QTest::newRow("Profile Switch") << 59 << true << "Profile Switch" << "Profile Menu" << 0u;
    QTest::newRow("unnamed 61") << 61 << true << "" << "" << 0u;
    QTest::newRow("Boss Key") << 62 << true << "Boss Key" << "Windows" << 0u;
    QTest::newRow("Rate Switch") << 63 << true << "Rate Switch" << "Polling Rate" << 0u;
    QTest::newRow("past the table") << 64 << false << "" << "" << 0u;
    const uint macroFields = UsesMacroName | UsesLoopNumber | UsesRes1 | UsesKeyNumber | UsesKeyInfo;
    QTest::newRow("macro") << 200 << true << "Macro Manager" << "" << macroFields;
    QTest::newRow("recoil file") << 510 << true << "GunFile Manager" << "" << macroFields;
    QTest::newRow("negative") << -1 << false << "" << "" << 0u;
}

void TestKeyTables::catalogueEntries()
{
    QFETCH(int, code);
    QFETCH(bool, known);
    QFETCH(QString, name);
    QFETCH(QString, groupTitle);
    QFETCH(uint, fields);

    QCOMPARE(hasDeviceEncoding(code), known);
    QCOMPARE(QString::fromUtf8(functionName(code)), name);
    const FunctionInfo *info = findFunction(code);
    QCOMPARE(info != nullptr, known);
    if (info) {
        QCOMPARE(info->code, code);
        QCOMPARE(QString::fromUtf8(functionGroupTitle(info->group)), groupTitle);
        QCOMPARE(info->fields, fields);
    }
    QCOMPARE(isMacroFunction(code), code == 200 || code == 510);
}

void TestKeyTables::catalogueShape()
{
    const auto &catalogue = functionCatalogue();
    QCOMPARE(int(catalogue.size()), 58);
    QSet<QString> names;
    for (size_t i = 0; i < catalogue.size(); ++i) {
        // Sorted without repeats: findFunction relies on it.
        if (i > 0)
            QVERIFY(catalogue[i - 1].code < catalogue[i].code);
        QCOMPARE(findFunction(catalogue[i].code), &catalogue[i]);
        if (catalogue[i].name) {
            QVERIFY2(!names.contains(QString::fromUtf8(catalogue[i].name)), catalogue[i].name);
            names.insert(QString::fromUtf8(catalogue[i].name));
        }
    }
    // Every code but 13, 60 and 61 has a label.
    QCOMPARE(names.size(), 55);
    QCOMPARE(functionGroupTitle(FunctionGroup::Mouse), nullptr);
    QCOMPARE(functionGroupTitle(FunctionGroup::Wheel), nullptr);
}

QTEST_GUILESS_MAIN(TestKeyTables)
#include "test_keytables.moc"
