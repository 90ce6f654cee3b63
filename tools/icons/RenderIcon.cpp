// Renders an SVG drawing as a square PNG of the given size: the build makes the desktop icon's
// fixed sizes from the same drawing the scalable icon is, so they can never drift apart.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fputs("usage: pivo-render-icon SVG SIZE PNG\n", stderr);
        return 2;
    }
    int size = 0;
    try {
        size = std::stoi(argv[2]);
    } catch (...) {
    }
    if (size < 1 || size > 1024) {
        std::fputs("pivo-render-icon: SIZE must be 1..1024\n", stderr);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QSvgRenderer drawing(QString::fromLocal8Bit(argv[1]));
    if (!drawing.isValid()) {
        std::fprintf(stderr, "pivo-render-icon: cannot read %s\n", argv[1]);
        return 1;
    }
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    drawing.render(&painter);
    painter.end();
    if (!icon.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "pivo-render-icon: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
