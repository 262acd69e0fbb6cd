#include "platform/desktop/StatusPictures.h"
#include "tests/shared/TempHome.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

QStringList said;

void bake(const QTemporaryDir& folder, const QString& name, std::initializer_list<int> sizes) {
    for (const int size : sizes)
        writeFile(folder.filePath(QStringLiteral("%1-%2.pixels").arg(name).arg(size)),
                  PixelImage(size, size, PixelImage::argb(255, size, 0, 0)).packed());
}

TEST(StatusPicturesTest, ASizeComesFromTheSmallestBakedOneAtLeastAsLargeElseTheLargest) {
    QTemporaryDir folder;
    bake(folder, "KVOpen", {16, 22, 24, 32, 48, 64});
    const QString open = folder.filePath("KVOpen.svg");
    const std::vector<PixelImage> baked = StatusPictures::baked(open);
    ASSERT_EQ(baked.size(), StatusPictures::bakedSizes.size());
    EXPECT_EQ(baked.front().width(), 16);
    EXPECT_EQ(baked.back().width(), 64);
    // Each pixel's red is the size it was baked at: which file a size came from shows.
    EXPECT_EQ(StatusPictures::atSize(open, 22).pixel(0, 0), PixelImage::argb(255, 22, 0, 0));
    const PixelImage between = StatusPictures::atSize(open, 20);
    EXPECT_EQ(between.size(), QSize(20, 20));
    EXPECT_EQ(between.pixel(10, 10), PixelImage::argb(255, 22, 0, 0));
    EXPECT_EQ(StatusPictures::atSize(open, 128).size(), QSize(64, 64));
}

TEST(StatusPicturesTest, MissingFilesAreSaidOnceAndLeaveTheirSizesOut) {
    QTemporaryDir folder;
    bake(folder, "KVClosed", {16, 48});
    writeFile(folder.filePath("KVClosed-32.pixels"), "KVPX"); // damaged
    const QString closed = folder.filePath("KVClosed.svg");
    said.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& message) { said << message; });
    const PixelImage middle = StatusPictures::atSize(closed, 22);
    const PixelImage large = StatusPictures::atSize(closed, 64);
    const PixelImage none = StatusPictures::atSize(folder.filePath("KVNumLock.svg"), 22);
    qInstallMessageHandler(previous);

    EXPECT_EQ(middle.size(), QSize(22, 22));
    EXPECT_EQ(middle.pixel(11, 11), PixelImage::argb(255, 48, 0, 0));
    EXPECT_EQ(large.size(), QSize(48, 48));
    EXPECT_TRUE(none.isNull());
    // Four sizes of the one picture, six of the other, each once.
    EXPECT_EQ(said.size(), 10) << said.join('\n').toStdString();
    EXPECT_EQ(said.filter("KVClosed-32.pixels").size(), 1);
}

} // namespace
