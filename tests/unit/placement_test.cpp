// Centring a window over another inside the work area.
#include <gtest/gtest.h>

#include "common/placement.h"

namespace {
const Box kScreen = {0, 0, 1024, 768};
Box Sized(long w, long h) {
    return Box{0, 0, w, h};
}
} // namespace

TEST(CenteredSpot, OverTheDesktopWithTheTaskbarAtTheBottom) {
    Box work = {0, 0, 1024, 740};
    Spot spot = CenteredSpot(Sized(400, 300), kScreen, work, 1024, 768);
    EXPECT_EQ(312, spot.x);
    EXPECT_EQ(234, spot.y); // centred over the screen, not the work area: it still fits
    spot = CenteredSpot(Sized(400, 740), kScreen, work, 1024, 768);
    EXPECT_EQ(0, spot.y); // (768-740)/2 = 14 would pass the work area's bottom
    spot = CenteredSpot(Sized(400, 730), kScreen, work, 1024, 768);
    EXPECT_EQ(10, spot.y); // moved up to meet the bottom edge
}

TEST(CenteredSpot, TaskbarOnTheLeftDoesNotShiftAWindowInside) {
    Box work = {60, 0, 1024, 768};
    Spot spot = CenteredSpot(Sized(400, 300), kScreen, work, 1024, 768);
    EXPECT_EQ(312, spot.x);
}

TEST(CenteredSpot, SmallOwnerNearTheLeftEdgePushesRight) {
    Box work = {40, 0, 1024, 768};
    Box owner = {0, 100, 100, 200};
    Spot spot = CenteredSpot(Sized(300, 200), owner, work, 1024, 768);
    EXPECT_EQ(40, spot.x);
    EXPECT_EQ(50, spot.y);
}

TEST(CenteredSpot, WiderThanTheWorkAreaMeetsItsLeftEdge) {
    Box work = {30, 0, 1024, 768};
    Spot spot = CenteredSpot(Sized(1100, 300), kScreen, work, 1024, 768);
    EXPECT_EQ(30, spot.x);
}

TEST(CenteredSpot, NoWorkAreaMeansTheWholeScreen) {
    Box none = {0, 0, 0, 0};
    Spot spot = CenteredSpot(Sized(1000, 300), Box{900, 0, 1000, 100}, none, 1024, 768);
    EXPECT_EQ(24, spot.x); // 900 + (100-1000)/2 = 450, right edge 1450 > 1024
    EXPECT_EQ(0, spot.y);  // -100 clamped to the top
    Spot odd = CenteredSpot(Sized(5, 5), Box{0, 0, 10, 10}, none, 1024, 768);
    EXPECT_EQ(2, odd.x); // signed halving drops the remainder
}
