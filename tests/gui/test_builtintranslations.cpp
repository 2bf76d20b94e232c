// The catalogues compiled into the program, and the language switch falling
// back to them when the installation's lang/ folder is missing.

#include "platform/languagecatalog.h"

#include "config/paths.h"
#include "testenvironment.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
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
    void everyTranslationStaysInUse_data();
    void everyTranslationStaysInUse();
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
    QCOMPARE(translator.translate("MainWindow", "Apply"), apply);
    QCOMPARE(translator.translate("MainWindow", "&Quit"), quit);
}

void TestBuiltInTranslations::switchFallsBackWithoutLangFolder()
{
    TestEnvironment env;
    QDir(env.dataDir() + QStringLiteral("/lang")).removeRecursively();   // this test's copy of the catalogues
    QVERIFY(!QFileInfo::exists(Paths::langDir()));

    LanguageCatalog catalog;
    QTranslator translator;
    QVERIFY(catalog.switchTo(2, &translator));
    QCOMPARE(QCoreApplication::translate("MainWindow", "Dongle Disconnect!"), QString::fromUtf8("接收器未連線！"));
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
    QCOMPARE(QCoreApplication::translate("MainWindow", "Apply"), QString::fromUtf8("套用"));
}

void TestBuiltInTranslations::everyTranslationStaysInUse_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("translated");   // as many as the catalogue had when this was written
    for (const char *language : {"en", "sc", "tc"})
        QTest::newRow(language) << QString::fromLatin1(language) << 329;
}

// A text whose context or wording changes in the code loses its translation
// silently: the catalogue still holds it under the old key. Refreshed from
// the code as scripts/update-translations does it, every catalogue must keep
// its translations, and no text may be left untranslated.
void TestBuiltInTranslations::everyTranslationStaysInUse()
{
    QFETCH(QString, language);
    QFETCH(int, translated);
    const QString source = qEnvironmentVariable("MOUSECFG_SOURCE_DIR");
    QVERIFY(QFileInfo::exists(source + QStringLiteral("/resources/lang/uitexts.cpp")));
    QString lupdate = QStringLiteral("/usr/lib/qt5/bin/lupdate");
    if (!QFileInfo::exists(lupdate))
        lupdate = QStandardPaths::findExecutable(QStringLiteral("lupdate"));
    QVERIFY2(!lupdate.isEmpty(), "lupdate (qttools5-dev-tools) is missing");

    QTemporaryDir dir;
    const QString ts = dir.filePath(language + QStringLiteral(".ts"));
    QVERIFY(QFile::copy(source + QStringLiteral("/resources/lang/") + language + QStringLiteral(".ts"), ts));
    QFile::setPermissions(ts, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QProcess refresh;
    refresh.setWorkingDirectory(source);
    refresh.start(lupdate, {QStringLiteral("-no-obsolete"), QStringLiteral("-locations"), QStringLiteral("none"),
                            QStringLiteral("-extensions"), QStringLiteral("cpp,h"), QStringLiteral("src"),
                            QStringLiteral("tools"), QStringLiteral("resources/lang/uitexts.cpp"), QStringLiteral("-ts"), ts});
    QVERIFY(refresh.waitForFinished(120000));
    QCOMPARE(refresh.exitCode(), 0);

    QFile file(ts);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    int finished = 0;
    QStringList untranslated;
    QString context;
    QString text;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        else if (xml.name() == QLatin1String("translation")) {
            if (xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished"))
                untranslated << context + QStringLiteral(": ") + text;
            else
                ++finished;
        }
    }
    QVERIFY(!xml.hasError());
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));
    QVERIFY2(finished >= translated, qPrintable(QStringLiteral("%1 translated, %2 before").arg(finished).arg(translated)));
}

QTEST_GUILESS_MAIN(TestBuiltInTranslations)
#include "test_builtintranslations.moc"
