// Renders the program's SVG icon as PNG files of the sizes the desktop's icon theme wants:
//   brelvan-icon-png ICON.svg SIZE OUT.png [SIZE OUT.png ...]
// A build tool; it is not installed.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 4 || argc % 2 != 0) {
        std::fputs(
            "Aufruf: brelvan-icon-png ICON.svg GRÖSSE AUSGABE.png [GRÖSSE AUSGABE.png ...]\n",
            stderr);
        return 1;
    }
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication application(argc, argv);
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "%s ist kein lesbares SVG.\n", argv[1]);
        return 2;
    }
    for (int i = 2; i + 1 < argc; i += 2) {
        const int size = std::atoi(argv[i]);
        if (size < 16 || size > 1024) {
            std::fprintf(stderr, "Größe %s ist nicht 16 bis 1024.\n", argv[i]);
            return 1;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter);
        painter.end();
        if (!image.save(QString::fromLocal8Bit(argv[i + 1]), "PNG")) {
            std::fprintf(stderr, "%s kann nicht geschrieben werden.\n", argv[i + 1]);
            return 2;
        }
    }
    return 0;
}
