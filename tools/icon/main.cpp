// velmora-icon SVG SIZE PNG: the picture drawn on a transparent square of
// SIZE pixels, for the icon theme's fixed sizes.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    bool sizeOk = false;
    const int size = args.size() == 4 ? args[2].toInt(&sizeOk) : 0;
    if (!sizeOk || size < 1 || size > 1024) {
        std::fprintf(stderr, "Usage : velmora-icon IMAGE.svg TAILLE IMAGE.png\n");
        return EXIT_FAILURE;
    }
    QSvgRenderer picture(args[1]);
    if (!picture.isValid()) {
        std::fprintf(stderr, "Image illisible : %s\n", qPrintable(args[1]));
        return EXIT_FAILURE;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    picture.render(&painter);
    painter.end();
    if (!image.save(args[3], "PNG")) {
        std::fprintf(stderr, "Impossible d'écrire le fichier %s.\n", qPrintable(args[3]));
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
