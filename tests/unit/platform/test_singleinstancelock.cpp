// The single-instance lock, within one process (the two-process behaviour is
// covered end to end).

#include "envscope.h"
#include "platform/singleinstance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

class TestSingleInstance : public QObject {
    Q_OBJECT

private slots:
    void mutexName_data();
    void mutexName();
    void lockFilePlace_data();
    void lockFilePlace();
    void secondGuardIsRefusedUntilFirstEnds();
    void productsDoNotBlockEachOther();
    void plantedSymlinkIsNotFollowed();
};

void TestSingleInstance::mutexName_data()
{
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("mutex");
    QTest::newRow("sample model") << "QORV Nimbus 6" << "QORV Nimbus 6 Wireless Gaming Mouse Mutex1";
    QTest::newRow("no descriptor") << "" << " Wireless Gaming Mouse Mutex1";
}

void TestSingleInstance::mutexName()
{
    QFETCH(QString, product);
    QFETCH(QString, mutex);
    QCOMPARE(SingleInstanceGuard::mutexNameFor(product), mutex);
}

void TestSingleInstance::lockFilePlace_data()
{
    QTest::addColumn<int>("runtime");   // 0 existing dir, 1 unset, 2 missing dir
    QTest::newRow("runtime dir") << 0;
    QTest::newRow("no runtime dir") << 1;
    QTest::newRow("runtime dir missing") << 2;
}

void TestSingleInstance::lockFilePlace()
{
    QFETCH(int, runtime);
    QTemporaryDir dir;
    const QByteArray value = runtime == 0 ? QFile::encodeName(dir.path())
        : runtime == 1                    ? QByteArray()
                                          : QFile::encodeName(dir.path() + QStringLiteral("/gone"));
    EnvScope scope("XDG_RUNTIME_DIR", value);

    const QString mutex = SingleInstanceGuard::mutexNameFor(QStringLiteral("Odd/Name \u00e9 ../x"));
    const QString path = SingleInstanceGuard::lockFileFor(mutex);
    const QFileInfo info(path);
    QCOMPARE(info.path(), runtime == 0 ? dir.path() : QDir::tempPath());
    // One file name per mutex name, whatever characters the product has.
    QVERIFY(!info.fileName().contains(QLatin1Char('/')));
    QVERIFY(info.fileName().startsWith(QStringLiteral("mousecfg")));
    QCOMPARE(SingleInstanceGuard::lockFileFor(mutex), path);
    QVERIFY(SingleInstanceGuard::lockFileFor(mutex + QLatin1Char('x')) != path);
    // In the shared temp dir the name is per user.
    if (runtime != 0)
        QVERIFY(info.fileName().contains(QString::number(::getuid())));
}

void TestSingleInstance::secondGuardIsRefusedUntilFirstEnds()
{
    QTemporaryDir dir;
    EnvScope scope("XDG_RUNTIME_DIR", QFile::encodeName(dir.path()));
    const QString mutex = SingleInstanceGuard::mutexNameFor(QStringLiteral("QORV Nimbus 6"));

    auto first = std::make_unique<SingleInstanceGuard>(mutex);
    QVERIFY(first->acquired());
    QVERIFY(QFileInfo::exists(first->lockFilePath()));
    {
        SingleInstanceGuard second(mutex);
        QVERIFY(!second.acquired());
    }
    // The refused guard must not have released the first one's lock.
    QVERIFY(!SingleInstanceGuard(mutex).acquired());
    first.reset();
    QVERIFY(SingleInstanceGuard(mutex).acquired());
}

void TestSingleInstance::productsDoNotBlockEachOther()
{
    QTemporaryDir dir;
    EnvScope scope("XDG_RUNTIME_DIR", QFile::encodeName(dir.path()));
    SingleInstanceGuard a(SingleInstanceGuard::mutexNameFor(QStringLiteral("QORV Nimbus 6")));
    SingleInstanceGuard b(SingleInstanceGuard::mutexNameFor(QStringLiteral("QORV Nimbus 8")));
    SingleInstanceGuard none(SingleInstanceGuard::mutexNameFor(QString()));
    QVERIFY(a.acquired());
    QVERIFY(b.acquired());
    QVERIFY(none.acquired());
}

void TestSingleInstance::plantedSymlinkIsNotFollowed()
{
    QTemporaryDir dir;
    EnvScope scope("XDG_RUNTIME_DIR", QFile::encodeName(dir.path()));
    const QString mutex = SingleInstanceGuard::mutexNameFor(QStringLiteral("QORV Nimbus 6"));
    const QString victim = dir.path() + QStringLiteral("/victim");
    QVERIFY(QFile::link(victim, SingleInstanceGuard::lockFileFor(mutex)));

    // Without a usable lock file the tool still starts, and nothing is
    // created through the link.
    SingleInstanceGuard guard(mutex);
    QVERIFY(guard.acquired());
    QVERIFY(!QFileInfo::exists(victim));
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "test_singleinstancelock.moc"
