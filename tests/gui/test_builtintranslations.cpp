// The catalogues compiled into the program, and the language switch falling
// back to them when the installation's lang/ folder is missing.

#include "platform/languagecatalog.h"

#include "config/paths.h"
#include "testenvironment.h"

#include <QDir>
#include <QFileInfo>
#include <QTranslator>
#include <QtTest>

class TestBuiltInTranslations : public QObject {
    Q_OBJECT
private slots:
    void catalogues_data();
    void catalogues();
    void switchFallsBackWithoutLangFolder();
    void diskCatalogueComesFirst();
};

void TestBuiltInTranslations::catalogues_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QString>("apply");
    QTest::addColumn<QString>("quit");
    QTest::newRow("en") << QStringLiteral(":/lang/en.qm") << QStringLiteral("Apply") << QStringLiteral("&Quit");
    QTest::newRow("sc") << QStringLiteral(":/lang/sc.qm") << QString::fromUtf8("应用") << QString::fromUtf8("退出(&Q)");
    QTest::newRow("tc") << QStringLiteral(":/lang/tc.qm") << QString::fromUtf8("套用") << QString::fromUtf8("結束(&Q)");
}

void TestBuiltInTranslations::catalogues()
{
    QFETCH(QString, resource);
    QFETCH(QString, apply);
    QFETCH(QString, quit);
    QVERIFY(QFileInfo::exists(resource));
    QTranslator translator;
    QVERIFY(translator.load(resource));
    QCOMPARE(translator.translate("MousecfgWidget", "Apply"), apply);
    QCOMPARE(translator.translate("MousecfgWidget", "&Quit"), quit);
}

void TestBuiltInTranslations::switchFallsBackWithoutLangFolder()
{
    TestEnvironment env;
    QDir(env.dataDir() + QStringLiteral("/lang")).removeRecursively();   // this test's copy of the catalogues
    QVERIFY(!QFileInfo::exists(Paths::langDir()));

    LanguageCatalog catalog;
    QTranslator translator;
    QVERIFY(catalog.switchTo(2, &translator));
    QCOMPARE(QCoreApplication::translate("MousecfgWidget", "Dongle Disconnect!"), QString::fromUtf8("接收器未連線！"));
    QCOMPARE(LanguageCatalog::storedId(), 2);
}

void TestBuiltInTranslations::diskCatalogueComesFirst()
{
    TestEnvironment env;
    // An installation whose "sc" catalogue is really the Traditional one: the
    // file on disk wins over the built-in catalogue of the same name.
    QDir(env.dataDir() + QStringLiteral("/lang")).removeRecursively();
    QVERIFY(QDir().mkpath(Paths::langDir()));
    QVERIFY(QFile::copy(QStringLiteral(":/lang/tc.qm"), Paths::langDir() + QStringLiteral("/sc.qm")));

    LanguageCatalog catalog;
    QTranslator translator;
    QVERIFY(catalog.switchTo(1, &translator));
    QCOMPARE(QCoreApplication::translate("MousecfgWidget", "Apply"), QString::fromUtf8("套用"));
}

QTEST_GUILESS_MAIN(TestBuiltInTranslations)
#include "test_builtintranslations.moc"
