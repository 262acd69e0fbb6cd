#include "shared/PixelImage.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t red = PixelImage::argb(255, 255, 0, 0);
constexpr std::uint32_t blue = PixelImage::argb(255, 0, 0, 255);

// Left half red, right half blue.
PixelImage halves(int width, int height) {
    PixelImage image(width, height, red);
    image.fill(QRect(width / 2, 0, width - width / 2, height), blue);
    return image;
}

// Smaller, larger and fractional sizes keep each half's colour away from the seam, blend at
// it, and keep the picture's total colour.
TEST(PixelImage, ScalingKeepsColoursAndBlendsOnlyAtTheSeam) {
    const PixelImage source = halves(1000, 1000);
    const PixelImage half = source.scaled(500, 500);
    EXPECT_EQ(half.pixel(10, 10), red);
    EXPECT_EQ(half.pixel(490, 499), blue);
    const PixelImage fractional = source.scaled(750, 750);
    EXPECT_EQ(fractional.pixel(0, 749), red);
    EXPECT_EQ(fractional.pixel(749, 0), blue);
    long redSum = 0, blueSum = 0;
    for (int x = 0; x < 750; ++x) {
        redSum += fractional.pixel(x, 300) >> 16 & 0xFF;
        blueSum += fractional.pixel(x, 300) & 0xFF;
    }
    EXPECT_NEAR(redSum, 375 * 255, 255);
    EXPECT_NEAR(blueSum, 375 * 255, 255);

    const PixelImage larger = halves(4, 2).scaled(8, 4);
    EXPECT_EQ(larger.pixel(0, 0), red);
    EXPECT_EQ(larger.pixel(7, 3), blue);
    const std::uint32_t seam = larger.pixel(4, 1);
    EXPECT_EQ(seam >> 24, 255u);
    EXPECT_GT(seam >> 16 & 0xFF, 0u);
    EXPECT_GT(seam & 0xFF, 0u);
    EXPECT_TRUE(PixelImage().scaled(5, 5).isNull());
}

TEST(PixelImage, FadeInvertAndDrawOverWorkOnPremultipliedPixels) {
    PixelImage image(2, 1, PixelImage::argb(128, 100, 0, 128));
    image.invert();
    EXPECT_EQ(image.pixel(0, 0), PixelImage::argb(128, 28, 128, 0));
    image.fade(0.5);
    EXPECT_EQ(image.pixel(1, 0), PixelImage::argb(64, 14, 64, 0));

    PixelImage below(3, 1, blue);
    below.drawOver(PixelImage(2, 1, PixelImage::argb(128, 128, 0, 0)), QPoint(2, 0));
    EXPECT_EQ(below.pixel(1, 0), blue);
    EXPECT_EQ(below.pixel(2, 0), PixelImage::argb(255, 128, 0, 127));
}

// A damaged, short or foreign file gives nothing rather than garbage.
TEST(PixelImage, PackedFilesRoundTripAndBadOnesAreRefused) {
    const PixelImage image = halves(6, 3);
    const QByteArray packed = image.packed();
    EXPECT_EQ(PixelImage::fromPacked(packed.constData(), packed.size()), image);
    EXPECT_TRUE(PixelImage::fromPacked(packed.constData(), packed.size() - 4).isNull());
    QByteArray tooWide = packed;
    tooWide[4] = 0;
    tooWide[5] = 0x40; // 16384 across
    EXPECT_TRUE(PixelImage::fromPacked(tooWide.constData(), tooWide.size()).isNull());
    EXPECT_TRUE(PixelImage::fromPacked("not an image", 12).isNull());
    EXPECT_TRUE(PixelImage::load(QStringLiteral("/nonexistent.pixels")).isNull());
}

} // namespace
