// Build tool: draws a centre window's vector image, text included, at its own size times SCALE
// into the file CenterWindow shows, so that the helper needs no text shaping, fonts or vector
// drawing at run time.
//   keyvigil-center-image-baker IMAGE.svg OUT.pixels SCALE
#include "helper/indicators/CenterWindow.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s IMAGE.svg OUT.pixels SCALE\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QSvgRenderer image(QString::fromLocal8Bit(argv[1]));
    const QSize size = image.defaultSize();
    const int scale = QByteArray(argv[3]).toInt();
    if (!image.isValid() || size.isEmpty() || scale < 1) {
        std::fprintf(stderr, "%s: cannot draw %s\n", argv[0], argv[1]);
        return 1;
    }
    QImage drawn(size * scale, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    QPainter painter(&drawn);
    image.render(&painter, QRectF(QPointF(0, 0), QSizeF(size * scale)));
    painter.end();
    QSaveFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly) || out.write(CenterWindow::pack(drawn)) < 0 ||
        !out.commit()) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
        return 1;
    }
    return 0;
}
