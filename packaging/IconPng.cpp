// Writes the program icon as one PNG per size for the desktop's icon theme:
//   mousecfg-iconpng <icon.ico> <output folder> <size>...
// Each size is taken from the icon's image of that size, or scaled down from
// its largest image, and written as <output folder>/<size>.png.
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QMap>
#include <cstdio>

namespace {

QMap<int, QImage> readImagesBySize(const QString &path)
{
    QMap<int, QImage> images;
    QImageReader reader(path, "ico");
    const int count = reader.imageCount();
    for (int i = 0; i < count; ++i) {
        if (!reader.jumpToImage(i))
            break;
        const QImage image = reader.read();
        if (!image.isNull() && image.width() == image.height())
            images.insert(image.width(), image.convertToFormat(QImage::Format_ARGB32));
    }
    return images;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: mousecfg-iconpng ICON.ico OUTDIR SIZE...\n");
        return 64;
    }
    const QMap<int, QImage> images = readImagesBySize(args.at(1));
    if (images.isEmpty()) {
        std::fprintf(stderr, "mousecfg-iconpng: no square image in %s\n", qPrintable(args.at(1)));
        return 65;
    }
    if (!QDir().mkpath(args.at(2))) {
        std::fprintf(stderr, "mousecfg-iconpng: cannot create %s\n", qPrintable(args.at(2)));
        return 73;
    }
    for (const QString &sizeText : args.mid(3)) {
        bool ok = false;
        const int size = sizeText.toInt(&ok);
        if (!ok || size <= 0) {
            std::fprintf(stderr, "mousecfg-iconpng: bad size %s\n", qPrintable(sizeText));
            return 64;
        }
        const QImage image = images.contains(size)
                                 ? images.value(size)
                                 : images.last().scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        const QString target = QDir(args.at(2)).filePath(sizeText + QStringLiteral(".png"));
        if (!image.save(target, "PNG")) {
            std::fprintf(stderr, "mousecfg-iconpng: cannot write %s\n", qPrintable(target));
            return 73;
        }
    }
    return 0;
}
