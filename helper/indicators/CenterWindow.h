#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QSvgRenderer>
#include <QWidget>

#include <memory>

// A top-level window whose whole content is one image, scaled to fill it: the image drawn at
// build time beside the vector source ("<name>.pixels", and "<name>@2x.pixels" for two pixels a
// point) when there is one, else the vector source drawn at paint time. A drawn image's file is
// mapped only while a paint copies it: the window is painted only when shown, and a copy kept in
// memory would hold up to a megabyte all the time. The pixels are stored raw, ready to copy,
// rather than as PNG, whose reader would load every image-format plug-in the toolkit has and
// would take milliseconds to decode at each showing.
class CenterWindow : public QWidget {
    Q_OBJECT

public:
    CenterWindow(const QString& imagePath, const QSize& size);

    bool hasImage() const;
    // The drawn-image file's contents for `image`, and the image over such contents, sharing
    // them (null when they are no such file).
    static QByteArray pack(const QImage& image);
    static QImage unpack(const uchar* packed, qint64 size);
    // True when no drawn image was found and the vectors are drawn instead.
    bool drawsVectors() const { return vectors_ != nullptr; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString drawn_[2]; // the files at one and two pixels a point, empty when missing
    std::unique_ptr<QSvgRenderer> vectors_;
};
