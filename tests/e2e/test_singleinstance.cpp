// Two real copies of the program: one per product name may run; a second one
// for the same product ends at once with 1; a killed copy does not block the
// next start.

#include "platform/singleinstance.h"
#include "testenvironment.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>
#include <memory>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <vector>

namespace {

const QString kProduct = QStringLiteral("QORV Nimbus 6");
const QString kOtherProduct = QStringLiteral("QORV Other Mouse");
constexpr int kStartTimeoutMs = 30000;

// The pid holding an flock on `path`, from /proc/locks; 0 when none.
qint64 lockHolder(const QString &path)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return 0;
    const QString device = QStringLiteral("%1:%2:%3")
                               .arg(major(st.st_dev), 2, 16, QLatin1Char('0'))
                               .arg(minor(st.st_dev), 2, 16, QLatin1Char('0'))
                               .arg(quint64(st.st_ino));
    QFile locks(QStringLiteral("/proc/locks"));
    if (!locks.open(QIODevice::ReadOnly))
        return 0;
    // "1: FLOCK  ADVISORY  WRITE 10176 fe:00:10952851 0 EOF"; waiters carry "->".
    for (const QByteArray &line : locks.readAll().split('\n')) {
        const QList<QByteArray> f = line.simplified().split(' ');
        if (f.size() >= 6 && f[1] == "FLOCK" && QString::fromLatin1(f[5]) == device)
            return f[4].toLongLong();
    }
    return 0;
}

// Qt's offscreen platform plugin leaves its screen objects behind when the
// application object is destroyed; under LeakSanitizer that turns the refused
// start's exit code 1 into an abort. The children get the suppressions the
// test run uses plus that plugin's allocations, and nothing else.
QString childLsanOptions(const QString &dir)
{
    QStringList options = qEnvironmentVariable("LSAN_OPTIONS").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    QByteArray suppressions = "leak:libqoffscreen.so\n";
    for (int i = options.size() - 1; i >= 0; --i) {
        if (options[i].startsWith(QLatin1String("suppressions="))) {
            // The value may be quoted for the sanitizers' parser (a path
            // with a blank).
            QString path = options[i].mid(int(strlen("suppressions=")));
            if (path.size() >= 2 && (path.front() == QLatin1Char('\'') || path.front() == QLatin1Char('"'))
                && path.back() == path.front())
                path = path.mid(1, path.size() - 2);
            suppressions += readWholeFile(path);
            options.removeAt(i);
        }
    }
    const QString file = dir + QStringLiteral("/lsan.supp");
    QFile out(file);
    if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        out.write(suppressions);
    options << QStringLiteral("suppressions='") + file + QLatin1Char('\'');
    return options.join(QLatin1Char(':'));
}

// Every program started here, killed and reaped however the test ends.
class Processes {
public:
    ~Processes()
    {
        for (auto &p : m_list) {
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished(5000);
            }
        }
    }

    QProcess *start(const TestEnvironment &env, const QString &runtimeDir)
    {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment e = env.childEnvironment(TestEnvironment::SimulatedMouse, runtimeDir);
        e.insert(QStringLiteral("LSAN_OPTIONS"), childLsanOptions(env.root()));
        process->setProcessEnvironment(e);
        process->setWorkingDirectory(env.root());
        process->start(TestEnvironment::buildBinDir() + QStringLiteral("/mousecfg"), QStringList());
        m_list.push_back(std::move(process));
        return m_list.back().get();
    }

private:
    std::vector<std::unique_ptr<QProcess>> m_list;
};

} // namespace

class TestSingleInstanceE2E : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void oneInstancePerProduct();

private:
    // Waits until `process` holds the lock of `product`, or it has ended.
    bool waitUntilHolding(QProcess *process, const QString &product);
    QString lockFile(const QString &product) const;

    QTemporaryDir m_runtime;
    QByteArray m_oldRuntime;
};

void TestSingleInstanceE2E::initTestCase()
{
    QVERIFY(QFile::exists(TestEnvironment::buildBinDir() + QStringLiteral("/mousecfg")));
    QVERIFY(QFile::exists(QStringLiteral("/proc/locks")));
    // A private runtime dir: the lock files of a real session, or of another
    // test run, stay out of the way.
    m_oldRuntime = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
}

