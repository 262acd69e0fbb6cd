#pragma once

#include <QByteArray>
#include <QImage>
#include <QSvgRenderer>
#include <QWidget>

#include <memory>

// A top-level window whose whole content is one image, scaled to fill it: the image drawn at
// build time beside the vector source ("<name>.pixels", and "<name>@2x.pixels" for two pixels a
// point) when there is one, else the vector source drawn at paint time. A drawn image is kept
// compressed and unpacked at each paint: the window is painted only when shown, and an unpacked
// copy would hold up to a megabyte all the time. The pixels are stored raw and deflated rather
// than as PNG, whose reader would load every image-format plug-in the toolkit has.
class CenterWindow : public QWidget {
    Q_OBJECT

public:
    CenterWindow(const QString& imagePath, const QSize& size, Qt::WindowFlags flags);

    bool hasImage() const;
    // The drawn-image file's contents for `image`, and the image back from them (null when the
    // contents are no such file).
    static QByteArray pack(const QImage& image);
    static QImage unpack(const QByteArray& packed);
    // True when no drawn image was found and the vectors are drawn instead.
    bool drawsVectors() const { return vectors_ != nullptr; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QByteArray drawn_[2]; // one and two pixels a point
    std::unique_ptr<QSvgRenderer> vectors_;
};
