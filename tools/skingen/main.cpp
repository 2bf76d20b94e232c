// Draws the skin: every picture the program shows, written into the skin
// folder of the installation.
//
//   mousecfg-skingen [--model <name>] <skin directory>
//   mousecfg-skingen [--model <name>] --list
//
// --list prints one line per picture: name, design width and height, and
// pixels per design unit, separated by tabs.

#include "catalog.h"
#include "loadinganimation.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QSaveFile>

#include <cstdio>

namespace {

// The sample model of the installation; its mouse pictures go to
// mouse/<model>/ and mouse/<model>_Side.png.
const char *const kDefaultModel = "QORV Nimbus 6";

QVector<Canvas::Picture> everyPicture(const QString &model)
{
    QVector<Canvas::Picture> all;
    all += Catalog::windowPictures();
    all += Catalog::controlPictures();
    all += Catalog::dialogPictures();
    all += Catalog::mousePictures(model);
    return all;
}

bool writePicture(const QString &dir, const Canvas::Picture &picture)
{
    const QString path = dir + QLatin1Char('/') + picture.name;
    QDir().mkpath(QFileInfo(path).path());
    const QImage image = Canvas::render(picture.design, picture.paint, picture.density);
    QImageWriter writer(path, picture.format);
    if (!writer.write(image)) {
        std::fprintf(stderr, "mousecfg-skingen: cannot write %s: %s\n", qPrintable(path),
                     qPrintable(writer.errorString()));
        return false;
    }
    return true;
}

bool writeAnimation(const QString &dir)
{
    QSaveFile file(dir + QStringLiteral("/loading.gif"));
    if (!file.open(QIODevice::WriteOnly) || file.write(LoadingAnimation::gif(Canvas::kDensity)) < 0 || !file.commit()) {
        std::fprintf(stderr, "mousecfg-skingen: cannot write %s\n", qPrintable(file.fileName()));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    // Text is drawn through the font machinery, which needs a GUI
    // application; the build runs without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QStringList args = app.arguments().mid(1);
    QString model = QString::fromUtf8(kDefaultModel);
    const int modelAt = args.indexOf(QStringLiteral("--model"));
    if (modelAt >= 0) {
        if (modelAt + 1 >= args.size()) {
            std::fprintf(stderr, "mousecfg-skingen: --model needs a name\n");
            return 2;
        }
        model = args.at(modelAt + 1);
        args.erase(args.begin() + modelAt, args.begin() + modelAt + 2);
    }
    if (model.isEmpty() || model.contains(QLatin1Char('/')) || model.startsWith(QLatin1Char('.'))) {
        std::fprintf(stderr, "mousecfg-skingen: the model name must be a plain file name\n");
        return 2;
    }

    const QVector<Canvas::Picture> pictures = everyPicture(model);
    if (args == QStringList{QStringLiteral("--list")}) {
        for (const Canvas::Picture &picture : pictures)
            std::printf("%s\t%d\t%d\t%d\n", picture.name.toUtf8().constData(), picture.design.width(),
                        picture.design.height(), picture.density);
        std::printf("loading.gif\t%d\t%d\t%d\n", LoadingAnimation::kDesignSize, LoadingAnimation::kDesignSize,
                    Canvas::kDensity);
        return 0;
    }
    if (args.size() != 1 || args.first().startsWith(QLatin1String("--"))) {
        std::fprintf(stderr, "usage: mousecfg-skingen [--model <name>] <skin directory> | --list\n");
        return 2;
    }

    const QString dir = args.first();
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "mousecfg-skingen: cannot create %s\n", qPrintable(dir));
        return 1;
    }
    bool ok = true;
    for (const Canvas::Picture &picture : pictures)
        ok = writePicture(dir, picture) && ok;
    ok = writeAnimation(dir) && ok;
    return ok ? 0 : 1;
}
