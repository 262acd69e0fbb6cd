#include "helper/indicators/IndicatorGeometry.h"

#include <gtest/gtest.h>

namespace {
constexpr std::uint32_t withOtherKeys = 0x21B00;
constexpr std::uint32_t capsOnly = 0x400;
} // namespace

TEST(IndicatorGeometry, UpperLeftWindowIsCentredOnTheTopBarOfA900PointScreen) {
    const UpperLeftFrame tall = upperLeftFrame(QRect(0, 0, 1440, 900), withOtherKeys);
    EXPECT_EQ(tall.height, 15);
    EXPECT_EQ(tall.originY, 881); // 881.5 cut toward zero
    EXPECT_EQ(tall.frame, QRect(0, 4, 17, 15));

    const UpperLeftFrame shallow = upperLeftFrame(QRect(0, 0, 1440, 900), capsOnly);
    EXPECT_EQ(shallow.height, 8);
    EXPECT_EQ(shallow.originY, 885);
    EXPECT_EQ(shallow.frame, QRect(0, 7, 17, 8));
}

TEST(IndicatorGeometry, UpperLeftWindowFollowsTheScreensHeightAndPosition) {
    // 599 - 18.5 = 580.5 is cut to 580, so the window keeps its 4-point top margin.
    EXPECT_EQ(upperLeftFrame(QRect(0, 0, 800, 599), withOtherKeys).frame, QRect(0, 4, 17, 15));
    EXPECT_EQ(upperLeftFrame(QRect(-1280, 200, 1280, 1024), capsOnly).frame,
              QRect(-1280, 207, 17, 8));
}

TEST(IndicatorGeometry, CentredWindowSitsAThirdOfTheSpareHeightDown) {
    EXPECT_EQ(centeredOrigin(QRect(0, 30, 1440, 870), QSize(500, 500)), QPoint(470, 153));
    EXPECT_EQ(centeredOrigin(QRect(1440, 0, 1920, 1080), QSize(268, 335)), QPoint(2266, 248));
}
