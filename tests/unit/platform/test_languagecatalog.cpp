#include "config/langconfig.h"
#include "platform/languagecatalog.h"

#include "config/paths.h"
#include "testenvironment.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTranslator>
#include <QtTest>

namespace {

QString translated(const char *context, const char *text)
{
    return QCoreApplication::translate(context, text);
}

// Replaces the installation's language table with one of ten named slots
// and the given count.
void writeLanguageTable(const QVariant &count, const QStringList &files = {})
{
    QSettings config(Paths::configFile(), QSettings::IniFormat);
    config.remove(QStringLiteral("FONT_LIST"));
    if (count.isValid())
        config.setValue(QStringLiteral("FONT_LIST/LANGNUM"), count);
    for (int i = 0; i < 10; ++i) {
        config.setValue(QStringLiteral("FONT_LIST/LangName_%1").arg(i), QStringLiteral("Language %1").arg(i));
        config.setValue(QStringLiteral("FONT_LIST/LangFile_%1").arg(i),
                        i < files.size() ? files.at(i) : QStringLiteral("file%1").arg(i));
    }
}

} // namespace

class TestLanguageCatalog : public QObject {
    Q_OBJECT
private slots:
    void count_data();
    void count();
    void namesAreReadForAllTenSlots();
    void shippedTable();
    void fonts();
    void switchStoresTheIdAtOnce();
    void catalogueSwitchesTexts();
    void missingCatalogueKeepsTheTexts();
    void unsafeFileNamesAreRefused_data();
    void unsafeFileNamesAreRefused();
};

void TestLanguageCatalog::count_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("count");
    QTest::newRow("missing") << QVariant() << 0;
    QTest::newRow("0") << QVariant(0) << 0;
    QTest::newRow("1") << QVariant(1) << 1;
    QTest::newRow("3") << QVariant(3) << 3;
    QTest::newRow("10") << QVariant(10) << 10;
    QTest::newRow("11 counts as 10") << QVariant(11) << 10;
    QTest::newRow("2147483647") << QVariant(2147483647) << 10;
    QTest::newRow("negative") << QVariant(-4) << 0;
    QTest::newRow("not a number") << QVariant(QStringLiteral("many")) << 0;
}

void TestLanguageCatalog::count()
{
    QFETCH(QVariant, stored);
    QFETCH(int, count);
    TestEnvironment env;
    writeLanguageTable(stored);
    const LanguageCatalog catalog;
    QCOMPARE(catalog.count(), count);
    QCOMPARE(catalog.menuNames().size(), count);
    for (int i = 0; i < count; ++i)
        QCOMPARE(catalog.menuNames().at(i), QStringLiteral("Language %1").arg(i));
}

void TestLanguageCatalog::namesAreReadForAllTenSlots()
{
    TestEnvironment env;
    writeLanguageTable(2);
    const LanguageCatalog catalog;
    QCOMPARE(catalog.count(), 2);
    for (int i = 0; i < 10; ++i) {
        QCOMPARE(catalog.name(i), QStringLiteral("Language %1").arg(i));
        QCOMPARE(catalog.file(i), QStringLiteral("file%1").arg(i));
    }
    for (int outside : {-1, 10, 255, -2147483647}) {
        QVERIFY(catalog.name(outside).isEmpty());
        QVERIFY(catalog.file(outside).isEmpty());
        QVERIFY(catalog.catalogueFile(outside).isEmpty());
    }
}

void TestLanguageCatalog::shippedTable()
{
    TestEnvironment env;
    const LanguageCatalog catalog;
    QCOMPARE(catalog.count(), 3);
    QCOMPARE(catalog.menuNames(), (QStringList{QStringLiteral("English"), QString::fromUtf8("简体中文"), QString::fromUtf8("繁體中文")}));
    QCOMPARE(catalog.catalogueFile(1), Paths::langDir() + QStringLiteral("/sc.qm"));
}

void TestLanguageCatalog::fonts()
{
    TestEnvironment env;
    {
        QSettings config(Paths::configFile(), QSettings::IniFormat);
        config.setValue(QStringLiteral("FONT_LIST/FONT_4"), QStringLiteral("Consolas"));
        config.setValue(QStringLiteral("FONT_LIST/FONT_SIZE_4"), 18);
        config.setValue(QStringLiteral("FONT_LIST/FONT_SIZE_5"), -3);
    }
    const LanguageCatalog catalog;
    QCOMPARE(catalog.fontFamily(4), QStringLiteral("Consolas"));
    QCOMPARE(catalog.fontPixelSize(4), 18);
    QCOMPARE(catalog.fontPixelSize(5), 0);
    QCOMPARE(catalog.fontPixelSize(10), 0);
    QVERIFY(catalog.fontFamily(-1).isEmpty());
}

