#include "shared/PixelImage.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace {

constexpr std::uint32_t kPackedMagic = 0x4B565058; // "KVPX"
constexpr qint64 kHeaderSize = 3 * sizeof(std::uint32_t);
constexpr int kLargestSide = 8192;

// How much of each source pixel one destination pixel along an axis covers.
struct Span {
    int first = 0;
    std::vector<float> weights;
};

std::vector<Span> spans(int from, int to) {
    std::vector<Span> result(static_cast<std::size_t>(to));
    const double step = double(from) / to;
    for (int i = 0; i < to; ++i) {
        double start = i * step;
        double end = start + step;
        if (step < 1.0) {
            // Enlarging: the blend of the two nearest source pixels, by distance.
            const double centre = std::clamp((i + 0.5) * step - 0.5, 0.0, double(from - 1));
            const int left = int(centre);
            const float right = float(centre - left);
            result[i].first = left;
            result[i].weights = {1.0f - right};
            if (left + 1 < from)
                result[i].weights.push_back(right);
            continue;
        }
        const int first = int(start);
        const int last = std::min(from - 1, int(std::ceil(end)) - 1);
        result[i].first = first;
        for (int s = first; s <= last; ++s) {
            const double covered = std::min(end, s + 1.0) - std::max(start, double(s));
            result[i].weights.push_back(float(covered / step));
        }
    }
    return result;
}

using Channels = std::array<float, 4>;

Channels channels(std::uint32_t p) {
    return {float(p >> 24), float((p >> 16) & 0xFF), float((p >> 8) & 0xFF), float(p & 0xFF)};
}

std::uint32_t packChannels(const Channels& c) {
    const auto byte = [](float v) { return std::uint32_t(std::clamp(std::lround(v), 0L, 255L)); };
    return byte(c[0]) << 24 | byte(c[1]) << 16 | byte(c[2]) << 8 | byte(c[3]);
}

} // namespace

PixelImage::PixelImage(int width, int height, std::uint32_t fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)),
      pixels_(std::size_t(width_) * std::size_t(height_), fill) {}

void PixelImage::fill(const QRect& area, std::uint32_t argb) {
    const QRect clipped = area.intersected(QRect(0, 0, width_, height_));
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        std::fill_n(row(y) + clipped.left(), clipped.width(), argb);
}

void PixelImage::fade(double factor) {
    factor = std::clamp(factor, 0.0, 1.0);
    for (std::uint32_t& p : pixels_) {
        Channels c = channels(p);
        for (float& v : c)
            v = float(v * factor);
        p = packChannels(c);
    }
}

void PixelImage::invert() {
    for (std::uint32_t& p : pixels_) {
        // Premultiplied: a colour channel's opposite is the alpha less it.
        const std::uint32_t alpha = p >> 24;
        const std::uint32_t r = alpha - std::min(alpha, (p >> 16) & 0xFF);
        const std::uint32_t g = alpha - std::min(alpha, (p >> 8) & 0xFF);
        const std::uint32_t b = alpha - std::min(alpha, p & 0xFF);
        p = alpha << 24 | r << 16 | g << 8 | b;
    }
}

