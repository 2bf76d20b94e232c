// The skin generator: run into a fresh folder, it must draw every picture the
// program loads, at the size it promises, and a busy animation that plays.

#include "testenvironment.h"

#include "widgets/skin.h"

#include <QBitmap>
#include <QDir>
#include <QImageReader>
#include <QMovie>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Every picture name the program uses, below the skin folder.
const QStringList kRequired = {
    "cfgMainback.png", "bat1.png", "bat2.png", "tabbutton-1.png", "tabbutton-2.png", "tabbutton-3.png",
    "close-1.png", "close-2.png", "close-3.png", "min-1.png", "min-2.png", "min-3.png", "lang.png",
    "profilesel.png", "profile_import1.png", "profile_import2.png", "profile_export1.png",
    "profile_apply1.png", "lightning.png", "dongle.png", "mouselogo.png", "btn_up1.png", "btn_up2.png",
    "btn_up3.png", "btn_up4.png", "btn_down1.png", "btn_down2.png", "btn_down3.png", "btn_down4.png",
    "icon.ico", "dlg.png", "warn.png", "dongle2.png", "process.png", "checkbox1-1.png", "checkbox1-2.png",
    "checkbox2-1.png", "checkbox2-2.png", "DPI-ON.png", "DPI-OFF.png", "bulletsel.png", "dlg_gun.png",
    "gunset_bullet.png", "gunset_slider.png", "mouse_move.png", "icondelay.png", "loading.gif",
    "mouse/QORV Nimbus 6/Mouse.png", "mouse/QORV Nimbus 6/mouse_1.png", "mouse/QORV Nimbus 6/mouse_6.png",
    "mouse/QORV Nimbus 6_Side.png",
};

// Sizes the window lays its pictures out at, in design units.
const QList<QPair<QString, QSize>> kDesignSizes = {
    {"cfgMainback.png", QSize(999, 640)}, {"bat2.png", QSize(86, 47)}, {"lightning.png", QSize(26, 40)},
    {"dongle.png", QSize(48, 48)},         {"mouselogo.png", QSize(200, 50)}, {"process.png", QSize(128, 128)},
    {"dlg.png", QSize(478, 309)},          {"tabbutton-1.png", QSize(154, 29)}, {"lang.png", QSize(105, 20)},
};

struct Listed {
    QSize design;
    int density = 0;
};

QString generator() { return TestEnvironment::buildBinDir() + QStringLiteral("/../tools/mousecfg-skingen"); }

QProcessEnvironment generatorEnvironment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // The sanitizer build instruments the generator too; the font caches it
    // keeps until exit are not this test's business.
    env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    return env;
}

int runGenerator(const QStringList &args, QByteArray *out = nullptr)
{
    QProcess process;
    process.setProcessEnvironment(generatorEnvironment());
    process.start(generator(), args);
    if (!process.waitForFinished(120000))
        return -1;
    if (out)
        *out = process.readAllStandardOutput();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

bool hasVisiblePixels(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); y += 2) {
        const QRgb *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); x += 2) {
            if (qAlpha(line[x]) > 0)
                return true;
        }
    }
    return false;
}

} // namespace

class TestWidgetsSkin : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QMap<QString, Listed> m_listed;

