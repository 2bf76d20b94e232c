// mousecfg-iconrender: renders the program's scalable icon into the PNG sizes
// of the hicolor icon theme, <out>/<n>x<n>/apps/<name>.png, so that one
// drawing is the source of every size.
//
//   mousecfg-iconrender ICON.svg OUTDIR SIZE...

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    QTextStream err(stderr);
    if (args.size() < 4) {
        err << "usage: mousecfg-iconrender ICON.svg OUTDIR SIZE...\n";
        return 64;
    }
    QSvgRenderer renderer(args.at(1));
    if (!renderer.isValid()) {
        err << "not a usable SVG file: " << args.at(1) << '\n';
        return 65;
    }
    const QString name = QFileInfo(args.at(1)).completeBaseName();
    for (const QString &sizeText : args.mid(3)) {
        bool ok = false;
        const int size = sizeText.toInt(&ok);
        if (!ok || size < 8 || size > 1024) {
            err << "not an icon size: " << sizeText << '\n';
            return 64;
        }
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(args.at(2)).arg(size);
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, true);
        renderer.render(&painter);
        painter.end();
        if (!QDir().mkpath(dir) || !image.save(dir + QLatin1Char('/') + name + QStringLiteral(".png"))) {
            err << "cannot write " << dir << '\n';
            return 73;
        }
    }
    return 0;
}
