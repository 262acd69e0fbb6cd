#pragma once

#include <QByteArray>
#include <QRect>
#include <QSize>
#include <QString>

#include <cstdint>
#include <vector>

// Pixels as the display servers take them: premultiplied ARGB, one 32-bit word each
// (0xAARRGGBB in the machine's byte order), rows top to bottom with no padding. The helper draws
// its indicators into these without a toolkit's painting.
class PixelImage {
public:
    PixelImage() = default;
    // Every pixel `fill`, transparent by default.
    PixelImage(int width, int height, std::uint32_t fill = 0);

    bool isNull() const { return width_ <= 0 || height_ <= 0; }
    int width() const { return width_; }
    int height() const { return height_; }
    QSize size() const { return {width_, height_}; }
    std::uint32_t* row(int y) { return pixels_.data() + std::size_t(y) * std::size_t(width_); }
    const std::uint32_t* row(int y) const {
        return pixels_.data() + std::size_t(y) * std::size_t(width_);
    }
    const std::uint32_t* bits() const { return pixels_.data(); }
    std::size_t byteCount() const { return pixels_.size() * sizeof(std::uint32_t); }
    std::uint32_t pixel(int x, int y) const { return row(y)[x]; }

    // Replaces the pixels of `area` (clipped to the image) with `argb`.
    void fill(const QRect& area, std::uint32_t argb);
    // Every channel times `factor` (0 to 1): the whole picture that much more transparent.
    void fade(double factor);
    // Each colour turned to its opposite, the transparency kept.
    void invert();
    // The picture drawn `width` × `height`, each pixel the mean of the source pixels it covers
    // (or, enlarging, the nearer source pixel's blend): smooth at the scales screens use.
    PixelImage scaled(int width, int height) const;
    // Replaces the pixels with `source`'s, top-left corners together, keeping this image's size
    // and buffer (which a display server's image may point into).
    void copyFrom(const PixelImage& source);
    // Drawn over this one with its top-left corner at `at`, where it is not fully transparent.
    void drawOver(const PixelImage& source, QPoint at);

    // The ".pixels" file the build writes: "KVPX", the width and the height as little-endian
    // 32-bit words, then the rows. Null for anything else, or a picture over 8192 a side.
    static PixelImage fromPacked(const char* data, qint64 size);
    static PixelImage load(const QString& path);
    QByteArray packed() const;

    static constexpr std::uint32_t argb(int a, int r, int g, int b) {
        return std::uint32_t(a) << 24 | std::uint32_t(r) << 16 | std::uint32_t(g) << 8 |
               std::uint32_t(b);
    }

    friend bool operator==(const PixelImage&, const PixelImage&) = default;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
};
