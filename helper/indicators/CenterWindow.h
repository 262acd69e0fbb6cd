#pragma once

#include "platform/OverlayWindows.h"

#include <QObject>
#include <QString>

#include <memory>

// A window over the middle of the screen whose whole content is one image, scaled to fill it:
// the image drawn at build time beside its vector source ("<name>.pixels", and "<name>@2x.pixels"
// for two pixels a point), the window `opacity` times as opaque. The file is read only while the
// window is drawn: it is drawn only when shown, and a copy kept in memory would hold up to a
// megabyte all the time. The pixels are stored raw, ready to copy, so that showing them needs no
// image decoder, fonts or vector drawing.
class CenterWindow final : public QObject, public OverlayPicture {
    Q_OBJECT

public:
    CenterWindow(const QString& imagePath, const QSize& size, double opacity,
                 OverlayWindows& overlays, bool clickThrough);
    ~CenterWindow() override;

    bool hasImage() const { return !drawn_[0].isEmpty() || !drawn_[1].isEmpty(); }
    double opacity() const override { return opacity_; }
    OverlayWindow& window() { return *window_; }

    QSize size() const override { return size_; }
    void draw(PixelImage& image, double scale) const override;

private:
    QString drawn_[2]; // the files at one and two pixels a point, empty when missing
    QSize size_;
    double opacity_;
    std::unique_ptr<OverlayWindow> window_; // last: gone before the picture it shows
};
