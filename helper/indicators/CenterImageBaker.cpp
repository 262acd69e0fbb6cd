// Build tool: draws a vector image, text included, into the pixel file the helper shows, so that
// the helper needs no text shaping, fonts or vector drawing at run time.
//   keyvigil-center-image-baker IMAGE.svg OUT.pixels SCALE
//     a centre window's image at its own size times SCALE;
//   keyvigil-center-image-baker --size N IMAGE.svg OUT.pixels
//     a status picture N pixels square, the image fitted and centred in it.
#include "shared/PixelImage.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>

#include <cstdio>
#include <cstring>

namespace {

int usage(const char* program) {
    std::fprintf(stderr,
                 "usage: %s IMAGE.svg OUT.pixels SCALE\n       %s --size N IMAGE.svg OUT.pixels\n",
                 program, program);
    return 2;
}

PixelImage pixelsOf(const QImage& drawn) {
    PixelImage pixels(drawn.width(), drawn.height());
    for (int y = 0; y < drawn.height(); ++y)
        std::memcpy(pixels.row(y), drawn.constScanLine(y), std::size_t(drawn.width()) * 4);
    return pixels;
}

} // namespace

int main(int argc, char** argv) {
    const bool square = argc == 5 && std::strcmp(argv[1], "--size") == 0;
    if (argc != 4 && !square)
        return usage(argv[0]);
    const char* source = square ? argv[3] : argv[1];
    const char* output = square ? argv[4] : argv[2];
    const int number = QByteArray(square ? argv[2] : argv[3]).toInt();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QSvgRenderer image(QString::fromLocal8Bit(source));
    const QSize size = image.defaultSize();
    if (!image.isValid() || size.isEmpty() || number < 1) {
        std::fprintf(stderr, "%s: cannot draw %s\n", argv[0], source);
        return 1;
    }
    const QSize canvas = square ? QSize(number, number) : size * number;
    const QSizeF drawnSize =
        square ? QSizeF(size).scaled(canvas, Qt::KeepAspectRatio) : QSizeF(canvas);
    const QPointF topLeft((canvas.width() - drawnSize.width()) / 2,
                          (canvas.height() - drawnSize.height()) / 2);
    QImage drawn(canvas, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    QPainter painter(&drawn);
    image.render(&painter, QRectF(topLeft, drawnSize));
    painter.end();
    QSaveFile out(QString::fromLocal8Bit(output));
    if (!out.open(QIODevice::WriteOnly) || out.write(pixelsOf(drawn).packed()) < 0 ||
        !out.commit()) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], output);
        return 1;
    }
    return 0;
}
