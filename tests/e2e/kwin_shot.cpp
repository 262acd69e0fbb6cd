// Takes a screenshot of KWin's whole 800 x 600 workspace through its screenshot interface, which
// writes raw pixels into a pipe, and saves it as the PNG named by the one argument.
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>
#include <QImage>
#include <QVariantMap>

#include <cstdio>
#include <thread>

#include <unistd.h>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: kwin_shot OUT.png\n");
        return 2;
    }
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return 1;
    QByteArray pixels;
    // Read while KWin writes: a full pipe would hold it up.
    std::thread reader([&pixels, fd = pipeEnds[0]] {
        char chunk[65536];
        for (ssize_t n; (n = read(fd, chunk, sizeof chunk)) > 0;)
            pixels.append(chunk, n);
        close(fd);
    });
    QDBusMessage reply;
    {
        // The message holds a copy of the pipe's end: it must be gone for the end of the data
        // to show once KWin has written.
        QDBusMessage call = QDBusMessage::createMethodCall(
            "org.kde.KWin", "/org/kde/KWin/ScreenShot2", "org.kde.KWin.ScreenShot2", "CaptureArea");
        call << 0 << 0 << 800u << 600u << QVariantMap{{"native-resolution", true}}
             << QVariant::fromValue(QDBusUnixFileDescriptor(pipeEnds[1]));
        close(pipeEnds[1]);
        reply = QDBusConnection::sessionBus().call(call, QDBus::Block, 10000);
    }
    if (reply.type() != QDBusMessage::ReplyMessage) {
        std::fprintf(stderr, "kwin_shot: %s\n", qPrintable(reply.errorMessage()));
        std::_Exit(1); // KWin may still hold the pipe's other end
    }
    reader.join();
    const QVariantMap meta = qdbus_cast<QVariantMap>(reply.arguments().value(0));
    const int width = meta.value("width").toInt(), height = meta.value("height").toInt();
    const int stride = meta.value("stride").toInt();
    if (pixels.size() < qsizetype(stride) * height) {
        std::fprintf(stderr, "kwin_shot: %lld bytes for %dx%d\n", qlonglong(pixels.size()), width,
                     height);
        return 1;
    }
    const QImage image(reinterpret_cast<const uchar*>(pixels.constData()), width, height, stride,
                       QImage::Format(meta.value("format").toInt()));
    return image.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