private slots:
    void initTestCase()
    {
        QVERIFY2(QFileInfo::exists(generator()), qPrintable(generator()));
        QVERIFY(m_dir.isValid());
        QCOMPARE(runGenerator({m_dir.path()}), 0);
        QByteArray listing;
        QCOMPARE(runGenerator({QStringLiteral("--list")}, &listing), 0);
        for (const QByteArray &line : listing.split('\n')) {
            const QList<QByteArray> fields = line.split('\t');
            if (fields.size() != 4)
                continue;
            m_listed.insert(QString::fromUtf8(fields[0]),
                            Listed{QSize(fields[1].toInt(), fields[2].toInt()), fields[3].toInt()});
        }
        QVERIFY(!m_listed.isEmpty());
    }

    void drawsEveryPictureTheProgramLoads()
    {
        for (const QString &name : kRequired) {
            QVERIFY2(m_listed.contains(name), qPrintable(name));
            QVERIFY2(QFileInfo::exists(m_dir.filePath(name)), qPrintable(name));
        }
    }

    void picturesHaveListedSizesAndContent()
    {
        for (auto it = m_listed.cbegin(); it != m_listed.cend(); ++it) {
            QImageReader reader(m_dir.filePath(it.key()));
            const QImage image = reader.read();
            QVERIFY2(!image.isNull(), qPrintable(it.key() + QLatin1String(": ") + reader.errorString()));
            QCOMPARE(image.size(), it.value().design * it.value().density);
            QVERIFY2(hasVisiblePixels(image), qPrintable(it.key()));
        }
    }

    void designSizesMatchTheLayout()
    {
        for (const auto &expected : kDesignSizes) {
            QCOMPARE(m_listed.value(expected.first).design, expected.second);
            QCOMPARE(m_listed.value(expected.first).density, int(Skin::kDensity));
            QCOMPARE(Skin::designSize(m_dir.filePath(expected.first)), expected.second);
        }
    }

    void backgroundGivesTheWindowItsShape()
    {
        const QImage back(m_dir.filePath(QStringLiteral("cfgMainback.png")));
        QVERIFY(back.hasAlphaChannel());
        const int w = back.width();
        const int h = back.height();
        // Cut corners are transparent, the body is opaque: the mask of the
        // window comes from this alpha channel.
        QCOMPARE(qAlpha(back.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(back.pixel(w - 1, h - 1)), 0);
        QCOMPARE(qAlpha(back.pixel(w / 2, h / 2)), 255);
        QCOMPARE(qAlpha(back.pixel(w / 2, 1)), 255);
        QCOMPARE(qAlpha(back.pixel(1, h / 2)), 255);
        const QBitmap mask = QPixmap::fromImage(back.scaled(999, 640)).mask();
        QVERIFY(!mask.isNull());
    }

    void animationPlays()
    {
        QMovie movie(m_dir.filePath(QStringLiteral("loading.gif")));
        QVERIFY(movie.isValid());
        QVERIFY(movie.frameCount() > 1);
        QVERIFY(movie.jumpToFrame(0));
        const QImage first = movie.currentImage();
        QVERIFY(movie.jumpToNextFrame());
        const QImage second = movie.currentImage();
        QCOMPARE(first.size(), QSize(128, 128) * Skin::kDensity);
        QVERIFY(first != second);
        QVERIFY(movie.nextFrameDelay() > 0);
        // Corners are transparent, the middle is drawn.
        QCOMPARE(qAlpha(first.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(first.pixel(first.width() / 2, first.height() / 2)), 255);
    }

    void builtInPicturesAreCompiledIn()
    {
        Skin::initResources();
        QMovie movie(QStringLiteral(":/skin/loading.gif"));
        QVERIFY(movie.isValid());
        QVERIFY(movie.frameCount() > 1);
        QVERIFY(!QImage(QStringLiteral(":/yes_Btn")).isNull());
        QVERIFY(!QImage(QStringLiteral(":/no_Btn")).isNull());
    }

    void refusesModelNamesThatLeaveTheFolder_data()
    {
        QTest::addColumn<QString>("model");
        QTest::newRow("parent") << QStringLiteral("../evil");
        QTest::newRow("dot") << QStringLiteral(".");
        QTest::newRow("empty") << QString();
        QTest::newRow("nested") << QStringLiteral("a/b");
    }
    void refusesModelNamesThatLeaveTheFolder()
    {
        QFETCH(QString, model);
        QTemporaryDir dir;
        QCOMPARE(runGenerator({QStringLiteral("--model"), model, dir.path()}), 2);
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    void drawsOtherModelsOnRequest()
    {
        QByteArray listing;
        QCOMPARE(runGenerator({QStringLiteral("--model"), QStringLiteral("KV41"), QStringLiteral("--list")}, &listing), 0);
        QVERIFY(listing.contains("mouse/KV41/Mouse.png\t"));
        QVERIFY(listing.contains("mouse/KV41_Side.png\t"));
        QVERIFY(!listing.contains("QORV"));
    }
};

QTEST_MAIN(TestWidgetsSkin)
#include "test_widgets_skin.moc"
