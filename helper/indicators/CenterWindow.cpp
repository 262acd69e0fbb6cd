#include "helper/indicators/CenterWindow.h"

#include <QDataStream>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QtEndian>

#include <cstring>

namespace {

constexpr quint32 kPackedMagic = 0x4B565058; // "KVPX"
// Magic, width and height, then the rows of premultiplied ARGB32 pixels.
constexpr qint64 kHeaderSize = 3 * sizeof(quint32);

QString ifFile(const QString& path) {
    return QFileInfo(path).isFile() ? path : QString();
}

} // namespace

CenterWindow::CenterWindow(const QString& imagePath, const QSize& size)
    : QWidget(nullptr, Qt::Window) {
    setFixedSize(size);
    QString base = imagePath;
    if (base.endsWith(QLatin1String(".svg")))
        base.chop(4);
    drawn_[0] = ifFile(base + QLatin1String(".pixels"));
    drawn_[1] = ifFile(base + QLatin1String("@2x.pixels"));
    if (drawn_[0].isEmpty() && drawn_[1].isEmpty())
        vectors_ = std::make_unique<QSvgRenderer>(imagePath);
}

bool CenterWindow::hasImage() const {
    return vectors_ ? vectors_->isValid() : true;
}

void CenterWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (vectors_) {
        if (vectors_->isValid())
            vectors_->render(&painter, QRectF(rect()));
        return;
    }
    const bool sharp = devicePixelRatioF() > 1.0 && !drawn_[1].isEmpty();
    QFile file(sharp || drawn_[0].isEmpty() ? drawn_[1] : drawn_[0]);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const uchar* mapped = file.map(0, file.size());
    const QImage image = mapped ? unpack(mapped, file.size()) : QImage();
    if (!image.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(rect()), image);
    }
}

QByteArray CenterWindow::pack(const QImage& image) {
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QByteArray packed;
    QDataStream out(&packed, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << kPackedMagic << quint32(pixels.width()) << quint32(pixels.height());
    for (int y = 0; y < pixels.height(); ++y)
        out.writeRawData(reinterpret_cast<const char*>(pixels.constScanLine(y)),
                         pixels.width() * 4);
    return packed;
}

QImage CenterWindow::unpack(const uchar* packed, qint64 size) {
    if (size < kHeaderSize)
        return {};
    quint32 header[3];
    std::memcpy(header, packed, sizeof header);
    const quint32 width = qFromLittleEndian(header[1]), height = qFromLittleEndian(header[2]);
    if (qFromLittleEndian(header[0]) != kPackedMagic || width == 0 || height == 0 || width > 8192 ||
        height > 8192 || size != kHeaderSize + qint64(width) * height * 4)
        return {};
    return QImage(packed + kHeaderSize, int(width), int(height), qsizetype(width) * 4,
                  QImage::Format_ARGB32_Premultiplied);
}
