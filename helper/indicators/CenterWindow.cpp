#include "helper/indicators/CenterWindow.h"

#include <QDataStream>
#include <QFile>
#include <QPainter>

namespace {

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

CenterWindow::CenterWindow(const QString& imagePath, const QSize& size, Qt::WindowFlags flags)
    : QWidget(nullptr, flags) {
    setFixedSize(size);
    QString base = imagePath;
    if (base.endsWith(QLatin1String(".svg")))
        base.chop(4);
    drawn_[0] = contentsOf(base + QLatin1String(".pixels"));
    drawn_[1] = contentsOf(base + QLatin1String("@2x.pixels"));
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
    const QImage image = unpack(sharp || drawn_[0].isEmpty() ? drawn_[1] : drawn_[0]);
    if (image.isNull())
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(rect()), image);
}

namespace {
constexpr quint32 kPackedMagic = 0x4B565058; // "KVPX"
} // namespace

QByteArray CenterWindow::pack(const QImage& image) {
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QByteArray packed;
    QDataStream out(&packed, QIODevice::WriteOnly);
    out << kPackedMagic << quint32(pixels.width()) << quint32(pixels.height())
        << qCompress(QByteArray(reinterpret_cast<const char*>(pixels.constBits()),
                                qsizetype(pixels.sizeInBytes())));
    return packed;
}

QImage CenterWindow::unpack(const QByteArray& packed) {
    QDataStream in(packed);
    quint32 magic = 0, width = 0, height = 0;
    QByteArray compressed;
    in >> magic >> width >> height >> compressed;
    if (in.status() != QDataStream::Ok || magic != kPackedMagic || width == 0 || height == 0 ||
        width > 8192 || height > 8192)
        return {};
    QByteArray bits = qUncompress(compressed);
    if (bits.size() != qsizetype(width) * qsizetype(height) * 4)
        return {};
    // The image keeps the unpacked bytes as they are, without a second copy.
    auto* owned = new QByteArray(std::move(bits));
    return QImage(
        reinterpret_cast<const uchar*>(owned->constData()), int(width), int(height),
        qsizetype(width) * 4, QImage::Format_ARGB32_Premultiplied,
        [](void* bytes) { delete static_cast<QByteArray*>(bytes); }, owned);
}