PixelImage PixelImage::scaled(int width, int height) const {
    if (isNull() || width <= 0 || height <= 0)
        return {};
    if (width == width_ && height == height_)
        return *this;
    // Along the rows first, then down the columns. Only the few source rows one destination row
    // covers are kept, scaled across, in a ring: a full-size intermediate image would be several
    // times the size of the picture itself.
    const std::vector<Span> across = spans(width_, width);
    const std::vector<Span> down = spans(height_, height);
    std::size_t ringRows = 1;
    for (const Span& span : down)
        ringRows = std::max(ringRows, span.weights.size());
    std::vector<Channels> ring(ringRows * std::size_t(width));
    int nextRow = 0; // the next source row to scale across
    const auto wideRow = [&](int y) { return ring.data() + (std::size_t(y) % ringRows) * width; };
    PixelImage result(width, height);
    for (int y = 0; y < height; ++y) {
        const Span& span = down[std::size_t(y)];
        const int last = span.first + int(span.weights.size()) - 1;
        for (nextRow = std::max(nextRow, last + 1 - int(ringRows)); nextRow <= last; ++nextRow) {
            Channels* wide = wideRow(nextRow);
            for (int x = 0; x < width; ++x) {
                Channels sum{};
                const Span& columns = across[std::size_t(x)];
                for (std::size_t k = 0; k < columns.weights.size(); ++k) {
                    const Channels c = channels(row(nextRow)[columns.first + int(k)]);
                    for (int i = 0; i < 4; ++i)
                        sum[i] += c[i] * columns.weights[k];
                }
                wide[x] = sum;
            }
        }
        for (int x = 0; x < width; ++x) {
            Channels sum{};
            for (std::size_t k = 0; k < span.weights.size(); ++k) {
                const Channels& c = wideRow(span.first + int(k))[x];
                for (int i = 0; i < 4; ++i)
                    sum[i] += c[i] * span.weights[k];
            }
            result.row(y)[x] = packChannels(sum);
        }
    }
    return result;
}

void PixelImage::copyFrom(const PixelImage& source) {
    const int width = std::min(width_, source.width_);
    for (int y = 0; y < std::min(height_, source.height_); ++y)
        std::copy_n(source.row(y), width, row(y));
}

void PixelImage::drawOver(const PixelImage& source, QPoint at) {
    const QRect area = QRect(at, source.size()).intersected(QRect(0, 0, width_, height_));
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const std::uint32_t* from = source.row(y - at.y()) + (area.left() - at.x());
        std::uint32_t* to = row(y) + area.left();
        for (int x = 0; x < area.width(); ++x) {
            const std::uint32_t s = from[x];
            const std::uint32_t alpha = s >> 24;
            if (alpha == 0)
                continue;
            if (alpha == 255) {
                to[x] = s;
                continue;
            }
            Channels top = channels(s);
            const Channels below = channels(to[x]);
            for (int i = 0; i < 4; ++i)
                top[i] += below[i] * (255.0f - float(alpha)) / 255.0f;
            to[x] = packChannels(top);
        }
    }
}

PixelImage PixelImage::fromPacked(const char* data, qint64 size) {
    if (!data || size < kHeaderSize)
        return {};
    std::uint32_t header[3];
    std::memcpy(header, data, sizeof header);
    const std::uint32_t width = qFromLittleEndian(header[1]);
    const std::uint32_t height = qFromLittleEndian(header[2]);
    if (qFromLittleEndian(header[0]) != kPackedMagic || width == 0 || height == 0 ||
        width > kLargestSide || height > kLargestSide ||
        size != kHeaderSize + qint64(width) * height * 4)
        return {};
    PixelImage image(static_cast<int>(width), static_cast<int>(height));
    const char* pixels = data + kHeaderSize;
    for (std::size_t i = 0; i < image.pixels_.size(); ++i) {
        std::uint32_t p;
        std::memcpy(&p, pixels + 4 * i, sizeof p);
        image.pixels_[i] = qFromLittleEndian(p);
    }
    return image;
}

PixelImage PixelImage::load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = file.readAll();
    return fromPacked(data.constData(), data.size());
}

QByteArray PixelImage::packed() const {
    QByteArray data(kHeaderSize + qint64(byteCount()), Qt::Uninitialized);
    const std::uint32_t header[3] = {qToLittleEndian(kPackedMagic),
                                     qToLittleEndian(std::uint32_t(width_)),
                                     qToLittleEndian(std::uint32_t(height_))};
    std::memcpy(data.data(), header, sizeof header);
    for (std::size_t i = 0; i < pixels_.size(); ++i) {
        const std::uint32_t p = qToLittleEndian(pixels_[i]);
        std::memcpy(data.data() + kHeaderSize + 4 * i, &p, sizeof p);
    }
    return data;
}