void TestLanguageCatalog::switchStoresTheIdAtOnce()
{
    TestEnvironment env;
    QCOMPARE(LanguageCatalog::storedId(), 0);
    LanguageCatalog catalog;
    QTranslator translator;

    QVERIFY(catalog.switchTo(2, &translator));
    QCOMPARE(LangConfig::currentLangID(), 2);
    QCOMPARE(QSettings(Paths::langConfigFile(), QSettings::IniFormat).value(QStringLiteral("Config/LangID")).toInt(), 2);

    // A language without a catalogue: the id is stored all the same.
    writeLanguageTable(10, {QStringLiteral("en"), QStringLiteral("sc"), QStringLiteral("tc")});
    catalog.reload();
    QVERIFY(!catalog.switchTo(7, &translator));
    QCOMPARE(LangConfig::currentLangID(), 7);
    QCOMPARE(LanguageCatalog::storedId(), 7);

    // The next start takes it up.
    LangConfig::setCurrentLangID(0);
    QTranslator atStart;
    QVERIFY(!catalog.startUp(&atStart));
    QCOMPARE(LangConfig::currentLangID(), 7);
}

void TestLanguageCatalog::catalogueSwitchesTexts()
{
    TestEnvironment env;
    LanguageCatalog catalog;
    QVERIFY2(QFileInfo::exists(catalog.catalogueFile(1)), "the build's catalogues are missing");

    QVERIFY(LanguageCatalog::storeId(1));
    QTranslator translator;
    QVERIFY(catalog.startUp(&translator));
    QCOMPARE(LangConfig::currentLangID(), 1);
    QCOMPARE(translated("MainWindow", "Apply"), QString::fromUtf8("应用"));
    QCOMPARE(translated("TransferMessage", "Mouse is sleeping or not connected."), QString::fromUtf8("鼠标处于休眠状态或未连接。"));
    QCOMPARE(translated("SkinMessageBox", "Yes"), QString::fromUtf8("是"));

    QVERIFY(catalog.switchTo(2, &translator));
    QCOMPARE(translated("MainWindow", "Apply"), QString::fromUtf8("套用"));
    QCOMPARE(translated("FirmwareUpdater", "Do you want to upgrade the firmware?"), QString::fromUtf8("是否更新韌體？"));

    QVERIFY(catalog.switchTo(0, &translator));
    QCOMPARE(translated("MainWindow", "Apply"), QStringLiteral("Apply"));
    QCOMPARE(translated("MainWindow", "Dongle Disconnect!"), QStringLiteral("Dongle Disconnect!"));
}

void TestLanguageCatalog::missingCatalogueKeepsTheTexts()
{
    TestEnvironment env;
    writeLanguageTable(4, {QStringLiteral("en"), QStringLiteral("sc"), QStringLiteral("tc"), QStringLiteral("fr")});
    LanguageCatalog catalog;
    QTranslator translator;
    QVERIFY(catalog.switchTo(1, &translator));
    QCOMPARE(translated("MainWindow", "Apply"), QString::fromUtf8("应用"));

    // No fr.qm anywhere: the texts stay as they were, all of them, rather
    // than the window in one language and every dialog in another.
    QVERIFY(!catalog.switchTo(3, &translator));
    QVERIFY(!translator.isEmpty());
    QCOMPARE(translated("MainWindow", "Apply"), QString::fromUtf8("应用"));
    // A file that is there but is no catalogue is no better.
    const QString broken = catalog.catalogueFile(3);
    QDir().mkpath(QFileInfo(broken).path());
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a catalogue");
    file.close();
    QVERIFY(!catalog.switchTo(3, &translator));
    QCOMPARE(translated("MainWindow", "Apply"), QString::fromUtf8("应用"));
}

void TestLanguageCatalog::unsafeFileNamesAreRefused_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("parent folder") << QStringLiteral("../sc");
    QTest::newRow("absolute") << QStringLiteral("/tmp/sc");
    QTest::newRow("dot dot") << QStringLiteral("..");
    QTest::newRow("control character") << QStringLiteral("s\nc");
    QTest::newRow("empty") << QString();
}

void TestLanguageCatalog::unsafeFileNamesAreRefused()
{
    QFETCH(QString, file);
    TestEnvironment env;
    // A real catalogue one level up, where "../sc" would find it.
    QFile::copy(Paths::langDir() + QStringLiteral("/sc.qm"), env.dataDir() + QStringLiteral("/sc.qm"));
    writeLanguageTable(2, {QStringLiteral("en"), file});
    LanguageCatalog catalog;
    QVERIFY(catalog.catalogueFile(1).isEmpty());
    QVERIFY(catalog.builtInCatalogue(1).isEmpty());
    QTranslator translator;
    QVERIFY(!catalog.loadInto(&translator, 1));
    QVERIFY(translator.isEmpty());
}

QTEST_GUILESS_MAIN(TestLanguageCatalog)
#include "test_languagecatalog.moc"
