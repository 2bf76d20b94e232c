// Names of new library profiles and the entry a slot falls back to when its
// profile is deleted.

#include "config/profilenames.h"

#include <QtTest>

namespace {

QStringList fiveSlots()
{
    return {QStringLiteral("Profile 1"), QStringLiteral("Profile 2"), QStringLiteral("Profile 3"),
            QStringLiteral("Profile 4"), QStringLiteral("Profile 5")};
}

QStringList split(const char *text)
{
    return QString::fromUtf8(text).split(QLatin1Char('|'), Qt::SkipEmptyParts);
}

} // namespace

class TestProfileNames : public QObject {
    Q_OBJECT
private slots:
    void newName_data();
    void newName();
    void copyName_data();
    void copyName();
    void reserved();
    void deleteReplacement_data();
    void deleteReplacement();
};

void TestProfileNames::newName_data()
{
    QTest::addColumn<QStringList>("used");
    QTest::addColumn<QString>("expected");
    // A fresh installation: the slots use their own names though no file
    // exists yet, so "Profile 1" must not be picked.
    QTest::newRow("fresh installation") << (fiveSlots() << QStringLiteral("DefaultProfile")) << "Profile 6";
    QTest::newRow("nothing in use") << QStringList() << "Profile 1";
    QTest::newRow("gap is filled") << split("Profile 1|Profile 3") << "Profile 2";
    QTest::newRow("case does not make a new name") << split("profile 1|PROFILE 2") << "Profile 3";
    QTest::newRow("beyond nine") << (fiveSlots() << split("Profile 6|Profile 7|Profile 8|Profile 9|Profile 10"))
                                 << "Profile 11";
}

void TestProfileNames::newName()
{
    QFETCH(QStringList, used);
    QFETCH(QString, expected);
    QCOMPARE(ProfileNames::forNewProfile(used), expected);
}

void TestProfileNames::copyName_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QStringList>("used");
    QTest::addColumn<QString>("expected");
    QTest::newRow("first copy") << "Work" << split("Work") << "Work copy";
    QTest::newRow("second copy") << "Work" << split("Work|Work copy") << "Work copy 2";
    QTest::newRow("third copy") << "Work" << split("Work|Work copy|Work copy 2") << "Work copy 3";
    QTest::newRow("a slot name counts") << "Work" << split("Work|WORK COPY") << "Work copy 2";
    QTest::newRow("copy of a copy") << "Work copy" << split("Work|Work copy") << "Work copy copy";
    QTest::newRow("too long for a file name") << QString(197, QLatin1Char('a')) << QStringList() << QString();
}

void TestProfileNames::copyName()
{
    QFETCH(QString, source);
    QFETCH(QStringList, used);
    QFETCH(QString, expected);
    QCOMPARE(ProfileNames::forCopy(source, used), expected);
}

void TestProfileNames::reserved()
{
    for (const QString &name : fiveSlots())
        QVERIFY(ProfileNames::isReserved(name));
    for (const char *name : {"Profile 6", "Profile 0", "profile 1", "Profile 1 ", "Work"})
        QVERIFY2(!ProfileNames::isReserved(QString::fromLatin1(name)), name);
}

void TestProfileNames::deleteReplacement_data()
{
    QTest::addColumn<QStringList>("library");
    QTest::addColumn<int>("deleted");
    QTest::addColumn<QStringList>("otherSlots");
    QTest::addColumn<int>("expected");
    QTest::newRow("entry before") << split("A|B|C") << 1 << QStringList() << 0;
    QTest::newRow("last entry: the one before") << split("A|B|C") << 2 << QStringList() << 1;
    QTest::newRow("first entry: the one after") << split("A|B|C") << 0 << QStringList() << 1;
    QTest::newRow("used entries skipped backwards") << split("A|B|C|D") << 3 << split("C|B") << 0;
    QTest::newRow("all before used: forwards") << split("A|B|C|D") << 2 << split("A|B") << 3;
    QTest::newRow("a duplicate of the deleted name is no replacement") << split("A|B|A") << 2 << split("B") << -1;
    QTest::newRow("everything else used") << split("A|B|C") << 1 << split("A|C") << -1;
    QTest::newRow("only entry") << split("A") << 0 << QStringList() << -1;
    QTest::newRow("index past the end") << split("A|B") << 2 << QStringList() << -1;
    QTest::newRow("negative index") << split("A|B") << -1 << QStringList() << -1;
}

void TestProfileNames::deleteReplacement()
{
    QFETCH(QStringList, library);
    QFETCH(int, deleted);
    QFETCH(QStringList, otherSlots);
    QFETCH(int, expected);
    QCOMPARE(ProfileNames::deleteReplacement(library, deleted, otherSlots), expected);
}

QTEST_GUILESS_MAIN(TestProfileNames)
#include "test_profilenames.moc"