void TestSingleInstanceE2E::cleanupTestCase()
{
    if (m_oldRuntime.isNull())
        qunsetenv("XDG_RUNTIME_DIR");
    else
        qputenv("XDG_RUNTIME_DIR", m_oldRuntime);
}

QString TestSingleInstanceE2E::lockFile(const QString &product) const
{
    return SingleInstanceGuard::lockFileFor(SingleInstanceGuard::mutexNameFor(product));
}

bool TestSingleInstanceE2E::waitUntilHolding(QProcess *process, const QString &product)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < kStartTimeoutMs) {
        if (process->state() == QProcess::Running && lockHolder(lockFile(product)) == process->processId())
            return true;
        if (process->state() == QProcess::NotRunning)
            return false;
        process->waitForFinished(50);
    }
    return false;
}

void TestSingleInstanceE2E::oneInstancePerProduct()
{
    TestEnvironment nimbus;
    TestEnvironment other;
    // The descriptor holds serialised colours that a settings object without
    // the GUI types would drop on rewriting: change the one line as text.
    const QString descriptor = other.dataDir() + QStringLiteral("/DefaultProfile.bin");
    QByteArray text = readWholeFile(descriptor);
    QVERIFY(text.contains("ProductName=" + kProduct.toUtf8()));
    text.replace("ProductName=" + kProduct.toUtf8(), "ProductName=" + kOtherProduct.toUtf8());
    other.writeFile(QStringLiteral("data/DefaultProfile.bin"), text);
    QCOMPARE(QSettings(descriptor, QSettings::IniFormat).value(QStringLiteral("PROFILE/ProductName")).toString(),
             kOtherProduct);
    Processes processes;

    QProcess *first = processes.start(nimbus, m_runtime.path());
    QVERIFY2(waitUntilHolding(first, kProduct), first->readAllStandardError().constData());

    // A second copy for the same product: exit code 1, quickly, silently.
    QElapsedTimer timer;
    timer.start();
    QProcess *second = processes.start(nimbus, m_runtime.path());
    QVERIFY(second->waitForFinished(kStartTimeoutMs));
    const qint64 refusedAfterMs = timer.elapsed();
    const QByteArray secondErrors = second->readAllStandardError();
    QVERIFY2(second->exitStatus() == QProcess::NormalExit, secondErrors.constData());
    QVERIFY2(second->exitCode() == 1, secondErrors.constData());
    QCOMPARE(second->readAllStandardOutput(), QByteArray());
    qInfo("second instance refused after %lld ms", refusedAfterMs);

    // The first one is untouched and still holds the lock.
    QCOMPARE(first->state(), QProcess::Running);
    QCOMPARE(lockHolder(lockFile(kProduct)), first->processId());

    // Another product name runs beside it.
    QProcess *otherProduct = processes.start(other, m_runtime.path());
    QVERIFY2(waitUntilHolding(otherProduct, kOtherProduct), otherProduct->readAllStandardError().constData());
    QCOMPARE(first->state(), QProcess::Running);

    // A copy killed outright leaves no stale lock behind.
    first->kill();
    QVERIFY(first->waitForFinished(kStartTimeoutMs));
    QCOMPARE(first->exitStatus(), QProcess::CrashExit);
    QVERIFY(QFile::exists(lockFile(kProduct)));   // the file stays, the lock does not
    QProcess *next = processes.start(nimbus, m_runtime.path());
    QVERIFY2(waitUntilHolding(next, kProduct), next->readAllStandardError().constData());
    // A refused copy ends at once: still running after a moment means it
    // holds the lock (a fixed wait on purpose).
    QVERIFY(!next->waitForFinished(300));
    QCOMPARE(next->state(), QProcess::Running);
    QCOMPARE(otherProduct->state(), QProcess::Running);
}

QTEST_GUILESS_MAIN(TestSingleInstanceE2E)
#include "test_singleinstance.moc"
